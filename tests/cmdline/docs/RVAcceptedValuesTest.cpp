#include "cmdline/docs/RVAcceptedValues.hpp"
#include "tests/testSupport.hpp"

namespace {

using Kind = RVAcceptedValues::Kind;

struct AcceptedValuesCase : NamedRow<AcceptedValuesCase>
{
    std::string placeholder;
    Kind kind;
    std::vector<std::string_view> words;
};

// clang-format off
const AcceptedValuesCase acceptedValuesCases[] = {
    {{"fileName"}, "filename", Kind::fileNames, {}},
    {{"wordsWithDefaultNote"}, "{mtp3-hexstream (default) | pcap}", Kind::words, {"mtp3-hexstream", "pcap"}},
    {{"wordsWithoutSpaces"}, "{a|b|c}", Kind::words, {"a", "b", "c"}},
    {{"otherPlaceholder"}, "filter-name", Kind::anything, {}},
    {{"fileNameIsExact"}, "FILENAME", Kind::anything, {}},
    {{"emptyAlternative"}, "{a | | b}", Kind::anything, {}},
    {{"unclosedList"}, "{a | b", Kind::anything, {}},
};
// clang-format on

using AcceptedValuesCases = testing::TestWithParam<AcceptedValuesCase>;

TEST_P(AcceptedValuesCases, readsThePlaceholder)
{
    const RVAcceptedValues values = rv::placeholderValues(GetParam().placeholder);
    EXPECT_EQ(values.kind, GetParam().kind);
    EXPECT_EQ(values.words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(AcceptedValues, AcceptedValuesCases,
                         testing::ValuesIn(acceptedValuesCases), rowName);

struct OperandPositionsCase : NamedRow<OperandPositionsCase>
{
    std::vector<RVOperandSpec> operands;
    std::vector<std::pair<std::size_t, std::size_t>> ranges; // first, end
};

constexpr std::size_t any = RVWordRange::unbounded;

// clang-format off
const OperandPositionsCase operandPositionsCases[] = {
    {{"repeatedFiles"}, {{"file", "FILE...", "FILE", "a file", false, true}}, {{0, any}}},
    {{"fileNamesAfterAnOptionalWord"}, {{"source", "[SOURCE]", "SOURCE", "from", true, false}, {"dest", "filename...", "filename", "to", false, true}}, {{0, any}}},
    {{"filesAroundAName"}, {{"in", "FILE", "FILE", "in", false, false}, {"name", "NAME", "NAME", "name", false, false}, {"out", "[FILE]", "FILE", "out", true, false}}, {{0, 1}, {2, 3}}},
    {{"noFileOperand"}, {{"name", "[NAME]...", "NAME", "name", true, true}}, {}},
};
// clang-format on

using OperandPositionsCases = testing::TestWithParam<OperandPositionsCase>;

TEST_P(OperandPositionsCases, placesTheFileOperands)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const RVWordRange& range : rv::operandPositions(GetParam().operands, Kind::fileNames)) {
        ranges.emplace_back(range.first, range.end);
    }
    EXPECT_EQ(ranges, GetParam().ranges);
}

INSTANTIATE_TEST_SUITE_P(AcceptedValues, OperandPositionsCases,
                         testing::ValuesIn(operandPositionsCases), rowName);

} // namespace
