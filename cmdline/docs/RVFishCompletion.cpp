#include "cmdline/docs/RVFishCompletion.hpp"

#include "cmdline/docs/RVAcceptedValues.hpp"
#include "cmdline/docs/RVCompletionTemplates.hpp"
#include "cmdline/docs/RVShellQuoting.hpp"
#include "cmdline/docs/RVTextTemplate.hpp"

namespace {

using rv::detail::fishQuoted;

// Every form of the option, short first, as words of fish: "-f --filter".
std::string formsOf(const RVOptionSpec& option)
{
    std::string forms;
    if (!option.shortForm.empty()) {
        forms += fishQuoted(option.shortForm) + ' ';
    }
    return forms + fishQuoted(option.longForm);
}

// The branch of the value function for an option that takes a value: file
// names, the words of a list with the option's help, or nothing to offer.
std::string valueCase(const RVOptionSpec& option, const std::string& function)
{
    std::string action;
    const RVAcceptedValues values = rv::acceptedValues(option);
    switch (values.kind) {
    case RVAcceptedValues::Kind::fileNames:
        action = function + "_files $argv[2] $argv[3]";
        break;
    case RVAcceptedValues::Kind::words:
        action = function + "_words $argv[2] " + fishQuoted(option.help);
        for (const std::string_view word : values.words) {
            action += ' ' + fishQuoted(word);
        }
        break;
    case RVAcceptedValues::Kind::directories: // TODO(completion)
    case RVAcceptedValues::Kind::anything:
        return "";
    }
    return "    if contains -- $argv[1] " + formsOf(option) + "\n        " + action +
           "\n        return\n    end\n";
}

// The body of the operand function: the files for operand $argv[1] where
// a file operand may stand.
std::string operandBody(const RVOptionTable& table, const std::string& function)
{
    std::string condition;
    for (const RVWordRange& range : rv::operandPositions(table.operands(), RVAcceptedValues::Kind::fileNames)) {
        condition += (condition.empty() ? "test " : "; or test ");
        condition += "$argv[1] -ge " + std::to_string(range.first);
        if (range.end != RVWordRange::unbounded) {
            condition += " -a $argv[1] -lt " + std::to_string(range.end);
        }
    }
    if (condition.empty()) {
        return "";
    }
    return "    if " + condition + "\n        " + function + "_files '' $argv[2]\n    end\n";
}

} // namespace

std::string rv::renderFishCompletion(const RVOptionTable& table)
{
    const std::string command = fishQuoted(table.app().executable);
    const std::string function = detail::functionName(table.app().executable);
    std::string lines;
    std::string valueCases;
    std::string longFormsWithValue;
    std::string lettersWithValue;
    std::string forms; // each form and its help, for the forms function
    for (const RVOptionSpec& option : table.options()) {
        for (const std::string_view form : {option.shortForm, option.longForm}) {
            if (!form.empty()) {
                forms += ' ' + fishQuoted(form) + ' ' + fishQuoted(option.help);
            }
        }
        lines.append(lines.empty() ? "" : "\n").append("complete -c ").append(command);
        lines += " -n " + function + "_options";
        if (!option.shortForm.empty()) {
            lines += " -s " + fishQuoted(option.shortForm.substr(1));
        }
        lines += " -l " + fishQuoted(option.name) + " -d " + fishQuoted(option.help);
        if (!option.takesValue) {
            continue;
        }
        valueCases += valueCase(option, function);
        longFormsWithValue += ' ' + fishQuoted(option.longForm);
        if (!option.shortForm.empty()) {
            lettersWithValue += option.shortForm[1];
        }
    }
    // Short forms are letters and digits, as the table checks, so they
    // stand in the regular expressions as they are.
    std::string awaitsValue;
    std::string joinedValue;
    if (!longFormsWithValue.empty()) {
        awaitsValue = "    contains -- $argv[1]" + longFormsWithValue + "; and echo $argv[1]\n";
    }
    if (!lettersWithValue.empty()) {
        awaitsValue += "    string replace -rf -- '^-[^-" + lettersWithValue + "]*([" +
                       lettersWithValue + "])$' '-$1' $argv[1]\n";
        // A value joined to its short option or to a cluster: -fNAME, -vfNAME.
        joinedValue = "            else if set -l split (string match -r -- '^(-[^-" +
                      lettersWithValue + "]*([" + lettersWithValue + "]))(.+)$' $token)\n" +
                      "                " + function + "_value -$split[3] $split[2] $split[4]\n";
    }
    return detail::fillTemplate(detail::fishCompletionTemplate,
                                {{"executable", std::string(table.app().executable)},
                                 {"command", command},
                                 {"function", function},
                                 {"awaitsValue", awaitsValue},
                                 {"valueCases", valueCases},
                                 {"operandBody", operandBody(table, function)},
                                 {"joinedValue", joinedValue},
                                 {"forms", forms},
                                 {"options", lines}});
}
