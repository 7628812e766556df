#include <varnock/cmdline/RVCommandLine.hpp>

#include "cmdline/RVHelpText.hpp"
#include "cmdline/RVMemoryExhausted.hpp"
#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVOutput.hpp"
#include "cmdline/RVParser.hpp"
#include "cmdline/RVUsageErrorText.hpp"
#include "cmdline/RVVerboseReport.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>

struct RVCommandLine::State
{
    State(std::vector<RVDefinition> commandLineDefinition, RVDefinition appDefinition)
        : table(std::move(commandLineDefinition), std::move(appDefinition))
    {}

    RVOptionTable table;
    RVParseResult result;
    std::string messageName;   // the name that messages start with
    std::string verboseReport; // empty unless -v was given on a valid line
};

RVCommandLine::RVCommandLine(std::vector<RVDefinition> commandLineDefinition,
                             RVDefinition appDefinition, int argc, const char* const* argv)
    : state_(std::make_unique<State>(std::move(commandLineDefinition), std::move(appDefinition)))
{
    state_->messageName = rv::detail::messageName(state_->table);
    rv::detail::setMemoryExhaustedName(state_->messageName);
    const std::span<const char* const> arguments =
        argc > 1 ? std::span(argv + 1, static_cast<std::size_t>(argc - 1))
                 : std::span<const char* const>();
    state_->result = rv::parseArguments(state_->table, arguments);
    if (!state_->result.readings.empty()) {
        // Made here, while the readings' views into argv are still good.
        state_->verboseReport =
            rv::renderVerboseReport(state_->table, arguments, state_->result.readings);
        state_->result.readings = {};
    }
}

RVCommandLine::~RVCommandLine()
{
    if (state_) {
        rv::detail::setMemoryExhaustedName({});
    }
}
RVCommandLine::RVCommandLine(RVCommandLine&&) noexcept = default;
// The state assigned over may hold the name that the out-of-memory report
// reads: the report is pointed at the state that stays.
RVCommandLine& RVCommandLine::operator=(RVCommandLine&& other) noexcept
{
    state_ = std::move(other.state_);
    if (state_) {
        rv::detail::setMemoryExhaustedName(state_->messageName);
    }
    return *this;
}

const RVParams& RVCommandLine::params() const
{
    return state_->result.params;
}

RVOutcome RVCommandLine::standardOutcome() const
{
    using Stream = RVOutcome::Stream;
    const RVParseResult& result = state_->result;
    if (result.action == RVStandardAction::help) {
        return {Stream::standardOutput, rv::renderHelp(state_->table, result.actionPart),
                RVExitStatus::success};
    }
    if (result.action == RVStandardAction::version) {
        return {Stream::standardOutput, rv::renderVersion(state_->table), RVExitStatus::success};
    }
    if (result.error) {
        return {Stream::standardError, rv::renderUsageError(state_->table, *result.error),
                RVExitStatus::usageError};
    }
    if (!state_->verboseReport.empty()) {
        return {Stream::standardError, state_->verboseReport, std::nullopt};
    }
    return {};
}

void RVCommandLine::handleStandardArguments() const
{
    const RVOutcome outcome = standardOutcome();
    if (outcome.stream == RVOutcome::Stream::standardOutput &&
        !rv::detail::writeAll(STDOUT_FILENO, outcome.text)) {
        const std::string message =
            state_->messageName + ": write error: " + std::strerror(errno) + '\n';
        rv::detail::writeAll(STDERR_FILENO, message);
        std::exit(static_cast<int>(RVExitStatus::failure));
    }
    if (outcome.stream == RVOutcome::Stream::standardError) {
        rv::detail::writeAll(STDERR_FILENO, outcome.text);
    }
    if (outcome.exitStatus) {
        std::exit(static_cast<int>(*outcome.exitStatus));
    }
}

std::string_view RVCommandLine::command() const
{
    const int command = state_->result.command;
    return command == RVOptionTable::none ? std::string_view()
                                          : state_->table.part(command).command();
}

std::string RVCommandLine::usageErrorText(std::string_view message) const
{
    const int command = state_->result.command;
    return rv::renderToolUsageError(state_->table, message,
                                    command == RVOptionTable::none ? RVOptionTable::globalPart
                                                                   : command);
}

void RVCommandLine::exitWithUsageError(std::string_view message) const
{
    rv::detail::writeAll(STDERR_FILENO, usageErrorText(message));
    std::exit(static_cast<int>(RVExitStatus::usageError));
}
