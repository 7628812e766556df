#include "cmdline/RVCommandLine.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using V = RVOptionValue;
using Kind = RVUsageError::Kind;

struct ParseCase
{
    const char* name;
    std::vector<std::string> words; // after the program name
    RVParams params;
    std::optional<RVStandardAction> action = std::nullopt;
    std::optional<Kind> error = std::nullopt;
    std::string errorWord = "";
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const ParseCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const ParseCase parseCases[] = {
    {"empty", {}, {}},
    {"shortWithNextWord", {"-f", "a"}, {{"filter", texts({"a"})}}},
    {"shortJoined", {"-fa"}, {{"filter", texts({"a"})}}},
    {"longWithNextWord", {"--filter", "a"}, {{"filter", texts({"a"})}}},
    {"longWithEquals", {"--filter=a"}, {{"filter", texts({"a"})}}},
    {"longWithEmptyEquals", {"--filter="}, {{"filter", texts({""})}}},
    {"emptyNextWord", {"-f", ""}, {{"filter", texts({""})}}},
    {"equalsInValueKept", {"--filter=a=b"}, {{"filter", texts({"a=b"})}}},
    {"shortEqualsIsValue", {"-f=a"}, {{"filter", texts({"=a"})}}},
    {"valueStartingWithDash", {"-f", "-x"}, {{"filter", texts({"-x"})}}},
    {"valueIsDoubleDash", {"-f", "--"}, {{"filter", texts({"--"})}}},
    {"valueIsHelp", {"-f", "-h"}, {{"filter", texts({"-h"})}}},
    {"valueIsLongHelp", {"--filter", "--help"}, {{"filter", texts({"--help"})}}},
    {"valueSpellsLongName", {"-f", "-help"}, {{"filter", texts({"-help"})}}},
    {"filterTwiceKeepsBoth", {"-f", "a", "--filter", "b"}, {{"filter", texts({"a", "b"})}}},
    {"lonelyDashIsInput", {"-i", "-"}, {{"input", texts({"-"})}}},
    {"inputsInOrder", {"-i", "x", "--input", "-", "-iy"}, {{"input", texts({"x", "-", "y"})}}},
    {"longPrefixOfAnotherExact", {"--filter", "a", "--filter-name", "b", "--input", "c", "--input-format", "pcap"}, {{"filter", texts({"a"})}, {"filter-name", texts({"b"})}, {"input", texts({"c"})}, {"input-format", texts({"pcap"})}}},
    {"flagsCounted", {"-v", "--verbose", "-vv"}, {{"verbose", V::number(4)}}},
    {"clusterOfFlagsAndValue", {"-vfx"}, {{"verbose", V::number(1)}, {"filter", texts({"x"})}}},
    {"clusterValueFromNextWord", {"-vi", "x"}, {{"verbose", V::number(1)}, {"input", texts({"x"})}}},
    {"doubleDashEndsOptions", {"-v", "--"}, {{"verbose", V::number(1)}}},
    {"latin1ValueKept", {"-f", "caf\xe9"}, {{"filter", texts({"caf\xe9"})}}},
    {"numberStaysText", {"--filter-name", "007"}, {{"filter-name", texts({"007"})}}},
    {"largestWordExecveTakes", {"-f" + std::string(131069, 'x')}, {{"filter", V::list({V::text(std::string(131069, 'x'))})}}},
    // Larger than execve lets a word be, so only reachable in process.
    {"oneMebibyteValue", {"-f", std::string(1 << 20, 'x')}, {{"filter", V::list({V::text(std::string(1 << 20, 'x'))})}}},
    {"help", {"--help"}, {{"help", V::number(1)}}, RVStandardAction::help},
    {"version", {"-V"}, {{"version", V::number(1)}}, RVStandardAction::version},
    {"firstOfHelpAndVersionWins", {"-V", "-h"}, {{"help", V::number(1)}, {"version", V::number(1)}}, RVStandardAction::version},
    {"helpInCluster", {"-vh"}, {{"verbose", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::help},
    {"helpAfterInvalidLetter", {"-xh"}, {{"help", V::number(1)}}, RVStandardAction::help, Kind::invalidShortOption, "-xh"},
    {"helpAfterUnknownOption", {"--fitler", "a", "-h"}, {{"help", V::number(1)}}, RVStandardAction::help, Kind::unknownOption, "--fitler"},
    {"unknownLong", {"--fitler", "a"}, {}, std::nullopt, Kind::unknownOption, "--fitler"},
    {"unknownLongWithValue", {"--fitler=a"}, {}, std::nullopt, Kind::unknownOption, "--fitler=a"},
    {"abbreviationRejected", {"--filt", "a"}, {}, std::nullopt, Kind::unknownOption, "--filt"},
    {"uniqueAbbreviationRejected", {"--verb"}, {}, std::nullopt, Kind::unknownOption, "--verb"},
    {"caseSensitive", {"--HELP"}, {}, std::nullopt, Kind::unknownOption, "--HELP"},
    {"emptyLongName", {"--=x"}, {}, std::nullopt, Kind::unknownOption, "--=x"},
    {"tripleDash", {"---x"}, {}, std::nullopt, Kind::unknownOption, "---x"},
    {"invalidShort", {"-x"}, {}, std::nullopt, Kind::invalidShortOption, "-x"},
    {"equalsAsShort", {"-="}, {}, std::nullopt, Kind::invalidShortOption, "-="},
    {"missingShortValue", {"-f"}, {}, std::nullopt, Kind::missingValue, "-f"},
    {"missingValueInCluster", {"-vf"}, {{"verbose", V::number(1)}}, std::nullopt, Kind::missingValue, "-vf"},
    {"missingLongValue", {"-i", "x", "--input"}, {{"input", texts({"x"})}}, std::nullopt, Kind::missingValue, "--input"},
    {"valueForFlag", {"--help=x"}, {}, std::nullopt, Kind::unexpectedValue, "--help=x"},
    {"emptyValueForFlag", {"--verbose="}, {}, std::nullopt, Kind::unexpectedValue, "--verbose="},
    {"singleDashHelp", {"-help"}, {}, std::nullopt, Kind::singleDashLongName, "-help"},
    {"singleDashLongWithValue", {"-input-format=pcap"}, {}, std::nullopt, Kind::singleDashLongName, "-input-format=pcap"},
    {"operand", {"capture.pcap"}, {}, std::nullopt, Kind::extraOperand, "capture.pcap"},
    {"lonelyDashOperand", {"-"}, {}, std::nullopt, Kind::extraOperand, "-"},
    {"emptyWordOperand", {""}, {}, std::nullopt, Kind::extraOperand, ""},
    {"optionAfterDoubleDash", {"--", "-h"}, {}, std::nullopt, Kind::extraOperand, "-h"},
    {"firstErrorOnly", {"-x", "--bogus"}, {}, std::nullopt, Kind::invalidShortOption, "-x"},
    {"operandBetweenOptions", {"-f", "a", "stray", "-i", "b"}, {{"filter", texts({"a"})}, {"input", texts({"b"})}}, std::nullopt, Kind::extraOperand, "stray"},
};
// clang-format on

class ParseCases : public testing::TestWithParam<ParseCase>
{};

RVCommandLine commandLineFor(const ArgumentVector& arguments)
{
    return RVCommandLine(makeCommandLineDefinition(), makeAppDefinition("varnock"),
                         arguments.argc(), arguments.argv());
}

// What the service hands out is read only after the service and the
// argument vector are gone, the arguments overwritten before they were freed.
struct Outlived
{
    RVParseResult result;
    RunSettings settings; // resolved from a temporary service
};

Outlived parseAndForget(const std::vector<std::string>& words)
{
    std::vector<std::string> line{"varnock"};
    line.insert(line.end(), words.begin(), words.end());
    auto arguments = std::make_unique<ArgumentVector>(line);
    auto commandLine = std::make_unique<RVCommandLine>(commandLineFor(*arguments));
    Outlived outlived{commandLine->parseResult(),
                      resolveRunSettings(commandLineFor(*arguments).params())};
    commandLine.reset();
    arguments.reset();
    return outlived;
}

TEST_P(ParseCases, readsTheLine)
{
    const ParseCase& row = GetParam();
    const auto [result, settings] = parseAndForget(row.words);
    EXPECT_EQ(result.params, row.params);
    EXPECT_EQ(settings, resolveRunSettings(row.params));
    EXPECT_EQ(result.action, row.action);
    ASSERT_EQ(result.error.has_value(), row.error.has_value());
    if (row.error) {
        EXPECT_EQ(result.error->kind, *row.error);
        EXPECT_EQ(result.error->word, row.errorWord);
    }
}

INSTANTIATE_TEST_SUITE_P(Parse, ParseCases, testing::ValuesIn(parseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Path-like names, longer than any text kept inline, in both forms.
TEST(Parse, manyInputsKeepTheirOrder)
{
    std::vector<std::string> words;
    for (int index = 0; index < 100000; ++index) {
        const std::string path = "/srv/captures/2026/12/08/link-a-" + std::to_string(index);
        words.push_back(index % 2 == 0 ? "-i" + path : "--input=" + path);
    }
    const auto [result, settings] = parseAndForget(words);
    ASSERT_EQ(settings.inputs.size(), 100000u);
    EXPECT_EQ(settings.inputs.front(), "/srv/captures/2026/12/08/link-a-0");
    EXPECT_EQ(settings.inputs.back(), "/srv/captures/2026/12/08/link-a-99999");
    EXPECT_EQ(result.params.at("input").asList()->at(50001),
              V::text(std::string(settings.inputs[50001])));
}

// A process started with an empty argument vector has argc 0 and only the
// terminating null.
TEST(Parse, emptyArgumentVectorIsAnEmptyLine)
{
    const char* const onlyNull[] = {nullptr};
    const RVCommandLine commandLine(makeCommandLineDefinition(), makeAppDefinition(nullptr), 0,
                                    onlyNull);
    EXPECT_EQ(commandLine.params(), RVParams());
    EXPECT_FALSE(commandLine.parseResult().error);
}

} // namespace
