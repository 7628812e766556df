#include "cmdline/RVOptionTable.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace {

using Definitions = std::vector<RVDefinition>;

struct BadTableCase
{
    const char* name;
    std::function<void(Definitions&, RVDefinition&)> spoil;
    const char* complaint;
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const BadTableCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const BadTableCase badTableCases[] = {
    {"unknownKey", [](Definitions& d, RVDefinition&) { d[3]["agrument"] = "filename"; }, "option definition 4 ('filter'): unknown key 'agrument'"},
    {"missingName", [](Definitions& d, RVDefinition&) { d[0].erase("name"); }, "'name'"},
    {"upperCaseName", [](Definitions& d, RVDefinition&) { d[0] = {{"name", "Version"}, {"long", "--Version"}, {"help", "x"}}; }, "'name'"},
    {"longNotName", [](Definitions& d, RVDefinition&) { d[3]["long"] = "--filters"; }, "'long' must be"},
    {"longSingleDash", [](Definitions& d, RVDefinition&) { d[3]["long"] = "-filter"; }, "'long' must be"},
    {"missingLong", [](Definitions& d, RVDefinition&) { d[3].erase("long"); }, "'long'"},
    {"missingHelp", [](Definitions& d, RVDefinition&) { d[3].erase("help"); }, "'help' is missing"},
    {"shortWithoutDash", [](Definitions& d, RVDefinition&) { d[3]["short"] = "f"; }, "'short' must be"},
    {"shortTooLong", [](Definitions& d, RVDefinition&) { d[3]["short"] = "-fx"; }, "'short' must be"},
    {"shortIsDash", [](Definitions& d, RVDefinition&) { d[3]["short"] = "--"; }, "'short' must be"},
    {"shortTwice", [](Definitions& d, RVDefinition&) { d[6]["short"] = "-f"; }, "option definition 7 ('input'): the short form is defined twice"},
    {"nameTwice", [](Definitions& d, RVDefinition&) { d.push_back(d[3]); }, "option definition 9 ('filter'): the name is defined twice"},
    {"helpTakesValue", [](Definitions& d, RVDefinition&) { d[2]["argument"] = "x"; }, "a standard option takes no value"},
    {"unknownAppKey", [](Definitions&, RVDefinition& app) { app["licence"] = "x"; }, "app definition: unknown key 'licence'"},
    {"missingExecutable", [](Definitions&, RVDefinition& app) { app.erase("executable"); }, "app definition"},
};
// clang-format on

class BadTableCases : public testing::TestWithParam<BadTableCase>
{};

TEST_P(BadTableCases, isRejectedAsAProgrammingError)
{
    Definitions definitions = makeCommandLineDefinition();
    RVDefinition app = makeAppDefinition("varnock");
    GetParam().spoil(definitions, app);
    try {
        RVOptionTable table(std::move(definitions), std::move(app));
        FAIL() << "the table was accepted";
    } catch (const RVDefinitionError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().complaint), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(OptionTable, BadTableCases, testing::ValuesIn(badTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OptionTable, digitShortFormsAndTablesWithoutStandardOptionsAreFine)
{
    const RVOptionTable table(
        {{{"name", "ipv4"}, {"short", "-4"}, {"long", "--ipv4"}, {"help", "x"}}},
        {{"executable", "t"}, {"version", "1"}});
    EXPECT_EQ(table.findShort('4'), 0);
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
