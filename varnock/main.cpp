// varnock: checks SS7 signalling packets against a filter. This is the run,
// step by step; everything it calls lives in the front-end library.
#include "varnock/varnock.hpp"
#include <varnock/cmdline/RVCommandLine.hpp>

int main(int argc, char* argv[])
{
    // A process may be started with an empty argument vector: no program name.
    const char* runAs = argc > 0 ? argv[0] : nullptr;

    RVCommandLine commandLine(makeCommandLineDefinition(), makeAppDefinition(runAs), argc, argv);
    commandLine.handleStandardArguments();
    const RVParams& params = commandLine.params();

    const RunSettings settings = resolveRunSettings(params);
    walkInputs(settings.inputs);
    return 0;
}
