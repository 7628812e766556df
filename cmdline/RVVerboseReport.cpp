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
    std::vector<std::size_t> counts(table.options().size(), 0);
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
            if (index > begin) {
                text += ", ";
            }
            if (reading.operand != RVOptionTable::none) {
                text += table.operands()[static_cast<std::size_t>(reading.operand)].word;
                continue;
            }
            if (reading.option == RVOptionTable::none) {
                text += "the end of the options";
                continue;
            }
            ++counts[static_cast<std::size_t>(reading.option)];
            text += table.option(reading.option).longForm;
            if (reading.value) {
                text += " with the value " + quoted(*reading.value);
            }
        }
        text += '\n';
    }
    for (std::size_t index = 0; index < counts.size(); ++index) {
        if (counts[index] > 1) {
            text += prefix + std::string(table.options()[index].longForm) + " was given " +
                    std::to_string(counts[index]) + " times\n";
        }
    }
    return text;
}
