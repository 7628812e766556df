// capconv: a tool that exists only for the tests of the page and the
// completions, with what pcstat's table lacks: a -v of its own that counts,
// an optional value, two options that exclude each other, values and
// operands that complete by their "complete" key, an integer whose
// placeholder would offer files, and operands named other than FILE.
#include <varnock/cmdline/docs/RVToolDocs.hpp>

// clang-format off
RVToolDefinitions rvToolDefinitions()
{
    return {
        {
            {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
            {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
            {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"standard", "no"}, {"help", "says more of what it does; give it again for more still"}},
            {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | never | auto}"}, {"accepts", "choice"}, {"optional", "always"}, {"help", "colours the report"}},
            {{"name", "no-daemon"}, {"long", "--no-daemon"}, {"help", "stays in the foreground"}},
            {{"name", "config"}, {"long", "--config"}, {"argument", "PATH"}, {"complete", "file"}, {"help", "reads the settings from PATH"}},
            {{"name", "spool"}, {"short", "-s"}, {"long", "--spool"}, {"argument", "filename"}, {"complete", "directory"}, {"help", "keeps its work in a folder"}},
            {{"name", "peer"}, {"long", "--peer"}, {"argument", "{stp-a | stp-b}"}, {"complete", "none"}, {"help", "names the peer, which the completions leave to the user"}},
            {{"name", "interval"}, {"short", "-i"}, {"long", "--interval"}, {"argument", "filename"}, {"accepts", "integer 1.."}, {"help", "checks every this many seconds"}},
            {{"name", "append"}, {"short", "-a"}, {"long", "--append"}, {"excludes", "truncate"}, {"help", "adds to DEST"}},
            {{"name", "truncate"}, {"short", "-t"}, {"long", "--truncate"}, {"help", "empties DEST first"}},
            {{"name", "source"}, {"operand", "SOURCE..."}, {"complete", "file"}, {"help", "a capture to convert"}},
            {{"name", "dest"}, {"operand", "DEST"}, {"complete", "directory"}, {"help", "the folder to write into"}},
        },
        {{"version", "1.0"}, {"executable", "capconv"}, {"description", "converts captures into a folder"}},
    };
}
// clang-format on
