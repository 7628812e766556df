#include "cmdline/RVUsageErrorText.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVSuggestions.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using rv::quoted;

// std::find rather than find: the latter calls memchr, which would be one
// more symbol for the dynamic loader to bind at every start of a bind-now
// binary, for a message that few runs print.
std::string_view nameBeforeEquals(std::string_view body)
{
    return {body.begin(), std::find(body.begin(), body.end(), '=')};
}

// What an integer option expects, after its refused value; nothing for a
// choice, whose choices follow on a line of their own.
std::string expectation(const RVValueCheck& check)
{
    if (check.kind != RVValueCheck::Kind::integer) {
        return {};
    }
    return ": expected " + rv::detail::acceptedIntegers(check);
}

std::string describe(const RVOptionTable& tool, const RVUsageError& error)
{
    const RVOptionPart& table = tool.part(error.part);
    const auto letter = std::string_view(&error.letter, 1);
    switch (error.kind) {
    case RVUsageError::Kind::unknownOption:
    case RVUsageError::Kind::singleDashLongName:
        return "unrecognized option " + quoted(error.word);
    case RVUsageError::Kind::invalidShortOption:
        // A byte of a multi-byte character means nothing on its own.
        if (static_cast<unsigned char>(error.letter) >= 0x80) {
            return "unrecognized option " + quoted(error.word);
        }
        return "invalid option -- " + quoted(letter);
    case RVUsageError::Kind::missingValue:
        if (error.letter != 0) {
            return "option requires an argument -- " + quoted(letter);
        }
        return "option " + quoted(table.option(error.option).longForm) + " requires an argument";
    case RVUsageError::Kind::unexpectedValue:
        return "option " + quoted(table.option(error.option).longForm) +
               " doesn't allow an argument";
    case RVUsageError::Kind::extraOperand:
        return "extra operand " + quoted(error.word);
    case RVUsageError::Kind::missingOperand:
        return "missing " +
               std::string(table.operands()[static_cast<std::size_t>(error.operand)].word) +
               " operand";
    case RVUsageError::Kind::invalidValue:
        return "invalid argument " + quoted(error.word) + " for " +
               quoted(table.option(error.option).longForm) +
               expectation(table.option(error.option).check);
    case RVUsageError::Kind::excludedOption:
        return quoted(table.option(error.option).longForm) + " cannot be given with " +
               quoted(table.option(error.otherOption).longForm);
    case RVUsageError::Kind::missingCommand:
        return "missing command";
    case RVUsageError::Kind::unknownCommand:
        return "unknown command " + quoted(error.word);
    case RVUsageError::Kind::globalOptionAfterCommand:
        return quoted(error.word) + " is an option of " + rv::detail::messageName(tool) +
               ": give it before " + quoted(table.command());
    }
    return "invalid command line";
}

std::vector<std::string_view> suggestions(const RVOptionTable& tool, const RVUsageError& error)
{
    const RVOptionPart& table = tool.part(error.part);
    switch (error.kind) {
    case RVUsageError::Kind::unknownOption:
        return rv::suggestLongForms(table,
                                    nameBeforeEquals(std::string_view(error.word).substr(2)));
    case RVUsageError::Kind::unknownCommand: {
        std::vector<std::string_view> names;
        for (const RVOptionPart& command : tool.commands()) {
            names.push_back(command.command());
        }
        return rv::suggestChoices(names, error.word);
    }
    case RVUsageError::Kind::singleDashLongName:
        if (error.option != RVOptionTable::none) {
            return {table.option(error.option).longForm};
        }
        return {};
    case RVUsageError::Kind::invalidValue:
        return rv::suggestChoices(table.option(error.option).check.choices, error.word);
    default:
        return {};
    }
}

// It names the tool (and the command) as the first line does, so that it
// can be run as shown; a table without the help option has nothing to
// point to.
std::string tryHelpLine(const RVOptionTable& table, const std::string& name)
{
    if (table.helpIndex() == RVOptionTable::none) {
        return {};
    }
    return "Try '" + name + " --help' for more information.\n";
}

} // namespace

std::string rv::renderUsageError(const RVOptionTable& tool, const RVUsageError& error)
{
    const RVOptionPart& table = tool.part(error.part);
    const std::string name = rv::detail::partName(tool, error.part);
    const std::string prefix = name + ": ";
    std::string text = prefix + describe(tool, error) + '\n';
    if (const auto forms = suggestions(tool, error); !forms.empty()) {
        text += prefix + "did you mean " + detail::listOfQuoted(forms) + "?\n";
    }
    if (error.kind == RVUsageError::Kind::invalidValue &&
        table.option(error.option).check.kind == RVValueCheck::Kind::choice) {
        text += prefix + "valid arguments are " +
                detail::listOfQuoted(table.option(error.option).check.choices) + '\n';
    }
    return text + tryHelpLine(tool, name);
}

std::string rv::renderToolUsageError(const RVOptionTable& table, std::string_view message, int part)
{
    const std::string name = rv::detail::partName(table, part);
    std::string text = name;
    text.append(": ").append(message).append("\n");
    return text + tryHelpLine(table, name);
}
