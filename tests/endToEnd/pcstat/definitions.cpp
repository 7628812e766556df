// pcstat: a tool that exists only for the completion tests, with what
// varnock's table lacks: file operands, checked values, a choice that holds
// a colon and one that holds a quote, and options that take no value.
#include <varnock/cmdline/docs/RVToolDocs.hpp>

// clang-format off
RVToolDefinitions rvToolDefinitions()
{
    return {
        {
            {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
            {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
            {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
            {{"name", "dry-run"}, {"long", "--dry-run"}, {"help", "reads nothing"}},
            {{"name", "cache"}, {"long", "--cache"}, {"argument", "filename"}, {"help", "keeps results in a file"}},
            {{"name", "filter"}, {"short", "-f"}, {"long", "--filter"}, {"argument", "filename"}, {"help", "reads a filter"}},
            {{"name", "count"}, {"short", "-n"}, {"long", "--count"}, {"argument", "N"}, {"accepts", "integer 1.."}, {"help", "stops after N packets"}},
            {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "{text (default) | csv | json}"}, {"accepts", "choice"}, {"help", "sets the output format"}},
            {{"name", "variant"}, {"long", "--variant"}, {"argument", "{itu:14 (default) | itu:16 | ansi:24}"}, {"accepts", "choice"}, {"help", "sets the point code variant"}},
            {{"name", "mark"}, {"short", "-m"}, {"long", "--mark"}, {"argument", "{b'c | plain}"}, {"help", "marks the output"}},
            {{"name", "file"}, {"operand", "[FILE]..."}, {"help", "a capture to read"}},
        },
        {{"version", "1.0"}, {"executable", "pcstat"}},
    };
}
// clang-format on
