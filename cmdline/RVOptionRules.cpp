// The rules of one option's entry: its forms, its value and what the value
// must be, and the keys that change how it is read.
#include "cmdline/RVChoiceList.hpp"
#include "cmdline/RVDefinitionEntry.hpp"
#include "cmdline/RVInteger.hpp"

#include <algorithm>

namespace {

using rv::detail::EntryKind;
using rv::detail::EntryTexts;

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

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

template <class Fail>
RVValueCheck readCheck(const std::optional<std::string_view>& accepts,
                       const std::optional<std::string_view>& argument, const Fail& fail)
{
    RVValueCheck check;
    if (!accepts) {
        return check;
    }
    if (!argument) {
        fail("'accepts' is only for an option that takes a value ('argument')");
    }
    if (*accepts == "choice") {
        check.kind = RVValueCheck::Kind::choice;
        if (!rv::detail::isChoiceList(*argument) ||
            rv::detail::readChoiceList(*argument, &check.choices) != nullptr) {
            fail("'accepts' choice needs an 'argument' written '{a | b}'");
        }
        return check;
    }
    check.kind = RVValueCheck::Kind::integer;
    if (const char* problem = readIntegerCheck(*accepts, check)) {
        fail(problem);
    }
    return check;
}

// The keys that change how an option is read and offered, each of them
// rare: a table without them pays one test each.
template <class Fail>
void readValueKeys(const EntryTexts& texts, RVOptionSpec& option, rv::detail::RVPrintableScan& scan,
                   const Fail& fail)
{
    using namespace rv::detail;
    if (const auto& complete = texts[completeKey]) {
        if (!option.takesValue) {
            fail("'complete' is only for an option that takes a value ('argument') or an "
                 "operand");
        }
        if (texts[acceptsKey]) {
            fail("'complete' and 'accepts' exclude each other");
        }
        const std::optional<RVCompletion> completion = readCompletion(*complete);
        if (!completion) {
            fail("'complete' must be \"file\", \"directory\" or \"none\"");
        }
        option.completion = *completion;
    }
    if (const auto& optional = texts[optionalKey]) {
        if (!option.takesValue) {
            fail("'optional' is only for an option that takes a value ('argument')");
        }
        if (optional->empty()) {
            fail("'optional' is empty");
        }
        scan.add(*optional);
        // A default that the check would refuse could never be typed.
        if (!isAccepted(option.check, *optional)) {
            fail("'optional': its value fails the option's 'accepts'");
        }
        option.valueIsOptional = true;
        option.defaultValue = *optional;
    }
}

} // namespace

std::optional<RVCompletion> rv::detail::readCompletion(std::string_view text)
{
    if (text == "file") {
        return RVCompletion::file;
    }
    if (text == "directory") {
        return RVCompletion::directory;
    }
    if (text == "none") {
        return RVCompletion::none;
    }
    return std::nullopt;
}

bool rv::detail::isAccepted(const RVValueCheck& check, std::string_view value)
{
    if (check.kind == RVValueCheck::Kind::choice) {
        return std::find(check.choices.begin(), check.choices.end(), value) != check.choices.end();
    }
    if (check.kind == RVValueCheck::Kind::anything) {
        return true;
    }
    const RVIntegerReading reading = readInteger(value);
    return reading.status == RVIntegerReading::Status::ok &&
           (!check.minimum || reading.value >= *check.minimum) &&
           (!check.maximum || reading.value <= *check.maximum);
}

rv::detail::RVOptionEntry rv::detail::readOptionEntry(const EntryTexts& texts, std::size_t index,
                                                      RVPrintableScan& scan)
{
    const std::string_view name = texts.name();
    const auto fail = [&](std::string_view problem) {
        failEntry(EntryKind::option, index, name, problem);
    };
    if (texts[operandKey]) {
        fail("'long' and 'operand' exclude each other");
    }
    if (texts[optionsKey]) {
        fail("unknown key 'options'");
    }
    const auto& longForm = texts[longKey];
    if (!longForm || !longForm->starts_with("--") || longForm->substr(2) != name) {
        fail("'long' must be \"--\" followed by the name");
    }
    const auto& help = texts[helpKey];
    if (!help) {
        fail("'help' is missing");
    }
    if (help->empty()) {
        fail("'help' is empty");
    }
    scan.add(*help);
    const auto& shortForm = texts[shortKey];
    if (shortForm &&
        (shortForm->size() != 2 || (*shortForm)[0] != '-' || !isAsciiAlnum((*shortForm)[1]))) {
        fail("'short' must be one dash and one letter or digit");
    }
    const auto& argument = texts[argumentKey];
    if (argument && argument->empty()) {
        fail("'argument' is empty");
    }
    if (argument) {
        scan.add(*argument);
    }
    if (argument && isChoiceList(*argument)) {
        if (const char* problem = readChoiceList(*argument, nullptr)) {
            fail("'argument': " + std::string(problem));
        }
    }
    RVOptionEntry entry;
    entry.standard = isStandardName(name);
    if (const auto& standard = texts[standardKey]) {
        if (!entry.standard) {
            fail("'standard' is only for the options named help, version and verbose");
        }
        if (*standard != "no") {
            fail("'standard' must be \"no\"");
        }
        entry.standard = false;
    }
    RVOptionSpec& option = entry.spec;
    option.name = name;
    option.shortForm = shortForm.value_or("");
    option.longForm = *longForm;
    option.argument = argument.value_or("");
    option.help = *help;
    option.takesValue = argument.has_value();
    option.check = readCheck(texts[acceptsKey], argument, fail);
    option.entry = index;
    if (texts[completeKey] || texts[optionalKey]) [[unlikely]] {
        readValueKeys(texts, option, scan, fail);
    }
    entry.of = texts[ofKey];
    entry.excludes = texts[excludesKey].value_or("");
    if (texts[excludesKey] && entry.excludes.empty()) {
        fail("'excludes' must be names separated by single spaces");
    }
    return entry;
}
