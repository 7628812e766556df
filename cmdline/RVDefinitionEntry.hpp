// One entry of a tool's table as the table check reads it: its texts by
// key, read in one walk over the map, what kind of entry it is, and the
// complaint that names it; and the rules of each kind of entry, each in a
// unit of its own (RVOptionRules, RVOperandRules, RVCommandRules,
// RVAppRules), which RVOptionTable puts together.
#pragma once

#include "cmdline/RVChoiceList.hpp"
#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVUtf8.hpp"
#include <varnock/cmdline/RVDefinitionError.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
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

// A text of the entry, or none: a view without data is a key that the entry
// does not have, since a std::string's data is never null. Half the size of
// an optional view, for an array that every start fills for every entry.
class EntryText
{
public:
    EntryText() = default;
    explicit EntryText(std::string_view text) : text_(text) {}

    explicit operator bool() const { return text_.data() != nullptr; }
    bool has_value() const { return text_.data() != nullptr; }
    std::string_view operator*() const { return text_; }
    const std::string_view* operator->() const { return &text_; }
    std::string_view value_or(std::string_view other) const { return has_value() ? text_ : other; }

private:
    std::string_view text_;
};

struct EntryTexts
{
    const EntryText& operator[](EntryKey key) const { return byKey[key]; }
    std::string_view name() const { return byKey[nameKey].value_or(""); }
    EntryKind kind() const
    {
        if (byKey[commandKey]) {
            return EntryKind::command;
        }
        return byKey[operandKey] && !byKey[longKey] ? EntryKind::operand : EntryKind::option;
    }
    // Whether the entry has any of these keys, as a mask of bits 1 << key.
    bool hasAnyOf(std::uint32_t keys) const { return (present & keys) != 0; }

    std::array<EntryText, entryKeyCount> byKey{};
    std::uint32_t present = 0; // bit k: the entry has key k
    EntryText unknownKey;      // the first in key order
};

constexpr std::uint32_t keyBit(EntryKey key)
{
    return std::uint32_t(1) << key;
}

// The walk goes on past an unknown key so that the complaint can name the
// entry.
[[gnu::always_inline]] inline EntryTexts readEntry(const RVDefinition& definition)
{
    EntryTexts texts;
    for (const auto& [key, value] : definition) {
        const std::size_t slot = entryKeyOf(key);
        if (slot < entryKeyCount) {
            texts.byKey[slot] = EntryText(value);
            texts.present |= std::uint32_t(1) << slot;
        } else if (!texts.unknownKey) {
            texts.unknownKey = EntryText(key);
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

// The rule that a placeholder written as a list of choices breaks, if any;
// null for a sound list and for a placeholder that is no list.
inline const char* checkChoicePlaceholder(std::string_view placeholder)
{
    return isChoiceList(placeholder) ? readChoiceList(placeholder, nullptr) : nullptr;
}

// Reads "file", "directory" or "none" into completion; for any other text,
// the rule it breaks.
const char* readCompletion(std::string_view text, RVCompletion& completion);

// What an option's entry says beside the option itself, for the table to
// place it.
struct RVOptionTraits
{
    bool standard = false;     // one of the service's standard options
    std::string_view excludes; // as written; resolved once every option is read
};

// The help line that every entry has, added to scan.
inline std::string_view readHelp(const EntryTexts& texts, EntryKind kind, std::size_t index,
                                 RVPrintableScan& scan)
{
    const EntryText& help = texts[helpKey];
    if (!help) {
        failEntry(kind, index, texts.name(), "'help' is missing");
    }
    if (help->empty()) {
        failEntry(kind, index, texts.name(), "'help' is empty");
    }
    scan.add(*help);
    return *help;
}

// The keys of an option that few tables use: standard, accepts, complete,
// optional and excludes.
void readRareOptionKeys(const EntryTexts& texts, std::size_t index, RVPrintableScan& scan,
                        RVOptionSpec& option, RVOptionTraits& traits);

inline bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Each reader checks the rules that the entry alone can break, adds every
// text a person reads to scan, and throws RVDefinitionError naming the
// entry (its place in the table from 0) for the first it breaks. An option
// is read into the place where it is to stay, with no copy of it; inline,
// for every start reads every option of its table so, and a table that
// uses none of the rare keys pays one test for all of them.
[[gnu::always_inline]] inline RVOptionTraits readOptionEntry(const EntryTexts& texts,
                                                             std::size_t index,
                                                             RVPrintableScan& scan,
                                                             RVOptionSpec& option)
{
    const std::string_view name = texts.name();
    // No lambda that captures name and index: taking their addresses would
    // keep them in memory for every read of them.
    constexpr EntryKind kind = EntryKind::option;
    if (texts.hasAnyOf(keyBit(operandKey) | keyBit(optionsKey))) [[unlikely]] {
        failEntry(kind, index, name,
                  texts[operandKey] ? "'long' and 'operand' exclude each other"
                                    : "unknown key 'options'");
    }
    const EntryText& longForm = texts[longKey];
    if (!longForm || !longForm->starts_with("--") || longForm->substr(2) != name) {
        failEntry(kind, index, name, "'long' must be \"--\" followed by the name");
    }
    // Checked here rather than by readHelp: what the compiler makes of this
    // function inline is what every start pays.
    const EntryText& help = texts[helpKey];
    if (!help) {
        failEntry(kind, index, name, "'help' is missing");
    }
    if (help->empty()) {
        failEntry(kind, index, name, "'help' is empty");
    }
    scan.add(*help);
    const EntryText& shortForm = texts[shortKey];
    if (shortForm &&
        (shortForm->size() != 2 || (*shortForm)[0] != '-' || !isAsciiAlnum((*shortForm)[1]))) {
        failEntry(kind, index, name, "'short' must be one dash and one letter or digit");
    }
    const EntryText& argument = texts[argumentKey];
    if (argument && argument->empty()) {
        failEntry(kind, index, name, "'argument' is empty");
    }
    if (argument) {
        scan.add(*argument);
        if (checkChoicePlaceholder(*argument) != nullptr) [[unlikely]] {
            failEntry(kind, index, name,
                      "'argument': " + std::string(checkChoicePlaceholder(*argument)));
        }
    }
    RVOptionTraits traits;
    traits.standard = isStandardName(name);
    option.name = name;
    option.shortForm = shortForm.value_or("");
    option.longForm = *longForm;
    option.argument = argument.value_or("");
    option.help = *help;
    option.takesValue = argument.has_value();
    option.entry = index;
    constexpr std::uint32_t rareKeys = keyBit(standardKey) | keyBit(acceptsKey) |
                                       keyBit(completeKey) | keyBit(optionalKey) |
                                       keyBit(excludesKey);
    if (texts.hasAnyOf(rareKeys)) [[unlikely]] {
        readRareOptionKeys(texts, index, scan, option, traits);
    }
    return traits;
}

// An option that names a command with "of", kept until every command of the
// table is known.
struct RVOptionEntry
{
    RVOptionSpec option;
    RVOptionTraits traits;
    std::string_view of;
};

struct RVOperandEntry
{
    RVOperandSpec operand;
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
