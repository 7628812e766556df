#include "cmdline/RVVerboseReport.hpp"
#include "tests/testSupport.hpp"

namespace {

struct VerboseCase : NamedRow<VerboseCase>
{
    std::vector<std::string> words; // after the program name
    std::string report;
    RVOptionTable (*table)(const char*) = testTable;
};

// clang-format off
// capconv with the service's -v, not a -v of its own.
RVOptionTable verboseCapconv(const char* runAs)
{
    return RVOptionTable({{{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "h"}},
        {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "WHEN"}, {"optional", "always"}, {"help", "h"}},
        {{"name", "tag"}, {"short", "-T"}, {"long", "--tag"}, {"argument", "TAG"}, {"optional", "x"}, {"help", "h"}},
        {{"name", "source"}, {"operand", "SOURCE..."}, {"help", "h"}}, {{"name", "dest"}, {"operand", "DEST"}, {"help", "h"}}},
        {{"version", "1"}, {"executable", "capconv"}, {"run-as", runAs}});
}

const VerboseCase verboseCases[] = {
    {{"joinedValue"}, {"-v", "-fa"}, "tl: read '-v' as --verbose\ntl: read '-fa' as --file with the value 'a'\n"},
    {{"valueInNextWord"}, {"-vf", "x"}, "tl: read '-vf' 'x' as --verbose, --file with the value 'x'\n"},
    {{"valueEscaped"}, {"-vf", "a\nb"}, "tl: read '-vf' 'a\\nb' as --verbose, --file with the value 'a\\nb'\n"},
    {{"notUtf8Escaped"}, {"-vf", "caf\xe9"}, "tl: read '-vf' 'caf\\xe9' as --verbose, --file with the value 'caf\\xe9'\n"},
    {{"utf8KeptAsTyped"}, {"-vf\xc3\xa9"}, "tl: read '-vf\xc3\xa9' as --verbose, --file with the value '\xc3\xa9'\n"},
    {{"clusterQuotedOnce"}, {"-vvv"}, "tl: read '-vvv' as --verbose, --verbose, --verbose\ntl: --verbose was given 3 times\n"},
    {{"verboseAfterOtherOptions"}, {"-fa", "-vf", "x", "-v"}, "tl: read '-fa' as --file with the value 'a'\ntl: read '-vf' 'x' as --verbose, --file with the value 'x'\ntl: read '-v' as --verbose\ntl: --verbose was given 2 times\ntl: --file was given 2 times\n"},
    {{"verboseLast"}, {"-q", "-f", "x", "--verbose"}, "tl: read '-q' as --quiet\ntl: read '-f' 'x' as --file with the value 'x'\ntl: read '--verbose' as --verbose\n"},
    {{"noReportBesideHelp"}, {"-v", "-h"}, ""},
    {{"noReportBesideError"}, {"-v", "-x"}, ""},
    {{"noReportWithoutVerbose"}, {"-q", "-fa"}, ""},
    {{"operandsWhereTheyStand"}, {"a.pcap", "-v", "--", "-n"}, "hexcut: read 'a.pcap' as FILE\nhexcut: read '-v' as --verbose\nhexcut: read '--' as the end of the options\nhexcut: read '-n' as FILE\n", operandTable},
    {{"operandsAfterVerbose"}, {"-vn", "7", "b\n", "-c", "c"}, "hexcut: read '-vn' '7' as --verbose, --count with the value '7'\nhexcut: read 'b\\n' as FILE\nhexcut: read '-c' 'c' as --cache with the value 'c'\n", operandTable},
    {{"noReportBesideMissingOperand"}, {"-v"}, "", operandTable},
    {{"everyWordOfTheOperandItWentTo"}, {"-v", "a", "b", "c"}, "capconv: read '-v' as --verbose\ncapconv: read 'a' as SOURCE\ncapconv: read 'b' as SOURCE\ncapconv: read 'c' as DEST\n", verboseCapconv},
    {{"optionalValueDefault"}, {"-v", "--color", "-T", "x", "--tag=", "y"}, "capconv: read '-v' as --verbose\ncapconv: read '--color' as --color with the value 'always'\ncapconv: read '-T' as --tag with the value 'x'\ncapconv: read 'x' as SOURCE\ncapconv: read '--tag=' as --tag with the value ''\ncapconv: read 'y' as DEST\ncapconv: --tag was given 2 times\n", verboseCapconv},
    {{"toolsOwnVerboseTellsNothing"}, {"-vv", "a", "b"}, "", [](const char* runAs) { return capconvTable(runAs); }},
    {{"theCommandInLineOrder"}, {"-S", "x", "-v", "show", "-SS", "--", "-L"}, "sigctl: read '-S' 'x' as --socket with the value 'x'\nsigctl: read '-v' as --verbose\nsigctl: read 'show' as the command\nsigctl: read '-SS' as --all, --all\nsigctl: read '--' as the end of the options\nsigctl: read '-L' as LINK\nsigctl: --all was given 2 times\n", [](const char* runAs) { return sigctlTable(runAs); }},
    {{"noReportBesideAnErrorOfTheCommand"}, {"-v", "show"}, "", [](const char* runAs) { return sigctlTable(runAs); }},
    {{"noReportBesideTheCommandsHelp"}, {"-v", "show", "-h"}, "", [](const char* runAs) { return sigctlTable(runAs); }},
    {{"repeatsPointedOut"}, {"--verbose", "--file=x", "-f", "-", "--"}, "tl: read '--verbose' as --verbose\ntl: read '--file=x' as --file with the value 'x'\ntl: read '-f' '-' as --file with the value '-'\ntl: read '--' as the end of the options\ntl: --file was given 2 times\n"},
};
// clang-format on

using VerboseCases = testing::TestWithParam<VerboseCase>;

TEST_P(VerboseCases, tellsHowEachArgumentWasRead)
{
    const VerboseCase& row = GetParam();
    // The report names the tool as it was invoked.
    const std::string runAs = row.report.substr(0, row.report.find(':'));
    const RVOptionTable table = row.table(runAs.c_str());
    const ArgumentVector arguments("tl", row.words);
    const RVParseResult result = rv::parseArguments(table, arguments.afterProgramName());
    EXPECT_EQ(rv::renderVerboseReport(table, arguments.afterProgramName(), result.readings),
              row.report);
}

INSTANTIATE_TEST_SUITE_P(Verbose, VerboseCases, testing::ValuesIn(verboseCases), rowName);

} // namespace
