#include "cmdline/RVOptionTable.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace {

[[noreturn]] void fail(std::size_t index, std::string_view name, std::string_view problem)
{
    std::string message = "option definition " + std::to_string(index + 1);
    if (!name.empty()) {
        message.append(" ('").append(name).append("')");
    }
    message.append(": ").append(problem);
    throw RVDefinitionError(message);
}

// The keys that a definition may have. Each is recognised by its first
// letter and one compare against a literal, which the compiler does inline:
// a start that checks every definition must not cost a search of the map,
// nor a call to compare bytes, per key.
enum OptionKey : std::size_t
{
    nameKey,
    shortKey,
    longKey,
    argumentKey,
    helpKey,
    optionKeyCount
};

std::size_t optionKeyOf(std::string_view key)
{
    switch (key.empty() ? '\0' : key[0]) {
    case 'n':
        return key == "name" ? nameKey : optionKeyCount;
    case 's':
        return key == "short" ? shortKey : optionKeyCount;
    case 'l':
        return key == "long" ? longKey : optionKeyCount;
    case 'a':
        return key == "argument" ? argumentKey : optionKeyCount;
    case 'h':
        return key == "help" ? helpKey : optionKeyCount;
    default:
        return optionKeyCount;
    }
}

enum AppKey : std::size_t
{
    versionKey,
    executableKey,
    runAsKey,
    copyrightKey,
    appKeyCount
};

std::size_t appKeyOf(std::string_view key)
{
    switch (key.empty() ? '\0' : key[0]) {
    case 'v':
        return key == "version" ? versionKey : appKeyCount;
    case 'e':
        return key == "executable" ? executableKey : appKeyCount;
    case 'r':
        return key == "run-as" ? runAsKey : appKeyCount;
    case 'c':
        return key == "copyright" ? copyrightKey : appKeyCount;
    default:
        return appKeyCount;
    }
}

// The texts of a definition by key, read in one walk over its entries, and
// the first unknown key in key order, if any. The walk goes on past an
// unknown key so that the complaint can name the option.
template <std::size_t Count> struct Texts
{
    std::array<std::optional<std::string_view>, Count> byKey{};
    std::optional<std::string_view> unknownKey;
};

template <std::size_t Count, class KeyOf>
Texts<Count> readTexts(const RVDefinition& definition, KeyOf keyOf)
{
    Texts<Count> texts;
    for (const auto& [key, value] : definition) {
        const std::size_t slot = keyOf(key);
        if (slot < Count) {
            texts.byKey[slot] = value;
        } else if (!texts.unknownKey) {
            texts.unknownKey = key;
        }
    }
    return texts;
}

// Names are lower-case words joined by hyphens, so that every long form can
// be typed, matched exactly and split from a joined "=value".
bool isWellFormedName(std::string_view name)
{
    if (name.empty() || name.front() == '-') {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

RVOptionSpec readOption(const RVDefinition& definition, std::size_t index)
{
    const auto texts = readTexts<optionKeyCount>(definition, optionKeyOf);
    const std::string_view name = texts.byKey[nameKey].value_or("");
    if (texts.unknownKey) {
        fail(index, name, "unknown key '" + std::string(*texts.unknownKey) + "'");
    }
    if (!isWellFormedName(name)) {
        fail(index, name, "'name' must be lower-case letters, digits and inner hyphens");
    }
    const auto& longForm = texts.byKey[longKey];
    if (!longForm || !longForm->starts_with("--") || longForm->substr(2) != name) {
        fail(index, name, "'long' must be \"--\" followed by the name");
    }
    const auto& help = texts.byKey[helpKey];
    if (!help) {
        fail(index, name, "'help' is missing");
    }
    const auto& shortForm = texts.byKey[shortKey];
    if (shortForm &&
        (shortForm->size() != 2 || (*shortForm)[0] != '-' || !isAsciiAlnum((*shortForm)[1]))) {
        fail(index, name, "'short' must be one dash and one letter or digit");
    }
    const auto& argument = texts.byKey[argumentKey];
    return RVOptionSpec{name,  shortForm.value_or(""), *longForm, argument.value_or(""),
                        *help, argument.has_value()};
}

RVAppInfo readApp(const RVDefinition& definition)
{
    const auto texts = readTexts<appKeyCount>(definition, appKeyOf);
    if (texts.unknownKey) {
        throw RVDefinitionError("app definition: unknown key '" + std::string(*texts.unknownKey) +
                                "'");
    }
    RVAppInfo app{texts.byKey[versionKey].value_or(""), texts.byKey[executableKey].value_or(""),
                  texts.byKey[runAsKey].value_or(""), texts.byKey[copyrightKey].value_or("")};
    if (app.executable.empty() || app.version.empty()) {
        throw RVDefinitionError("app definition: 'executable' and 'version' are required");
    }
    return app;
}

} // namespace

RVOptionTable::RVOptionTable(std::vector<RVDefinition> commandLineDefinition,
                             RVDefinition appDefinition)
    : definitions_(std::move(commandLineDefinition)), appDefinition_(std::move(appDefinition))
{
    app_ = readApp(appDefinition_);
    options_.reserve(definitions_.size());
    longNext_.reserve(definitions_.size());
    for (std::size_t index = 0; index < definitions_.size(); ++index) {
        const RVOptionSpec entry = readOption(definitions_[index], index);
        if (findLong(entry.name) != none) {
            fail(index, entry.name, "the name is defined twice");
        }
        auto& head = longHead_[longBucket(entry.name)];
        longNext_.push_back(head);
        head = static_cast<int>(index);
        if (!entry.shortForm.empty()) {
            auto& slot = shortIndex_[static_cast<unsigned char>(entry.shortForm[1])];
            if (slot != none) {
                fail(index, entry.name, "the short form is defined twice");
            }
            slot = static_cast<int>(index);
        }
        if (int* const standard = standardIndexFor(entry.name)) {
            *standard = static_cast<int>(index);
        }
        options_.push_back(entry);
    }
    // Checked once every option is read, so that a fault in a later option
    // is still the one reported first.
    for (const int standard : {helpIndex_, versionIndex_, verboseIndex_}) {
        if (standard != none && option(standard).takesValue) {
            fail(static_cast<std::size_t>(standard), option(standard).name,
                 "a standard option takes no value");
        }
    }
}

int* RVOptionTable::standardIndexFor(std::string_view name)
{
    if (name == "help") {
        return &helpIndex_;
    }
    if (name == "version") {
        return &versionIndex_;
    }
    if (name == "verbose") {
        return &verboseIndex_;
    }
    return nullptr;
}

int RVOptionTable::findLong(std::string_view name) const
{
    const int index = findLongBeforeEquals(name);
    return index != none && option(index).name.size() == name.size() ? index : none;
}
