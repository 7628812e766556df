#include "linkwait.hpp"

// One definition to a line, in the order the help screen shows them. The
// app definition's "options" "before-operands" ends linkwait's options at
// COMMAND, as getopt_long's leading '+' does: every word after it is
// COMMAND's, "--help" too.
// clang-format off
std::vector<RVDefinition> makeCommandLineDefinition()
{
    return {
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the software version"}},
        {{"name", "link"}, {"short", "-l"}, {"long", "--link"}, {"argument", "LINK"}, {"help", "waits for LINK only, not for every link"}},
        {{"name", "timeout"}, {"short", "-t"}, {"long", "--timeout"}, {"argument", "SECONDS"}, {"accepts", "integer 1.."}, {"help", "gives up after SECONDS"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", "says nothing before running COMMAND"}},
        {{"name", "command"}, {"operand", "COMMAND"}, {"help", "the program to run once the links are in service"}},
        {{"name", "arg"}, {"operand", "[ARG]..."}, {"complete", "file"}, {"help", "its arguments, options among them"}},
    };
}
// clang-format on

RVDefinition makeAppDefinition(const char* runAs)
{
    return {{"version", LINKWAIT_VERSION},
            {"executable", "linkwait"},
            {"run-as", runAs != nullptr ? runAs : "linkwait"},
            {"options", "before-operands"},
            {"description", "Runs COMMAND once the signalling links are in service."},
            {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."}};
}
