#include "cmdline/docs/RVAcceptedValues.hpp"

#include "cmdline/RVChoiceList.hpp"

RVAcceptedValues rv::acceptedValues(std::string_view placeholder)
{
    if (placeholder == detail::fileNamePlaceholder) {
        return {RVAcceptedValues::Kind::fileNames, {}};
    }
    // The table refuses a placeholder that starts as a list and is none.
    RVAcceptedValues values{RVAcceptedValues::Kind::words, {}};
    if (!detail::isChoiceList(placeholder) ||
        detail::readChoiceList(placeholder, &values.words) != nullptr) {
        return {};
    }
    return values;
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
    const std::vector<RVWordRange> ranges = fileOperandPositions(operands);
    // A range stands in parentheses only beside another: the caller's own
    // (( )) around a lone one would make shellcheck read a nested group.
    const bool grouped = ranges.size() > 1;
    std::string condition;
    for (const RVWordRange& range : ranges) {
        condition.append(condition.empty() ? "" : " || ");
        const std::string first = std::string(count) + " >= " + std::to_string(range.first);
        if (range.end == RVWordRange::unbounded) {
            condition += first;
        } else {
            condition.append(grouped ? "(" : "")
                .append(first + " && ")
                .append(count)
                .append(" < " + std::to_string(range.end))
                .append(grouped ? ")" : "");
        }
    }
    return condition;
}
