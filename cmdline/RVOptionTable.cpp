#include "cmdline/RVOptionTable.hpp"

#include "cmdline/RVChoiceList.hpp"
#include "cmdline/RVInteger.hpp"
#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVUtf8.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace {

[[noreturn]] void fail(std::size_t index, std::string_view name, std::string_view problem,
                       std::string_view what = "option")
{
    std::string message = std::string(what) + " definition " + std::to_string(index + 1);
    if (!name.empty()) {
        // Escaped: a name that breaks the name rule may hold anything.
        message.append(" ('").append(rv::detail::escaped(name)).append("')");
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
    acceptsKey,
    operandKey,
    optionKeyCount
};

[[gnu::always_inline]] inline std::size_t optionKeyOf(std::string_view key)
{
    switch (key.empty() ? '\0' : key[0]) {
    case 'n':
        return key == "name" ? nameKey : optionKeyCount;
    case 's':
        return key == "short" ? shortKey : optionKeyCount;
    case 'l':
        return key == "long" ? longKey : optionKeyCount;
    case 'a':
        return key == "argument" ? argumentKey : key == "accepts" ? acceptsKey : optionKeyCount;
    case 'h':
        return key == "help" ? helpKey : optionKeyCount;
    case 'o':
        return key == "operand" ? operandKey : optionKeyCount;
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

constexpr std::string_view appKeyNames[appKeyCount] = {"version", "executable", "run-as",
                                                       "copyright"};

[[gnu::always_inline]] inline std::size_t appKeyOf(std::string_view key)
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
[[gnu::always_inline]] inline Texts<Count> readTexts(const RVDefinition& definition, KeyOf keyOf)
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

// Names are lower-case words joined by single hyphens, so that every long
// form can be typed, matched exactly and split from a joined "=value". A
// letter or digit costs one test; a hyphen, rarer, is checked against its
// neighbours.
bool isWellFormedName(std::string_view name)
{
    for (std::size_t index = 0; index < name.size(); ++index) {
        const char c = name[index];
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            continue;
        }
        if (c != '-' || index == 0 || name[index - 1] == '-') {
            return false;
        }
    }
    return !name.empty() && name.back() != '-';
}

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isStandardName(std::string_view name)
{
    return name == "help" || name == "version" || name == "verbose";
}

// Every text that a person reads is written raw into the help screen, the
// man page and the completion scripts, where a newline, an escape or a byte
// that is not UTF-8 would break them. Gives failWith the rule that the text
// breaks, if any.
template <class FailWith>
void checkText(std::string_view key, std::string_view text, const FailWith& failWith)
{
    using Kind = rv::detail::RVTextFault::Kind;
    const rv::detail::RVTextFault fault = rv::detail::findTextFault(text);
    if (fault.kind == Kind::none) {
        return;
    }
    std::string rule = "'";
    rule.append(key).append("' ");
    rule.append(fault.kind == Kind::notUtf8 ? "is not valid UTF-8" : "holds a control character");
    rule.append(" at byte ").append(std::to_string(fault.offset + 1));
    failWith(rule);
}

constexpr std::string_view nameRule = "'name' must be lower-case letters and digits, in words "
                                      "joined by single hyphens";

// "integer", "integer MIN..MAX", "integer MIN.." or "integer ..MAX": null
// when accepts is one of them, else the rule that it breaks.
const char* readIntegerCheck(std::string_view accepts, RVValueCheck& check)
{
    using rv::detail::RVIntegerReading;
    constexpr const char* form =
        "'accepts' must be \"choice\", \"integer\" or \"integer MIN..MAX\" "
        "(either bound may be left out)";
    if (accepts == "integer") {
        return nullptr;
    }
    constexpr std::string_view prefix = "integer ";
    if (!accepts.starts_with(prefix)) {
        return form;
    }
    const std::string_view range = accepts.substr(prefix.size());
    // std::search rather than find, which would call memchr: one more symbol
    // for the dynamic loader to bind at every start of a bind-now binary.
    constexpr std::string_view twoDots = "..";
    const std::size_t dots = static_cast<std::size_t>(
        std::search(range.begin(), range.end(), twoDots.begin(), twoDots.end()) - range.begin());
    if (dots == range.size()) {
        return form;
    }
    const char* problem = nullptr;
    const auto bound = [&](std::string_view text, std::optional<std::int64_t>& into) {
        if (text.empty() || problem != nullptr) {
            return;
        }
        const RVIntegerReading reading = rv::detail::readInteger(text);
        if (reading.status == RVIntegerReading::Status::notAnInteger) {
            problem = form;
        } else if (reading.status == RVIntegerReading::Status::outOfRange) {
            problem = "'accepts': a bound is past the signed 64-bit range";
        }
        into = reading.value;
    };
    bound(range.substr(0, dots), check.minimum);
    bound(range.substr(dots + 2), check.maximum);
    if (problem == nullptr && check.minimum && check.maximum && *check.minimum > *check.maximum) {
        problem = "'accepts': MIN is greater than MAX";
    }
    return problem;
}

RVValueCheck readCheck(std::size_t index, std::string_view name,
                       const std::optional<std::string_view>& accepts,
                       const std::optional<std::string_view>& argument)
{
    RVValueCheck check;
    if (!accepts) {
        return check;
    }
    if (!argument) {
        fail(index, name, "'accepts' is only for an option that takes a value ('argument')");
    }
    if (*accepts == "choice") {
        check.kind = RVValueCheck::Kind::choice;
        if (!rv::detail::isChoiceList(*argument) ||
            rv::detail::readChoiceList(*argument, &check.choices) != nullptr) {
            fail(index, name, "'accepts' choice needs an 'argument' written '{a | b}'");
        }
        return check;
    }
    check.kind = RVValueCheck::Kind::integer;
    if (const char* problem = readIntegerCheck(*accepts, check)) {
        fail(index, name, problem);
    }
    return check;
}

template <class Texts>
RVOptionSpec readOption(const Texts& texts, std::string_view name, std::size_t index,
                        rv::detail::RVPrintableScan& scan)
{
    if (texts.byKey[operandKey]) {
        fail(index, name, "'long' and 'operand' exclude each other");
    }
    const auto& longForm = texts.byKey[longKey];
    if (!longForm || !longForm->starts_with("--") || longForm->substr(2) != name) {
        fail(index, name, "'long' must be \"--\" followed by the name");
    }
    const auto& help = texts.byKey[helpKey];
    if (!help) {
        fail(index, name, "'help' is missing");
    }
    if (help->empty()) {
        fail(index, name, "'help' is empty");
    }
    scan.add(*help);
    const auto& shortForm = texts.byKey[shortKey];
    if (shortForm &&
        (shortForm->size() != 2 || (*shortForm)[0] != '-' || !isAsciiAlnum((*shortForm)[1]))) {
        fail(index, name, "'short' must be one dash and one letter or digit");
    }
    const auto& argument = texts.byKey[argumentKey];
    if (argument && argument->empty()) {
        fail(index, name, "'argument' is empty");
    }
    if (argument) {
        scan.add(*argument);
    }
    if (argument && rv::detail::isChoiceList(*argument)) {
        if (const char* problem = rv::detail::readChoiceList(*argument, nullptr)) {
            fail(index, name, "'argument': " + std::string(problem));
        }
    }
    return RVOptionSpec{name,
                        shortForm.value_or(""),
                        *longForm,
                        argument.value_or(""),
                        *help,
                        argument.has_value(),
                        readCheck(index, name, texts.byKey[acceptsKey], argument)};
}

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
           std::all_of(placeholder.begin(), placeholder.end(),
                       [](char c) { return isAsciiAlnum(c) || c == '_' || c == '-'; });
}

template <class Texts>
RVOperandSpec readOperand(const Texts& texts, std::string_view name, std::size_t index,
                          rv::detail::RVPrintableScan& scan)
{
    const auto operandFail = [&](std::string_view problem) {
        fail(index, name, problem, "operand");
    };
    for (const std::size_t key : {shortKey, longKey, argumentKey, acceptsKey}) {
        if (texts.byKey[key]) {
            operandFail("an operand has only the keys 'name', 'operand' and 'help'");
        }
    }
    if (isStandardName(name)) {
        operandFail("an operand cannot take the name of a standard option");
    }
    RVOperandSpec operand;
    operand.name = name;
    if (!readOperandPlaceholder(*texts.byKey[operandKey], operand)) {
        operandFail("'operand' must be W, [W], W... or [W]..., where W is a letter followed by "
                    "letters, digits, '_' or '-'");
    }
    const auto& help = texts.byKey[helpKey];
    if (!help) {
        operandFail("'help' is missing");
    }
    if (help->empty()) {
        operandFail("'help' is empty");
    }
    scan.add(*help);
    operand.help = *help;
    return operand;
}

RVAppInfo readApp(const RVDefinition& definition, rv::detail::RVPrintableScan& scan)
{
    const auto texts = readTexts<appKeyCount>(definition, appKeyOf);
    if (texts.unknownKey) {
        throw RVDefinitionError("app definition: unknown key " + rv::quoted(*texts.unknownKey));
    }
    RVAppInfo app{texts.byKey[versionKey].value_or(""), texts.byKey[executableKey].value_or(""),
                  texts.byKey[runAsKey].value_or(""), texts.byKey[copyrightKey].value_or("")};
    if (app.executable.empty() || app.version.empty()) {
        throw RVDefinitionError("app definition: 'executable' and 'version' are required");
    }
    // Not run-as, the name the program was invoked by, whatever it holds:
    // messages escape it, and the program must start under any name.
    scan.add(app.version);
    scan.add(app.executable);
    scan.add(app.copyright);
    return app;
}

// The first text of the table that is not printable ASCII and breaks a
// rule, as checkText finds it: the app definition's, then each option's and
// operand's in table order. For a table whose scan found such a text.
[[gnu::cold]] void reportTextFaults(const RVDefinition& appDefinition,
                                    const std::vector<RVDefinition>& definitions)
{
    const auto app = readTexts<appKeyCount>(appDefinition, appKeyOf);
    const auto appFail = [](std::string_view problem) {
        throw RVDefinitionError("app definition: " + std::string(problem));
    };
    for (const std::size_t key : {versionKey, executableKey, copyrightKey}) {
        checkText(appKeyNames[key], app.byKey[key].value_or(""), appFail);
    }
    for (std::size_t index = 0; index < definitions.size(); ++index) {
        const auto texts = readTexts<optionKeyCount>(definitions[index], optionKeyOf);
        const std::string_view name = texts.byKey[nameKey].value_or("");
        const bool operand = texts.byKey[operandKey] && !texts.byKey[longKey];
        const auto definitionFail = [&](std::string_view problem) {
            fail(index, name, problem, operand ? "operand" : "option");
        };
        checkText("help", texts.byKey[helpKey].value_or(""), definitionFail);
        checkText("argument", texts.byKey[argumentKey].value_or(""), definitionFail);
    }
}

// Names the definition by its place in the table, which operands before it
// make differ from the option's index.
[[noreturn, gnu::cold]] void failStandardTakesValue(const std::vector<RVDefinition>& definitions,
                                                    std::string_view name)
{
    std::size_t index = 0;
    while (index + 1 < definitions.size()) {
        const auto found = definitions[index].find("name");
        if (found != definitions[index].end() && found->second == name) {
            break;
        }
        ++index;
    }
    fail(index, name, "a standard option takes no value");
}

} // namespace

RVOptionTable::RVOptionTable(std::vector<RVDefinition> commandLineDefinition,
                             RVDefinition appDefinition)
    : definitions_(std::move(commandLineDefinition)), appDefinition_(std::move(appDefinition))
{
    rv::detail::RVPrintableScan scan;
    app_ = readApp(appDefinition_, scan);
    options_.reserve(definitions_.size());
    longNext_.reserve(definitions_.size());
    std::vector<std::size_t> operandPositions; // each operand's place in the table
    for (std::size_t index = 0; index < definitions_.size(); ++index) {
        const auto texts = readTexts<optionKeyCount>(definitions_[index], optionKeyOf);
        const std::string_view name = texts.byKey[nameKey].value_or("");
        if (texts.unknownKey) {
            fail(index, name, "unknown key " + rv::quoted(*texts.unknownKey));
        }
        if (!isWellFormedName(name)) {
            fail(index, name, nameRule);
        }
        if (texts.byKey[operandKey] && !texts.byKey[longKey]) {
            operands_.push_back(readOperand(texts, name, index, scan));
            operandPositions.push_back(index);
            continue;
        }
        RVOptionSpec entry = readOption(texts, name, index, scan);
        if (findLong(entry.name) != none) {
            fail(index, entry.name, "the name is defined twice");
        }
        const int optionIndex = static_cast<int>(options_.size());
        auto& head = longHead_[longBucket(entry.name)];
        longNext_.push_back(head);
        head = optionIndex;
        if (!entry.shortForm.empty()) {
            auto& slot = shortIndex_[static_cast<unsigned char>(entry.shortForm[1])];
            if (slot != none) {
                fail(index, entry.name, "the short form is defined twice");
            }
            slot = optionIndex;
        }
        if (int* const standard = standardIndexFor(entry.name)) {
            *standard = optionIndex;
        }
        checksValues_ = checksValues_ || entry.check.kind != RVValueCheck::Kind::anything;
        options_.push_back(std::move(entry));
    }
    if (!scan.allPrintable()) [[unlikely]] {
        reportTextFaults(appDefinition_, definitions_);
    }
    // Checked once every option is read, so that a fault in a later option
    // is still the one reported first.
    for (const int standard : {helpIndex_, versionIndex_, verboseIndex_}) {
        if (standard != none && option(standard).takesValue) {
            failStandardTakesValue(definitions_, option(standard).name);
        }
    }
    if (!operands_.empty()) {
        checkOperands(operandPositions);
    }
}

// The operands against the options and each other: a tool has few, and
// this runs only for a tool that has any.
void RVOptionTable::checkOperands(const std::vector<std::size_t>& positions)
{
    bool repeatableSeen = false;
    for (std::size_t index = 0; index < operands_.size(); ++index) {
        const RVOperandSpec& operand = operands_[index];
        const auto operandFail = [&](std::string_view problem) {
            fail(positions[index], operand.name, problem, "operand");
        };
        if (findLong(operand.name) != none) {
            operandFail("the name is defined twice");
        }
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            if (operands_[earlier].name == operand.name) {
                operandFail("the name is defined twice");
            }
            if (operands_[earlier].word == operand.word) {
                operandFail("the placeholder's word is used by another operand");
            }
        }
        if (repeatableSeen && operand.repeatable) {
            operandFail("two repeatable operands make the line ambiguous");
        }
        if (repeatableSeen && operand.optional) {
            operandFail("an optional operand after a repeatable one makes the line ambiguous");
        }
        repeatableSeen = repeatableSeen || operand.repeatable;
        operandMinimum_ += operand.minimum();
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
