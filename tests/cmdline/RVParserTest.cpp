#include "cmdline/RVParser.hpp"
#include "tests/testSupport.hpp"

#include <memory>

namespace {

using V = RVOptionValue;
using Kind = RVUsageError::Kind;

struct ParseCase : NamedRow<ParseCase>
{
    std::vector<std::string> words; // after the program name
    RVParams params;
    std::optional<RVStandardAction> action = std::nullopt;
    std::optional<Kind> error = std::nullopt;
    std::string errorWord = "";
};

// clang-format off
const ParseCase parseCases[] = {
    {{"empty"}, {}, {}},
    {{"shortWithNextWord"}, {"-f", "a"}, {{"file", texts({"a"})}}},
    {{"shortJoined"}, {"-fa"}, {{"file", texts({"a"})}}},
    {{"longWithNextWord"}, {"--file", "a"}, {{"file", texts({"a"})}}},
    {{"longWithEquals"}, {"--file=a"}, {{"file", texts({"a"})}}},
    {{"longWithEmptyEquals"}, {"--file="}, {{"file", texts({""})}}},
    {{"emptyNextWord"}, {"-f", ""}, {{"file", texts({""})}}},
    {{"equalsInValueKept"}, {"--file=a=b"}, {{"file", texts({"a=b"})}}},
    {{"shortEqualsIsValue"}, {"-f=a"}, {{"file", texts({"=a"})}}},
    {{"valueStartingWithDash"}, {"-f", "-x"}, {{"file", texts({"-x"})}}},
    {{"valueIsDoubleDash"}, {"-f", "--"}, {{"file", texts({"--"})}}},
    {{"valueIsHelp"}, {"-f", "-h"}, {{"file", texts({"-h"})}}},
    {{"valueIsLongHelp"}, {"--file", "--help"}, {{"file", texts({"--help"})}}},
    {{"valueSpellsLongName"}, {"-f", "-help"}, {{"file", texts({"-help"})}}},
    {{"repeatsKeptInOrder"}, {"-f", "x", "--file", "-", "-fy", "--file=x"}, {{"file", texts({"x", "-", "y", "x"})}}},
    {{"longPrefixOfAnotherExact"}, {"--file", "a", "--file-name", "b"}, {{"file", texts({"a"})}, {"file-name", texts({"b"})}}},
    {{"flagsCounted"}, {"-v", "--verbose", "-vv"}, {{"verbose", V::number(4)}}},
    {{"clusterOfFlagsAndValue"}, {"-vqfx"}, {{"verbose", V::number(1)}, {"quiet", V::number(1)}, {"file", texts({"x"})}}},
    {{"clusterValueFromNextWord"}, {"-vf", "x"}, {{"verbose", V::number(1)}, {"file", texts({"x"})}}},
    {{"capitalShortForm"}, {"-Fjson"}, {{"format", texts({"json"})}}},
    {{"doubleDashEndsOptions"}, {"-v", "--"}, {{"verbose", V::number(1)}}},
    {{"latin1ValueKept"}, {"-f", "caf\xe9"}, {{"file", texts({"caf\xe9"})}}},
    {{"numberStaysText"}, {"--file-name", "007"}, {{"file-name", texts({"007"})}}},
    {{"largestWordExecveTakes"}, {"-f" + std::string(131069, 'x')}, {{"file", V::list({V::text(std::string(131069, 'x'))})}}},
    // Larger than execve lets a word be, so only reachable in process.
    {{"oneMebibyteValue"}, {"-f", std::string(1 << 20, 'x')}, {{"file", V::list({V::text(std::string(1 << 20, 'x'))})}}},
    {{"help"}, {"--help"}, {{"help", V::number(1)}}, RVStandardAction::help},
    {{"version"}, {"-V"}, {{"version", V::number(1)}}, RVStandardAction::version},
    {{"firstOfHelpAndVersionWins"}, {"-V", "-h"}, {{"help", V::number(1)}, {"version", V::number(1)}}, RVStandardAction::version},
    {{"helpInCluster"}, {"-vh"}, {{"verbose", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::help},
    {{"helpAfterInvalidLetter"}, {"-xh"}, {{"help", V::number(1)}}, RVStandardAction::help, Kind::invalidShortOption, "-xh"},
    {{"helpAfterUnknownOption"}, {"--fiel", "a", "-h"}, {{"help", V::number(1)}}, RVStandardAction::help, Kind::unknownOption, "--fiel"},
    {{"unknownLong"}, {"--fiel", "a"}, {}, std::nullopt, Kind::unknownOption, "--fiel"},
    {{"unknownLongWithValue"}, {"--fiel=a"}, {}, std::nullopt, Kind::unknownOption, "--fiel=a"},
    {{"abbreviationRejected"}, {"--fil", "a"}, {}, std::nullopt, Kind::unknownOption, "--fil"},
    {{"uniqueAbbreviationRejected"}, {"--verb"}, {}, std::nullopt, Kind::unknownOption, "--verb"},
    {{"caseSensitive"}, {"--HELP"}, {}, std::nullopt, Kind::unknownOption, "--HELP"},
    {{"emptyLongName"}, {"--=x"}, {}, std::nullopt, Kind::unknownOption, "--=x"},
    {{"tripleDash"}, {"---x"}, {}, std::nullopt, Kind::unknownOption, "---x"},
    {{"invalidShort"}, {"-x"}, {}, std::nullopt, Kind::invalidShortOption, "-x"},
    {{"equalsAsShort"}, {"-="}, {}, std::nullopt, Kind::invalidShortOption, "-="},
    {{"missingShortValue"}, {"-f"}, {}, std::nullopt, Kind::missingValue, "-f"},
    {{"missingValueInCluster"}, {"-vf"}, {{"verbose", V::number(1)}}, std::nullopt, Kind::missingValue, "-vf"},
    {{"missingLongValue"}, {"-f", "x", "--file"}, {{"file", texts({"x"})}}, std::nullopt, Kind::missingValue, "--file"},
    {{"valueForFlag"}, {"--help=x"}, {}, std::nullopt, Kind::unexpectedValue, "--help=x"},
    {{"emptyValueForFlag"}, {"--verbose="}, {}, std::nullopt, Kind::unexpectedValue, "--verbose="},
    {{"singleDashHelp"}, {"-help"}, {}, std::nullopt, Kind::singleDashLongName, "-help"},
    {{"singleDashLongWithValue"}, {"-file-name=x"}, {}, std::nullopt, Kind::singleDashLongName, "-file-name=x"},
    {{"operand"}, {"capture.pcap"}, {}, std::nullopt, Kind::extraOperand, "capture.pcap"},
    {{"lonelyDashOperand"}, {"-"}, {}, std::nullopt, Kind::extraOperand, "-"},
    {{"emptyWordOperand"}, {""}, {}, std::nullopt, Kind::extraOperand, ""},
    {{"optionAfterDoubleDash"}, {"--", "-h"}, {}, std::nullopt, Kind::extraOperand, "-h"},
    {{"firstErrorOnly"}, {"-x", "--bogus"}, {}, std::nullopt, Kind::invalidShortOption, "-x"},
    {{"operandBetweenOptions"}, {"-f", "a", "stray", "-fb"}, {{"file", texts({"a", "b"})}}, std::nullopt, Kind::extraOperand, "stray"},
};
// clang-format on

// The result is read only after the arguments are overwritten and freed.
RVParseResult parseAndForget(const std::vector<std::string>& words)
{
    const auto arguments = std::make_unique<ArgumentVector>("tl", words);
    return rv::parseArguments(testTable(), arguments->afterProgramName());
}

using ParseCases = testing::TestWithParam<ParseCase>;

TEST_P(ParseCases, readsTheLine)
{
    const ParseCase& row = GetParam();
    const RVParseResult result = parseAndForget(row.words);
    EXPECT_EQ(result.params, row.params);
    EXPECT_EQ(result.action, row.action);
    ASSERT_EQ(result.error.has_value(), row.error.has_value());
    if (row.error) {
        EXPECT_EQ(result.error->kind, *row.error);
        EXPECT_EQ(result.error->word, row.errorWord);
    }
}

INSTANTIATE_TEST_SUITE_P(Parse, ParseCases, testing::ValuesIn(parseCases), rowName);

// Path-like values, longer than any text kept inline, in both forms.
TEST(Parse, manyValuesKeepTheirOrder)
{
    std::vector<std::string> words;
    for (int index = 0; index < 100000; ++index) {
        const std::string path = "/srv/captures/2026/12/08/link-a-" + std::to_string(index);
        words.push_back(index % 2 == 0 ? "-f" + path : "--file=" + path);
    }
    const RVParseResult result = parseAndForget(words);
    const auto& values = *result.params.at("file").asList();
    ASSERT_EQ(values.size(), 100000u);
    EXPECT_EQ(values.front(), V::text("/srv/captures/2026/12/08/link-a-0"));
    EXPECT_EQ(values[50001], V::text("/srv/captures/2026/12/08/link-a-50001"));
    EXPECT_EQ(values.back(), V::text("/srv/captures/2026/12/08/link-a-99999"));
}

} // namespace
