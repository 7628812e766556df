// The texts of a man page that the option table and the app definition do
// not hold (the one-line summary, the description, the examples), and the
// reader of the small file that a tool keeps them in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct RVManExample
{
    std::string command;     // one shell command line, as the user types it
    std::string explanation; // what it does; may be empty

    friend bool operator==(const RVManExample&, const RVManExample&) = default;
};

struct RVManPageTexts
{
    std::string summary;                  // what the tool does, for the NAME line
    std::vector<std::string> description; // one entry per paragraph
    std::vector<RVManExample> examples;
    std::string date; // the page's date, YYYY-MM-DD; may be empty

    friend bool operator==(const RVManPageTexts&, const RVManPageTexts&) = default;
};

// Reads lines of the form "key: text", where key is "summary" (exactly
// once), "description" (one paragraph each), "example" or "explanation" (at
// most one, for the example before it). A line that starts with a space or a
// tab continues the text before it; blank lines and lines that start with
// '#' are skipped. Throws RVDefinitionError naming the line for anything
// else. The date is not read here: it is the build's.
namespace rv {

RVManPageTexts readManPageTexts(std::string_view fileText);

} // namespace rv
