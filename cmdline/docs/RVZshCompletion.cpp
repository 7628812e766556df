#include "cmdline/docs/RVZshCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

namespace {

// Backslashes before the characters that _arguments reads in an option's
// description or message, and before anything the shell would read when
// _arguments evaluates a list of words.
std::string argumentsText(std::string_view text, bool forEvaluation)
{
    std::string escaped;
    for (const char c : text) {
        const bool special = forEvaluation
                                 ? !rv::detail::isPlainWordCharacter(c) || c == ':'
                                 : std::string_view("\\[]:").find(c) != std::string_view::npos;
        if (special) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// What follows an option in its _arguments description: the message and the action.
std::string valueDescription(const RVOptionSpec& option)
{
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        return ':' + argumentsText(option.argument, false) + ":_files";
    case RVAcceptedValues::Kind::words: {
        std::string list;
        for (const std::string_view word : values.words) {
            list.append(list.empty() ? "" : " ").append(argumentsText(word, true));
        }
        return ':' + argumentsText(option.name, false) + ":(" + list + ')';
    }
    case RVAcceptedValues::Kind::directories: // TODO(completion)
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return ':' + argumentsText(option.argument, false) + ": ";
}

// The case of the value of an option, when the walk finds it waiting for one.
std::string valueCase(const RVOptionSpec& option)
{
    std::string line = "  (";
    if (!option.shortForm.empty()) {
        line.append(option.shortForm).append("|");
    }
    line.append(option.longForm).append(") ");
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        return line + "_files ;;\n";
    case RVAcceptedValues::Kind::words:
        line += "compadd --";
        for (const std::string_view word : values.words) {
            line += ' ' + rv::detail::shellQuoted(word);
        }
        return line + " ;;\n";
    case RVAcceptedValues::Kind::directories: // TODO(completion)
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return line + "_message -e values " + rv::detail::shellQuoted(option.argument) + " ;;\n";
}

// The _arguments word of one form: "(-h --help)-h[help]", tied to the
// other form of an option that takes no value, or "*--filter=[help]:message:action"
// for an option that takes a value, which may be repeated; the tool says
// which occurrence counts.
std::string argumentsWord(const RVOptionSpec& option, std::string_view form,
                          std::string_view valueJoiner)
{
    const std::string description = '[' + argumentsText(option.help, false) + ']';
    if (!option.takesValue) {
        const std::string tie =
            option.shortForm.empty()
                ? std::string()
                : '(' + std::string(option.shortForm) + ' ' + std::string(option.longForm) + ')';
        return rv::detail::shellQuoted(tie + std::string(form) + description);
    }
    return rv::detail::shellQuoted('*' + std::string(form) + std::string(valueJoiner) +
                                   description + valueDescription(option));
}

} // namespace

std::string rv::renderZshCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    std::string words;
    std::string valueCases;
    std::string longFormsWithValue;
    std::string lettersWithValue;
    for (const RVOptionSpec& option : table.options()) {
        if (!option.shortForm.empty()) {
            words += " \\\n    " + argumentsWord(option, option.shortForm, "+");
        }
        words += " \\\n    " + argumentsWord(option, option.longForm, "=");
        if (option.takesValue) {
            valueCases += valueCase(option);
            longFormsWithValue.append(longFormsWithValue.empty() ? "" : "|")
                .append(option.longForm);
            if (!option.shortForm.empty()) {
                lettersWithValue += option.shortForm[1];
            }
        }
    }
    // A long option that takes a value, or a cluster whose first letter
    // that takes one is its last (-vf), leaves the next word to its value.
    std::string awaitsValue;
    if (!longFormsWithValue.empty()) {
        awaitsValue = "      (" + longFormsWithValue + ") value=$word ;;\n";
    }
    if (!lettersWithValue.empty()) {
        awaitsValue += "      (-[^-]*) [[ $word =~ '^-[^-" + lettersWithValue + "]*[" +
                       lettersWithValue + "]$' ]] && value=-${word[-1]} ;;\n";
    }
    std::string fileOperands = rv::operandTest(table.operands(), RVAcceptedValues::Kind::fileNames, "operands");
    return detail::fillTemplate(detail::zshCompletionTemplate,
                                {{"executable", executable},
                                 {"command", detail::shellQuoted(executable)},
                                 {"forms", words},
                                 {"awaitsValue", awaitsValue},
                                 {"valueCases", valueCases},
                                 {"fileOperands", fileOperands.empty() ? "0" : fileOperands}});
}
