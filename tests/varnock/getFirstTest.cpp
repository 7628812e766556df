#include "varnock/getFirst.hpp"
#include "tests/testSupport.hpp"

#include <limits>

namespace {

using V = RVOptionValue;

struct GetFirstCase : NamedRow<GetFirstCase>
{
    RVOptionValue param;
    std::optional<std::string> expected;
};

// clang-format off
const GetFirstCase getFirstCases[] = {
    {{"null"}, V(), std::nullopt},
    {{"text"}, V::text("a"), "a"},
    {{"emptyTextIsText"}, V::text(""), ""},
    {{"textKeepsEveryByte"}, V::text(std::string("caf\xe9\0x", 6)), std::string("caf\xe9\0x", 6)},
    {{"number"}, V::number(42), "42"},
    {{"negativeNumber"}, V::number(-3), "-3"},
    {{"zero"}, V::number(0), "0"},
    {{"smallestNumber"}, V::number(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
    {{"listTakesFirst"}, texts({"a", "b"}), "a"},
    {{"emptyList"}, V::list({}), std::nullopt},
    {{"nestedListDescends"}, V::list({texts({"x", "y"}), V::text("z")}), "x"},
    {{"emptyFirstElementDecides"}, V::list({V::list({}), V::text("z")}), std::nullopt},
    {{"deeplyNested"}, V::list({V::list({V::list({V::number(7)})})}), "7"},
    {{"numberInList"}, V::list({V::number(7), V::text("z")}), "7"},
    {{"nullInList"}, V::list({V(), V::text("z")}), std::nullopt},
    {{"map"}, V::map({{"a", V::text("b")}}), std::nullopt},
    {{"mapFirstInList"}, V::list({V::map({}), V::text("z")}), std::nullopt},
};
// clang-format on

using GetFirstCases = testing::TestWithParam<GetFirstCase>;

TEST_P(GetFirstCases, reducesToFirstText)
{
    EXPECT_EQ(getFirst(GetParam().param), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(GetFirst, GetFirstCases, testing::ValuesIn(getFirstCases), rowName);

} // namespace
