#include "cmdline/RVSuggestions.hpp"
#include "tests/testSupport.hpp"

namespace {

struct DistanceCase : NamedRow<DistanceCase>
{
    std::string from;
    std::string to;
    std::size_t expected; // with a limit of 3
};

// clang-format off
const DistanceCase distanceCases[] = {
    {{"same"}, "filter", "filter", 0},
    {{"swap"}, "fitler", "filter", 1},
    {{"swapAtStart"}, "iflter", "filter", 1},
    {{"noSwapWithOneLetterInCommon"}, "xa", "ay", 2},
    {{"insertion"}, "filtername", "filter-name", 1},
    {{"deletion"}, "inputt", "input", 1},
    {{"substitution"}, "verbise", "verbose", 1},
    {{"twoEdits"}, "fltr", "filter", 2},
    {{"emptyToWord"}, "", "hel", 3},
    {{"cappedAtLimitPlusOne"}, "abcdefgh", "help", 4},
    {{"cappedWhenLengthsMatch"}, "abcde", "vwxyz", 4},
    {{"hugeWordCapped"}, std::string(1 << 20, 'x'), "help", 4},
};
// clang-format on

using DistanceCases = testing::TestWithParam<DistanceCase>;

TEST_P(DistanceCases, countsSwapsAsOneEdit)
{
    const DistanceCase& row = GetParam();
    EXPECT_EQ(rv::detail::editDistance(row.from, row.to, 3), row.expected);
    EXPECT_EQ(rv::detail::editDistance(row.to, row.from, 3), row.expected);
}

INSTANTIATE_TEST_SUITE_P(EditDistance, DistanceCases, testing::ValuesIn(distanceCases), rowName);

} // namespace
