#include "cmdline/RVUsageErrorText.hpp"
#include "cmdline/RVParser.hpp"
#include "tests/testSupport.hpp"

namespace {

struct UsageErrorCase : NamedRow<UsageErrorCase>
{
    std::vector<std::string> words; // after the program name
    std::string firstLines;         // before the closing "Try ..." line, which names the
                                    // tool as they do
    const char* runAs = "tl";
    bool withoutHelpOption = false; // then nothing to point to: no "Try ..." line
};

// clang-format off
const UsageErrorCase usageErrorCases[] = {
    {{"swappedLetters"}, {"--fiel", "a"}, "tl: unrecognized option '--fiel'\ntl: did you mean '--file'?\n"},
    {{"twoEditsAway"}, {"--vrbse"}, "tl: unrecognized option '--vrbse'\ntl: did you mean '--verbose'?\n"},
    {{"prefixOfTwo"}, {"--fil", "a"}, "tl: unrecognized option '--fil'\ntl: did you mean '--file' or '--file-name'?\n"},
    {{"prefixOfThree"}, {"--f"}, "tl: unrecognized option '--f'\ntl: did you mean '--file', '--file-name' or '--format'?\n"},
    {{"prefixWithValue"}, {"--fil=x"}, "tl: unrecognized option '--fil=x'\ntl: did you mean '--file' or '--file-name'?\n"},
    {{"uniquePrefix"}, {"--form", "json"}, "tl: unrecognized option '--form'\ntl: did you mean '--format'?\n"},
    {{"upperCase"}, {"--VERSION"}, "tl: unrecognized option '--VERSION'\n"},
    {{"missingHyphen"}, {"--filename=x"}, "tl: unrecognized option '--filename=x'\ntl: did you mean '--file-name'?\n"},
    {{"nothingClose"}, {"--xyzzy"}, "tl: unrecognized option '--xyzzy'\n"},
    {{"oneLetterLong"}, {"--x"}, "tl: unrecognized option '--x'\n"},
    {{"emptyLongName"}, {"--=x"}, "tl: unrecognized option '--=x'\n"},
    {{"singleDashHelp"}, {"-help"}, "tl: unrecognized option '-help'\ntl: did you mean '--help'?\n"},
    {{"singleDashWithValue"}, {"-file-name=x"}, "tl: unrecognized option '-file-name=x'\ntl: did you mean '--file-name'?\n"},
    {{"invalidShort"}, {"-x"}, "tl: invalid option -- 'x'\n"},
    {{"invalidInCluster"}, {"-vxf", "a"}, "tl: invalid option -- 'x'\n"},
    {{"nonAsciiShort"}, {"-\xc3\xa9"}, "tl: unrecognized option '-\xc3\xa9'\n"},
    {{"missingShortValue"}, {"-f"}, "tl: option requires an argument -- 'f'\n"},
    {{"missingLongValue"}, {"--format"}, "tl: option '--format' requires an argument\n"},
    {{"valueForFlag"}, {"--help=x"}, "tl: option '--help' doesn't allow an argument\n"},
    {{"operand"}, {"capture.pcap"}, "tl: extra operand 'capture.pcap'\n"},
    {{"operandAfterDoubleDash"}, {"--", "--help"}, "tl: extra operand '--help'\n"},
    {{"controlCharactersEscaped"}, {"a\nb\x1b[2J"}, "tl: extra operand 'a\\nb\\x1b[2J'\n"},
    {{"spaceKeptTabEscaped"}, {"a b\tc"}, "tl: extra operand 'a b\\tc'\n"},
    {{"deleteEscaped"}, {"a\x7f"}, "tl: extra operand 'a\\x7f'\n"},
    {{"latin1Escaped"}, {"caf\xe9"}, "tl: extra operand 'caf\\xe9'\n"},
    {{"utf8KeptAsTyped"}, {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"}, "tl: extra operand 'caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80'\n"},
    {{"utf8EdgesKept"}, {"\xc2\xa0\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf"}, "tl: extra operand '\xc2\xa0\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf'\n"},
    {{"overlongEscaped"}, {"\xc0\xaf\xe0\x80\xaf\xf0\x80\x80\xaf"}, "tl: extra operand '\\xc0\\xaf\\xe0\\x80\\xaf\\xf0\\x80\\x80\\xaf'\n"},
    {{"surrogateEscaped"}, {"\xed\xa0\x80\xed\xbf\xbf"}, "tl: extra operand '\\xed\\xa0\\x80\\xed\\xbf\\xbf'\n"},
    {{"pastU10FFFFEscaped"}, {"\xf4\x90\x80\x80\xf5\x80"}, "tl: extra operand '\\xf4\\x90\\x80\\x80\\xf5\\x80'\n"},
    {{"truncatedEscaped"}, {"\xe2\x82x\xf0\x9f\x98"}, "tl: extra operand '\\xe2\\x82x\\xf0\\x9f\\x98'\n"},
    {{"c1ControlEscaped"}, {"\xc2\x9b" "2J"}, "tl: extra operand '\\xc2\\x9b2J'\n"},
    {{"prefixedWithInvocationName"}, {"-x"}, "/usr/bin/tl: invalid option -- 'x'\n", "/usr/bin/tl"},
    {{"executableWithoutInvocationName"}, {"-x"}, "tl: invalid option -- 'x'\n", ""},
    {{"invocationNameEscaped"}, {"-x"}, "./t\\xe9\\n: invalid option -- 'x'\n", "./t\xe9\n"},
    {{"noHelpOptionErrorLineAlone"}, {"-x"}, "tl: invalid option -- 'x'\n", "tl", true},
    {{"noHelpOptionSuggestionKept"}, {"--fiel"}, "tl: unrecognized option '--fiel'\ntl: did you mean '--file'?\n", "tl", true},
    {{"noHelpOptionHelpIsUnknown"}, {"--help"}, "tl: unrecognized option '--help'\n", "tl", true},
};
// clang-format on

using UsageErrorCases = testing::TestWithParam<UsageErrorCase>;

TEST_P(UsageErrorCases, saysWhatWhereAndWhatNext)
{
    const UsageErrorCase& row = GetParam();
    std::vector<RVDefinition> definitions = testDefinitions();
    if (row.withoutHelpOption) {
        definitions.erase(definitions.begin());
    }
    const RVOptionTable table(std::move(definitions), testApp(row.runAs));
    const ArgumentVector arguments("tl", row.words);
    const RVParseResult result = rv::parseArguments(table, arguments.afterProgramName());
    ASSERT_TRUE(result.error);
    const std::string name = row.firstLines.substr(0, row.firstLines.find(": "));
    const std::string tryLine =
        row.withoutHelpOption ? "" : "Try '" + name + " --help' for more information.\n";
    EXPECT_EQ(rv::renderUsageError(table, *result.error), row.firstLines + tryLine);
}

INSTANTIATE_TEST_SUITE_P(UsageError, UsageErrorCases, testing::ValuesIn(usageErrorCases), rowName);

} // namespace
