#include "cmdline/RVVerboseReport.hpp"

#include "cmdline/RVMessageText.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

std::string rv::renderVerboseReport(const RVOptionTable& table,
                                    std::span<const char* const> arguments,
                                    const std::vector<RVReading>& readings)
{
    using rv::quoted;
    const std::string prefix = detail::messageName(table) + ": ";
    // How often each option of each part was read: a part's counts start at
    // its first option's place.
    std::vector<std::size_t> firstCount{0};
    for (int part = 0; part <= static_cast<int>(table.commands().size()); ++part) {
        firstCount.push_back(firstCount.back() + table.part(part).options().size());
    }
    std::vector<std::size_t> counts(firstCount.back(), 0);
    std::string text;
    // The options of one cluster share a line, so that each argument is quoted
    // once: "-vvv…" must cost its length, not its length squared.
    for (std::size_t begin = 0, end; begin < readings.size(); begin = end) {
        const std::size_t first = readings[begin].firstArgument;
        std::size_t last = first;
        for (end = begin; end < readings.size() && readings[end].firstArgument == first; ++end) {
            last = std::max(last, first + readings[end].argumentCount - 1);
        }
        text += prefix + "read";
        for (std::size_t index = first; index <= last; ++index) {
            text += ' ';
            text += quoted(arguments[index]);
        }
        text += " as ";
        for (std::size_t index = begin; index < end; ++index) {
            const RVReading& reading = readings[index];
            const RVOptionPart& part = table.part(reading.part);
            if (index > begin) {
                text += ", ";
            }
            if (reading.command) {
                text += "the command";
                continue;
            }
            if (reading.operand != RVOptionTable::none) {
                text += part.operands()[static_cast<std::size_t>(reading.operand)].word;
                continue;
            }
            if (reading.option == RVOptionTable::none) {
                text += "the end of the options";
                continue;
            }
            ++counts[firstCount[static_cast<std::size_t>(reading.part)] +
                     static_cast<std::size_t>(reading.option)];
            text += part.option(reading.option).longForm;
            if (reading.value) {
                text += " with the value " + quoted(*reading.value);
            }
        }
        text += '\n';
    }
    for (int part = 0; part + 1 < static_cast<int>(firstCount.size()); ++part) {
        const auto options = table.part(part).options();
        for (std::size_t index = 0; index < options.size(); ++index) {
            const std::size_t count = counts[firstCount[static_cast<std::size_t>(part)] + index];
            if (count > 1) {
                text += prefix + std::string(options[index].longForm) + " was given " +
                        std::to_string(count) + " times\n";
            }
        }
    }
    return text;
}
