#include "cmdline/RVVerboseReport.hpp"

#include "cmdline/RVMessageText.hpp"

#include <cstddef>
#include <string_view>

std::string renderVerboseReport(const RVOptionTable& table, std::span<const char* const> arguments,
                                const std::vector<RVReading>& readings)
{
    const std::string prefix = std::string(table.app().displayName()) + ": ";
    std::vector<std::size_t> counts(table.options().size(), 0);
    std::string text;
    for (const RVReading& reading : readings) {
        text += prefix + "read";
        for (std::size_t index = 0; index < reading.argumentCount; ++index) {
            text += ' ';
            text += quoted(arguments[reading.firstArgument + index]);
        }
        if (reading.option == RVOptionTable::none) {
            text += " as the end of the options\n";
            continue;
        }
        ++counts[static_cast<std::size_t>(reading.option)];
        text += " as ";
        text += table.option(reading.option).longForm;
        if (reading.value) {
            text += " with the value " + quoted(*reading.value);
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
