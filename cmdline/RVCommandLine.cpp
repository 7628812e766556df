#include "cmdline/RVCommandLine.hpp"

#include "cmdline/RVErrorText.hpp"
#include "cmdline/RVHelpText.hpp"
#include "cmdline/RVOutput.hpp"
#include "cmdline/RVVerboseReport.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace {

// The arguments after the program name, up to argc or the first null
// pointer, whichever comes first.
std::span<const char* const> argumentsAfterProgramName(int argc, const char* const* argv)
{
    if (argv == nullptr || argc <= 1) {
        return {};
    }
    std::size_t count = 0;
    while (count + 1 < static_cast<std::size_t>(argc) && argv[count + 1] != nullptr) {
        ++count;
    }
    return {argv + 1, count};
}

} // namespace

RVCommandLine::RVCommandLine(std::vector<std::map<std::string, std::string>> commandLineDefinition,
                             std::map<std::string, std::string> appDefinition, int argc,
                             const char* const* argv)
    : table_(std::move(commandLineDefinition), std::move(appDefinition))
{
    const std::span<const char* const> arguments = argumentsAfterProgramName(argc, argv);
    result_ = parseArguments(table_, arguments);
    const int verbose = table_.verboseIndex();
    if (!result_.action && !result_.error && verbose != RVOptionTable::none &&
        result_.params.contains(std::string(table_.option(verbose).name))) {
        // The readings are collected only when -v is given, so that a run
        // without it pays nothing for them; and the report is made here, so
        // that nothing reads argv after the constructor.
        std::vector<RVReading> readings;
        parseArguments(table_, arguments, &readings);
        verboseReport_ = renderVerboseReport(table_, arguments, readings);
    }
}

void RVCommandLine::handleStandardArguments()
{
    if (result_.action == RVStandardAction::help) {
        showAndExit(renderHelp(table_));
    }
    if (result_.action == RVStandardAction::version) {
        showAndExit(renderVersion(table_));
    }
    if (result_.error) {
        writeAll(STDERR_FILENO, renderUsageError(table_, *result_.error));
        std::exit(RVExitStatus_usageError);
    }
    if (!verboseReport_.empty()) {
        writeAll(STDERR_FILENO, verboseReport_);
    }
}

void RVCommandLine::showAndExit(const std::string& text)
{
    if (!writeAll(STDOUT_FILENO, text)) {
        const std::string message = std::string(table_.app().displayName()) +
                                    ": write error: " + std::strerror(errno) + '\n';
        writeAll(STDERR_FILENO, message);
        std::exit(RVExitStatus_outputFailed);
    }
    std::exit(RVExitStatus_success);
}
