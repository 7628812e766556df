// RVCommandLine: the command-line service. It is built from the option
// definitions, the app definition and the process's arguments, parses them
// at once, acts on the standard options in handleStandardArguments (the
// only place that prints or ends the process) and hands out the values.
#pragma once

#include "cmdline/RVExitStatus.hpp"
#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVOptionValue.hpp"
#include "cmdline/RVParser.hpp"

#include <map>
#include <span>
#include <string>
#include <vector>

class RVCommandLine
{
public:
    // Throws RVDefinitionError for a bad definition. argc and argv are as
    // main receives them; argv is read during construction only, and
    // nothing handed out refers to it.
    RVCommandLine(std::vector<std::map<std::string, std::string>> commandLineDefinition,
                  std::map<std::string, std::string> appDefinition, int argc,
                  const char* const* argv);

    // Prints help or version and exits, or reports the first usage error and
    // exits; otherwise writes the verbose report when asked and returns.
    void handleStandardArguments();

    // Option name to value: a list of texts, one per occurrence in command
    // line order, for an option that takes a value; the number of
    // occurrences for one that does not; no entry for an option not given.
    // A copy outlives this object and shares its texts' bytes.
    const RVParams& params() const { return result_.params; }

    const RVParseResult& parseResult() const { return result_; }

private:
    [[noreturn]] void showAndExit(const std::string& text);

    RVOptionTable table_;
    RVParseResult result_;
    std::string verboseReport_; // empty unless -v was given on a valid line
};
