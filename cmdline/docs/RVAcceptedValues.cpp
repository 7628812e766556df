#include "cmdline/docs/RVAcceptedValues.hpp"

#include "cmdline/RVChoiceList.hpp"

namespace {

RVAcceptedValues::Kind completionKind(RVCompletion completion)
{
    switch (completion) {
    case RVCompletion::file:
        return RVAcceptedValues::Kind::fileNames;
    case RVCompletion::directory:
        return RVAcceptedValues::Kind::directories;
    case RVCompletion::none:
    case RVCompletion::byPlaceholder:
        break;
    }
    return RVAcceptedValues::Kind::anything;
}

} // namespace

RVAcceptedValues rv::placeholderValues(std::string_view placeholder)
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

RVAcceptedValues rv::acceptedValues(const RVOptionSpec& option)
{
    if (option.completion != RVCompletion::byPlaceholder) {
        return {completionKind(option.completion), {}};
    }
    if (option.check.kind == RVValueCheck::Kind::integer) {
        return {};
    }
    return placeholderValues(option.argument);
}

RVAcceptedValues::Kind rv::operandValues(const RVOperandSpec& operand)
{
    if (operand.completion != RVCompletion::byPlaceholder) {
        return completionKind(operand.completion);
    }
    return operand.word == "FILE" || operand.word == detail::fileNamePlaceholder
               ? RVAcceptedValues::Kind::fileNames
               : RVAcceptedValues::Kind::anything;
}

std::vector<RVWordRange> rv::operandPositions(std::span<const RVOperandSpec> operands,
                                              RVAcceptedValues::Kind kind)
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
        if (operandValues(operand) == kind) {
            ranges.push_back({minimumBefore, end});
        }
        minimumBefore += operand.minimum();
        maximumBefore = end;
    }
    return ranges;
}

std::string rv::operandTest(std::span<const RVOperandSpec> operands, RVAcceptedValues::Kind kind,
                            std::string_view count)
{
    const std::vector<RVWordRange> ranges = operandPositions(operands, kind);
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

RVValueLetters rv::valueLetters(const RVOptionPart& part)
{
    RVValueLetters letters;
    for (const RVOptionSpec& option : part.options()) {
        if (!option.takesValue || option.shortForm.empty()) {
            continue;
        }
        const char letter = option.shortForm[1];
        letters.takingValue += letter;
        (option.valueIsOptional ? letters.optionalValue : letters.awaitingValue) += letter;
    }
    return letters;
}
