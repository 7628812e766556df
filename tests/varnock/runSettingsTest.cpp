#include "tests/testSupport.hpp"
#include "varnock/varnock.hpp"
#include <varnock/cmdline/RVCommandLine.hpp>

#include <memory>

namespace {

using V = RVOptionValue;
using Text = std::optional<std::string>;

struct ResolveCase : NamedRow<ResolveCase>
{
    RVParams params;
    Text filterFileName;
    Text stagingAreaFileName;
    Text filterName;
    Varnock_InputFormat inputFormat;
    std::vector<std::string_view> inputs;
};

constexpr auto hex = Varnock_InputFormat_mtp3_hexstream;
constexpr auto pcap = Varnock_InputFormat_pcap_file;

// clang-format off
const ResolveCase resolveCases[] = {
    {{"nothingGiven"}, {}, {}, {}, {}, hex, {}},
    {{"filterTwiceFirstWins"}, {{"filter", texts({"a", "b"})}}, "a", {}, {}, hex, {}},
    {{"bareTextFilter"}, {{"filter", V::text("a")}}, "a", {}, {}, hex, {}},
    {{"emptyFilterIsText"}, {{"filter", texts({""})}}, "", {}, {}, hex, {}},
    {{"emptyListLeavesNull"}, {{"filter", V::list({})}}, {}, {}, {}, hex, {}},
    {{"mapLeavesNull"}, {{"staging-area", V::map({{"x", V::text("y")}})}}, {}, {}, {}, hex, {}},
    {{"numberFilterName"}, {{"filter-name", V::number(7)}}, {}, {}, "7", hex, {}},
    {{"filterNameWithoutStagingArea"}, {{"filter-name", texts({"f1"})}}, {}, {}, "f1", hex, {}},
    {{"filterAndStagingAreaBoth"}, {{"filter", texts({"a.flt"})}, {"staging-area", texts({"s.stg"})}}, "a.flt", "s.stg", {}, hex, {}},
    {{"pcap"}, {{"input-format", texts({"pcap"})}}, {}, {}, {}, pcap, {}},
    {{"hexstreamByName"}, {{"input-format", texts({"mtp3-hexstream"})}}, {}, {}, {}, hex, {}},
    {{"upperCaseFormatIgnored"}, {{"input-format", texts({"PCAP"})}}, {}, {}, {}, hex, {}},
    {{"unknownFormatIgnored"}, {{"input-format", texts({"pcap-file"})}}, {}, {}, {}, hex, {}},
    {{"formatFirstWins"}, {{"input-format", texts({"pcap", "mtp3-hexstream"})}}, {}, {}, {}, pcap, {}},
    {{"formatFirstWinsEvenUnknown"}, {{"input-format", texts({"bogus", "pcap"})}}, {}, {}, {}, hex, {}},
    {{"inputsInOrder"}, {{"input", texts({"x", "-", "y"})}}, {}, {}, {}, hex, {"x", "-", "y"}},
    {{"repeatedInputKept"}, {{"input", texts({"x", "x"})}}, {}, {}, {}, hex, {"x", "x"}},
    {{"emptyInputList"}, {{"input", V::list({})}}, {}, {}, {}, hex, {}},
    {{"bareTextInput"}, {{"input", V::text("x")}}, {}, {}, {}, hex, {"x"}},
    {{"onlyTextsAreInputs"}, {{"input", V::list({V::number(7), V::text("y")})}}, {}, {}, {}, hex, {"y"}},
    {{"inputsThatNameNothingSkipped"}, {{"input", V::list({V::list({V::text("n")}), V(), V::map({}), V::text("y")})}}, {}, {}, {}, hex, {"y"}},
    {{"mapInputIsNone"}, {{"input", V::map({})}}, {}, {}, {}, hex, {}},
    {{"numberInputIsNone"}, {{"input", V::number(3)}}, {}, {}, {}, hex, {}},
    {{"latin1BytesKept"}, {{"input", texts({"caf\xe9.pcap"})}}, {}, {}, {}, hex, {"caf\xe9.pcap"}},
    {{"unrelatedEntriesIgnored"}, {{"verbose", V::number(2)}, {"bogus", texts({"z"})}}, {}, {}, {}, hex, {}},
};
// clang-format on

using ResolveCases = testing::TestWithParam<ResolveCase>;

// Resolved from a copy of the params that is gone before the settings are
// read, through a copy and an assignment of them.
TEST_P(ResolveCases, resolvesEverySetting)
{
    const ResolveCase& row = GetParam();
    auto params = std::make_unique<RVParams>(row.params);
    auto resolved = std::make_unique<RunSettings>(resolveRunSettings(*params));
    params.reset();
    const RunSettings copy = *resolved;
    RunSettings settings;
    settings = *resolved;
    resolved.reset();
    EXPECT_EQ(copy, settings);
    EXPECT_EQ(settings.filterFileName, row.filterFileName);
    EXPECT_EQ(settings.stagingAreaFileName, row.stagingAreaFileName);
    EXPECT_EQ(settings.filterName, row.filterName);
    EXPECT_EQ(settings.inputFormat, row.inputFormat);
    EXPECT_EQ(settings.inputs, row.inputs);
}

INSTANTIATE_TEST_SUITE_P(ResolveRunSettings, ResolveCases, testing::ValuesIn(resolveCases),
                         rowName);

// Settings resolved from the params of a temporary service keep their
// inputs after the service and the argument vector are gone: many paths in
// both forms, bytes that are not UTF-8, and the largest word execve takes.
TEST(ResolveRunSettings, inputsOutliveATemporaryService)
{
    std::vector<std::string> words;
    std::vector<std::string> expected;
    for (int index = 0; index < 100000; ++index) {
        expected.push_back("/srv/captures/2026/12/08/link-a-" + std::to_string(index) + ".pcap");
        words.push_back(index % 2 == 0 ? "-i" + expected.back() : "--input=" + expected.back());
    }
    expected.push_back("caf\xe9\xff.pcap");
    expected.push_back(std::string(131069, 'x'));
    words.push_back("-i" + expected[100000]);
    words.push_back("-i" + expected[100001]);
    auto arguments = std::make_unique<ArgumentVector>("varnock", words);
    const RunSettings settings =
        resolveRunSettings(RVCommandLine(makeCommandLineDefinition(), makeAppDefinition("varnock"),
                                         arguments->argc(), arguments->argv())
                               .params());
    arguments.reset();
    EXPECT_EQ(settings.inputs, std::vector<std::string_view>(expected.begin(), expected.end()));
}

} // namespace
