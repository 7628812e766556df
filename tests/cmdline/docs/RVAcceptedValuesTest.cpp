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
    {{"tabBeforeNote"}, "{a\t(default) | b}", Kind::words, {"a", "b"}},
    {{"otherPlaceholder"}, "filter-name", Kind::anything, {}},
    {{"fileNameIsExact"}, "FILENAME", Kind::anything, {}},
    {{"emptyAlternative"}, "{a | | b}", Kind::anything, {}},
    {{"unclosedList"}, "{a | b", Kind::anything, {}},
};
// clang-format on

using AcceptedValuesCases = testing::TestWithParam<AcceptedValuesCase>;

TEST_P(AcceptedValuesCases, readsThePlaceholder)
{
    const RVAcceptedValues values = rv::acceptedValues(GetParam().placeholder);
    EXPECT_EQ(values.kind, GetParam().kind);
    EXPECT_EQ(values.words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(AcceptedValues, AcceptedValuesCases,
                         testing::ValuesIn(acceptedValuesCases), rowName);

} // namespace
