// sigctl: a tool with commands that exists only for the tests of the page
// and the completions: global options, a command with an option named like
// another command's, one with an operand, and one whose options come before
// its operands, with a choice, an optional value and an integer.
#include <varnock/cmdline/docs/RVToolDocs.hpp>

// clang-format off
RVToolDefinitions rvToolDefinitions()
{
    return {
        {
            {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
            {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
            {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
            {{"name", "socket"}, {"short", "-S"}, {"long", "--socket"}, {"argument", "PATH"}, {"complete", "file"}, {"help", "talks to the daemon at PATH"}},
            {{"name", "list"}, {"command", "list"}, {"help", "lists the links"}},
            {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "lists the links that are down too"}},
            {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "{text (default) | json}"}, {"accepts", "choice"}, {"of", "list"}, {"help", "writes the list as text or JSON"}},
            {{"name", "show"}, {"command", "show"}, {"help", "shows one link"}},
            {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "show"}, {"help", "shows every key, the defaults too"}},
            {{"name", "link"}, {"operand", "LINK"}, {"of", "show"}, {"help", "the link to show"}},
            {{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "sets a key of a link"}},
            {{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "set"}, {"help", "sets it even while the link is up"}},
            {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | never}"}, {"accepts", "choice"}, {"optional", "always"}, {"of", "set"}, {"help", "colours what it says"}},
            {{"name", "retries"}, {"short", "-r"}, {"long", "--retries"}, {"argument", "N"}, {"accepts", "integer -1.."}, {"of", "set"}, {"help", "tries again N times, or for ever with -1"}},
            {{"name", "link"}, {"operand", "LINK"}, {"of", "set"}, {"help", "the link"}},
            {{"name", "key"}, {"operand", "KEY"}, {"of", "set"}, {"help", "the key to set"}},
            {{"name", "value"}, {"operand", "VALUE"}, {"of", "set"}, {"complete", "file"}, {"help", "its new value"}},
        },
        {{"version", "1.0"}, {"executable", "sigctl"}},
    };
}
// clang-format on
