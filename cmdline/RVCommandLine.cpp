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
    : table_(std::move(commandLineDefinition), std::move(appDefinition)),
      arguments_(argumentsAfterProgramName(argc, argv)), result_(parseArguments(table_, arguments_))
{}

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
    if (table_.verboseIndex() != RVOptionTable::none &&
        result_.params.contains(std::string(table_.option(table_.verboseIndex()).name))) {
        // Readings are collected only now, so that a run without -v pays nothing for them.
        std::vector<RVReading> readings;
        parseArguments(table_, arguments_, &readings);
        writeAll(STDERR_FILENO, renderVerboseReport(table_, arguments_, readings));
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
