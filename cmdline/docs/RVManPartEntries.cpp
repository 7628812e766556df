#include "cmdline/docs/RVManPartEntries.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/docs/RVManRoff.hpp"

#include <algorithm>
#include <vector>

namespace {

using rv::detail::bold;
using rv::detail::italic;
using rv::detail::listOf;
using rv::detail::manText;

std::string optionTag(const RVOptionSpec& option)
{
    std::string tag;
    if (!option.shortForm.empty()) {
        tag += bold(option.shortForm) + ", ";
    }
    tag += bold(option.longForm);
    if (option.valueIsOptional) {
        tag.append("[=").append(italic(option.argument)) += ']';
    } else if (option.takesValue) {
        tag.append("=").append(italic(option.argument));
    }
    return tag;
}

// What the option's value must be, as a sentence; empty for a value that
// is taken as it stands.
std::string acceptedValuesSentence(const RVValueCheck& check)
{
    if (check.kind == RVValueCheck::Kind::choice) {
        std::vector<std::string> choices;
        for (const std::string_view choice : check.choices) {
            choices.push_back(bold(choice));
        }
        return "The value is one of " + listOf(choices, " or ") + '.';
    }
    if (check.kind != RVValueCheck::Kind::integer) {
        return {};
    }
    return "The value is " + manText(rv::detail::acceptedIntegers(check)) + '.';
}

// What the entry says beyond the option's help, as sentences; empty for
// most options.
std::string valueRules(const RVOptionPart& part, const RVOptionSpec& option)
{
    std::string rules = acceptedValuesSentence(option.check);
    const auto add = [&rules](const std::string& sentence) {
        rules.append(rules.empty() ? "" : " ") += sentence;
    };
    if (option.valueIsOptional) {
        add("Without a value it is " + bold(option.defaultValue) + '.');
    }
    if (!option.excludes.empty()) {
        std::vector<std::string> others;
        for (const int other : option.excludes) {
            others.push_back(bold(part.option(other).longForm));
        }
        add("It cannot be given with " + listOf(others, " or ") + '.');
    }
    return rules;
}

} // namespace

std::vector<int> rv::detail::finalParts(const RVOptionTable& table)
{
    std::vector<int> parts;
    for (int part = table.hasCommands() ? 1 : 0; part <= static_cast<int>(table.commands().size());
         ++part) {
        parts.push_back(part);
    }
    return parts;
}

std::string rv::detail::operandPlaceholder(const RVOperandSpec& operand)
{
    std::string text = operand.optional ? "[" : "";
    text += italic(operand.word);
    text += operand.optional ? "]" : "";
    return text + (operand.repeatable ? "..." : "");
}

std::string rv::detail::synopsisLine(const RVOptionTable& table, int partIndex)
{
    const RVOptionPart& part = table.part(partIndex);
    const std::string options = " [" + italic("OPTION") + "]...";
    std::string line = bold(table.app().executable) + options;
    if (partIndex != RVOptionTable::globalPart) {
        line += ' ' + bold(part.command()) + options;
    }
    for (const RVOperandSpec& operand : part.operands()) {
        line += ' ' + operandPlaceholder(operand);
    }
    return line;
}

void rv::detail::appendOptionEntries(std::string& page, const RVOptionPart& part)
{
    for (const RVOptionSpec& option : part.options()) {
        page += ".TP\n" + optionTag(option) + '\n' + textLines(manText(option.help));
        if (const std::string rules = valueRules(part, option); !rules.empty()) {
            page += ".br\n" + textLines(rules);
        }
    }
}

void rv::detail::appendOperandEntries(std::string& page, const RVOptionPart& part)
{
    for (const RVOperandSpec& operand : part.operands()) {
        page += ".TP\n" + operandPlaceholder(operand) + '\n' + textLines(manText(operand.help));
    }
}
