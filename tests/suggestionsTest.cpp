#include "cmdline/RVSuggestions.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace {

struct DistanceCase
{
    const char* name;
    std::string from;
    std::string to;
    std::size_t expected; // with a limit of 3
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const DistanceCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const DistanceCase distanceCases[] = {
    {"same", "filter", "filter", 0},
    {"swap", "fitler", "filter", 1},
    {"swapAtStart", "iflter", "filter", 1},
    {"insertion", "filtername", "filter-name", 1},
    {"deletion", "inputt", "input", 1},
    {"substitution", "verbise", "verbose", 1},
    {"twoEdits", "fltr", "filter", 2},
    {"emptyToWord", "", "hel", 3},
    {"cappedAtLimitPlusOne", "abcdefgh", "help", 4},
    {"hugeWordCapped", std::string(1 << 20, 'x'), "help", 4},
};
// clang-format on

class DistanceCases : public testing::TestWithParam<DistanceCase>
{};

TEST_P(DistanceCases, countsSwapsAsOneEdit)
{
    const DistanceCase& row = GetParam();
    EXPECT_EQ(editDistance(row.from, row.to, 3), row.expected);
    EXPECT_EQ(editDistance(row.to, row.from, 3), row.expected);
}

INSTANTIATE_TEST_SUITE_P(EditDistance, DistanceCases, testing::ValuesIn(distanceCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
