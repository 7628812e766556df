// The rules of the app definition, and of the texts of the whole table that
// a person reads.
#include "cmdline/RVDefinitionEntry.hpp"
#include "cmdline/RVMessageText.hpp"

#include <algorithm>
#include <initializer_list>

namespace {

using rv::detail::EntryKey;

enum AppKey : std::size_t
{
    appVersionKey,
    appExecutableKey,
    appRunAsKey,
    appCopyrightKey,
    appDescriptionKey,
    appOptionsKey,
    appKeyCount
};

constexpr std::string_view appKeyNames[appKeyCount] = {"version",   "executable",  "run-as",
                                                       "copyright", "description", "options"};

[[gnu::always_inline]] inline std::size_t appKeyOf(std::string_view key)
{
    switch (key.empty() ? '\0' : key[0]) {
    case 'v':
        return key == "version" ? appVersionKey : appKeyCount;
    case 'e':
        return key == "executable" ? appExecutableKey : appKeyCount;
    case 'r':
        return key == "run-as" ? appRunAsKey : appKeyCount;
    case 'c':
        return key == "copyright" ? appCopyrightKey : appKeyCount;
    case 'd':
        return key == "description" ? appDescriptionKey : appKeyCount;
    case 'o':
        return key == "options" ? appOptionsKey : appKeyCount;
    default:
        return appKeyCount;
    }
}

struct AppTexts
{
    std::array<std::optional<std::string_view>, appKeyCount> byKey{};
    std::optional<std::string_view> unknownKey;
};

AppTexts readAppTexts(const RVDefinition& definition)
{
    AppTexts texts;
    for (const auto& [key, value] : definition) {
        const std::size_t slot = appKeyOf(key);
        if (slot < appKeyCount) {
            texts.byKey[slot] = value;
        } else if (!texts.unknownKey) {
            texts.unknownKey = key;
        }
    }
    return texts;
}

[[noreturn]] void failApp(std::string_view problem)
{
    throw RVDefinitionError("app definition: " + std::string(problem));
}

// A name that every shell takes as one word and every file system as one
// file name: a letter or digit, then letters, digits, '.', '_', '+' or '-'.
bool isCommandName(std::string_view name)
{
    using rv::detail::isAsciiAlnum;
    const auto fits = [](char c) {
        return isAsciiAlnum(c) || c == '.' || c == '_' || c == '+' || c == '-';
    };
    return !name.empty() && isAsciiAlnum(name.front()) &&
           std::all_of(name.begin(), name.end(), fits);
}

} // namespace

rv::detail::RVAppEntry rv::detail::readAppDefinition(const RVDefinition& definition,
                                                     RVPrintableScan& scan)
{
    const AppTexts texts = readAppTexts(definition);
    if (texts.unknownKey) {
        failApp("unknown key " + rv::quoted(*texts.unknownKey));
    }
    RVAppEntry entry;
    RVAppInfo& app = entry.info;
    app.version = texts.byKey[appVersionKey].value_or("");
    app.executable = texts.byKey[appExecutableKey].value_or("");
    app.runAs = texts.byKey[appRunAsKey].value_or("");
    app.copyright = texts.byKey[appCopyrightKey].value_or("");
    app.description = texts.byKey[appDescriptionKey].value_or("");
    if (app.executable.empty() || app.version.empty()) {
        failApp("'executable' and 'version' are required");
    }
    if (!isCommandName(app.executable)) {
        // A text fault is the more exact complaint, where there is one.
        if (const std::string rule = textRule("executable", app.executable); !rule.empty()) {
            failApp(rule);
        }
        failApp("'executable' must be a command name: a letter or digit, then letters, digits, "
                "'.', '_', '+' or '-'");
    }
    if (texts.byKey[appDescriptionKey] && app.description.empty()) {
        failApp("'description' is empty");
    }
    if (const auto& options = texts.byKey[appOptionsKey]) {
        entry.optionsBeforeOperands = readOptionsRule(*options);
        if (!entry.optionsBeforeOperands) {
            failApp(optionsRule);
        }
    }
    // Not run-as, the name the program was invoked by, whatever it holds:
    // messages escape it, and the program must start under any name.
    scan.add(app.version);
    scan.add(app.copyright);
    scan.add(app.description);
    return entry;
}

void rv::detail::reportTextFaults(const RVDefinition& appDefinition,
                                  const std::vector<RVDefinition>& definitions)
{
    const AppTexts app = readAppTexts(appDefinition);
    for (const std::size_t key :
         {appVersionKey, appExecutableKey, appCopyrightKey, appDescriptionKey}) {
        if (const std::string rule = textRule(appKeyNames[key], app.byKey[key].value_or(""));
            !rule.empty()) {
            failApp(rule);
        }
    }
    for (std::size_t index = 0; index < definitions.size(); ++index) {
        const EntryTexts texts = readEntry(definitions[index]);
        for (const auto& [key, keyName] :
             {std::pair{helpKey, "help"}, {argumentKey, "argument"}, {optionalKey, "optional"}}) {
            if (const std::string rule = textRule(keyName, texts[key].value_or(""));
                !rule.empty()) {
                failEntry(texts.kind(), index, texts.name(), rule);
            }
        }
    }
}
