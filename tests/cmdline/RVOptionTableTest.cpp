#include "cmdline/RVOptionTable.hpp"
#include "tests/testSupport.hpp"

#include <cstdint>
#include <functional>
#include <limits>

namespace {

using Definitions = std::vector<RVDefinition>;

struct BadTableCase : NamedRow<BadTableCase>
{
    std::function<void(Definitions&, RVDefinition&)> spoil;
    const char* complaint;
};

// clang-format off
const BadTableCase badTableCases[] = {
    {{"unknownKey"}, [](Definitions& d, RVDefinition&) { d[4]["agrument"] = "filename"; }, "option definition 5 ('file'): unknown key 'agrument'"},
    {{"unknownKeyStartingLikeAKnownOne"}, [](Definitions& d, RVDefinition&) { d[4]["helps"] = "x"; }, "unknown key 'helps'"},
    {{"emptyKey"}, [](Definitions& d, RVDefinition&) { d[4][""] = "x"; }, "unknown key ''"},
    {{"missingName"}, [](Definitions& d, RVDefinition&) { d[0].erase("name"); }, "'name'"},
    {{"upperCaseName"}, [](Definitions& d, RVDefinition&) { d[0] = {{"name", "Help"}, {"long", "--Help"}, {"help", "x"}}; }, "'name'"},
    {{"nameStartsWithDash"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "-quiet"}, {"long", "---quiet"}, {"help", "x"}}; }, "'name'"},
    {{"longNotName"}, [](Definitions& d, RVDefinition&) { d[4]["long"] = "--files"; }, "'long' must be"},
    {{"longSingleDash"}, [](Definitions& d, RVDefinition&) { d[4]["long"] = "-file"; }, "'long' must be"},
    {{"missingLong"}, [](Definitions& d, RVDefinition&) { d[4].erase("long"); }, "'long'"},
    {{"missingHelp"}, [](Definitions& d, RVDefinition&) { d[4].erase("help"); }, "'help' is missing"},
    {{"shortWithoutDash"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "f"; }, "'short' must be"},
    {{"shortTooLong"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "-fx"; }, "'short' must be"},
    {{"shortIsDash"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "--"; }, "'short' must be"},
    {{"shortWithoutDashTwoLetters"}, [](Definitions& d, RVDefinition&) { d[4]["short"] = "ff"; }, "'short' must be"},
    {{"shortTwice"}, [](Definitions& d, RVDefinition&) { d[6]["short"] = "-f"; }, "option definition 7 ('format'): the short form is defined twice"},
    {{"nameTwice"}, [](Definitions& d, RVDefinition&) { d.push_back(d[4]); }, "option definition 8 ('file'): the name is defined twice"},
    {{"helpTakesValue"}, [](Definitions& d, RVDefinition&) { d[0]["argument"] = "x"; }, "a standard option takes no value"},
    {{"unknownAppKey"}, [](Definitions&, RVDefinition& app) { app["licence"] = "x"; }, "app definition: unknown key 'licence'"},
    {{"unknownAppKeyStartingLikeAKnownOne"}, [](Definitions&, RVDefinition& app) { app["run_as"] = "x"; }, "app definition: unknown key 'run_as'"},
    {{"missingExecutable"}, [](Definitions&, RVDefinition& app) { app.erase("executable"); }, "app definition"},
    {{"missingVersion"}, [](Definitions&, RVDefinition& app) { app.erase("version"); }, "app definition"},
    // Texts that a person reads: UTF-8 without control characters, wherever the fault stands.
    {{"helpNewline"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "reads\n.SH INJECTED"; }, "option definition 5 ('file'): 'help' holds a control character at byte 6"},
    {{"helpNul"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = std::string("a\0b", 3); }, "'help' holds a control character at byte 2"},
    {{"helpEscape"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\x1b[1mbold"; }, "'help' holds a control character at byte 1"},
    {{"helpTab"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "ab\tc"; }, "'help' holds a control character at byte 3"},
    {{"helpDelete"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "abcdefgh\x7f"; }, "'help' holds a control character at byte 9"},
    {{"helpC1Control"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "na\xc3\xafve \xc2\x9b" "2J"; }, "'help' holds a control character at byte 8"},
    {{"helpLastOfC1"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\xc2\x9f"; }, "'help' holds a control character at byte 1"},
    {{"helpControlInSecondBlock"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "reads the definition of\ra filter"; }, "'help' holds a control character at byte 24"},
    {{"helpControlInLastBlock"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "reads the definition of a filter from a file\x01"; }, "'help' holds a control character at byte 45"},
    {{"helpUnitSeparatorInBlock"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "reads the definition of a filter\x1f"; }, "'help' holds a control character at byte 33"},
    {{"helpControlInMiddleBlock"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "0123456789abcdefghij\x02 the rest of a text of"; }, "'help' holds a control character at byte 21"},
    {{"helpDeleteInTinyText"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "~\x7f"; }, "'help' holds a control character at byte 2"},
    {{"helpControlInShortText"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "abcd\x1f"; }, "'help' holds a control character at byte 5"},
    {{"helpControlInTinyText"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "a\x05"; }, "'help' holds a control character at byte 2"},
    {{"helpLatin1"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "caf\xe9 au lait, in a cup of sixteen"; }, "option definition 5 ('file'): 'help' is not valid UTF-8 at byte 4"},
    {{"helpCutShort"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "euro \xe2\x82"; }, "'help' is not valid UTF-8 at byte 6"},
    {{"helpOverlong"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\xc0\xaf"; }, "'help' is not valid UTF-8 at byte 1"},
    {{"helpSurrogate"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "x\xed\xa0\x80"; }, "'help' is not valid UTF-8 at byte 2"},
    {{"helpPastU10FFFF"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\xf4\x90\x80\x80"; }, "'help' is not valid UTF-8 at byte 1"},
    {{"helpFaultAfterUtf8"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\xe2\x86\x92 \xf0\x9f\x98\x80\xff"; }, "'help' is not valid UTF-8 at byte 9"},
    {{"argumentControl"}, [](Definitions& d, RVDefinition&) { d[4]["argument"] = "file\nname"; }, "option definition 5 ('file'): 'argument' holds a control character at byte 5"},
    {{"argumentNotUtf8"}, [](Definitions& d, RVDefinition&) { d[4]["argument"] = "n\xe9"; }, "'argument' is not valid UTF-8 at byte 2"},
    {{"copyrightControl"}, [](Definitions&, RVDefinition& app) { app["copyright"] = "(C) \x1b[2J"; }, "app definition: 'copyright' holds a control character at byte 5"},
    {{"versionNotUtf8"}, [](Definitions&, RVDefinition& app) { app["version"] = "2.\xff"; }, "app definition: 'version' is not valid UTF-8 at byte 3"},
    {{"executableNewline"}, [](Definitions&, RVDefinition& app) { app["executable"] = "t\nl"; }, "app definition: 'executable' holds a control character at byte 2"},
    {{"emptyHelp"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = ""; }, "option definition 5 ('file'): 'help' is empty"},
    {{"emptyArgument"}, [](Definitions& d, RVDefinition&) { d[4]["argument"] = ""; }, "option definition 5 ('file'): 'argument' is empty"},
    {{"nameTrailingHyphen"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "x-"}, {"long", "--x-"}, {"help", "x"}}; }, "option definition 4 ('x-'): 'name' must be lower-case letters and digits, in words joined by single hyphens"},
    {{"nameDoubleHyphen"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "a--b"}, {"long", "--a--b"}, {"help", "x"}}; }, "'name' must be"},
    {{"nameWithUnderscore"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "a_b"}, {"long", "--a_b"}, {"help", "x"}}; }, "'name' must be"},
    {{"nameEscapedInMessage"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "a\nb"}, {"long", "--a\nb"}, {"help", "x"}}; }, "option definition 4 ('a\\nb'): 'name' must be"},
    {{"unknownKeyEscaped"}, [](Definitions& d, RVDefinition&) { d[4]["he\x1blp"] = "x"; }, "unknown key 'he\\x1blp'"},
    {{"choiceListUnclosed"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a | b"; }, "option definition 7 ('format'): 'argument': a list of choices must be written '{a | b}'"},
    {{"choiceListEmpty"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{}"; }, "'argument': a list of choices has an empty alternative"},
    {{"choiceListOnlyBrace"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{"; }, "a list of choices must be written"},
    {{"choiceListEmptyLast"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a | }"; }, "a list of choices has an empty alternative"},
    {{"choiceListEmptyFirst"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{ | a}"; }, "a list of choices has an empty alternative"},
    {{"choiceListEmptyMiddle"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a || b}"; }, "a list of choices has an empty alternative"},
    {{"choiceTwice"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{text (default) | json | text}"; }, "'argument': a choice is listed twice"},
    {{"choiceTwiceInALongList"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a | b | c | d | e | f | g | h | i | b}"; }, "a choice is listed twice"},
    {{"choiceTwicePastTheFirstEight"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a | b | c | d | e | f | g | h | i | i (again)}"; }, "a choice is listed twice"},
    // Operands and checked values.
    {{"operandWithShort"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"short", "-i"}, {"help", "x"}}); }, "operand definition 8 ('input'): an operand has only the keys 'name', 'operand', 'help', 'complete' and 'of'"},
    {{"operandWithArgument"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"argument", "x"}, {"help", "x"}}); }, "an operand has only the keys"},
    {{"operandWithAccepts"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"accepts", "integer"}, {"help", "x"}}); }, "an operand has only the keys"},
    {{"operandAndLong"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"long", "--input"}, {"help", "x"}}); }, "option definition 8 ('input'): 'long' and 'operand' exclude each other"},
    {{"operandMissingHelp"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}}); }, "operand definition 8 ('input'): 'help' is missing"},
    {{"operandEmptyHelp"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"help", ""}}); }, "operand definition 8 ('input'): 'help' is empty"},
    {{"operandHelpControl"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "input"}, {"operand", "FILE"}, {"help", "a\tb"}}); }, "operand definition 8 ('input'): 'help' holds a control character at byte 2"},
    {{"operandStandardName"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "verbose"}, {"operand", "FILE"}, {"help", "x"}}); }, "operand definition 8 ('verbose'): an operand cannot take the name of a standard option"},
    {{"operandNamedAsAnOption"}, [](Definitions& d, RVDefinition&) { d.insert(d.begin(), RVDefinition{{"name", "quiet"}, {"operand", "FILE"}, {"help", "x"}}); }, "operand definition 1 ('quiet'): the name is defined twice"},
    {{"operandNamedTwice"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "A"}, {"help", "x"}}); d.push_back({{"name", "in"}, {"operand", "B"}, {"help", "x"}}); }, "operand definition 9 ('in'): the name is defined twice"},
    {{"operandBadName"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "In"}, {"operand", "FILE"}, {"help", "x"}}); }, "'name' must be"},
    {{"operandEmptyPlaceholder"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", ""}, {"help", "x"}}); }, "operand definition 8 ('in'): 'operand' must be W, [W], W... or [W]..., where W is a letter followed by letters, digits, '_' or '-'"},
    {{"operandStartsWithDigit"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "1FILE"}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandTwoDots"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "FILE.."}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandFourDots"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "FILE...."}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandDotsInsideBrackets"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "[FILE...]"}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandUnclosedBracket"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "[FILE"}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandEmptyBrackets"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "[]..."}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandSpaceBeforeDots"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "FILE ..."}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandAngleBrackets"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "<FILE>"}, {"help", "x"}}); }, "'operand' must be W, [W]"},
    {{"operandWordRepeated"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "FILE"}, {"help", "x"}}); d.push_back({{"name", "out"}, {"operand", "[FILE]..."}, {"help", "x"}}); }, "operand definition 9 ('out'): the placeholder's word is used by another operand"},
    {{"twoRepeatableOperands"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "SOURCE..."}, {"help", "x"}}); d.push_back({{"name", "out"}, {"operand", "[DEST]..."}, {"help", "x"}}); }, "operand definition 9 ('out'): two repeatable operands make the line ambiguous"},
    {{"optionalAfterRepeatable"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "SOURCE..."}, {"help", "x"}}); d.push_back({{"name", "out"}, {"operand", "[DEST]"}, {"help", "x"}}); }, "operand definition 9 ('out'): an optional operand after a repeatable one makes the line ambiguous"},
    {{"optionalAfterRepeatableLater"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "A..."}, {"help", "x"}}); d.push_back({{"name", "b"}, {"operand", "B"}, {"help", "x"}}); d.push_back({{"name", "c"}, {"operand", "[C]"}, {"help", "x"}}); }, "operand definition 10 ('c'): an optional operand after a repeatable one"},
    {{"standardTakesValueAfterOperand"}, [](Definitions& d, RVDefinition&) { d.insert(d.begin(), RVDefinition{{"name", "in"}, {"operand", "FILE"}, {"help", "x"}}); d[1]["argument"] = "x"; }, "option definition 2 ('help'): a standard option takes no value"},
    {{"acceptsOnAFlag"}, [](Definitions& d, RVDefinition&) { d[3]["accepts"] = "integer"; }, "option definition 4 ('quiet'): 'accepts' is only for an option that takes a value ('argument')"},
    {{"acceptsUnknown"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "number"; }, "option definition 5 ('file'): 'accepts' must be \"choice\", \"integer\" or \"integer MIN..MAX\" (either bound may be left out)"},
    {{"acceptsEmpty"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = ""; }, "'accepts' must be \"choice\""},
    {{"acceptsCapitalised"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "Integer"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerWithoutRange"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer "; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerTwoSpaces"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer  1..5"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerDash"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 1-5"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerThreeBounds"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 1..5..9"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerWordBound"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer ..ten"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerSignAlone"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer -..5"; }, "'accepts' must be \"choice\""},
    {{"acceptsIntegerPast64Bits"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 1..9223372036854775808"; }, "option definition 5 ('file'): 'accepts': a bound is past the signed 64-bit range"},
    {{"acceptsIntegerBelow64Bits"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer -9223372036854775809.."; }, "'accepts': a bound is past the signed 64-bit range"},
    {{"acceptsIntegerFarPast64Bits"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 0..99999999999999999999999"; }, "'accepts': a bound is past the signed 64-bit range"},
    {{"acceptsIntegerMinAboveMax"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 5..1"; }, "option definition 5 ('file'): 'accepts': MIN is greater than MAX"},
    {{"acceptsIntegerNegativeMinAboveMax"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer -1..-2"; }, "'accepts': MIN is greater than MAX"},
    {{"acceptsChoiceWithoutList"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "choice"; }, "option definition 5 ('file'): 'accepts' choice needs an 'argument' written '{a | b}'"},
    {{"twoDefaults"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a (default) | b | c (default)}"; }, "option definition 7 ('format'): 'argument': more than one choice is marked (default)"},
    {{"overlongThreeBytes"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "\xe0\x90\x80"; }, "'help' is not valid UTF-8 at byte 1"},
    {{"helpRightToLeftOverride"}, [](Definitions& d, RVDefinition&) { d[4]["help"] = "reads \xe2\x80\xae" "elif"; }, "option definition 5 ('file'): 'help' holds a control character at byte 7"},
    {{"argumentIsolate"}, [](Definitions& d, RVDefinition&) { d[4]["argument"] = "a\xe2\x81\xa9"; }, "'argument' holds a control character at byte 2"},
    {{"operandHelpArabicMark"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"help", "\xd8\x9c"}}); }, "operand definition 8 ('in'): 'help' holds a control character at byte 1"},
    {{"copyrightLeftToRightMark"}, [](Definitions&, RVDefinition& app) { app["copyright"] = "(C) \xe2\x80\x8e"; }, "app definition: 'copyright' holds a control character at byte 5"},
    // The tool's own standard option, and what a value completes or defaults to.
    {{"standardOnOtherName"}, [](Definitions& d, RVDefinition&) { d[3]["standard"] = "no"; }, "option definition 4 ('quiet'): 'standard' is only for the options named help, version and verbose"},
    {{"standardNotNo"}, [](Definitions& d, RVDefinition&) { d[2]["standard"] = "yes"; }, "option definition 3 ('verbose'): 'standard' must be \"no\""},
    {{"standardOnOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"standard", "no"}, {"help", "x"}}); }, "operand definition 8 ('in'): an operand has only the keys 'name', 'operand', 'help', 'complete' and 'of'"},
    {{"completeOnFlag"}, [](Definitions& d, RVDefinition&) { d[3]["complete"] = "file"; }, "option definition 4 ('quiet'): 'complete' is only for an option that takes a value ('argument') or an operand"},
    {{"completeBesideAccepts"}, [](Definitions& d, RVDefinition&) { d[6]["accepts"] = "choice"; d[6]["complete"] = "none"; }, "option definition 7 ('format'): 'complete' and 'accepts' exclude each other"},
    {{"completeUnknown"}, [](Definitions& d, RVDefinition&) { d[4]["complete"] = "files"; }, "option definition 5 ('file'): 'complete' must be \"file\", \"directory\" or \"none\""},
    {{"completeUnknownOnOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"complete", "File"}, {"help", "x"}}); }, "operand definition 8 ('in'): 'complete' must be"},
    {{"optionalOnFlag"}, [](Definitions& d, RVDefinition&) { d[3]["optional"] = "x"; }, "option definition 4 ('quiet'): 'optional' is only for an option that takes a value ('argument')"},
    {{"optionalEmpty"}, [](Definitions& d, RVDefinition&) { d[4]["optional"] = ""; }, "option definition 5 ('file'): 'optional' is empty"},
    {{"optionalNotAChoice"}, [](Definitions& d, RVDefinition&) { d[6]["accepts"] = "choice"; d[6]["optional"] = "xml"; }, "option definition 7 ('format'): 'optional': its value fails the option's 'accepts'"},
    {{"optionalOutOfRange"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 1..3"; d[4]["optional"] = "4"; }, "'optional': its value fails the option's 'accepts'"},
    {{"optionalControl"}, [](Definitions& d, RVDefinition&) { d[4]["optional"] = "a\tb"; }, "option definition 5 ('file'): 'optional' holds a control character at byte 2"},
    {{"optionalOnOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"optional", "x"}, {"help", "x"}}); }, "operand definition 8 ('in'): an operand has only the keys"},
    // Options that exclude each other.
    {{"excludesUnknown"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "file loud"; }, "option definition 4 ('quiet'): 'excludes': 'loud' is no option of the table"},
    {{"excludesItself"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "quiet"; }, "option definition 4 ('quiet'): 'excludes': an option cannot exclude itself"},
    {{"excludesOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"help", "x"}}); d[3]["excludes"] = "in"; }, "option definition 4 ('quiet'): 'excludes': 'in' is an operand"},
    {{"excludesStandard"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "file help"; }, "option definition 4 ('quiet'): 'excludes': 'help' is a standard option"},
    {{"standardExcludes"}, [](Definitions& d, RVDefinition&) { d[2]["excludes"] = "quiet"; }, "option definition 3 ('verbose'): 'excludes': 'verbose' is a standard option"},
    {{"excludesTwice"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "file format file"; }, "option definition 4 ('quiet'): 'excludes': 'file' is listed twice"},
    {{"excludesTwoSpaces"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "file  format"; }, "option definition 4 ('quiet'): 'excludes' must be names separated by single spaces"},
    {{"excludesLeadingSpace"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = " file"; }, "'excludes' must be names separated by single spaces"},
    {{"excludesTrailingSpace"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = "file "; }, "'excludes' must be names separated by single spaces"},
    {{"excludesEmpty"}, [](Definitions& d, RVDefinition&) { d[3]["excludes"] = ""; }, "'excludes' must be names separated by single spaces"},
    {{"excludesFirstFaultInTableOrder"}, [](Definitions& d, RVDefinition&) { d[6]["excludes"] = "x"; d[4]["excludes"] = "y"; }, "option definition 5 ('file'): 'excludes': 'y' is no option"},
    // The app definition.
    {{"executableWithSlash"}, [](Definitions&, RVDefinition& app) { app["executable"] = "../escaped"; }, "app definition: 'executable' must be a command name: a letter or digit, then letters, digits, '.', '_', '+' or '-'"},
    {{"executableWithSpace"}, [](Definitions&, RVDefinition& app) { app["executable"] = "sigctl set"; }, "'executable' must be a command name"},
    {{"executableWithLeadingDash"}, [](Definitions&, RVDefinition& app) { app["executable"] = "-x"; }, "'executable' must be a command name"},
    {{"executableWithQuote"}, [](Definitions&, RVDefinition& app) { app["executable"] = "t'l"; }, "'executable' must be a command name"},
    {{"emptyDescription"}, [](Definitions&, RVDefinition& app) { app["description"] = ""; }, "app definition: 'description' is empty"},
    {{"descriptionControl"}, [](Definitions&, RVDefinition& app) { app["description"] = "checks\nthem"; }, "app definition: 'description' holds a control character at byte 7"},
    {{"appOptionsUnknown"}, [](Definitions&, RVDefinition& app) { app["options"] = "first"; }, "app definition: 'options' must be \"anywhere\" or \"before-operands\""},
    {{"appOptionsWithCommands"}, [](Definitions& d, RVDefinition& app) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); app["options"] = "before-operands"; }, "app definition: 'options' is for a tool without commands: give it on a command"},
    // An operand entry is called one, whatever its fault.
    {{"operandBadNameCalledOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "Input"}, {"operand", "FILE"}, {"help", "x"}}); }, "operand definition 8 ('Input'): 'name' must be"},
    {{"operandUnknownKeyCalledOperand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "FILE"}, {"hlep", "x"}}); }, "operand definition 8 ('in'): unknown key 'hlep'"},
    // Commands.
    {{"commandWithLong"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"long", "--go"}, {"help", "x"}}); }, "command definition 8 ('go'): a command has only the keys 'name', 'command', 'help' and 'options'"},
    {{"commandNotItsName"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "run"}, {"help", "x"}}); }, "command definition 8 ('go'): 'command' must be the name"},
    {{"commandBadName"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "Go"}, {"command", "Go"}, {"help", "x"}}); }, "command definition 8 ('Go'): 'name' must be"},
    {{"commandWithoutHelp"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}}); }, "command definition 8 ('go'): 'help' is missing"},
    {{"commandOptionsUnknown"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"options", "last"}, {"help", "x"}}); }, "command definition 8 ('go'): 'options' must be \"anywhere\" or \"before-operands\""},
    {{"commandTwice"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "go"}, {"command", "go"}, {"help", "y"}}); }, "command definition 9 ('go'): the name is defined twice"},
    {{"ofNoCommand"}, [](Definitions& d, RVDefinition&) { d[3]["of"] = "go"; }, "option definition 4 ('quiet'): 'of': 'go' is no command of the table"},
    {{"ofNamesAnOption"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "in"}, {"operand", "IN"}, {"of", "quiet"}, {"help", "x"}}); }, "operand definition 9 ('in'): 'of': 'quiet' is no command of the table"},
    {{"operandOfTheToolBesideCommands"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"help", "x"}}); d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); }, "operand definition 8 ('in'): a table with commands has no operands of its own"},
    {{"optionNamedLikeACommand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "quiet"}, {"command", "quiet"}, {"help", "x"}}); }, "option definition 4 ('quiet'): the name is a command's"},
    {{"commandOptionNamedLikeACommand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "stop"}, {"command", "stop"}, {"help", "x"}}); d.push_back({{"name", "stop"}, {"long", "--stop"}, {"of", "go"}, {"help", "x"}}); }, "option definition 10 ('stop'): the name is a command's"},
    {{"operandNamedLikeACommand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "go"}, {"operand", "GO"}, {"of", "go"}, {"help", "x"}}); }, "operand definition 9 ('go'): the name is a command's"},
    {{"standardOfACommand"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d[2]["of"] = "go"; }, "option definition 3 ('verbose'): a standard option of the service is global"},
    {{"commandOptionNamedLikeAGlobalOne"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "quiet"}, {"long", "--quiet"}, {"of", "go"}, {"help", "x"}}); }, "option definition 9 ('quiet'): the name is defined twice"},
    {{"commandOptionTwice"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "all"}, {"long", "--all"}, {"of", "go"}, {"help", "x"}}); d.push_back({{"name", "all"}, {"long", "--all"}, {"of", "go"}, {"help", "y"}}); }, "option definition 10 ('all'): the name is defined twice"},
    {{"commandOptionTakesHelpsLetter"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "hard"}, {"short", "-h"}, {"long", "--hard"}, {"of", "go"}, {"help", "x"}}); }, "option definition 9 ('hard'): the short form is defined twice"},
    {{"commandOperandNamedLikeItsOption"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "all"}, {"long", "--all"}, {"of", "go"}, {"help", "x"}}); d.push_back({{"name", "all"}, {"operand", "ALL"}, {"of", "go"}, {"help", "x"}}); }, "operand definition 10 ('all'): the name is defined twice"},
    {{"commandExcludesAnotherPart"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "go"}, {"command", "go"}, {"help", "x"}}); d.push_back({{"name", "all"}, {"long", "--all"}, {"of", "go"}, {"excludes", "quiet"}, {"help", "x"}}); }, "option definition 9 ('all'): 'excludes': 'quiet' is no option of this command"},
};
// clang-format on

using BadTableCases = testing::TestWithParam<BadTableCase>;

TEST_P(BadTableCases, isRejectedAsAProgrammingError)
{
    Definitions definitions = testDefinitions();
    RVDefinition app = testApp();
    GetParam().spoil(definitions, app);
    expectDefinitionError([&] { RVOptionTable(std::move(definitions), std::move(app)); },
                          GetParam().complaint);
}

INSTANTIATE_TEST_SUITE_P(OptionTable, BadTableCases, testing::ValuesIn(badTableCases), rowName);

struct GoodTableCase : NamedRow<GoodTableCase>
{
    std::function<void(Definitions&, RVDefinition&)> change;
    std::function<void(const RVOptionTable&)> expect;
};

using Check = RVValueCheck::Kind;
using Words = std::vector<std::string_view>;
constexpr auto int64Min = std::numeric_limits<std::int64_t>::min();
constexpr auto int64Max = std::numeric_limits<std::int64_t>::max();

// clang-format off
const GoodTableCase goodTableCases[] = {
    {{"operandsAndCheckedValues"}, [](Definitions& d, RVDefinition&) { d = operandDefinitions(); }, [](const RVOptionTable& t) {
        ASSERT_EQ(t.operands().size(), 1U);
        EXPECT_EQ(t.operands()[0].word, "FILE");
        EXPECT_TRUE(t.operands()[0].repeatable && !t.operands()[0].optional && t.operandMinimum() == 1 && t.checksValues());
        EXPECT_EQ(t.option(3).check.kind, Check::integer);
        EXPECT_EQ(t.option(3).check.minimum, 1);
        EXPECT_EQ(t.option(3).check.maximum, 1000);
        EXPECT_EQ(t.option(4).check.choices, (Words{"text", "csv", "json"}));
        EXPECT_EQ(t.findLong("file"), RVOptionTable::none); }},
    {{"noOperandNoCheck"}, [](Definitions&, RVDefinition&) {}, [](const RVOptionTable& t) { EXPECT_TRUE(t.operands().empty() && !t.checksValues() && t.option(6).check.kind == Check::anything); }},
    {{"integerAtMostZero"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer ..0"; }, [](const RVOptionTable& t) { EXPECT_TRUE(!t.option(4).check.minimum && t.option(4).check.maximum == 0 && t.checksValues()); }},
    {{"integerAtLeastOne"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer 1.."; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.option(4).check.minimum == 1 && !t.option(4).check.maximum); }},
    {{"integerAny"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.option(4).check.kind == Check::integer && !t.option(4).check.minimum && !t.option(4).check.maximum); }},
    {{"integerWhole64Bits"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer -9223372036854775808..9223372036854775807"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.option(4).check.minimum == int64Min && t.option(4).check.maximum == int64Max); }},
    {{"integerOneValueSigned"}, [](Definitions& d, RVDefinition&) { d[4]["accepts"] = "integer +5..+5"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.option(4).check.minimum == 5 && t.option(4).check.maximum == 5); }},
    {{"choicesWithNotesAndBraces"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a {x} | {b} (default) |c|  d  }"; d[6]["accepts"] = "choice"; }, [](const RVOptionTable& t) { EXPECT_EQ(t.option(6).check.choices, (Words{"a", "{b}", "c", "d"})); }},
    {{"nineChoices"}, [](Definitions& d, RVDefinition&) { d[6]["argument"] = "{a | b | c | d | e | f | g | h | i}"; d[6]["accepts"] = "choice"; }, [](const RVOptionTable& t) { EXPECT_EQ(t.option(6).check.choices, (Words{"a", "b", "c", "d", "e", "f", "g", "h", "i"})); }},
    {{"runAsHoldsAnything"}, [](Definitions&, RVDefinition& app) { app["run-as"] = "./t\x1b\xe9\n"; }, [](const RVOptionTable& t) { EXPECT_EQ(t.app().runAs, "./t\x1b\xe9\n"); }},
    {{"utf8Texts"}, [](Definitions& d, RVDefinition& app) { d[4]["help"] = "na\xc3\xafve grouping \xe2\x86\x92 one bucket\xc2\xa0\xf4\x8f\xbf\xbf"; d[4]["argument"] = "fich\xc3\xa9"; app["copyright"] = "(C) J\xc3\xb6rg"; }, {}},
    {{"printableAtEveryLength"}, [](Definitions& d, RVDefinition& app) { d[3]["help"] = "0123456789abcdef"; d[4]["help"] = "~"; d[5]["help"] = "0123456789abcdef!"; d[6]["help"] = " ~  "; app["version"] = "12345678"; }, {}},
    {{"optionalThenRepeatableOperands"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "a"}, {"operand", "[A]"}, {"help", "x"}}); d.push_back({{"name", "b"}, {"operand", "B_1-x..."}, {"help", "x"}}); d.push_back({{"name", "c"}, {"operand", "C"}, {"help", "x"}}); }, [](const RVOptionTable& t) { EXPECT_EQ(t.operandMinimum(), 2U); EXPECT_EQ(t.operands()[1].word, "B_1-x"); }},
    {{"optionalOperandsOnly"}, [](Definitions& d, RVDefinition&) { d.push_back({{"name", "a"}, {"operand", "[A]"}, {"help", "x"}}); d.push_back({{"name", "b"}, {"operand", "[B]..."}, {"help", "x"}}); }, [](const RVOptionTable& t) { EXPECT_TRUE(t.operandMinimum() == 0 && t.operands()[1].optional && t.operands()[1].repeatable && !t.operands()[0].repeatable); }},
    {{"namesOfWordsAndDigits"}, [](Definitions& d, RVDefinition&) { d[3] = {{"name", "ipv4-only-2"}, {"long", "--ipv4-only-2"}, {"help", "x"}}; }, {}},
    {{"toolsOwnStandardOptions"}, [](Definitions& d, RVDefinition&) { d[2]["standard"] = "no"; d[2]["argument"] = "LEVEL"; d[0]["standard"] = "no"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.verboseIndex() == RVOptionTable::none && t.helpIndex() == RVOptionTable::none && t.versionIndex() == 1 && t.option(2).takesValue); }},
    {{"optionalValueAndCompletion"}, [](Definitions& d, RVDefinition&) { d[6]["accepts"] = "choice"; d[6]["optional"] = "json"; d[4]["complete"] = "directory"; d[5]["complete"] = "none"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.option(6).valueIsOptional && t.option(6).defaultValue == "json" && t.global().hasOptionalValues() && !t.option(4).valueIsOptional && t.option(4).completion == RVCompletion::directory && t.option(5).completion == RVCompletion::none && t.option(6).completion == RVCompletion::byPlaceholder); }},
    {{"exclusionsBothWaysInTableOrder"}, [](Definitions& d, RVDefinition&) { d[6]["excludes"] = "quiet"; d[3]["excludes"] = "format file-name"; d[4]["excludes"] = "quiet"; }, [](const RVOptionTable& t) { EXPECT_EQ(t.option(3).excludes, (std::vector<int>{4, 5, 6})); EXPECT_EQ(t.option(6).excludes, std::vector<int>{3}); EXPECT_EQ(t.option(4).excludes, std::vector<int>{3}); EXPECT_TRUE(t.option(0).excludes.empty() && t.global().hasExclusions()); }},
    {{"noNewKeysNothingToPayFor"}, [](Definitions&, RVDefinition&) {}, [](const RVOptionTable& t) { EXPECT_TRUE(!t.global().hasExclusions() && !t.global().hasOptionalValues() && !t.global().optionsBeforeOperands() && !t.hasCommands() && t.findCommand("help") == RVOptionTable::none); }},
    {{"optionsBeforeOperands"}, [](Definitions& d, RVDefinition& app) { d.push_back({{"name", "in"}, {"operand", "IN"}, {"complete", "file"}, {"help", "x"}}); app["options"] = "before-operands"; app["description"] = "does it"; }, [](const RVOptionTable& t) { EXPECT_TRUE(t.global().optionsBeforeOperands() && t.operands()[0].completion == RVCompletion::file && t.app().description == "does it"); }},
    {{"commandNamesAndParts"}, [](Definitions& d, RVDefinition&) {
        d.push_back({{"name", "all"}, {"short", "-q"}, {"long", "--all"}, {"of", "set"}, {"help", "x"}});
        d.push_back({{"name", "list"}, {"command", "list"}, {"help", "lists"}});
        d.push_back({{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "sets"}});
        d.push_back({{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "list"}, {"help", "x"}});
        d.push_back({{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "set"}, {"excludes", "all"}, {"help", "x"}});
        d.push_back({{"name", "value"}, {"operand", "VALUE"}, {"of", "set"}, {"help", "x"}});
        d.push_back({{"name", "verbose"}, {"long", "--verbose"}, {"standard", "no"}, {"of", "list"}, {"help", "x"}});
        d.erase(d.begin() + 2); }, [](const RVOptionTable& t) {
        ASSERT_EQ(t.commands().size(), 2U);
        EXPECT_EQ(t.findCommand("list"), 1);
        EXPECT_EQ(t.findCommand("set"), 2);
        EXPECT_EQ(t.findCommand("lis"), RVOptionTable::none);
        const RVOptionPart& list = t.part(1);
        const RVOptionPart& set = t.part(2);
        EXPECT_TRUE(list.command() == "list" && list.help() == "lists" && !list.optionsBeforeOperands() && set.optionsBeforeOperands());
        ASSERT_EQ(list.options().size(), 3U);
        EXPECT_TRUE(list.option(0).name == "force" && list.option(1).name == "verbose" && list.option(2).name == "help" && list.helpIndex() == 2 && list.verboseIndex() == RVOptionTable::none);
        EXPECT_TRUE(set.option(0).name == "all" && set.option(1).name == "force" && set.findShort('h') == 2 && set.findShort('q') == 0 && set.operands().size() == 1 && set.operandMinimum() == 1);
        EXPECT_EQ(set.option(0).excludes, std::vector<int>{1});
        EXPECT_TRUE(t.global().findLong("force") == RVOptionTable::none && t.options().size() == 6 && t.operands().empty()); }},
};
// clang-format on

using GoodTableCases = testing::TestWithParam<GoodTableCase>;

TEST_P(GoodTableCases, isAccepted)
{
    Definitions definitions = testDefinitions();
    RVDefinition app = testApp();
    GetParam().change(definitions, app);
    const RVOptionTable table(std::move(definitions), std::move(app));
    if (GetParam().expect) {
        GetParam().expect(table);
    }
}

INSTANTIATE_TEST_SUITE_P(OptionTable, GoodTableCases, testing::ValuesIn(goodTableCases), rowName);

TEST(OptionTable, everyLetterAndDigitIsAShortFormAndStandardOptionsAreOptional)
{
    const RVOptionTable table(
        {{{"name", "ipv4"}, {"short", "-4"}, {"long", "--ipv4"}, {"help", "x"}},
         {{"name", "zone"}, {"short", "-Z"}, {"long", "--zone"}, {"help", "x"}},
         {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"help", "x"}}},
        {{"executable", "t"}, {"version", "1"}});
    EXPECT_EQ(table.findShort('4'), 0);
    EXPECT_EQ(table.findShort('Z'), 1);
    EXPECT_EQ(table.findShort('a'), 2);
    EXPECT_EQ(table.helpIndex(), RVOptionTable::none);
}

// Long names are looked up by their first two characters; "aa" and "ii"
// land in the same bucket, so both must still be told apart there.
TEST(OptionTable, longNamesAreFoundWhateverTheyShareABucketWith)
{
    const RVOptionTable table({{{"name", "aa"}, {"long", "--aa"}, {"help", "x"}},
                               {{"name", "ii"}, {"long", "--ii"}, {"help", "x"}},
                               {{"name", "i"}, {"long", "--i"}, {"help", "x"}},
                               {{"name", "ii-x"}, {"long", "--ii-x"}, {"help", "x"}},
                               {{"name", "input"}, {"long", "--input"}, {"help", "x"}},
                               {{"name", "abcdefgh"}, {"long", "--abcdefgh"}, {"help", "x"}},
                               {{"name", "abcdefghi"}, {"long", "--abcdefghi"}, {"help", "x"}}},
                              {{"executable", "t"}, {"version", "1"}});
    const struct
    {
        const char* text;
        int exact;        // findLong
        int beforeEquals; // findLongBeforeEquals
    } rows[] = {
        {"aa", 0, 0},
        {"ii", 1, 1},
        {"i", 2, 2},
        {"ii-x", 3, 3},
        {"ii=v", -1, 1},
        {"i=v", -1, 2},
        {"ii-x=", -1, 3},
        {"ii-", -1, -1},
        {"iii", -1, -1},
        {"a", -1, -1},
        {"", -1, -1},
        {"=v", -1, -1},
        // Names of four to eight bytes are compared as two words of four.
        {"input=x", -1, 4},
        {"inpux", -1, -1},
        {"inbut", -1, -1},
        {"input", 4, 4},
        {"abcdefgh", 5, 5},
        {"abcdefgx", -1, -1},
        {"abcXefgh", -1, -1},
        {"abcdefghi", 6, 6},
        {"abcdefghX", -1, -1},
        {"abcdXfghi", -1, -1},
        {"abcdefgh=", -1, 5},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(table.findLong(row.text), row.exact) << row.text;
        EXPECT_EQ(table.findLongBeforeEquals(row.text), row.beforeEquals) << row.text;
    }
}

} // namespace
