#include "cmdline/docs/RVAcceptedValues.hpp"

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

} // namespace

RVAcceptedValues rv::acceptedValues(std::string_view placeholder)
{
    if (placeholder == detail::fileNamePlaceholder) {
        return {RVAcceptedValues::Kind::fileNames, {}};
    }
    if (placeholder.size() < 2 || placeholder.front() != '{' || placeholder.back() != '}') {
        return {};
    }
    RVAcceptedValues values{RVAcceptedValues::Kind::words, {}};
    std::string_view rest = placeholder.substr(1, placeholder.size() - 2);
    while (true) {
        const std::size_t bar = rest.find('|');
        const std::string_view alternative = trimmed(rest.substr(0, bar));
        if (alternative.empty()) {
            return {};
        }
        values.words.push_back(alternative.substr(0, alternative.find_first_of(blanks)));
        if (bar == std::string_view::npos) {
            return values;
        }
        rest.remove_prefix(bar + 1);
    }
}

bool rv::completesFileNames(const RVOperandSpec& operand)
{
    return operand.word == "FILE" || operand.word == detail::fileNamePlaceholder;
}

std::vector<RVWordRange> rv::fileOperandPositions(std::span<const RVOperandSpec> operands)
{
    std::vector<RVWordRange> ranges;
    std::size_t minimumBefore = 0;
    std::size_t maximumBefore = 0; // unbounded after a repeatable operand
    for (const RVOperandSpec& operand : operands) {
        const std::size_t maximum = operand.repeatable ? RVWordRange::unbounded : 1;
        const std::size_t end =
            maximumBefore == RVWordRange::unbounded || maximum == RVWordRange::unbounded
                ? RVWordRange::unbounded
                : maximumBefore + maximum;
        if (completesFileNames(operand)) {
            ranges.push_back({minimumBefore, end});
        }
        minimumBefore += operand.minimum();
        maximumBefore = end;
    }
    return ranges;
}

std::string rv::fileOperandTest(std::span<const RVOperandSpec> operands, std::string_view count)
{
    std::string condition;
    for (const RVWordRange& range : fileOperandPositions(operands)) {
        condition.append(condition.empty() ? "" : " || ");
        const std::string first = std::string(count) + " >= " + std::to_string(range.first);
        if (range.end == RVWordRange::unbounded) {
            condition += first;
        } else {
            condition.append("(" + first + " && ")
                .append(count)
                .append(" < " + std::to_string(range.end) + ")");
        }
    }
    return condition;
}
