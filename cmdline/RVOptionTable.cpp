#include "cmdline/RVOptionTable.hpp"

#include "cmdline/RVDefinitionEntry.hpp"
#include "cmdline/RVMessageText.hpp"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

using rv::detail::EntryKind;

void rv::detail::failEntry(EntryKind kind, std::size_t index, std::string_view name,
                           std::string_view problem)
{
    static constexpr std::string_view kinds[] = {"option", "operand", "command"};
    std::string message(kinds[static_cast<std::size_t>(kind)]);
    message.append(" definition ").append(std::to_string(index + 1));
    if (!name.empty()) {
        // Escaped: a name that breaks the name rule may hold anything.
        message.append(" ('").append(rv::detail::escaped(name)).append("')");
    }
    message.append(": ").append(problem);
    throw RVDefinitionError(message);
}

std::string rv::detail::textRule(std::string_view key, std::string_view text)
{
    const RVTextFault fault = findTextFault(text);
    if (fault.kind == RVTextFault::Kind::none) {
        return {};
    }
    std::string rule = "'";
    rule.append(key).append("' ");
    rule.append(fault.kind == RVTextFault::Kind::notUtf8 ? "is not valid UTF-8"
                                                         : "holds a control character");
    return rule.append(" at byte ").append(std::to_string(fault.offset + 1));
}

// A letter or digit costs one test; a hyphen, rarer, is checked against its
// neighbours.
bool rv::detail::isWellFormedName(std::string_view name)
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

const char* RVOptionPart::indexLast()
{
    const RVOptionSpec& option = options_.back();
    const int index = static_cast<int>(options_.size()) - 1;
    if (findLong(option.name) != none) {
        return "the name is defined twice";
    }
    if (!option.shortForm.empty()) {
        int& slot = shortIndex_[static_cast<unsigned char>(option.shortForm[1])];
        if (slot != none) {
            return "the short form is defined twice";
        }
        slot = index;
    }
    int& head = longHead_[longBucket(option.name)];
    longNext_.push_back(head);
    head = index;
    // Both come only with a rare key: one test for the two.
    if (option.check.kind != RVValueCheck::Kind::anything || option.valueIsOptional) [[unlikely]] {
        checksValues_ = checksValues_ || option.check.kind != RVValueCheck::Kind::anything;
        hasOptionalValues_ = hasOptionalValues_ || option.valueIsOptional;
    }
    return nullptr;
}

int RVOptionPart::findLong(std::string_view name) const
{
    const int index = findLongBeforeEquals(name);
    return index != none && option(index).name.size() == name.size() ? index : none;
}

int RVOptionTable::findCommand(std::string_view name) const
{
    for (std::size_t index = 0; index < commands_.size(); ++index) {
        if (commands_[index].command() == name) {
            return static_cast<int>(index) + 1;
        }
    }
    return none;
}

// The entries that name a command with "of", kept until every command of
// the table is known, and the options whose "excludes" is resolved once
// every option is in its part.
struct RVOptionTable::Pending
{
    std::vector<rv::detail::RVOptionEntry> options;
    std::vector<rv::detail::RVOperandEntry> operands;
    struct Exclusion
    {
        int part;
        int option;
        std::string_view names;
    };
    std::vector<Exclusion> exclusions;
};

namespace {

using namespace rv::detail;

// "a b c" as its names; empty when the text breaks the rule of single spaces.
std::vector<std::string_view> excludedNames(std::string_view text)
{
    std::vector<std::string_view> names;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at == text.size() || text[at] == ' ') {
            if (at == begin) {
                return {};
            }
            names.push_back(text.substr(begin, at - begin));
            begin = at + 1;
        }
    }
    return names;
}

void standardTakesNoValue(const RVOptionPart& part)
{
    for (const int standard : {part.helpIndex(), part.versionIndex(), part.verboseIndex()}) {
        if (standard != RVOptionPart::none && part.option(standard).takesValue) {
            const RVOptionSpec& option = part.option(standard);
            failEntry(EntryKind::option, option.entry, option.name,
                      "a standard option takes no value");
        }
    }
}

} // namespace

void RVOptionTable::placeOption(RVOptionPart& part, int partIndex, const RVOptionTraits& traits,
                                Pending& pending)
{
    const int optionIndex = static_cast<int>(part.options_.size()) - 1;
    const std::string_view name = part.options_.back().name;
    if (const char* problem = part.indexLast()) {
        failEntry(EntryKind::option, part.options_.back().entry, name, problem);
    }
    if (!traits.excludes.empty()) [[unlikely]] {
        pending.exclusions.push_back({partIndex, optionIndex, traits.excludes});
    }
    if (traits.standard) {
        (name == "help"      ? part.helpIndex_
         : name == "version" ? part.versionIndex_
                             : part.verboseIndex_) = optionIndex;
    }
}

RVOptionTable::RVOptionTable(std::vector<RVDefinition> commandLineDefinition,
                             RVDefinition appDefinition)
    : definitions_(std::move(commandLineDefinition)), appDefinition_(std::move(appDefinition))
{
    RVPrintableScan scan;
    const RVAppEntry appEntry = readAppDefinition(appDefinition_, scan);
    app_ = appEntry.info;
    global_.options_.reserve(definitions_.size());
    global_.longNext_.reserve(definitions_.size());
    Pending pending;
    for (std::size_t index = 0; index < definitions_.size(); ++index) {
        const EntryTexts texts = readEntry(definitions_[index]);
        const EntryKind kind = texts.kind();
        const std::string_view name = texts.name();
        if (texts.unknownKey) {
            failEntry(kind, index, name, "unknown key " + rv::quoted(*texts.unknownKey));
        }
        if (!isWellFormedName(name)) {
            failEntry(kind, index, name, nameRule);
        }
        if (kind == EntryKind::option && !texts[ofKey]) [[likely]] {
            RVOptionSpec& option = global_.options_.emplace_back();
            placeOption(global_, globalPart, readOptionEntry(texts, index, scan, option), pending);
        } else if (kind == EntryKind::option) {
            RVOptionEntry& entry = pending.options.emplace_back();
            entry.traits = readOptionEntry(texts, index, scan, entry.option);
            entry.of = *texts[ofKey];
        } else if (kind == EntryKind::operand) {
            RVOperandEntry entry = readOperandEntry(texts, index, scan);
            if (entry.of) [[unlikely]] {
                pending.operands.push_back(std::move(entry));
            } else {
                global_.operands_.push_back(entry.operand);
            }
        } else {
            addCommand(readCommandEntry(texts, index, scan), index);
        }
    }
    if (!scan.allPrintable()) [[unlikely]] {
        reportTextFaults(appDefinition_, definitions_);
    }
    // Checked once every entry is read, so that a fault in a later entry is
    // still the one reported first.
    standardTakesNoValue(global_);
    if (!commands_.empty() || !pending.options.empty() || !pending.operands.empty()) [[unlikely]] {
        readCommandParts(pending, appEntry.optionsBeforeOperands.has_value());
    } else if (appEntry.optionsBeforeOperands) {
        global_.optionsBeforeOperands_ = *appEntry.optionsBeforeOperands;
    }
    if (!pending.exclusions.empty()) [[unlikely]] {
        linkExclusions(pending);
    }
    if (!global_.operands_.empty()) {
        global_.operandMinimum_ = checkOperands(global_.operands_, global_);
    }
}

void RVOptionTable::addCommand(const RVCommandEntry& entry, std::size_t index)
{
    if (findCommand(entry.name) != none) {
        failEntry(EntryKind::command, index, entry.name, "the name is defined twice");
    }
    RVOptionPart& part = commands_.emplace_back();
    part.command_ = entry.name;
    part.help_ = entry.help;
    part.optionsBeforeOperands_ = entry.optionsBeforeOperands;
}

// The options and operands of the commands, in table order within each
// command's part, which ends with the help option; and the names that the
// parts must not share. A tool has few commands, and only a tool with
// commands, or with an "of" to complain about, runs this.
void RVOptionTable::readCommandParts(Pending& pending, bool appHasOptionsRule)
{
    // The first entry in table order whose "of" names no command.
    std::optional<std::tuple<std::size_t, EntryKind, std::string_view, std::string_view>> stray;
    const auto consider = [&](std::size_t entry, EntryKind kind, std::string_view name,
                              std::string_view of) {
        if (findCommand(of) == none && (!stray || entry < std::get<0>(*stray))) {
            stray = std::tuple{entry, kind, name, of};
        }
    };
    for (const RVOptionEntry& entry : pending.options) {
        consider(entry.option.entry, EntryKind::option, entry.option.name, entry.of);
    }
    for (const RVOperandEntry& entry : pending.operands) {
        consider(entry.operand.entry, EntryKind::operand, entry.operand.name, *entry.of);
    }
    if (stray) {
        const auto& [entry, kind, name, of] = *stray;
        failEntry(kind, entry, name, "'of': " + rv::quoted(of) + " is no command of the table");
    }
    if (appHasOptionsRule) {
        throw RVDefinitionError(
            "app definition: 'options' is for a tool without commands: give it on a command");
    }
    if (!global_.operands_.empty()) {
        const RVOperandSpec& operand = global_.operands_.front();
        failEntry(EntryKind::operand, operand.entry, operand.name,
                  "a table with commands has no operands of its own");
    }
    for (const RVOptionSpec& option : global_.options_) {
        if (findCommand(option.name) != none) {
            failEntry(EntryKind::option, option.entry, option.name, "the name is a command's");
        }
    }
    const RVOptionSpec* help =
        global_.helpIndex_ != none ? &global_.option(global_.helpIndex_) : nullptr;
    for (RVOptionEntry& entry : pending.options) {
        const RVOptionSpec& option = entry.option;
        const auto fail = [&](std::string_view problem) {
            failEntry(EntryKind::option, option.entry, option.name, problem);
        };
        if (entry.traits.standard) {
            fail("a standard option of the service is global");
        }
        if (findCommand(option.name) != none) {
            fail("the name is a command's");
        }
        // Every command's part understands the help option; and params,
        // which hold the global options beside the command's, could not
        // tell two options of one name apart.
        if (global_.findLong(option.name) != none) {
            fail("the name is defined twice");
        }
        if (help != nullptr && !option.shortForm.empty() && option.shortForm == help->shortForm) {
            fail("the short form is defined twice");
        }
        const int part = findCommand(entry.of);
        RVOptionPart& owner = commands_[static_cast<std::size_t>(part - 1)];
        owner.options_.push_back(std::move(entry.option));
        placeOption(owner, part, entry.traits, pending);
    }
    for (RVOptionPart& part : commands_) {
        if (help != nullptr) {
            RVOptionSpec& copy = part.options_.emplace_back(*help);
            copy.excludes.clear(); // indexes of the global part
            part.helpIndex_ = static_cast<int>(part.options_.size()) - 1;
            part.indexLast();
        }
    }
    for (const RVOperandEntry& entry : pending.operands) {
        const RVOperandSpec& operand = entry.operand;
        if (findCommand(operand.name) != none) {
            failEntry(EntryKind::operand, operand.entry, operand.name, "the name is a command's");
        }
        if (global_.findLong(operand.name) != none) {
            failEntry(EntryKind::operand, operand.entry, operand.name, "the name is defined twice");
        }
        commands_[static_cast<std::size_t>(findCommand(*entry.of) - 1)].operands_.push_back(
            operand);
    }
    for (RVOptionPart& part : commands_) {
        if (!part.operands_.empty()) {
            part.operandMinimum_ = checkOperands(part.operands_, part);
        }
    }
}

// Each option's "excludes", in table order, as links both ways between the
// options of its part.
void RVOptionTable::linkExclusions(Pending& pending)
{
    std::sort(pending.exclusions.begin(), pending.exclusions.end(),
              [this](const Pending::Exclusion& left, const Pending::Exclusion& right) {
                  return part(left.part).option(left.option).entry <
                         part(right.part).option(right.option).entry;
              });
    for (const Pending::Exclusion& exclusion : pending.exclusions) {
        RVOptionPart& owner = exclusion.part == globalPart
                                  ? global_
                                  : commands_[static_cast<std::size_t>(exclusion.part - 1)];
        const RVOptionSpec& option = owner.option(exclusion.option);
        const auto fail = [&](std::string_view problem) {
            failEntry(EntryKind::option, option.entry, option.name,
                      "'excludes': " + std::string(problem));
        };
        if (exclusion.option == owner.helpIndex_ || exclusion.option == owner.versionIndex_ ||
            exclusion.option == owner.verboseIndex_) {
            fail(rv::quoted(option.name) + " is a standard option");
        }
        const std::vector<std::string_view> names = excludedNames(exclusion.names);
        if (names.empty()) {
            failEntry(EntryKind::option, option.entry, option.name,
                      "'excludes' must be names separated by single spaces");
        }
        for (std::size_t at = 0; at < names.size(); ++at) {
            const std::string_view name = names[at];
            if (std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(at), name) !=
                names.begin() + static_cast<std::ptrdiff_t>(at)) {
                fail(rv::quoted(name) + " is listed twice");
            }
            if (name == option.name) {
                fail("an option cannot exclude itself");
            }
            const int other = owner.findLong(name);
            if (other != none && (other == owner.helpIndex_ || other == owner.versionIndex_ ||
                                  other == owner.verboseIndex_)) {
                fail(rv::quoted(name) + " is a standard option");
            }
            if (other == none) {
                const bool operand = std::any_of(
                    owner.operands_.begin(), owner.operands_.end(),
                    [name](const RVOperandSpec& candidate) { return candidate.name == name; });
                fail(rv::quoted(name) + (operand ? " is an operand"
                                         : exclusion.part == globalPart
                                             ? " is no option of the table"
                                             : " is no option of this command"));
            }
            for (const auto& [from, to] :
                 {std::pair{exclusion.option, other}, std::pair{other, exclusion.option}}) {
                std::vector<int>& excludes =
                    owner.options_[static_cast<std::size_t>(from)].excludes;
                if (std::find(excludes.begin(), excludes.end(), to) == excludes.end()) {
                    excludes.insert(std::upper_bound(excludes.begin(), excludes.end(), to), to);
                }
            }
        }
        owner.hasExclusions_ = true;
    }
}
