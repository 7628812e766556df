#include "cmdline/RVErrorText.hpp"
#include "cmdline/RVParser.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct UsageErrorCase
{
    const char* name;
    std::vector<std::string> words; // after the program name
    std::string firstLines;         // before the closing "Try ..." line
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const UsageErrorCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const UsageErrorCase usageErrorCases[] = {
    {"swappedLetters", {"--fitler", "a"}, "varnock: unrecognized option '--fitler'\nvarnock: did you mean '--filter'?\n"},
    {"prefixOfTwo", {"--filt", "a"}, "varnock: unrecognized option '--filt'\nvarnock: did you mean '--filter' or '--filter-name'?\n"},
    {"prefixWithValue", {"--inp=x"}, "varnock: unrecognized option '--inp=x'\nvarnock: did you mean '--input' or '--input-format'?\n"},
    {"uniquePrefix", {"--stag", "s"}, "varnock: unrecognized option '--stag'\nvarnock: did you mean '--staging-area'?\n"},
    {"upperCase", {"--VERSION"}, "varnock: unrecognized option '--VERSION'\n"},
    {"missingHyphen", {"--filtername=x"}, "varnock: unrecognized option '--filtername=x'\nvarnock: did you mean '--filter-name'?\n"},
    {"nothingClose", {"--xyzzy"}, "varnock: unrecognized option '--xyzzy'\n"},
    {"oneLetterLong", {"--x"}, "varnock: unrecognized option '--x'\n"},
    {"emptyLongName", {"--=x"}, "varnock: unrecognized option '--=x'\n"},
    {"singleDashHelp", {"-help"}, "varnock: unrecognized option '-help'\nvarnock: did you mean '--help'?\n"},
    {"singleDashWithValue", {"-input-format=pcap"}, "varnock: unrecognized option '-input-format=pcap'\nvarnock: did you mean '--input-format'?\n"},
    {"invalidShort", {"-x"}, "varnock: invalid option -- 'x'\n"},
    {"invalidInCluster", {"-vqf", "a"}, "varnock: invalid option -- 'q'\n"},
    {"nonAsciiShort", {"-\xc3\xa9"}, "varnock: unrecognized option '-\xc3\xa9'\n"},
    {"missingShortValue", {"-i"}, "varnock: option requires an argument -- 'i'\n"},
    {"missingLongValue", {"--input-format"}, "varnock: option '--input-format' requires an argument\n"},
    {"valueForFlag", {"--help=x"}, "varnock: option '--help' doesn't allow an argument\n"},
    {"operand", {"capture.pcap"}, "varnock: extra operand 'capture.pcap'\n"},
    {"operandAfterDoubleDash", {"--", "--help"}, "varnock: extra operand '--help'\n"},
    {"controlCharactersEscaped", {"a\nb\x1b[2J"}, "varnock: extra operand 'a\\nb\\x1b[2J'\n"},
    {"latin1KeptAsTyped", {"caf\xe9"}, "varnock: extra operand 'caf\xe9'\n"},
};
// clang-format on

class UsageErrorCases : public testing::TestWithParam<UsageErrorCase>
{};

TEST_P(UsageErrorCases, saysWhatWhereAndWhatNext)
{
    const UsageErrorCase& row = GetParam();
    const RVOptionTable table = varnockTable();
    std::vector<const char*> pointers;
    for (const std::string& word : row.words) {
        pointers.push_back(word.c_str());
    }
    const RVParseResult result = parseArguments(table, pointers);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(renderUsageError(table, *result.error),
              row.firstLines + "Try 'varnock --help' for more information.\n");
}

INSTANTIATE_TEST_SUITE_P(UsageError, UsageErrorCases, testing::ValuesIn(usageErrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UsageError, prefixedWithInvocationNameOrExecutable)
{
    const char* const words[] = {"-x"};
    for (const auto& [runAs, prefix] :
         {std::pair{"/usr/bin/vk", "/usr/bin/vk: "}, std::pair{"", "varnock: "}}) {
        const RVOptionTable table = varnockTable(runAs);
        const RVParseResult result = parseArguments(table, words);
        EXPECT_EQ(renderUsageError(table, *result.error),
                  std::string(prefix) + "invalid option -- 'x'\n" +
                      "Try 'varnock --help' for more information.\n");
    }
}

} // namespace
