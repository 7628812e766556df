#include "cmdline/RVOptionTable.hpp"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr std::string_view optionKeys[] = {"name", "short", "long", "argument", "help"};
constexpr std::string_view appKeys[] = {"version", "executable", "run-as", "copyright"};

template <std::size_t N> bool isOneOf(std::string_view key, const std::string_view (&keys)[N])
{
    return std::find(std::begin(keys), std::end(keys), key) != std::end(keys);
}

[[noreturn]] void fail(std::size_t index, std::string_view name, std::string_view problem)
{
    std::string message = "option definition " + std::to_string(index + 1);
    if (!name.empty()) {
        message.append(" ('").append(name).append("')");
    }
    message.append(": ").append(problem);
    throw RVDefinitionError(message);
}

// A definition has a handful of entries: walking them costs less than
// making a std::string of the key to search the map with.
std::optional<std::string_view> lookUp(const RVDefinition& definition, std::string_view key)
{
    for (const auto& [entryKey, value] : definition) {
        if (entryKey == key) {
            return std::string_view(value);
        }
    }
    return std::nullopt;
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
    const auto name = lookUp(definition, "name").value_or("");
    for (const auto& [key, value] : definition) {
        if (!isOneOf(key, optionKeys)) {
            fail(index, name, "unknown key '" + key + "'");
        }
    }
    if (!isWellFormedName(name)) {
        fail(index, name, "'name' must be lower-case letters, digits and inner hyphens");
    }
    const auto longForm = lookUp(definition, "long");
    if (!longForm || *longForm != "--" + std::string(name)) {
        fail(index, name, "'long' must be \"--\" followed by the name");
    }
    const auto help = lookUp(definition, "help");
    if (!help) {
        fail(index, name, "'help' is missing");
    }
    const auto shortForm = lookUp(definition, "short");
    if (shortForm &&
        (shortForm->size() != 2 || (*shortForm)[0] != '-' || !isAsciiAlnum((*shortForm)[1]))) {
        fail(index, name, "'short' must be one dash and one letter or digit");
    }
    const auto argument = lookUp(definition, "argument");
    return RVOptionSpec{name,  shortForm.value_or(""), *longForm, argument.value_or(""),
                        *help, argument.has_value()};
}

RVAppInfo readApp(const RVDefinition& definition)
{
    for (const auto& [key, value] : definition) {
        if (!isOneOf(key, appKeys)) {
            throw RVDefinitionError("app definition: unknown key '" + key + "'");
        }
    }
    RVAppInfo app{
        lookUp(definition, "version").value_or(""), lookUp(definition, "executable").value_or(""),
        lookUp(definition, "run-as").value_or(""), lookUp(definition, "copyright").value_or("")};
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
    shortIndex_.fill(none);
    longHead_.fill(none);
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
        options_.push_back(entry);
    }
    helpIndex_ = findStandardOption("help");
    versionIndex_ = findStandardOption("version");
    verboseIndex_ = findStandardOption("verbose");
}

int RVOptionTable::findStandardOption(std::string_view name) const
{
    const int index = findLong(name);
    if (index != none && option(index).takesValue) {
        fail(static_cast<std::size_t>(index), name, "a standard option takes no value");
    }
    return index;
}

int RVOptionTable::findLong(std::string_view name) const
{
    const int index = findLongBeforeEquals(name);
    return index != none && option(index).name.size() == name.size() ? index : none;
}
