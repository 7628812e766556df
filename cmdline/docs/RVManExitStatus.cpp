#include "cmdline/docs/RVManExitStatus.hpp"

#include "cmdline/RVMessageText.hpp"
#include "cmdline/docs/RVManPartEntries.hpp"
#include "cmdline/docs/RVManRoff.hpp"
#include <varnock/cmdline/RVExitStatus.hpp>

#include <algorithm>
#include <vector>

namespace {

using rv::detail::bold;

// "--help or --version", as the table spells them; empty without either.
std::string standardOutputOptions(const RVOptionTable& table)
{
    std::string text;
    for (const int index : {table.helpIndex(), table.versionIndex()}) {
        if (index != RVOptionTable::none) {
            text.append(text.empty() ? "" : " or ").append(bold(table.option(index).longForm));
        }
    }
    return text;
}

// What a line can get wrong in the words that operands take: too few for
// them, or one that none of them takes; in a tool without operands, any
// word that is no option.
void addOperandWrongs(std::vector<std::string>& wrongs, const RVOptionTable& table)
{
    if (!table.hasCommands() && table.operands().empty()) {
        wrongs.emplace_back("a word that is not an option");
        return;
    }
    bool missing = false;
    bool extra = false;
    for (const int index : rv::detail::finalParts(table)) {
        const RVOptionPart& part = table.part(index);
        const auto operands = part.operands();
        missing = missing || part.operandMinimum() > 0;
        extra =
            extra || std::none_of(operands.begin(), operands.end(),
                                  [](const RVOperandSpec& operand) { return operand.repeatable; });
    }
    if (missing) {
        wrongs.emplace_back("a missing operand");
    }
    if (extra) {
        wrongs.emplace_back("a word that no operand takes");
    }
}

// The usage errors that the table's line can hold, for status 2.
std::vector<std::string> usageWrongs(const RVOptionTable& table)
{
    std::vector<std::string> wrongs = {"an unknown option", "a missing value",
                                       "a value for an option that takes none"};
    if (table.anyPart(&RVOptionPart::checksValues)) {
        wrongs.emplace_back("a value that the option does not accept");
    }
    if (table.anyPart(&RVOptionPart::hasExclusions)) {
        wrongs.emplace_back("an option given with one that it cannot be given with");
    }
    if (table.hasCommands()) {
        wrongs.emplace_back("a missing or unknown command");
    }
    // Every command's part understands the help option: only another global
    // option can be given after the command by mistake.
    const auto global = table.global().options();
    if (table.hasCommands() &&
        global.size() > (table.helpIndex() != RVOptionTable::none ? 1U : 0U)) {
        wrongs.emplace_back("a global option after the command");
    }
    addOperandWrongs(wrongs, table);
    return wrongs;
}

} // namespace

void rv::detail::appendExitStatus(std::string& page, const RVOptionTable& table,
                                  std::span<const RVManEntry> toolStatuses)
{
    std::vector<RVManEntry> tools(toolStatuses.begin(), toolStatuses.end());
    const auto number = [](const RVManEntry& entry) { return std::stoi(entry.name); };
    std::sort(tools.begin(), tools.end(),
              [number](const RVManEntry& left, const RVManEntry& right) {
                  return number(left) < number(right);
              });
    auto tool = tools.begin();
    const auto entry = [&page](std::string_view value, const std::string& meaning) {
        page.append(".TP\n.B ").append(value).append("\n") += textLines(meaning);
    };
    // The service's, then the tool's text for the same status.
    const auto status = [&](RVExitStatus value, const std::string& meaning) {
        entry(std::to_string(static_cast<int>(value)), meaning);
        if (tool != tools.end() && number(*tool) == static_cast<int>(value)) {
            page += ".br\n" + textLines(manText(tool++->text));
        }
    };
    const std::string outputOptions = standardOutputOptions(table);
    appendSection(page, "EXIT STATUS");
    status(RVExitStatus::success,
           outputOptions.empty() ? "success" : "success, also after " + outputOptions);
    // Memory can run out in any tool, with or without help and version.
    status(RVExitStatus::failure,
           "a failure that is not the command line's fault: " +
               (outputOptions.empty()
                    ? std::string()
                    : outputOptions + " could not write its text to standard output, or ") +
               "memory ran out");
    status(RVExitStatus::usageError,
           "the command line is wrong: " + listOf(usageWrongs(table), ", or "));
    for (; tool != tools.end(); ++tool) {
        entry(tool->name, manText(tool->text));
    }
}
