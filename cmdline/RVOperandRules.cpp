// The rules of an operand's entry, and of the operands of one part together.
#include "cmdline/RVDefinitionEntry.hpp"

#include <algorithm>
#include <initializer_list>

namespace {

using rv::detail::EntryKind;

// "W", "[W]", "W..." or "[W]...", W a letter followed by letters, digits,
// '_' or '-'.
bool readOperandPlaceholder(std::string_view placeholder, RVOperandSpec& operand)
{
    operand.placeholder = placeholder;
    if (placeholder.ends_with("...")) {
        operand.repeatable = true;
        placeholder.remove_suffix(3);
    }
    if (placeholder.starts_with('[') && placeholder.ends_with(']')) {
        operand.optional = true;
        placeholder = placeholder.substr(1, placeholder.size() - 2);
    }
    operand.word = placeholder;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    return !placeholder.empty() && isLetter(placeholder.front()) &&
           std::all_of(placeholder.begin(), placeholder.end(), [&](char c) {
               return isLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-';
           });
}

} // namespace

rv::detail::RVOperandEntry rv::detail::readOperandEntry(const EntryTexts& texts, std::size_t index,
                                                        RVPrintableScan& scan)
{
    const std::string_view name = texts.name();
    const auto fail = [&](std::string_view problem) {
        failEntry(EntryKind::operand, index, name, problem);
    };
    for (const EntryKey key :
         {shortKey, argumentKey, acceptsKey, standardKey, optionalKey, excludesKey, optionsKey}) {
        if (texts[key]) {
            fail("an operand has only the keys 'name', 'operand', 'help', 'complete' and 'of'");
        }
    }
    if (isStandardName(name)) {
        fail("an operand cannot take the name of a standard option");
    }
    RVOperandEntry entry;
    RVOperandSpec& operand = entry.operand;
    operand.name = name;
    operand.entry = index;
    if (!readOperandPlaceholder(*texts[operandKey], operand)) {
        fail("'operand' must be W, [W], W... or [W]..., where W is a letter followed by "
             "letters, digits, '_' or '-'");
    }
    const std::string_view help = readHelp(texts, EntryKind::operand, index, scan);
    operand.help = help;
    if (const auto& complete = texts[completeKey]) {
        if (const char* problem = readCompletion(*complete, operand.completion)) {
            fail(problem);
        }
    }
    if (const auto& of = texts[ofKey]) {
        entry.of = *of;
    }
    return entry;
}

// A tool has few operands, and this runs only for a part that has any.
std::size_t rv::detail::checkOperands(std::span<const RVOperandSpec> operands,
                                      const RVOptionPart& part)
{
    std::size_t minimum = 0;
    bool repeatableSeen = false;
    for (std::size_t index = 0; index < operands.size(); ++index) {
        const RVOperandSpec& operand = operands[index];
        const auto fail = [&](std::string_view problem) {
            failEntry(EntryKind::operand, operand.entry, operand.name, problem);
        };
        if (part.findLong(operand.name) != RVOptionPart::none) {
            fail("the name is defined twice");
        }
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            if (operands[earlier].name == operand.name) {
                fail("the name is defined twice");
            }
            if (operands[earlier].word == operand.word) {
                fail("the placeholder's word is used by another operand");
            }
        }
        if (repeatableSeen && operand.repeatable) {
            fail("two repeatable operands make the line ambiguous");
        }
        if (repeatableSeen && operand.optional) {
            fail("an optional operand after a repeatable one makes the line ambiguous");
        }
        repeatableSeen = repeatableSeen || operand.repeatable;
        minimum += operand.minimum();
    }
    return minimum;
}
