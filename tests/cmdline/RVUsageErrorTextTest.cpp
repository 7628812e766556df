#include "cmdline/RVUsageErrorText.hpp"
#include "cmdline/RVParser.hpp"
#include "tests/testSupport.hpp"

namespace {

struct UsageErrorCase : NamedRow<UsageErrorCase>
{
    std::vector<std::string> words; // after the program name
    std::string firstLines;         // before the closing "Try ..." line, which names the
                                    // tool as they do, where the table has --help
    const char* runAs = "tl";
    RVOptionTable (*table)(const char*) = testTable;
};

// clang-format off
// hexcut's table, and integers with one bound or none.
RVOptionTable withoutHelpOption(const char* runAs)
{
    std::vector<RVDefinition> definitions = testDefinitions();
    definitions.erase(definitions.begin());
    return RVOptionTable(std::move(definitions), testApp(runAs));
}

RVOptionTable checkedTable(const char* runAs)
{
    std::vector<RVDefinition> definitions = operandDefinitions();
    for (const auto& [name, accepts] : {std::pair{"least", "integer 1.."}, {"most", "integer ..0"}, {"any", "integer"}}) {
        definitions.push_back({{"name", name}, {"long", std::string("--") + name}, {"argument", "N"}, {"accepts", accepts}, {"help", "h"}});
    }
    return RVOptionTable(definitions, {{"version", "1"}, {"executable", "hexcut"}, {"run-as", runAs}});
}

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
    {{"missingOperand"}, {"-n", "5"}, "hexcut: missing FILE operand\n", "hexcut", checkedTable},
    {{"noHelpNoTryLine"}, {"a", "b"}, "t: extra operand 'b'\n", "t", [](const char* runAs) { return RVOptionTable({{{"name", "in"}, {"operand", "[IN]"}, {"help", "h"}}}, {{"version", "1"}, {"executable", "t"}, {"run-as", runAs}}); }},
    {{"closeChoice"}, {"-o", "jsno", "a"}, "hexcut: invalid argument 'jsno' for '--format'\nhexcut: did you mean 'json'?\nhexcut: valid arguments are 'text', 'csv' or 'json'\n", "hexcut", checkedTable},
    {{"prefixOfAChoice"}, {"a", "-oc"}, "hexcut: invalid argument 'c' for '--format'\nhexcut: did you mean 'csv'?\nhexcut: valid arguments are 'text', 'csv' or 'json'\n", "hexcut", checkedTable},
    {{"noChoiceClose"}, {"a", "--format=x\ty"}, "hexcut: invalid argument 'x\\ty' for '--format'\nhexcut: valid arguments are 'text', 'csv' or 'json'\n", "hexcut", checkedTable},
    {{"integerRangeNamedByLongForm"}, {"-n", "ten", "a"}, "hexcut: invalid argument 'ten' for '--count': expected an integer from 1 to 1000\n", "hexcut", checkedTable},
    {{"integerAtLeast"}, {"--least", "0"}, "hexcut: invalid argument '0' for '--least': expected an integer of at least 1\n", "hexcut", checkedTable},
    {{"integerAtMost"}, {"--most=1", "a"}, "hexcut: invalid argument '1' for '--most': expected an integer of at most 0\n", "hexcut", checkedTable},
    {{"integerUnbounded"}, {"--any=caf\xe9"}, "hexcut: invalid argument 'caf\\xe9' for '--any': expected an integer\n", "hexcut", checkedTable},
    {{"noHelpOptionErrorLineAlone"}, {"-x"}, "tl: invalid option -- 'x'\n", "tl", withoutHelpOption},
    {{"noHelpOptionSuggestionKept"}, {"--fiel"}, "tl: unrecognized option '--fiel'\ntl: did you mean '--file'?\n", "tl", withoutHelpOption},
    {{"noHelpOptionHelpIsUnknown"}, {"--help"}, "tl: unrecognized option '--help'\n", "tl", withoutHelpOption},
    {{"overlongOfThreeBytesEscaped"}, {"\xe0\x90\x80"}, "tl: extra operand '\\xe0\\x90\\x80'\n"},
    {{"bidirectionalControlsEscaped"}, {"\xe2\x80\xae" "xeh \xe2\x81\xa6\xe2\x81\xa9\xe2\x80\x8e\xe2\x80\x8f\xd8\x9c\xe2\x80\xaa"}, "tl: extra operand '\\u202exeh \\u2066\\u2069\\u200e\\u200f\\u061c\\u202a'\n"},
    {{"neighboursOfBidirectionalControlsKept"}, {"\xe2\x80\xaf\xe2\x80\xa9\xe2\x81\xa5\xe2\x81\xaa\xe2\x80\x8d\xd8\x9b"}, "tl: extra operand '\xe2\x80\xaf\xe2\x80\xa9\xe2\x81\xa5\xe2\x81\xaa\xe2\x80\x8d\xd8\x9b'\n"},
    {{"excludedNamedByLongForms"}, {"x", "-a", "-t", "y"}, "capconv: '--truncate' cannot be given with '--append'\n", "capconv", capconvTable},
    {{"excludedValueOption"}, {"-q", "-c", "x", "y"}, "capconv: '--color' cannot be given with '--quiet'\n", "capconv", capconvTable},
    {{"emptyOptionalValue"}, {"--color=", "x", "y"}, "capconv: invalid argument '' for '--color'\ncapconv: valid arguments are 'always' or 'never'\n", "capconv", capconvTable},
    {{"toolsOwnHelpHasNoTryLine"}, {"-x"}, "t: invalid option -- 'x'\n", "t", [](const char* runAs) { return RVOptionTable({{{"name", "help"}, {"long", "--help"}, {"standard", "no"}, {"help", "h"}}}, {{"version", "1"}, {"executable", "t"}, {"run-as", runAs}}); }},
    {{"missingCommand"}, {"-S", "x"}, "sigctl: missing command\n", "sigctl", sigctlTable},
    {{"unknownCommand"}, {"lst"}, "sigctl: unknown command 'lst'\nsigctl: did you mean 'list'?\n", "sigctl", sigctlTable},
    {{"unknownCommandPrefixOfTwo"}, {"s", "x"}, "sigctl: unknown command 's'\nsigctl: did you mean 'show' or 'set'?\n", "sigctl", sigctlTable},
    {{"unknownCommandEscaped"}, {"l\x1b"}, "sigctl: unknown command 'l\\x1b'\n", "sigctl", sigctlTable},
    {{"errorOfACommandNamesIt"}, {"set", "L1", "sls"}, "sigctl set: missing VALUE operand\n", "sigctl", sigctlTable},
    {{"suggestionFromTheCommandsOptions"}, {"list", "--al"}, "sigctl list: unrecognized option '--al'\nsigctl list: did you mean '--all'?\n", "sigctl", sigctlTable},
    {{"invalidValueOfACommand"}, {"set", "-r", "-2", "a", "b", "c"}, "sigctl set: invalid argument '-2' for '--retries': expected an integer of at least -1\n", "sigctl", sigctlTable},
    {{"globalLongAfterTheCommand"}, {"set", "--socket=/x", "a", "b", "c"}, "sigctl set: '--socket' is an option of sigctl: give it before 'set'\n", "sigctl", sigctlTable},
    {{"globalShortAfterTheCommand"}, {"list", "-aS", "/x"}, "./sigctl list: '-S' is an option of ./sigctl: give it before 'list'\n", "./sigctl", sigctlTable},
};
// clang-format on

using UsageErrorCases = testing::TestWithParam<UsageErrorCase>;

TEST_P(UsageErrorCases, saysWhatWhereAndWhatNext)
{
    const UsageErrorCase& row = GetParam();
    const RVOptionTable table = row.table(row.runAs);
    const ArgumentVector arguments("tl", row.words);
    const RVParseResult result = rv::parseArguments(table, arguments.afterProgramName());
    ASSERT_TRUE(result.error);
    const std::string name = row.firstLines.substr(0, row.firstLines.find(": "));
    const bool tryLine = table.helpIndex() != RVOptionTable::none;
    EXPECT_EQ(rv::renderUsageError(table, *result.error),
              row.firstLines +
                  (tryLine ? "Try '" + name + " --help' for more information.\n" : ""));
}

INSTANTIATE_TEST_SUITE_P(UsageError, UsageErrorCases, testing::ValuesIn(usageErrorCases), rowName);

} // namespace
