// pktcount: counts the packets of SS7 captures. The counting itself is not
// part of this example; it shows a tool of the set on the command-line service.
#include "pktcount.hpp"

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const RVCommandLine commandLine(makeCommandLineDefinition(),
                                    makeAppDefinition(argc > 0 ? argv[0] : nullptr), argc, argv);
    commandLine.handleStandardArguments();
    const SettingsOrError read = readSettings(commandLine);
    if (read.error) {
        commandLine.exitWithUsageError(*read.error);
    }
    Settings settings = read.settings;
    if (settings.quiet) {
        return 0;
    }
    if (settings.color == Settings::Color::automatic) {
        settings.color = isatty(STDOUT_FILENO) ? Settings::Color::always : Settings::Color::never;
    }
    std::fputs(headerLine(settings).c_str(), stdout);
    for (const std::string& input : settings.inputs) {
        if (settings.verbosity > 0) {
            std::fputs(noteLine(settings, input).c_str(), stderr);
        }
        std::fputs(totalLine(settings, input, 0).c_str(), stdout);
    }
    return 0;
}
