#include "cmdline/RVCommandLine.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

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

TEST_P(ParseCases, readsTheLine)
{
    const ParseCase& row = GetParam();
    std::vector<std::string> words{"varnock"};
    words.insert(words.end(), row.words.begin(), row.words.end());
    const ArgumentVector arguments(words);
    const RVCommandLine commandLine(makeCommandLineDefinition(), makeAppDefinition("varnock"),
                                    arguments.argc(), arguments.argv());

    EXPECT_EQ(commandLine.params(), row.params);
    const RVParseResult& result = commandLine.parseResult();
    EXPECT_EQ(result.action, row.action);
    ASSERT_EQ(result.error.has_value(), row.error.has_value());
    if (row.error) {
        EXPECT_EQ(result.error->kind, *row.error);
        EXPECT_EQ(result.error->word, row.errorWord);
    }
}

INSTANTIATE_TEST_SUITE_P(Parse, ParseCases, testing::ValuesIn(parseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Parse, manyInputsKeepTheirOrder)
{
    std::vector<std::string> words{"varnock"};
    for (int index = 0; index < 100000; ++index) {
        words.push_back("-i" + std::to_string(index));
    }
    const ArgumentVector arguments(words);
    const RVCommandLine commandLine(makeCommandLineDefinition(), makeAppDefinition("varnock"),
                                    arguments.argc(), arguments.argv());
    const auto& inputs = *commandLine.params().at("input").asList();
    ASSERT_EQ(inputs.size(), 100000u);
    EXPECT_EQ(*inputs.front().asText(), "0");
    EXPECT_EQ(*inputs.back().asText(), "99999");
}

// A process may be started with no arguments at all, or with a vector that
// ends before argc says; neither may be read past its end.
TEST(Parse, emptyOrShortArgumentVectorsAreEmptyLines)
{
    const char* const onlyNull[] = {nullptr};
    const char* const endsEarly[] = {"varnock", "-v", nullptr};
    const struct
    {
        int argc;
        const char* const* argv;
        RVParams expected;
    } rows[] = {
        {0, nullptr, {}},
        {0, onlyNull, {}},
        {-1, onlyNull, {}},
        {5, endsEarly, {{"verbose", V::number(1)}}},
    };
    for (const auto& row : rows) {
        const RVCommandLine commandLine(makeCommandLineDefinition(), makeAppDefinition(nullptr),
                                        row.argc, row.argv);
        EXPECT_EQ(commandLine.params(), row.expected) << "argc " << row.argc;
        EXPECT_FALSE(commandLine.parseResult().error);
    }
}

} // namespace
