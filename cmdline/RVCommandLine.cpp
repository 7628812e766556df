#include "cmdline/RVCommandLine.hpp"

#include "cmdline/RVHelpText.hpp"
#include "cmdline/RVOutput.hpp"
#include "cmdline/RVUsageErrorText.hpp"
#include "cmdline/RVVerboseReport.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>

RVCommandLine::RVCommandLine(std::vector<std::map<std::string, std::string>> commandLineDefinition,
                             std::map<std::string, std::string> appDefinition, int argc,
                             const char* const* argv)
    : table_(std::move(commandLineDefinition), std::move(appDefinition))
{
    const std::span<const char* const> arguments =
        argc > 1 ? std::span(argv + 1, static_cast<std::size_t>(argc - 1))
                 : std::span<const char* const>();
    result_ = rv::parseArguments(table_, arguments);
    if (!result_.readings.empty()) {
        // Made here, while the readings' views into argv are still good.
        verboseReport_ = rv::renderVerboseReport(table_, arguments, result_.readings);
        result_.readings = {};
    }
}

void RVCommandLine::handleStandardArguments()
{
    if (result_.action == RVStandardAction::help) {
        showAndExit(rv::renderHelp(table_));
    }
    if (result_.action == RVStandardAction::version) {
        showAndExit(rv::renderVersion(table_));
    }
    if (result_.error) {
        rv::detail::writeAll(STDERR_FILENO, rv::renderUsageError(table_, *result_.error));
        std::exit(static_cast<int>(RVExitStatus::usageError));
    }
    if (!verboseReport_.empty()) {
        rv::detail::writeAll(STDERR_FILENO, verboseReport_);
    }
}

void RVCommandLine::showAndExit(const std::string& text)
{
    if (!rv::detail::writeAll(STDOUT_FILENO, text)) {
        const std::string message = std::string(table_.app().displayName()) +
                                    ": write error: " + std::strerror(errno) + '\n';
        rv::detail::writeAll(STDERR_FILENO, message);
        std::exit(static_cast<int>(RVExitStatus::outputFailed));
    }
    std::exit(static_cast<int>(RVExitStatus::success));
}
