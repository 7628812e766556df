// One entry of a tool's table as the table check reads it: its texts by
// key, read in one walk over the map, what kind of entry it is, and the
// complaint that names it; and the rules of each kind of entry, each in a
// unit of its own (RVOptionRules, RVOperandRules, RVCommandRules,
// RVAppRules), which RVOptionTable puts together.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVUtf8.hpp"
#include <varnock/cmdline/RVDefinitionError.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

// The keys that an entry may have. Each is recognised by its first letter
// and one or two compares against literals, which the compiler does inline:
// a start that checks every definition must not cost a search of the map,
// nor a call to compare bytes, per key.
enum EntryKey : std::size_t
{
    nameKey,
    shortKey,
    longKey,
    argumentKey,
    helpKey,
    acceptsKey,
    operandKey,
    standardKey,
    completeKey,
    optionalKey,
    excludesKey,
    commandKey,
    ofKey,
    optionsKey,
    entryKeyCount
};

[[gnu::always_inline]] inline std::size_t entryKeyOf(std::string_view key)
{
    switch (key.empty() ? '\0' : key[0]) {
    case 'n':
        return key == "name" ? nameKey : entryKeyCount;
    case 's':
        return key == "short" ? shortKey : key == "standard" ? standardKey : entryKeyCount;
    case 'l':
        return key == "long" ? longKey : entryKeyCount;
    case 'a':
        return key == "argument" ? argumentKey : key == "accepts" ? acceptsKey : entryKeyCount;
    case 'h':
        return key == "help" ? helpKey : entryKeyCount;
    case 'o':
        return key == "operand"    ? operandKey
               : key == "optional" ? optionalKey
               : key == "of"       ? ofKey
               : key == "options"  ? optionsKey
                                   : entryKeyCount;
    case 'c':
        return key == "complete" ? completeKey : key == "command" ? commandKey : entryKeyCount;
    case 'e':
        return key == "excludes" ? excludesKey : entryKeyCount;
    default:
        return entryKeyCount;
    }
}

// An entry with "command" declares a command; one with "operand" and no
// "long" an operand; any other an option.
enum class EntryKind
{
    option,
    operand,
    command
};

struct EntryTexts
{
    std::array<std::optional<std::string_view>, entryKeyCount> byKey{};
    std::optional<std::string_view> unknownKey; // the first in key order

    const std::optional<std::string_view>& operator[](EntryKey key) const { return byKey[key]; }
    std::string_view name() const { return byKey[nameKey].value_or(""); }
    EntryKind kind() const
    {
        if (byKey[commandKey]) {
            return EntryKind::command;
        }
        return byKey[operandKey] && !byKey[longKey] ? EntryKind::operand : EntryKind::option;
    }
};

// The walk goes on past an unknown key so that the complaint can name the
// entry.
[[gnu::always_inline]] inline EntryTexts readEntry(const RVDefinition& definition)
{
    EntryTexts texts;
    for (const auto& [key, value] : definition) {
        const std::size_t slot = entryKeyOf(key);
        if (slot < entryKeyCount) {
            texts.byKey[slot] = value;
        } else if (!texts.unknownKey) {
            texts.unknownKey = key;
        }
    }
    return texts;
}

// "option definition 5 ('file'): PROBLEM", the kind and place (from 0) of
// the entry in the table.
[[noreturn]] void failEntry(EntryKind kind, std::size_t index, std::string_view name,
                            std::string_view problem);

// The rule that a text a person reads breaks, if any: not UTF-8, or a
// control character (bidirectional controls included), with its byte from
// 1: "'help' holds a control character at byte 6". Empty when it is sound.
std::string textRule(std::string_view key, std::string_view text);

// Names are lower-case words joined by single hyphens, so that every long
// form can be typed, matched exactly and split from a joined "=value".
bool isWellFormedName(std::string_view name);

inline constexpr std::string_view nameRule = "'name' must be lower-case letters and digits, in "
                                             "words joined by single hyphens";

inline bool isStandardName(std::string_view name)
{
    return name == "help" || name == "version" || name == "verbose";
}

// "file", "directory" or "none"; null for any other text.
std::optional<RVCompletion> readCompletion(std::string_view text);

// An option as its entry declares it, before the table puts it in a part.
struct RVOptionEntry
{
    RVOptionSpec spec;
    bool standard = false;              // one of the service's standard options
    std::optional<std::string_view> of; // the command it belongs to
    std::string_view excludes;          // as written; resolved once every option is read
};

// Each reader checks the rules that the entry alone can break, adds every
// text a person reads to scan, and throws RVDefinitionError naming the
// entry (its place in the table from 0) for the first it breaks.
RVOptionEntry readOptionEntry(const EntryTexts& texts, std::size_t index, RVPrintableScan& scan);

struct RVOperandEntry
{
    RVOperandSpec spec;
    std::optional<std::string_view> of;
};
RVOperandEntry readOperandEntry(const EntryTexts& texts, std::size_t index, RVPrintableScan& scan);

struct RVCommandEntry
{
    std::string_view name;
    std::string_view help;
    bool optionsBeforeOperands = false;
};
RVCommandEntry readCommandEntry(const EntryTexts& texts, std::size_t index, RVPrintableScan& scan);

// The operands of one part against its options and each other: what is
// defined twice, and an order that leaves the split of the words ambiguous.
// Returns the number of words they need at least.
std::size_t checkOperands(std::span<const RVOperandSpec> operands, const RVOptionPart& part);

struct RVAppEntry
{
    RVAppInfo info;
    std::optional<bool> optionsBeforeOperands; // set when the app definition has "options"
};
RVAppEntry readAppDefinition(const RVDefinition& definition, RVPrintableScan& scan);

// The first text of the table that breaks the text rules, in the app
// definition and then in each entry in table order, thrown. For a table
// whose scan found a text that is not printable ASCII.
[[gnu::cold]] void reportTextFaults(const RVDefinition& appDefinition,
                                    const std::vector<RVDefinition>& definitions);

// "anywhere" or "before-operands", as whether options must come first;
// null for any other text.
std::optional<bool> readOptionsRule(std::string_view text);

inline constexpr std::string_view optionsRule =
    "'options' must be \"anywhere\" or \"before-operands\"";

} // namespace rv::detail
