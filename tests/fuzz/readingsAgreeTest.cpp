// The fuzz target's verdict: a run can only find what readingsAgree looks
// at, so each thing it compares is changed alone on one side and must turn
// the verdict.
#include "fuzz/readingsAgree.hpp"
#include "fuzz/fuzzTables.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct AgreeCase
{
    const char* name;
    std::vector<std::string> words;
    bool serviceRefuses;
    std::function<void(GetoptReading&)> change;
    bool agree;
};

class ReadingsAgreeCases : public ::testing::TestWithParam<AgreeCase>
{};

TEST_P(ReadingsAgreeCases, turnOnWhatTheyCompare)
{
    const AgreeCase& row = GetParam();
    // The first word is no selector byte, so the table is varnock's.
    const GetoptTable& known =
        selectTable(reinterpret_cast<const std::uint8_t*>(row.words[0].data()), 1).table;
    std::string programName = "varnock";
    std::vector<std::string> words = row.words;
    std::vector<char*> argv{programName.data()};
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const RVParseResult result =
        rv::parseArguments(known.table, {argv.data() + 1, argv.size() - 2});
    ASSERT_EQ(result.error.has_value(), row.serviceRefuses);
    GetoptReading getopt = readWithGetopt(known, argv);
    if (row.change) {
        row.change(getopt);
    }
    EXPECT_EQ(readingsAgree(known, result, getopt), row.agree);
}

const std::vector<std::string> accepted{"-f", "a.flt", "--input", "x", "-i", "-"};

INSTANTIATE_TEST_SUITE_P(
    Verdicts, ReadingsAgreeCases,
    ::testing::Values(AgreeCase{"bothAccept", accepted, false, nullptr, true},
                      AgreeCase{"getoptRefuses", accepted, false,
                                [](GetoptReading& g) { g.error = true; }, false},
                      AgreeCase{"getoptExpandedAWord", accepted, false,
                                [](GetoptReading& g) { g.expanded.insert("--verb"); }, false},
                      AgreeCase{"otherValues", accepted, false,
                                [](GetoptReading& g) { g.params.clear(); }, false},
                      AgreeCase{"otherAction", accepted, false,
                                [](GetoptReading& g) { g.action = RVStandardAction::help; }, false},
                      AgreeCase{"otherActionPart", accepted, false,
                                [](GetoptReading& g) { g.actionPart = 1; }, false},
                      AgreeCase{"otherCommand", accepted, false,
                                [](GetoptReading& g) { g.command = 0; }, false},
                      AgreeCase{"otherSettings", accepted, false,
                                [](GetoptReading& g) { g.settings.filterName = "f1"; }, false},
                      AgreeCase{"bothRefuse", {"--bogus"}, true, nullptr, true},
                      AgreeCase{"onlyTheServiceRefuses",
                                {"--bogus"},
                                true,
                                [](GetoptReading& g) { g.error = false; },
                                false},
                      AgreeCase{"abbreviationGetoptExpands", {"--verb"}, true, nullptr, true},
                      AgreeCase{"abbreviationNotExpanded",
                                {"--verb"},
                                true,
                                [](GetoptReading& g) { g.expanded.clear(); },
                                false},
                      AgreeCase{"singleDashLongNameGetoptJoins", {"-input=x"}, true, nullptr, true},
                      AgreeCase{"singleDashLongNameNotJoined",
                                {"-input=x"},
                                true,
                                [](GetoptReading& g) { g.joined.clear(); },
                                false}),
    [](const ::testing::TestParamInfo<AgreeCase>& info) { return std::string(info.param.name); });

} // namespace
