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
    for (const std::string& input : read.settings.inputs) {
        if (!read.settings.quiet) {
            std::printf("%s: 0 packets\n", input.c_str());
        }
    }
    return 0;
}
