// The rules of a command's entry: the word typed, its help line and how
// its options stand among its operands.
#include "cmdline/RVDefinitionEntry.hpp"

#include <initializer_list>

std::optional<bool> rv::detail::readOptionsRule(std::string_view text)
{
    if (text == "anywhere") {
        return false;
    }
    if (text == "before-operands") {
        return true;
    }
    return std::nullopt;
}

rv::detail::RVCommandEntry rv::detail::readCommandEntry(const EntryTexts& texts, std::size_t index,
                                                        RVPrintableScan& scan)
{
    const std::string_view name = texts.name();
    const auto fail = [&](std::string_view problem) {
        failEntry(EntryKind::command, index, name, problem);
    };
    for (const EntryKey key : {shortKey, longKey, argumentKey, acceptsKey, operandKey, standardKey,
                               completeKey, optionalKey, excludesKey, ofKey}) {
        if (texts[key]) {
            fail("a command has only the keys 'name', 'command', 'help' and 'options'");
        }
    }
    // As "long" is "--" and the name: the word typed is the key of params.
    if (*texts[commandKey] != name) {
        fail("'command' must be the name");
    }
    const std::string_view help = readHelp(texts, EntryKind::command, index, scan);
    RVCommandEntry entry{name, help};
    if (const auto& options = texts[optionsKey]) {
        const std::optional<bool> beforeOperands = readOptionsRule(*options);
        if (!beforeOperands) {
            fail(optionsRule);
        }
        entry.optionsBeforeOperands = *beforeOperands;
    }
    return entry;
}
