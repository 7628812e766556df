#include "cmdline/RVParser.hpp"

#include "cmdline/RVPartParser.hpp"

#include <algorithm>
#include <utility>

namespace {

// Whether the words after a word that names no command ask for help: they
// are no command's, so only the help option is looked for, up to "--".
bool asksForHelp(const RVOptionPart& global, std::span<const char* const> words)
{
    if (global.helpIndex() == RVOptionTable::none) {
        return false;
    }
    const RVOptionSpec& help = global.option(global.helpIndex());
    for (const std::string_view word : words) {
        if (word == "--") {
            return false;
        }
        if (word == help.longForm) {
            return true;
        }
        const bool cluster = word.size() > 1 && word[0] == '-' && word[1] != '-';
        if (cluster && !help.shortForm.empty() &&
            std::find(word.begin() + 1, word.end(), help.shortForm[1]) != word.end() &&
            global.findSpelledLongName(word.substr(1)) == RVOptionTable::none) {
            return true;
        }
    }
    return false;
}

RVParseResult parseWithCommands(const RVOptionTable& table, std::span<const char* const> arguments)
{
    rv::RVPartContext globalContext;
    globalContext.stopAtCommand = true;
    auto [result, at, verbose] = rv::parsePart(table.global(), arguments, globalContext);
    if (at >= arguments.size()) {
        if (!result.error) {
            result.error = RVUsageError{RVUsageError::Kind::missingCommand, {}};
        }
        result.readings.clear();
        return result;
    }
    const std::string_view word = arguments[at];
    const std::span<const char* const> rest = arguments.subspan(at + 1);
    const int command = table.findCommand(word);
    if (command == RVOptionTable::none) {
        if (!result.error) {
            result.error = RVUsageError{RVUsageError::Kind::unknownCommand, std::string(word)};
        }
        if (!result.action && asksForHelp(table.global(), rest)) {
            result.action = RVStandardAction::help;
        }
        result.readings.clear();
        return result;
    }
    const RVOptionPart& part = table.part(command);
    result.command = command;
    result.params.emplace(part.command(), RVOptionValue::number(1));
    rv::RVPartContext commandContext;
    commandContext.recordFromStart = verbose;
    commandContext.global = &table.global();
    RVParseResult inCommand = rv::parsePart(part, rest, commandContext).result;
    result.params.merge(inCommand.params);
    // Only the help option is in both parts: given in each, its count is
    // the whole line's.
    if (part.helpIndex() != RVOptionTable::none) {
        if (const auto help = inCommand.params.find(part.option(part.helpIndex()).name);
            help != inCommand.params.end()) {
            RVOptionValue& global = result.params.find(help->first)->second;
            global = RVOptionValue::number(*global.asNumber() + *help->second.asNumber());
        }
    }
    if (!result.action && inCommand.action) {
        result.action = inCommand.action;
        result.actionPart = command;
    }
    if (!result.error && inCommand.error) {
        result.error = std::move(inCommand.error);
        result.error->part = command;
    }
    if (!verbose || result.action || result.error) {
        result.readings.clear();
        return result;
    }
    RVReading named;
    named.firstArgument = at;
    named.part = command;
    named.command = true;
    result.readings.push_back(named);
    for (RVReading& reading : inCommand.readings) {
        reading.firstArgument += at + 1;
        reading.part = command;
        result.readings.push_back(reading);
    }
    return result;
}

} // namespace

RVParseResult rv::parseArguments(const RVOptionTable& table, std::span<const char* const> arguments)
{
    if (table.hasCommands()) [[unlikely]] {
        return parseWithCommands(table, arguments);
    }
    return parsePart(table.global(), arguments).result;
}
