#include "cmdline/RVOptionTable.hpp"
#include "tests/testSupport.hpp"

#include <functional>

namespace {

using Definitions = std::vector<RVDefinition>;

struct BadTableCase : NamedRow<BadTableCase>
{
    std::function<void(Definitions&, RVDefinition&)> spoil;
    const char* complaint;
};

// clang-format off
const BadTableCase badTableCases[] = {
    {{"unknownKey"}, [](Definitions& d, RVDefinition&) { d[4]["agrument"] = "filename"; }, "option definition 5 ('file'): unknown key 'agrument'"},
    {{"unknownKeyStartingLikeAKnownOne"}, [](Definitions& d, RVDefinition&) { d[4]["helps"] = "x"; }, "unknown key 'helps'"},
    {{"emptyKey"}, [](Definitions& d, RVDefinition&) { d[4][""] = "x"; }, "unknown key ''"},
    {{"missingName"}, [](Definitions& d, RVDefinition&) { d[0].erase("name"); }, "'name'"},
    {{"upperCaseName"}, [](Definitions& d, RVDefinition&) { d[0] = {{"name", "Help"}, {"long", "--Help"}, {"help", "x"}}; }, "'name'"},
    {{"nameStartsWithDash"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "-quiet"}, {"long", "---quiet"}, {"help", "x"}}; }, "'name'"},
    {{"longNotName"}, [](Definitions& d, RVDefinition&) { d[4]["long"] = "--files"; }, "'long' must be"},
    {{"longSingleDash"}, [](Definitions& d, RVDefinition&) { d[4]["long"] = "-file"; }, "'long' must be"},
    {{"missingLong"}, [](Definitions& d, RVDefinition&) { d[4].erase("long"); }, "'long'"},
    {{"missingHelp"}, [](Definitions& d, RVDefinition&) { d[4].erase("help"); }, "'help' is missing"},
    {{"shortWithoutDash"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "f"; }, "'short' must be"},
    {{"shortTooLong"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "-fx"; }, "'short' must be"},
    {{"shortIsDash"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "--"; }, "'short' must be"},
    {{"shortWithoutDashTwoLetters"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "ff"; }, "'short' must be"},
    {{"shortTwice"}, [](Definitions& d, RVDefinition&) { d[6]["short"] = "-f"; }, "option definition 7 ('format'): the short form is defined twice"},
    {{"nameTwice"}, [](Definitions& d, RVDefinition&) { d.push_back(d[4]); }, "option definition 8 ('file'): the name is defined twice"},
    {{"helpTakesValue"}, [](Definitions& d, RVDefinition&) { d[0]["argument"] = "x"; }, "a standard option takes no value"},
    {{"unknownAppKey"}, [](Definitions&, RVDefinition& app) { app["licence"] = "x"; }, "app definition: unknown key 'licence'"},
    {{"unknownAppKeyStartingLikeAKnownOne"}, [](Definitions&, RVDefinition& app) { app["run_as"] = "x"; }, "app definition: unknown key 'run_as'"},
    {{"missingExecutable"}, [](Definitions&, RVDefinition& app) { app.erase("executable"); }, "app definition"},
    {{"missingVersion"}, [](Definitions&, RVDefinition& app) { app.erase("version"); }, "app definition"},
};
// clang-format on

using BadTableCases = testing::TestWithParam<BadTableCase>;

TEST_P(BadTableCases, isRejectedAsAProgrammingError)
{
    Definitions definitions = testDefinitions();
    RVDefinition app = testApp();
    GetParam().spoil(definitions, app);
    expectDefinitionError([&] { RVOptionTable(std::move(definitions), std::move(app)); },
                          GetParam().complaint);
}

INSTANTIATE_TEST_SUITE_P(OptionTable, BadTableCases, testing::ValuesIn(badTableCases), rowName);

TEST(OptionTable, everyLetterAndDigitIsAShortFormAndStandardOptionsAreOptional)
{
    const RVOptionTable table(
        {{{"name", "ipv4"}, {"short", "-4"}, {"long", "--ipv4"}, {"help", "x"}},
         {{"name", "zone"}, {"short", "-Z"}, {"long", "--zone"}, {"help", "x"}},
         {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"help", "x"}}},
        {{"executable", "t"}, {"version", "1"}});
    EXPECT_EQ(table.findShort('4'), 0);
    EXPECT_EQ(table.findShort('Z'), 1);
    EXPECT_EQ(table.findShort('a'), 2);
    EXPECT_EQ(table.helpIndex(), RVOptionTable::none);
}

// Long names are looked up by their first two characters; "aa" and "ii"
// land in the same bucket, so both must still be told apart there.
TEST(OptionTable, longNamesAreFoundWhateverTheyShareABucketWith)
{
    const RVOptionTable table({{{"name", "aa"}, {"long", "--aa"}, {"help", "x"}},
                               {{"name", "ii"}, {"long", "--ii"}, {"help", "x"}},
                               {{"name", "i"}, {"long", "--i"}, {"help", "x"}},
                               {{"name", "ii-x"}, {"long", "--ii-x"}, {"help", "x"}}},
                              {{"executable", "t"}, {"version", "1"}});
    const struct
    {
        const char* text;
        int exact;        // findLong
        int beforeEquals; // findLongBeforeEquals
    } rows[] = {
        {"aa", 0, 0},    {"ii", 1, 1},   {"i", 2, 2},      {"ii-x", 3, 3},
        {"ii=v", -1, 1}, {"i=v", -1, 2}, {"ii-x=", -1, 3}, {"ii-", -1, -1},
        {"iii", -1, -1}, {"a", -1, -1},  {"", -1, -1},     {"=v", -1, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(table.findLong(row.text), row.exact) << row.text;
        EXPECT_EQ(table.findLongBeforeEquals(row.text), row.beforeEquals) << row.text;
    }
}

} // namespace
