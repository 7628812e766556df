#include "cmdline/docs/RVBashCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

namespace {

// The text as one bash word: in single quotes, as rv::detail::shellQuoted
// writes it, or in double quotes with every special character escaped when
// it holds a $ or a backquote, which shellcheck takes in single quotes for
// a mistake.
std::string shellQuoted(std::string_view text)
{
    if (text.find_first_of("$`") == std::string_view::npos) {
        return rv::detail::shellQuoted(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (std::string_view("$`\"\\").find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

// Every form of the option, short first: "-f", "--filter".
std::string formsOf(const RVOptionSpec& option, std::string_view separator)
{
    std::string forms;
    if (!option.shortForm.empty()) {
        forms += shellQuoted(option.shortForm);
        forms += separator;
    }
    return forms + shellQuoted(option.longForm);
}

// The case of the value function for an option that takes a value.
std::string valueCase(const RVOptionSpec& option, const std::string& function)
{
    std::string line = "    " + formsOf(option, " | ") + ")";
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        line += " " + function + "_files \"$2\" \"$3\"";
        break;
    case RVAcceptedValues::Kind::words:
        line += " " + function + "_words \"$2\" \"$3\"";
        for (const std::string_view word : values.words) {
            line += ' ' + shellQuoted(word);
        }
        break;
    case RVAcceptedValues::Kind::directories: // TODO(completion)
    case RVAcceptedValues::Kind::anything:
        break;
    }
    return line + " ;;\n";
}

// The body of the operand function: the files for operand $1 where a
// file operand may stand.
std::string operandBody(const RVOptionTable& table, const std::string& function)
{
    const std::string condition = rv::operandTest(table.operands(), RVAcceptedValues::Kind::fileNames, "$1");
    if (condition.empty()) {
        return "    return 1\n";
    }
    return "    ((" + condition + ")) && " + function + "_files \"$2\" \"\"\n";
}

} // namespace

std::string rv::renderBashCompletion(const RVOptionTable& table)
{
    const std::string executable(table.app().executable);
    const std::string function = detail::functionName(executable);
    std::string valueCases;
    // The long forms and the short letters of the options that take a value,
    // for telling which words are values rather than options.
    std::string longFormsWithValue;
    std::string lettersWithValue;
    std::string allForms;
    for (const RVOptionSpec& option : table.options()) {
        allForms += ' ' + formsOf(option, " ");
        if (!option.takesValue) {
            continue;
        }
        valueCases += valueCase(option, function);
        longFormsWithValue +=
            (longFormsWithValue.empty() ? "" : " | ") + shellQuoted(option.longForm);
        if (!option.shortForm.empty()) {
            lettersWithValue += option.shortForm[1];
        }
    }
    return detail::fillTemplate(
        detail::bashCompletionTemplate,
        {{"executable", executable},
         {"function", function},
         {"command", shellQuoted(executable)},
         {"valueCases", valueCases},
         {"longFormsWithValue", longFormsWithValue.empty()
                                    ? ""
                                    : "    " + longFormsWithValue +
                                          ")\n        value=$1\n        return 0\n        ;;\n"},
         {"operandBody", operandBody(table, function)},
         // Short forms are letters and digits, as the table checks, so they
         // stand in the template's single quotes as they are.
         {"lettersWithValue", lettersWithValue},
         {"allForms", allForms}});
}
