// linkctl: lists, shows and changes the signalling links of the link
// daemon. Talking to the daemon is not part of this example; it shows a tool
// of the set with commands on the command-line service, and prints the
// request it would send.
#include "linkctl.hpp"

#include <cstdio>

int main(int argc, char* argv[])
{
    const RVCommandLine commandLine(makeCommandLineDefinition(),
                                    makeAppDefinition(argc > 0 ? argv[0] : nullptr), argc, argv);
    commandLine.handleStandardArguments();
    const RequestOrError read = readRequest(commandLine);
    if (read.error) {
        commandLine.exitWithUsageError(*read.error);
    }
    std::printf("%s: %s", read.request.socket.c_str(), requestLine(read.request).c_str());
    return 0;
}
