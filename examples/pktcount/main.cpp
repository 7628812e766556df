// pktcount: counts the packets of SS7 captures. The counting itself is not
// part of this example; it shows a tool of the set on the command-line service.
#include "pktcount.hpp"

#include <cstdio>

int main(int argc, char* argv[])
{
    const RVCommandLine commandLine(makeCommandLineDefinition(),
                                    makeAppDefinition(argc > 0 ? argv[0] : nullptr), argc, argv);
    commandLine.handleStandardArguments();
    const SettingsOrError read = readSettings(commandLine);
    if (read.error) {
        commandLine.exitWithUsageError(*read.error);
    }
    if (read.settings.quiet) {
        return 0;
    }
    std::fputs(headerLine(read.settings).c_str(), stdout);
    for (const std::string& input : read.settings.inputs) {
        std::fputs(totalLine(read.settings, input, 0).c_str(), stdout);
    }
    return 0;
}
