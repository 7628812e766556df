#include "cmdline/docs/RVManCommandLine.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/RVSuggestions.hpp"
#include "cmdline/docs/RVManPartEntries.hpp"
#include "cmdline/docs/RVManRoff.hpp"

#include <algorithm>
#include <vector>

namespace {

using rv::detail::bold;
using rv::detail::listOf;

// "-h (--help)", or "--help" for an option without a short form.
std::string calledAs(const RVOptionSpec& option)
{
    const std::string longForm = bold(option.longForm);
    return option.shortForm.empty() ? longForm : bold(option.shortForm) + " (" + longForm + ')';
}

// "-h (--help) or -V (--version)", those of the part's standard options
// that it has, in that order.
std::string calledAs(const RVOptionPart& part, std::initializer_list<int> indexes,
                     std::string_view last)
{
    std::vector<std::string> names;
    for (const int index : indexes) {
        if (index != RVOptionTable::none) {
            names.push_back(calledAs(part.option(index)));
        }
    }
    return listOf(names, last);
}

// How the words that are no options go to the part's operands, after the
// sentence that introduces them.
std::string operandSplit(const RVOptionPart& part, std::string split)
{
    const auto operands = part.operands();
    std::vector<std::string> counts;
    bool severalBeforeAnother = false; // an operand of several words, with another after it
    bool optionalBeforeAnother = false;
    for (const RVOperandSpec& operand : operands) {
        const char* count = operand.repeatable ? (operand.optional ? "any number" : "one or more")
                                               : (operand.optional ? "at most one" : "exactly one");
        counts.push_back(rv::detail::operandPlaceholder(operand) + " takes " + count);
        if (&operand != &operands.back()) {
            severalBeforeAnother = severalBeforeAnother || operand.repeatable;
            optionalBeforeAnother =
                optionalBeforeAnother || (operand.optional && !operand.repeatable);
        }
    }
    split += listOf(counts) + '.';
    if (severalBeforeAnother) {
        split += " An operand that takes several words takes all but those that the operands "
                 "after it need.";
    }
    if (optionalBeforeAnother) {
        split += " An optional operand takes a word only when enough remain for the operands "
                 "after it.";
    }
    const bool endless =
        std::any_of(operands.begin(), operands.end(),
                    [](const RVOperandSpec& operand) { return operand.repeatable; });
    if (part.operandMinimum() > 0 && !endless) {
        split += " Too few words for them is an error, and so is a word that none of them takes.";
    } else if (part.operandMinimum() > 0) {
        split += " Too few words for them is an error.";
    } else if (!endless) {
        split += " A word that none of them takes is an error.";
    }
    return split;
}

// Where the part's options may stand among its operands, and what "--"
// and "-" are; options names them ("Options", "The options of set").
std::string optionPlacement(const RVOptionPart& part, const std::string& options,
                            std::string_view their)
{
    const std::string loneDash = ", and so is a lone " + bold("-") +
                                 "; what it stands for is left to the entry of its operand.";
    if (!part.optionsBeforeOperands()) {
        return options + " may stand before, between and after " + std::string(their) +
               " operands. Every word after " + bold("--") +
               ", which ends the options, is an operand, even one that starts with a dash" +
               loneDash;
    }
    const int help = part.helpIndex();
    return options + " come before " + std::string(their) +
           " operands: the first operand ends them, and so does " + bold("--") +
           ". Every word after either is an operand, even one that starts with a dash" +
           (help == RVOptionTable::none ? "" : ", such as " + bold(part.option(help).longForm)) +
           loneDash;
}

// The rules of the part's operands. The global part of a tool without
// commands speaks of "the operands"; a command's names the command.
std::vector<std::string> operandRules(const RVOptionTable& table, int partIndex)
{
    const RVOptionPart& part = table.part(partIndex);
    const bool global = partIndex == RVOptionTable::globalPart;
    const std::string command = bold(part.command());
    if (part.operands().empty()) {
        return {(global ? bold(table.app().executable) : command) +
                " takes no operands: a word that is neither an option nor the value of one is an "
                "error, and so is any word after " +
                bold("--") + ", which ends the options."};
    }
    if (global) {
        return {operandSplit(part, "The words that are neither options nor values of options are "
                                   "the operands, given to them in the order of the synopsis: "),
                optionPlacement(part, "Options", "the")};
    }
    return {operandSplit(part, "The words after " + command +
                                   " that are neither options nor values of options are its "
                                   "operands, given to them in the order of its synopsis: "),
            optionPlacement(part, "The options of " + command, "its")};
}

// How a line with a command is read: the global options, the command, then
// the command's own options and operands.
std::string commandRule(const RVOptionTable& table)
{
    const RVOptionPart& global = table.global();
    std::string rule =
        "The global options come first and end at the first word that is neither an option nor "
        "the value of one: that word is the command. They end at " +
        bold("--") +
        " too, and the word after it is the command. A line without a command is an error, and "
        "so is a word at its place that names none. The words after the command are read with "
        "the options and operands of that command, under " +
        bold("COMMANDS") +
        "; a global option given there is refused, and the message says to give it before the "
        "command.";
    if (global.helpIndex() != RVOptionTable::none) {
        rule += ' ' + calledAs(global.option(global.helpIndex())) +
                " given after the command shows the help of that command.";
    }
    const int versionAndVerbose = (global.versionIndex() != RVOptionTable::none) +
                                  (global.verboseIndex() != RVOptionTable::none);
    if (versionAndVerbose > 0) {
        rule += ' ' + calledAs(global, {global.versionIndex(), global.verboseIndex()}, " and ") +
                (versionAndVerbose > 1 ? " are" : " is") + " given before the command only.";
    }
    return rule;
}

// The table's own example of a refused prefix: the first three letters of
// the name that shares them with the most names, and those names as the
// usage error proposes them.
std::string longNamesRule(const RVOptionTable& table)
{
    std::string_view prefix;
    std::vector<std::string_view> candidates;
    for (const RVOptionSpec& option : table.options()) {
        // A prefix that is a name of its own would be accepted, not refused.
        if (option.name.size() > 3 &&
            table.findLong(option.name.substr(0, 3)) == RVOptionTable::none) {
            auto forms = rv::suggestLongForms(table.global(), option.name.substr(0, 3));
            if (forms.size() > candidates.size()) {
                prefix = option.name.substr(0, 3);
                candidates = std::move(forms);
            }
        }
    }
    if (prefix.empty()) {
        return "Long names are typed in full: a prefix of one is refused, and the message names "
               "the options it begins.";
    }
    std::vector<std::string> names;
    for (const std::string_view form : candidates) {
        names.push_back(bold(form));
    }
    return "Long names are typed in full: a prefix of one, such as " +
           bold(std::string("--").append(prefix)) +
           ", is refused, and the message names the options it begins (" + listOf(names) +
           "). A name misspelt by a letter or two is refused with the names it is close to.";
}

// A long name typed with one dash, preferably one that a short option with
// a value would otherwise swallow ("-input": -i with the value "nput").
std::string singleDashRule(const RVOptionTable& table)
{
    const auto options = table.options();
    auto example = std::find_if(options.begin(), options.end(), [](const RVOptionSpec& option) {
        return option.takesValue && !option.shortForm.empty() && option.name.size() > 1;
    });
    if (example == options.end()) {
        example = std::find_if(options.begin(), options.end(),
                               [](const RVOptionSpec& option) { return option.name.size() > 1; });
    }
    std::string rule = "A long name typed with one dash";
    if (example != options.end()) {
        rule.append(", such as ").append(bold(std::string("-").append(example->name))) += ',';
    }
    return rule + " is refused rather than read as a group of short options.";
}

} // namespace

void rv::detail::appendCommandLineRules(std::string& page, const RVOptionTable& table)
{
    const RVOptionPart& global = table.global();
    const std::string showing =
        calledAs(global, {global.helpIndex(), global.versionIndex()}, " or ");
    std::vector<std::string> paragraphs;
    if (!showing.empty()) {
        const bool both = global.helpIndex() != RVOptionTable::none &&
                          global.versionIndex() != RVOptionTable::none;
        paragraphs.push_back("If " + showing + " stands on the line as an option, " +
                             (both ? "the first of them" : "it") +
                             " is acted on and the rest of the line is ignored, errors included. A "
                             "word that is the value of an option, or that follows " +
                             bold("--") + ", is no option.");
    }
    paragraphs.push_back(longNamesRule(table));
    paragraphs.push_back(singleDashRule(table));
    if (table.hasCommands()) {
        paragraphs.push_back(commandRule(table));
    }
    for (const int part : finalParts(table)) {
        for (std::string& rule : operandRules(table, part)) {
            paragraphs.push_back(std::move(rule));
        }
    }
    if (table.anyPart(&RVOptionPart::checksValues)) {
        paragraphs.push_back("An option whose entry under " + bold("OPTIONS") +
                             (table.hasCommands() ? " or " + bold("COMMANDS") : "") +
                             " states the values it accepts refuses any other value, and the "
                             "message tells the valid ones.");
    }
    if (const int verbose = table.verboseIndex(); verbose != RVOptionTable::none) {
        paragraphs.push_back("With " + calledAs(table.option(verbose)) + ", " +
                             bold(table.app().executable) +
                             " tells on standard error how it read each argument, and which "
                             "options were given more than once; it tells nothing when the line "
                             "holds an error" +
                             (showing.empty() ? "" : " or " + showing + " is acted on") + '.');
    }
    appendSection(page, "COMMAND LINE");
    appendParagraphs(page, paragraphs);
}
