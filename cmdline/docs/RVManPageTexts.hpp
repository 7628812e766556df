// The texts of a man page that the option table and the app definition do
// not hold (the one-line summary, the description, the examples, the tool's
// environment, files, exit statuses and related pages), and the reader of
// the small file that a tool keeps them in.
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

// An environment variable, a file or an exit status, and what it is to the
// tool.
struct RVManEntry
{
    std::string name; // "SIGCTL_SOCKET", "/etc/sigctl.conf", "3"
    std::string text;

    friend bool operator==(const RVManEntry&, const RVManEntry&) = default;
};

// A page of SEE ALSO: "groff" in section "1".
struct RVManReference
{
    std::string page;
    std::string section;

    friend bool operator==(const RVManReference&, const RVManReference&) = default;
};

struct RVManPageTexts
{
    std::string summary;                  // what the tool does, for the NAME line
    std::vector<std::string> description; // one entry per paragraph
    std::vector<RVManExample> examples;
    std::string date; // the page's date, YYYY-MM-DD; may be empty
    // Each in the file's order; an exit status's name is its number, 0 to
    // 255, each at most once.
    std::vector<RVManEntry> environment = {};
    std::vector<RVManEntry> files = {};
    std::vector<RVManEntry> exitStatuses = {};
    std::vector<RVManReference> seeAlso = {};

    friend bool operator==(const RVManPageTexts&, const RVManPageTexts&) = default;
};

// Reads lines of the form "key: text", where key is one of
//   summary       exactly once;
//   description   one paragraph each;
//   example       a command line that runs the tool;
//   explanation   at most one, for the example before it;
//   environment   "NAME: TEXT": a variable's name (letters, digits and '_',
//                 not starting with a digit) and what it does;
//   files         "PATH: TEXT": a path without blanks that starts with '/',
//                 '~', '.' or '$' ("$XDG_CONFIG_HOME/x.conf"), and what it is;
//   exit-status   "N: TEXT": a status from 0 to 255, written without leading
//                 zeros, each once, and what it means;
//   see-also      "NAME(SECTION)": a page's name (letters, digits and
//                 "._+:-", starting with a letter, a digit or '_') and its
//                 section, a digit from 1 to 9 and any lower-case letters
//                 ("3p"); one a line.
// The name, path or number ends at the first ": ". A line that starts with
// a space or a tab continues the text before it (a see-also line has none),
// after a space, or after a line break where an example's command ends in
// a backslash, which the shell reads as a line continuation;
// blank lines and lines that start with '#' are skipped. The file is UTF-8
// without control characters, but for its line ends, a CR right before one
// and the tabs that start a line, and without the controls that reorder
// text. Throws RVDefinitionError naming the line for anything else. The
// date is not read here: it is the build's.
namespace rv {

RVManPageTexts readManPageTexts(std::string_view fileText);

} // namespace rv
