// The rules of one option's entry: its forms, its value and what the value
// must be, and the keys that change how it is read.
#include "cmdline/RVChoiceList.hpp"
#include "cmdline/RVDefinitionEntry.hpp"
#include "cmdline/RVInteger.hpp"

#include <algorithm>

namespace {

using rv::detail::EntryKind;
using rv::detail::EntryTexts;

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
void readCheck(const rv::detail::EntryText& accepts, const rv::detail::EntryText& argument,
               RVValueCheck& check, const Fail& fail)
{
    if (!accepts) {
        return;
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
        return;
    }
    check.kind = RVValueCheck::Kind::integer;
    if (const char* problem = readIntegerCheck(*accepts, check)) {
        fail(problem);
    }
}

// What complete and optional ask for.
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
        if (const char* problem = readCompletion(*complete, option.completion)) {
            fail(problem);
        }
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

const char* rv::detail::readCompletion(std::string_view text, RVCompletion& completion)
{
    if (text == "file") {
        completion = RVCompletion::file;
    } else if (text == "directory") {
        completion = RVCompletion::directory;
    } else if (text == "none") {
        completion = RVCompletion::none;
    } else {
        return "'complete' must be \"file\", \"directory\" or \"none\"";
    }
    return nullptr;
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

void rv::detail::readRareOptionKeys(const EntryTexts& texts, std::size_t index,
                                    RVPrintableScan& scan, RVOptionSpec& option,
                                    RVOptionTraits& traits)
{
    const auto fail = [&](std::string_view problem) {
        failEntry(EntryKind::option, index, option.name, problem);
    };
    if (const auto& standard = texts[standardKey]) {
        if (!traits.standard) {
            fail("'standard' is only for the options named help, version and verbose");
        }
        if (*standard != "no") {
            fail("'standard' must be \"no\"");
        }
        traits.standard = false;
    }
    readCheck(texts[acceptsKey], texts[argumentKey], option.check, fail);
    readValueKeys(texts, option, scan, fail);
    if (const auto& excludes = texts[excludesKey]) {
        if (excludes->empty()) {
            fail("'excludes' must be names separated by single spaces");
        }
        traits.excludes = *excludes;
    }
}
