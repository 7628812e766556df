#include "cmdline/RVParser.hpp"
#include "tests/testSupport.hpp"

#include <cstdint>
#include <memory>
#include <utility>

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
    RVOptionTable (*table)() = [] { return testTable(); };
    int command = RVOptionTable::none; // the part of the command read
    int errorPart = RVOptionTable::globalPart;
};

// clang-format off
RVOptionTable hexcut() { return operandTable(); }
RVOptionTable capconv() { return capconvTable(); }
RVOptionTable sigctl() { return sigctlTable(); }
RVOptionTable wrap()
{
    return RVOptionTable({{{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "h"}}, {{"name", "q"}, {"short", "-q"}, {"long", "--q"}, {"help", "h"}},
        {{"name", "program"}, {"operand", "PROGRAM"}, {"help", "h"}}, {{"name", "argument"}, {"operand", "[ARGUMENT]..."}, {"help", "h"}}},
        {{"executable", "wrap"}, {"version", "1"}, {"options", "before-operands"}});
}
RVOptionTable wrapWithoutOperands()
{
    return RVOptionTable({{{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "h"}}}, {{"executable", "w"}, {"version", "1"}, {"options", "before-operands"}});
}
// A one-letter long name beside the help option, and one command.
RVOptionTable oneLetterWithCommand()
{
    return RVOptionTable({{{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "h"}}, {{"name", "x"}, {"short", "-x"}, {"long", "--x"}, {"help", "h"}},
        {{"name", "run"}, {"command", "run"}, {"help", "h"}}}, {{"executable", "t"}, {"version", "1"}});
}
// Two flags that exclude each other, and nothing else to check.
RVOptionTable exclusiveFlags()
{
    return RVOptionTable({{{"name", "append"}, {"short", "-a"}, {"long", "--append"}, {"excludes", "truncate"}, {"help", "h"}}, {{"name", "truncate"}, {"short", "-t"}, {"long", "--truncate"}, {"help", "h"}}},
        {{"executable", "t"}, {"version", "1"}});
}
const Kind excluded = Kind::excludedOption;
// Operands by name and placeholder beside -q and an integer -n without bounds.
RVOptionTable withOperands(std::initializer_list<std::pair<const char*, const char*>> operands)
{
    std::vector<RVDefinition> definitions = {{{"name", "q"}, {"short", "-q"}, {"long", "--q"}, {"help", "h"}},
        {{"name", "n"}, {"short", "-n"}, {"long", "--n"}, {"argument", "N"}, {"accepts", "integer"}, {"help", "h"}}};
    for (const auto& [name, placeholder] : operands) {
        definitions.push_back({{"name", name}, {"operand", placeholder}, {"help", "h"}});
    }
    return RVOptionTable(definitions, {{"executable", "t"}, {"version", "1"}});
}

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
    // hexcut's: operands FILE..., -n from 1 to 1000, -o one of text, csv and json, -c filename.
    {{"operandsAmongOptions"}, {"a", "-n", "5", "b", "-ojson", "-", "--count=+7", "-c", "x", "y"}, {{"file", texts({"a", "b", "-", "y"})}, {"count", V::list({V::number(5), V::number(7)})}, {"format", texts({"json"})}, {"cache", texts({"x"})}}, std::nullopt, std::nullopt, "", hexcut},
    {{"doubleDashMakesOperands"}, {"--", "-n", "--help", "", "--"}, {{"file", texts({"-n", "--help", "", "--"})}}, std::nullopt, std::nullopt, "", hexcut},
    {{"missingOperand"}, {"-n", "3", "--"}, {{"count", V::list({V::number(3)})}}, std::nullopt, Kind::missingOperand, "FILE", hexcut},
    {{"helpWinsOverMissingOperand"}, {"-o", "csv", "-h"}, {{"help", V::number(1)}, {"format", texts({"csv"})}}, RVStandardAction::help, std::nullopt, "", hexcut},
    {{"otherErrorWinsOverMissing"}, {"--file=a"}, {}, std::nullopt, Kind::unknownOption, "--file=a", hexcut},
    {{"countBounds"}, {"f", "-n1", "-n", "1000", "-n+0001"}, {{"file", texts({"f"})}, {"count", V::list({V::number(1), V::number(1000), V::number(1)})}}, std::nullopt, std::nullopt, "", hexcut},
    {{"countBelowRange"}, {"f", "--count", "-0"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "-0", hexcut},
    {{"countAboveRange"}, {"--count=1001", "f"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "1001", hexcut},
    {{"countNotANumber"}, {"-n", "ten", "f"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "ten", hexcut},
    {{"countSignAlone"}, {"f", "-n+"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "+", hexcut},
    {{"choiceRefused"}, {"f", "--format", "jsno", "-ojson"}, {{"format", texts({"json"})}, {"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "jsno", hexcut},
    {{"choiceNoteIsNoChoice"}, {"f", "-o(default)"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "(default)", hexcut},
    {{"firstErrorWins"}, {"-n", "0", "--bogus", "f"}, {{"file", texts({"f"})}}, std::nullopt, Kind::invalidValue, "0", hexcut},
    {{"firstErrorBeforeCheck"}, {"--bogus", "-n", "0", "f"}, {{"file", texts({"f"})}}, std::nullopt, Kind::unknownOption, "--bogus", hexcut},
    {{"helpAfterInvalidValue"}, {"-n", "x", "-h"}, {{"help", V::number(1)}}, RVStandardAction::help, Kind::invalidValue, "x", hexcut},
    // The split among operands of other shapes.
    {{"repeatableLeavesTheLast"}, {"a", "-q", "b", "c"}, {{"source", texts({"a", "b"})}, {"dest", texts({"c"})}, {"q", V::number(1)}}, std::nullopt, std::nullopt, "", [] { return withOperands({{"source", "SOURCE..."}, {"dest", "DEST"}}); }},
    {{"lastIsMissing"}, {"a"}, {{"source", texts({"a"})}}, std::nullopt, Kind::missingOperand, "DEST", [] { return withOperands({{"source", "SOURCE..."}, {"dest", "DEST"}}); }},
    {{"firstShortIsMissing"}, {"x"}, {{"b", texts({"x"})}}, std::nullopt, Kind::missingOperand, "C", [] { return withOperands({{"a", "[A]"}, {"b", "B"}, {"c", "C"}}); }},
    {{"optionalsInOrder"}, {"x", "y"}, {{"a", texts({"x"})}, {"c", texts({"y"})}}, std::nullopt, std::nullopt, "", [] { return withOperands({{"a", "[A]"}, {"b", "[B]"}, {"c", "C"}}); }},
    {{"extraAfterOptional"}, {"x", "-q", "y", "z"}, {{"a", texts({"x"})}, {"b", texts({"y"})}, {"q", V::number(1)}}, std::nullopt, Kind::extraOperand, "z", [] { return withOperands({{"a", "[A]"}, {"b", "B"}}); }},
    {{"anyNumberOfNone"}, {"-q"}, {{"q", V::number(1)}}, std::nullopt, std::nullopt, "", [] { return withOperands({{"file", "[FILE]..."}}); }},
    {{"optionalBeforeRepeatable"}, {"v", "w", "x", "y"}, {{"a", texts({"v"})}, {"b", texts({"w", "x"})}, {"c", texts({"y"})}}, std::nullopt, std::nullopt, "", [] { return withOperands({{"a", "[A]"}, {"b", "B..."}, {"c", "C"}}); }},
    {{"extraBeforeLaterError"}, {"x", "y", "-n", "z"}, {{"a", texts({"x"})}}, std::nullopt, Kind::extraOperand, "y", [] { return withOperands({{"a", "A"}}); }},
    {{"errorBeforeExtra"}, {"x", "--bad", "y"}, {{"a", texts({"x"})}}, std::nullopt, Kind::unknownOption, "--bad", [] { return withOperands({{"a", "A"}}); }},
    {{"valueErrorBeforeExtra"}, {"-n", "z", "x", "y"}, {{"a", texts({"x"})}}, std::nullopt, Kind::invalidValue, "z", [] { return withOperands({{"a", "A"}}); }},
    {{"largestIntegers"}, {"-n9223372036854775807", "-n", "-9223372036854775808"}, {{"n", V::list({V::number(INT64_MAX), V::number(INT64_MIN)})}}, std::nullopt, std::nullopt, "", [] { return withOperands({}); }},
    {{"pastLargest"}, {"-n", "9223372036854775808"}, {}, std::nullopt, Kind::invalidValue, "9223372036854775808", [] { return withOperands({}); }},
    {{"pastSmallest"}, {"-n-9223372036854775809"}, {}, std::nullopt, Kind::invalidValue, "-9223372036854775809", [] { return withOperands({}); }},
    {{"firstExtraOfThree"}, {"a", "b", "c"}, {{"a", texts({"a"})}}, std::nullopt, Kind::extraOperand, "b", [] { return withOperands({{"a", "FILE"}}); }},
    // capconv's: its own -v, --color[=WHEN] and --level[=N] (optional values), -T[TAG], -a and -t that exclude each other, --color that excludes -q.
    {{"ownVerboseCounts"}, {"-vvv", "a", "b", "--verbose"}, {{"verbose", V::number(4)}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalLongAlone"}, {"a", "--color", "b"}, {{"color", texts({"always"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalLongJoined"}, {"--color=never", "a", "b"}, {{"color", texts({"never"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalNextWordIsOperand"}, {"--color", "never", "b"}, {{"color", texts({"always"})}, {"source", texts({"never"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalNextWordIsAnOption"}, {"--tag", "-a", "x", "y"}, {{"tag", texts({"x"})}, {"append", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalShortAlone"}, {"a", "b", "-T"}, {{"tag", texts({"x"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalShortJoined"}, {"-Tmine", "-T", "a", "b"}, {{"tag", texts({"mine", "x"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalShortLastInCluster"}, {"-vT", "a", "b"}, {{"verbose", V::number(1)}, {"tag", texts({"x"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalShortTakesTheRest"}, {"-Tv", "a", "b"}, {{"tag", texts({"v"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalShortRestChecked"}, {"-cv", "a", "b"}, {{"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, Kind::invalidValue, "v", capconv},
    {{"optionalEmptyJoinedChecked"}, {"--color=", "a", "b"}, {{"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, Kind::invalidValue, "", capconv},
    {{"optionalEmptyJoinedKept"}, {"--tag=", "a", "b"}, {{"tag", texts({""})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalIntegerDefault"}, {"--level", "a", "--level=7", "b"}, {{"level", V::list({V::number(1), V::number(7)})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"optionalValueOutOfRange"}, {"--level=10", "a", "b"}, {{"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, Kind::invalidValue, "10", capconv},
    {{"optionalLastWord"}, {"a", "b", "--color"}, {{"color", texts({"always"})}, {"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"singleDashOptionalRefused"}, {"-color", "a", "b"}, {{"source", texts({"a"})}, {"dest", texts({"b"})}}, std::nullopt, Kind::singleDashLongName, "-color", capconv},
    {{"excludedLater"}, {"-a", "x", "-t", "y"}, {{"append", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, excluded, "", capconv},
    {{"excludedEitherWay"}, {"--truncate", "x", "y", "--append"}, {{"truncate", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, excluded, "", capconv},
    {{"excludedInACluster"}, {"-ta", "x", "y"}, {{"truncate", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, excluded, "", capconv},
    {{"exclusionWithoutCheckedValues"}, {"-t", "-a"}, {{"truncate", V::number(1)}}, std::nullopt, excluded, "", exclusiveFlags},
    {{"sameOptionTwiceIsNoExclusion"}, {"-a", "--append", "x", "y"}, {{"append", V::number(2)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, std::nullopt, "", capconv},
    {{"excludedValueOption"}, {"-q", "--color=never", "x", "y"}, {{"quiet", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, excluded, "", capconv},
    {{"invalidValueBeforeExclusion"}, {"-q", "--color=grey", "x", "y"}, {{"quiet", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, Kind::invalidValue, "grey", capconv},
    {{"firstErrorBeforeExclusion"}, {"--bogus", "-a", "-t", "x", "y"}, {{"append", V::number(1)}, {"source", texts({"x"})}, {"dest", texts({"y"})}}, std::nullopt, Kind::unknownOption, "--bogus", capconv},
    {{"exclusionBeforeExtraOperand"}, {"-a", "-t", "x"}, {{"append", V::number(1)}, {"source", texts({"x"})}}, std::nullopt, excluded, "", capconv},
    {{"helpWinsOverExclusion"}, {"-a", "-t", "-h"}, {{"append", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::help, excluded, "", capconv},
    // Options before operands: the first operand ends them.
    {{"firstOperandEndsOptions"}, {"-q", "cmd", "-x", "--help", "-q"}, {{"q", V::number(1)}, {"program", texts({"cmd"})}, {"argument", texts({"-x", "--help", "-q"})}}, std::nullopt, std::nullopt, "", wrap},
    {{"doubleDashAfterTheFirstOperandIsOne"}, {"cmd", "--", "x"}, {{"program", texts({"cmd"})}, {"argument", texts({"--", "x"})}}, std::nullopt, std::nullopt, "", wrap},
    {{"doubleDashBeforeTheFirstOperand"}, {"-q", "--", "-q"}, {{"q", V::number(1)}, {"program", texts({"-q"})}}, std::nullopt, std::nullopt, "", wrap},
    {{"helpBeforeTheFirstOperand"}, {"-h", "cmd"}, {{"help", V::number(1)}, {"program", texts({"cmd"})}}, RVStandardAction::help, std::nullopt, "", wrap},
    {{"noOperandsFirstWordExtraRestUnread"}, {"x", "-h"}, {}, std::nullopt, Kind::extraOperand, "x", wrapWithoutOperands},
    // Commands: the global options end at the command.
    {{"commandWithItsOption"}, {"-S", "/run/l", "list", "-a"}, {{"socket", texts({"/run/l"})}, {"list", V::number(1)}, {"all", V::number(1)}}, std::nullopt, std::nullopt, "", sigctl, 1},
    {{"commandOptionsAmongOperands"}, {"show", "-S", "L1", "--all"}, {{"show", V::number(1)}, {"all", V::number(2)}, {"link", texts({"L1"})}}, std::nullopt, std::nullopt, "", sigctl, 2},
    {{"commandOptionsBeforeOperands"}, {"set", "-fr", "-1", "L1", "sls", "-1"}, {{"set", V::number(1)}, {"force", V::number(1)}, {"retries", V::list({V::number(-1)})}, {"link", texts({"L1"})}, {"key", texts({"sls"})}, {"value", texts({"-1"})}}, std::nullopt, std::nullopt, "", sigctl, 3},
    {{"doubleDashBeforeTheCommand"}, {"-v", "--", "set", "a", "b", "--"}, {{"verbose", V::number(1)}, {"set", V::number(1)}, {"link", texts({"a"})}, {"key", texts({"b"})}, {"value", texts({"--"})}}, std::nullopt, std::nullopt, "", sigctl, 3},
    {{"valueThatNamesACommand"}, {"-S", "list", "show", "L1"}, {{"socket", texts({"list"})}, {"show", V::number(1)}, {"link", texts({"L1"})}}, std::nullopt, std::nullopt, "", sigctl, 2},
    {{"missingCommand"}, {"-S", "x"}, {{"socket", texts({"x"})}}, std::nullopt, Kind::missingCommand, "", sigctl},
    {{"missingCommandAfterDoubleDash"}, {"--"}, {}, std::nullopt, Kind::missingCommand, "", sigctl},
    {{"otherErrorWinsOverMissingCommand"}, {"--bogus"}, {}, std::nullopt, Kind::unknownOption, "--bogus", sigctl},
    {{"unknownCommand"}, {"lst", "-a"}, {}, std::nullopt, Kind::unknownCommand, "lst", sigctl},
    {{"loneDashIsNoCommand"}, {"-"}, {}, std::nullopt, Kind::unknownCommand, "-", sigctl},
    {{"emptyWordIsNoCommand"}, {"", "list"}, {}, std::nullopt, Kind::unknownCommand, "", sigctl},
    {{"globalErrorBeforeTheCommandsError"}, {"--bogus", "show"}, {{"show", V::number(1)}}, std::nullopt, Kind::unknownOption, "--bogus", sigctl, 2},
    {{"commandsOwnError"}, {"show", "--force", "L1"}, {{"show", V::number(1)}, {"link", texts({"L1"})}}, std::nullopt, Kind::unknownOption, "--force", sigctl, 2, 2},
    {{"missingOperandOfTheCommand"}, {"set", "L1", "sls"}, {{"set", V::number(1)}, {"link", texts({"L1"})}, {"key", texts({"sls"})}}, std::nullopt, Kind::missingOperand, "VALUE", sigctl, 3, 3},
    {{"extraOperandOfTheCommand"}, {"list", "x"}, {{"list", V::number(1)}}, std::nullopt, Kind::extraOperand, "x", sigctl, 1, 1},
    {{"globalLongAfterTheCommand"}, {"list", "--socket=/x"}, {{"list", V::number(1)}}, std::nullopt, Kind::globalOptionAfterCommand, "--socket", sigctl, 1, 1},
    {{"globalShortAfterTheCommand"}, {"list", "-aV"}, {{"list", V::number(1)}, {"all", V::number(1)}}, std::nullopt, Kind::globalOptionAfterCommand, "-V", sigctl, 1, 1},
    {{"commandsOwnLetterWins"}, {"show", "-S", "L1"}, {{"show", V::number(1)}, {"all", V::number(1)}, {"link", texts({"L1"})}}, std::nullopt, std::nullopt, "", sigctl, 2},
    {{"verboseAfterTheCommand"}, {"show", "L1", "--verbose"}, {{"show", V::number(1)}, {"link", texts({"L1"})}}, std::nullopt, Kind::globalOptionAfterCommand, "--verbose", sigctl, 2, 2},
    {{"helpOfTheCommand"}, {"--bogus", "set", "--help"}, {{"set", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::help, Kind::unknownOption, "--bogus", sigctl, 3},
    {{"helpAfterAnUnknownCommand"}, {"lst", "-xh"}, {}, RVStandardAction::help, Kind::unknownCommand, "lst", sigctl},
    {{"longNameWithOneDashAfterAnUnknownCommandIsNoHelp"}, {"lst", "-help"}, {}, std::nullopt, Kind::unknownCommand, "lst", sigctl},
    {{"helpInAClusterOfAOneLetterNameAfterAnUnknownCommand"}, {"lst", "-x=h"}, {}, RVStandardAction::help, Kind::unknownCommand, "lst", oneLetterWithCommand},
    {{"noHelpAfterDoubleDashOfAnUnknownCommand"}, {"lst", "--", "--help"}, {}, std::nullopt, Kind::unknownCommand, "lst", sigctl},
    {{"helpCountedOverBothParts"}, {"-h", "show", "-hS", "a"}, {{"help", V::number(2)}, {"show", V::number(1)}, {"all", V::number(1)}, {"link", texts({"a"})}}, RVStandardAction::help, std::nullopt, "", sigctl, 2},
    {{"firstOfVersionAndHelpWins"}, {"-V", "set", "--help"}, {{"version", V::number(1)}, {"set", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::version, std::nullopt, "", sigctl, 3},
    {{"versionAfterTheCommandIsNone"}, {"show", "-V", "-h"}, {{"show", V::number(1)}, {"help", V::number(1)}}, RVStandardAction::help, Kind::globalOptionAfterCommand, "-V", sigctl, 2, 2},
};
// clang-format on

// The result is read only after the arguments are overwritten and freed.
RVParseResult parseAndForget(const std::vector<std::string>& words,
                             const RVOptionTable& table = testTable())
{
    const auto arguments = std::make_unique<ArgumentVector>("tl", words);
    return rv::parseArguments(table, arguments->afterProgramName());
}

using ParseCases = testing::TestWithParam<ParseCase>;

TEST_P(ParseCases, readsTheLine)
{
    const ParseCase& row = GetParam();
    const RVParseResult result = parseAndForget(row.words, row.table());
    EXPECT_EQ(result.params, row.params);
    EXPECT_EQ(result.action, row.action);
    EXPECT_EQ(result.command, row.command);
    ASSERT_EQ(result.error.has_value(), row.error.has_value());
    if (row.error) {
        EXPECT_EQ(result.error->kind, *row.error);
        EXPECT_EQ(result.error->word, row.errorWord);
        EXPECT_EQ(result.error->part, row.errorPart);
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
