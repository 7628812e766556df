#include "cmdline/docs/RVManPage.hpp"
#include "tests/testSupport.hpp"

#include <algorithm>

namespace {

struct ManTextCase : NamedRow<ManTextCase>
{
    std::string text;
    std::string expected;
};

// clang-format off
const ManTextCase manTextCases[] = {
    {{"plainWords"}, "shows the help screen", "shows the help screen"},
    {{"hyphensAreMinusSigns"}, "--input-format -", "\\-\\-input\\-format \\-"},
    {{"backslashIsNoEscape"}, "a\\fBb\\", "a\\(rsfBb\\(rs"},
    {{"leadingDotIsNoRequest"}, ".SH NAME", "\\&.SH NAME"},
    {{"leadingQuoteIsNoRequest"}, "'br", "\\&'br"},
    {{"leadingSpaceIsNoBreak"}, " x", "\\& x"},
    {{"lineBreakCannotStartARequest"}, "a\n.SH b\t\x7f", "a .SH b  "},
    {{"innerDotsAndQuotesStay"}, "a.b 'c' \"d\"", "a.b 'c' \"d\""},
    {{"nonAsciiAsGroffEscapes"}, "na\u00efve \u2192 \U0001f600 \U0010ffff", "na\\[u00EF]ve \\[u2192] \\[u1F600] \\[u10FFFF]"},
    {{"notUtf8AsQuestionMarks"}, "\xff\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe0\x80\xaf" "a\xe2\x86", "?????????????a??"},
    {{"c1ControlIsASpace"}, "a\xc2\x85\xc2\x9f\xc2\xa0", "a  \\[u00A0]"},
};
// clang-format on

using ManTextCases = testing::TestWithParam<ManTextCase>;

TEST_P(ManTextCases, escapes)
{
    EXPECT_EQ(rv::detail::manText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ManText, ManTextCases, testing::ValuesIn(manTextCases), rowName);

TEST(ManPage, wholePage)
{
    const RVManPageTexts texts{
        "does it", {"One.", "Two."}, {{"tl --format json", "As JSON."}}, "2026-01-02"};
    EXPECT_EQ(
        rv::renderManPage(testTable(), texts),
        ".\\\" The man page of tl, generated from its option definitions.\n"
        ".TH \"TL\" 1 \"2026-01-02\" \"tl 2.0\" \"User Commands\"\n"
        ".SH NAME\n"
        "tl \\- does it\n"
        ".SH SYNOPSIS\n"
        "\\fBtl\\fR [\\fIOPTION\\fR]...\n"
        ".SH DESCRIPTION\n"
        "One.\n"
        ".PP\n"
        "Two.\n"
        ".SH OPTIONS\n"
        "A value follows its option as the next word (\\fB\\-\\-name\\fR \\fIvalue\\fR,\n"
        "\\fB\\-x\\fR \\fIvalue\\fR) or joined to it (\\fB\\-\\-name\\fR=\\fIvalue\\fR,\n"
        "\\fB\\-x\\fR\\fIvalue\\fR); the word after an option that takes a value is that value\n"
        "even when it starts with a dash. Short options that take no value can be grouped\n"
        "(\\fB\\-xy\\fR).\n"
        ".TP\n\\fB\\-h\\fR, \\fB\\-\\-help\\fR\nshows the help screen\n"
        ".TP\n\\fB\\-V\\fR, \\fB\\-\\-version\\fR\nshows the version\n"
        ".TP\n\\fB\\-v\\fR, \\fB\\-\\-verbose\\fR\ntells how the command line was read\n"
        ".TP\n\\fB\\-q\\fR, \\fB\\-\\-quiet\\fR\nsays nothing\n"
        ".TP\n\\fB\\-f\\fR, \\fB\\-\\-file\\fR=\\fIfilename\\fR\nreads a file\n"
        ".TP\n\\fB\\-\\-file\\-name\\fR=\\fIname\\fR\nnames the entry to read\n"
        ".TP\n\\fB\\-F\\fR, \\fB\\-\\-format\\fR=\\fI{text (default) | json}\\fR\n"
        "sets the output format\n"
        ".SH \"COMMAND LINE\"\n"
        "If \\fB\\-h\\fR (\\fB\\-\\-help\\fR) or \\fB\\-V\\fR (\\fB\\-\\-version\\fR) stands on "
        "the\n"
        "line as an option, the first of them is acted on and the rest of the line is\n"
        "ignored, errors included. A word that is the value of an option, or that follows\n"
        "\\fB\\-\\-\\fR, is no option.\n"
        ".PP\n"
        "Long names are typed in full: a prefix of one, such as \\fB\\-\\-ver\\fR, is\n"
        "refused, and the message names the options it begins (\\fB\\-\\-version\\fR and\n"
        "\\fB\\-\\-verbose\\fR). A name misspelt by a letter or two is refused with the names\n"
        "it is close to.\n"
        ".PP\n"
        "A long name typed with one dash, such as \\fB\\-file\\fR, is refused rather than\n"
        "read as a group of short options.\n"
        ".PP\n"
        "\\fBtl\\fR takes no operands: a word that is neither an option nor the value of\n"
        "one is an error, and so is any word after \\fB\\-\\-\\fR, which ends the options.\n"
        ".PP\n"
        "With \\fB\\-v\\fR (\\fB\\-\\-verbose\\fR), \\fBtl\\fR tells on standard error how it "
        "read\n"
        "each argument, and which options were given more than once; it tells nothing\n"
        "when the line holds an error or \\fB\\-h\\fR (\\fB\\-\\-help\\fR) or \\fB\\-V\\fR\n"
        "(\\fB\\-\\-version\\fR) is acted on.\n"
        ".SH \"EXIT STATUS\"\n"
        ".TP\n.B 0\nsuccess, also after \\fB\\-\\-help\\fR or \\fB\\-\\-version\\fR\n"
        ".TP\n.B 1\na failure that is not the command line's fault: \\fB\\-\\-help\\fR or\n"
        "\\fB\\-\\-version\\fR could not write its text to standard output, or memory ran out\n"
        ".TP\n.B 2\nthe command line is wrong: an unknown option, a missing value, a value for an\n"
        "option that takes none, or a word that is not an option\n"
        ".SH EXAMPLES\n"
        ".EX\ntl \\-\\-format json\n.EE\n.RS 4\nAs JSON.\n.RE\n"
        ".SH VERSION\n"
        "This page describes \\fBtl\\fR version 2.0.\n"
        ".SH COPYRIGHT\n"
        "(C) the tl developers\n");
    expectDefinitionError(
        [] {
            rv::renderManPage(testTable(), {"does it", {}, {}, "12/08/2026"});
        },
        "YYYY-MM-DD");
}

// A table without the standard options: the page names none of them, and
// status 1 is left to memory running out. A word that a wrapped text line
// would start with a dot cannot become a request.
TEST(ManPage, withoutStandardOptionsNoneIsNamed)
{
    const RVOptionTable table({{{"name", "x"}, {"long", "--x"}, {"help", "x"}}},
                              {{"executable", "tl"}, {"version", "1"}});
    const std::string page =
        rv::renderManPage(table, {"does it", {std::string(79, 'a') + " .SH b"}, {}, ""});
    EXPECT_NE(page.find("\n" + std::string(79, 'a') + "\n\\&.SH b\n"), std::string::npos);
    EXPECT_NE(page.find(".B 0\nsuccess\n"), std::string::npos);
    EXPECT_NE(page.find(".B 1\na failure that is not the command line's fault: memory ran out\n"),
              std::string::npos);
    const std::size_t begin = page.find(".SH \"COMMAND LINE\"");
    const std::string rules = page.substr(begin, page.find(".SH \"EXIT STATUS\"") - begin);
    for (const char* unnamed : {"help", "version", "verbose", "such as"}) {
        EXPECT_EQ(rules.find(unnamed), std::string::npos) << unnamed;
    }
    EXPECT_EQ(page.find(".SH EXAMPLES"), std::string::npos);
    EXPECT_EQ(page.find(".SH COPYRIGHT"), std::string::npos);
}

std::string lowerCaseWord(std::string word)
{
    for (char& c : word) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return word;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A long command is broken between words into lines that fit the page,
// and undoing the line continuations gives back the command.
TEST(ManPage, exampleAsWideAsThePageStaysOnOneLine)
{
    const std::string command = "tl --format json --format json --format json --format json -h -q";
    const std::string page = rv::renderManPage(testTable(), {"does it", {}, {{command, ""}}, ""});
    EXPECT_NE(page.find(".EX\n" + rv::detail::manText(command) + "\n.EE\n"), std::string::npos);
    EXPECT_EQ(page.find(".SH DESCRIPTION"), std::string::npos);
}

TEST(ManPage, longExampleWrapsWithContinuations)
{
    std::string command = "tl";
    for (int turn = 0; turn < 8; ++turn) {
        command += turn % 2 ? " --format json" : " -f 'a b  c  d'|tl -h";
    }
    const std::string page = rv::renderManPage(testTable(), {"does it", {}, {{command, ""}}, ""});
    const std::size_t begin = page.find(".EX\n") + 4;
    const std::string block = page.substr(begin, page.find(".EE\n") - begin);
    EXPECT_EQ(replaced(block, " \\(rs\n        ", " "), rv::detail::manText(command) + '\n');
    for (std::size_t start = 0, end; (end = block.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string shown = replaced(block.substr(start, end - start), "\\", "");
        EXPECT_LE(shown.size(), 66u) << shown;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), '\'') % 2, 0) << shown;
    }
}

// What the page says of operands and checked values, row by row; page text
// with its line breaks undone.
struct OperandPageCase : NamedRow<OperandPageCase>
{
    std::vector<const char*> operands;
    bool checksValues;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

// clang-format off
const OperandPageCase operandPageCases[] = {
    {{"oneOrMore"}, {"FILE..."}, false, {"\\fBtl\\fR [\\fIOPTION\\fR]... \\fIFILE\\fR...\n.SH", ".SH OPERANDS .TP \\fIFILE\\fR... help of FILE... .SH \"COMMAND LINE\"", "in the order of the synopsis: \\fIFILE\\fR... takes one or more. Too few words for them is an error. .PP Options may stand before, between and after the operands. Every word after \\fB\\-\\-\\fR, which ends the options, is an operand, even one that starts with a dash, and so is a lone \\fB\\-\\fR; what it stands for is left to the entry of its operand.", "takes none, or a missing operand .SH", "If \\fB\\-\\-help\\fR stands on the line as an option, it is acted on"}, {"takes no operands", "no operand takes", "accept", "several", "optional", "first of them"}},
    {{"anyNumber"}, {"[FILE]..."}, true, {"[\\fIFILE\\fR]... takes any number. .PP Options", "refuses any other value", "takes none, or a value that the option does not accept .SH"}, {"Too few", "none of them", "operand ."}},
    {{"oneThenOptional"}, {"SOURCE", "[DEST]"}, false, {"\\fISOURCE\\fR takes exactly one and [\\fIDEST\\fR] takes at most one. Too few words for them is an error, and so is a word that none of them takes.", "a missing operand, or a word that no operand takes .SH"}, {"several", "optional"}},
    {{"optionalFirst"}, {"[FIRST]", "LAST"}, false, {"An optional operand takes a word only when enough remain for the operands after it."}, {"several"}},
    {{"severalFirst"}, {"SOURCE...", "MIDDLE", "DEST"}, false, {"An operand that takes several words takes all but those that the operands after it need. Too few words for them is an error. .PP"}, {"optional"}},
    {{"noOperand"}, {}, true, {"\\fBtl\\fR takes no operands", "does not accept, or a word that is not an option"}, {"OPERANDS", "synopsis"}},
};
// clang-format on

using OperandPageCases = testing::TestWithParam<OperandPageCase>;

TEST_P(OperandPageCases, statesTheRules)
{
    std::vector<RVDefinition> definitions = {
        {{"name", "help"}, {"long", "--help"}, {"help", "help"}},
        {{"name", "count"}, {"long", "--count"}, {"argument", "N"}, {"help", "count"}}};
    if (GetParam().checksValues) {
        definitions.back()["accepts"] = "integer";
    }
    for (const char* operand : GetParam().operands) {
        const std::string name = operand[0] == '[' ? operand + 1 : operand;
        definitions.push_back({{"name", lowerCaseWord(name.substr(0, name.find_first_of("].")))},
                               {"operand", operand},
                               {"help", std::string("help of ") + operand}});
    }
    const RVOptionTable table(std::move(definitions), {{"executable", "tl"}, {"version", "1"}});
    const std::string page = replaced(rv::renderManPage(table, {"does it", {}, {}, ""}), "\n", " ");
    for (const std::string& text : GetParam().present) {
        EXPECT_NE(page.find(replaced(text, "\n", " ")), std::string::npos) << text << "\n" << page;
    }
    for (const std::string& text : GetParam().absent) {
        EXPECT_EQ(page.find(text), std::string::npos) << text << "\n" << page;
    }
}

INSTANTIATE_TEST_SUITE_P(ManPage, OperandPageCases, testing::ValuesIn(operandPageCases), rowName);

// The page of a table with operands, every kind of range and a text outside
// ASCII, through plain groff, groff for a UTF-8 terminal and mandoc's lint.
TEST(ManPage, operandsAndRangesThroughTheTools)
{
    std::vector<RVDefinition> definitions = operandDefinitions();
    definitions.back()["help"] = "na\u00efve grouping \u2192 one bucket per SLS";
    for (const char* range : {"..-1", "-5..", ""}) {
        const std::string name = std::string("range") + std::to_string(definitions.size());
        definitions.push_back({{"name", name},
                               {"long", "--" + name},
                               {"argument", "N"},
                               {"accepts", range[0] ? std::string("integer ") + range : "integer"},
                               {"help", "a range"}});
    }
    const RVOptionTable table(std::move(definitions), {{"executable", "hexcut"}, {"version", "1"}});
    const std::string page =
        rv::renderManPage(table, {"cuts \u201chex\u201d",
                                  {},
                                  {{"hexcut -n 5 -o csv 'a b.hex' \"$d\"/*.hex | less", ""}},
                                  "2026-01-02"});
    for (const char* text :
         {"stops after N packets\n.br\nThe value is an integer from 1 to 1000.\n",
          "The value is one of \\fBtext\\fR, \\fBcsv\\fR or \\fBjson\\fR.\n", "of at most \\-1.\n",
          "of at least \\-5.\n", "a range\n.br\nThe value is an integer.\n"}) {
        EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
    }
    const ShellFolder folder;
    folder.write("hexcut.1", page);
    EXPECT_EQ(folder.run("groff -man -ww -z hexcut.1"), std::vector<std::string>{});
    EXPECT_EQ(folder.run("mandoc -Tlint -W all hexcut.1"), std::vector<std::string>{});
    EXPECT_EQ(folder.run("groff -man -Tutf8 hexcut.1 | grep -c -e 'cuts \u201chex\u201d$' "
                         "-e '^ *na\u00efve grouping \u2192 one bucket per SLS$'"),
              std::vector<std::string>{"2"});
}

// A tool with commands, whose command set reads its options before its
// operands, with an optional value, a checked integer and an exclusion.
RVOptionTable commandTable()
{
    // clang-format off
    return RVOptionTable({
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the version"}},
        {{"name", "socket"}, {"short", "-S"}, {"long", "--socket"}, {"argument", "PATH"}, {"help", "where"}},
        {{"name", "set"}, {"command", "set"}, {"options", "before-operands"}, {"help", "sets a key"}},
        {{"name", "force"}, {"short", "-f"}, {"long", "--force"}, {"of", "set"}, {"help", "even so"}},
        {{"name", "dry-run"}, {"short", "-n"}, {"long", "--dry-run"}, {"excludes", "force"}, {"of", "set"}, {"help", "only says"}},
        {{"name", "color"}, {"short", "-c"}, {"long", "--color"}, {"argument", "{always | never}"}, {"accepts", "choice"}, {"optional", "never"}, {"of", "set"}, {"help", "colours"}},
        {{"name", "retries"}, {"short", "-r"}, {"long", "--retries"}, {"argument", "N"}, {"accepts", "integer -1.."}, {"of", "set"}, {"help", "tries"}},
        {{"name", "link"}, {"operand", "LINK"}, {"of", "set"}, {"help", "the link"}},
        {{"name", "rest"}, {"operand", "KEY"}, {"of", "set"}, {"help", "the key"}},
        {{"name", "list"}, {"command", "list"}, {"help", "lists them"}},
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"of", "list"}, {"help", "all"}},
        {{"name", "format"}, {"short", "-o"}, {"long", "--format"}, {"argument", "{text | json}"}, {"accepts", "choice"}, {"of", "list"}, {"help", "how"}},
        {{"name", "pattern"}, {"operand", "[PATTERN]..."}, {"of", "list"}, {"help", "which"}},
    }, {{"executable", "sc"}, {"version", "1"}});
    // clang-format on
}

// The table of completionShapes() that this executable is named after.
RVOptionTable shape(std::string_view executable)
{
    std::vector<RVOptionTable> shapes = completionShapes();
    return std::move(*std::find_if(shapes.begin(), shapes.end(), [executable](const auto& table) {
        return table.app().executable == executable;
    }));
}

RVOptionTable ownHelpTable()
{
    return RVOptionTable({{{"name", "help"}, {"long", "--help"}, {"standard", "no"}, {"help", "h"}},
                          {{"name", "verbose"}, {"long", "--verbose"}, {"help", "v"}},
                          {{"name", "version"}, {"long", "--version"}, {"help", "v"}},
                          {{"name", "ver"}, {"long", "--ver"}, {"help", "v"}},
                          {{"name", "force"}, {"long", "--force"}, {"help", "f"}},
                          {{"name", "format"}, {"long", "--format"}, {"help", "f"}}},
                         {{"executable", "own"}, {"version", "1"}});
}

// What the page says for a table and its texts, row by row; page text with
// its line breaks kept, and the titles of its sections in order.
struct PageCase : NamedRow<PageCase>
{
    RVOptionTable (*table)();
    RVManPageTexts texts;
    std::vector<std::string> present;
    std::vector<std::string> absent;
    std::vector<std::string> sections = {}; // every .SH and .SS line, when given
};

// clang-format off
const PageCase pageCases[] = {
    {{"optionalValueAndExclusions"}, [] { return shape("wrap"); }, {"does it", {}, {}, ""}, {"\\fB\\-c\\fR, \\fB\\-\\-color\\fR[=\\fI{always | it's}\\fR]\ncolours it\n.br\nWithout a value it is \\fBalways\\fR.\n", "The value is an integer from 0 to 9. Without a value it is \\fB3\\fR. It cannot be\ngiven with \\fB\\-\\-append\\fR.\n", "adds\n.br\nIt cannot be given with \\fB\\-\\-level\\fR or \\fB\\-\\-truncate\\fR.\n", "grouped\n(\\fB\\-xy\\fR). An optional value, shown in brackets", "Options come before the operands: the first operand ends them, and so does\n\\fB\\-\\-\\fR. Every word after either is an operand, even one that starts with a\ndash, and so is", "does not accept, an option given\nwith one that it cannot be given with, or a missing operand\n"}, {"standard error", "such as \\fB\\-\\-help"}},
    {{"noOptionalValueNoBrackets"}, [] { return testTable(); }, {"does it", {}, {}, ""}, {"(\\fB\\-xy\\fR).\n.TP"}, {"optional", "cannot be given"}},
    {{"onlyTheServicesStandardOptions"}, ownHelpTable, {"does it", {}, {}, ""}, {"If \\fB\\-\\-version\\fR stands on the line as an option, it is acted on", "success, also after \\fB\\-\\-version\\fR\n", "With \\fB\\-\\-verbose\\fR, \\fBown\\fR tells", "such as \\fB\\-\\-for\\fR, is\nrefused, and the message names the options it begins (\\fB\\-\\-force\\fR and\n\\fB\\-\\-format\\fR)"}, {"help\\fR or", "help\\fR) or", "\\-\\-ver\\fR,"}},
    {{"commands"}, commandTable, {"does it", {}, {}, ""}, {".SH SYNOPSIS\n\\fBsc\\fR [\\fIOPTION\\fR]... \\fBset\\fR [\\fIOPTION\\fR]... \\fILINK\\fR \\fIKEY\\fR\n.br\n\\fBsc\\fR [\\fIOPTION\\fR]... \\fBlist\\fR [\\fIOPTION\\fR]... [\\fIPATTERN\\fR]...\n.SH", "(\\fB\\-xy\\fR). An optional value", "where\n.SH COMMANDS\n", ".SS set\n\\fBsc\\fR [\\fIOPTION\\fR]... \\fBset\\fR [\\fIOPTION\\fR]... \\fILINK\\fR \\fIKEY\\fR\n.PP\nsets a key\n.TP\n\\fB\\-f\\fR", "\\fB\\-\\-color\\fR[=\\fI{always | never}\\fR]\ncolours\n.br\nThe value is one of \\fBalways\\fR or \\fBnever\\fR. Without a value it is\n\\fBnever\\fR.\n", "only says\n.br\nIt cannot be given with \\fB\\-\\-force\\fR.\n.TP", ".TP\n\\fILINK\\fR\nthe link\n.TP\n\\fIKEY\\fR\nthe key\n.SS list\n", "that word is the command. They end at \\fB\\-\\-\\fR\ntoo", "command. \\fB\\-h\\fR (\\fB\\-\\-help\\fR) given after the command shows the help of\nthat command. \\fB\\-V\\fR (\\fB\\-\\-version\\fR) is given before the command only.\n", "The options of \\fBlist\\fR may stand before, between and after its operands.", "The options of \\fBset\\fR come before its operands", "such as \\fB\\-\\-help\\fR,", "\\fBOPTIONS\\fR or \\fBCOMMANDS\\fR states", "a missing or unknown command, a global\noption after the command, a missing operand, or a word that no operand takes\n"}, {"OPERANDS", "not an option\n"}, {".SH NAME", ".SH SYNOPSIS", ".SH OPTIONS", ".SH COMMANDS", ".SS set", ".SS list", ".SH \"COMMAND LINE\"", ".SH \"EXIT STATUS\"", ".SH VERSION"}},
    {{"continuationBeforeAQuotedWord"}, [] { return testTable(); }, {"does it", {}, {{"tl -q\\\n -f \\\n'a b' -q\\\n", ""}}, ""}, {".EX\ntl \\-q \\-f 'a b' \\-q\n.EE\n"}, {"\\(rs"}},
    {{"helpWithoutVersion"}, [] { return shape("ctl"); }, {"does it", {}, {}, ""}, {"command. \\fB\\-h\\fR (\\fB\\-\\-help\\fR) given after the command shows the help of\nthat command.\n"}, {"before the command only"}},
    {{"textsFileSections"}, [] { return testTable(); }, {"does it", {"na\u00efve a-b c\\d", std::string(79, 'a') + " 'quoted"}, {{"tl -q", ""}}, "", {{"TL_HOME", "where \"-\" is"}}, {{"~/.tl", "its settings"}}, {{"7", "seven"}, {"0", "nothing to do"}, {"3", "three"}}, {{"groff", "1"}, {"tl.conf", "5"}}}, {"\nna\\[u00EF]ve a\\-b c\\(rsd\n", "\n\\&'quoted\n", ".B 0\nsuccess, also after \\fB\\-\\-help\\fR or \\fB\\-\\-version\\fR\n.br\nnothing to do\n.TP\n.B 1\n", "not an option\n.TP\n.B 3\nthree\n.TP\n.B 7\nseven\n.SH", ".SH ENVIRONMENT\n.TP\n\\fBTL_HOME\\fR\nwhere \"\\-\" is\n.SH FILES\n.TP\n\\fI~/.tl\\fR\nits settings\n.SH EXAMPLES", ".SH \"SEE ALSO\"\n\\fBgroff\\fR(1), \\fBtl.conf\\fR(5)\n"}, {}, {".SH NAME", ".SH SYNOPSIS", ".SH DESCRIPTION", ".SH OPTIONS", ".SH \"COMMAND LINE\"", ".SH \"EXIT STATUS\"", ".SH ENVIRONMENT", ".SH FILES", ".SH EXAMPLES", ".SH VERSION", ".SH COPYRIGHT", ".SH \"SEE ALSO\""}},
};
// clang-format on

using PageCases = testing::TestWithParam<PageCase>;

TEST_P(PageCases, says)
{
    const std::string page = rv::renderManPage(GetParam().table(), GetParam().texts);
    for (const std::string& text : GetParam().present) {
        EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
    }
    for (const std::string& text : GetParam().absent) {
        EXPECT_EQ(page.find(text), std::string::npos) << text << "\n" << page;
    }
    std::vector<std::string> sections;
    for (std::size_t at = 0; (at = page.find("\n.S", at)) != std::string::npos; ++at) {
        sections.push_back(page.substr(at + 1, page.find('\n', at + 1) - at - 1));
    }
    if (!GetParam().sections.empty()) {
        EXPECT_EQ(sections, GetParam().sections);
    }
}

INSTANTIATE_TEST_SUITE_P(ManPage, PageCases, testing::ValuesIn(pageCases), rowName);

// Every table shape's page, with every section of the texts file, reads
// without a word through groff's and mandoc's checks.
TEST(ManPage, everyShapeThroughGroffAndMandoc)
{
    const RVManPageTexts texts{"does it",
                               {"it"},
                               {},
                               "2026-01-02",
                               {{"A_B", "a"}},
                               {{"/etc/x", "x"}},
                               {{"0", "ok"}, {"9", "nine"}},
                               {{"groff", "1"}}};
    const auto render = [&texts](const RVOptionTable& table) {
        return rv::renderManPage(table, texts);
    };
    expectValidForEveryShape(render, "groff -man -ww -z");
    expectValidForEveryShape(render, "mandoc -Tlint -W all");
}

struct ExampleCase : NamedRow<ExampleCase>
{
    std::string command;
    std::string error; // empty when the example is accepted
    enum Table
    {
        test,
        operands,
        checksOnly,
        commands
    } table = test; // operandTable(), it without operands, or commandTable()
};

// clang-format off
const ExampleCase exampleCases[] = {
    {{"optionsOfTheTable"}, "tl -h --format=json --format text", ""},
    {{"afterAPipe"}, "cat x | tl --format json", ""},
    {{"beforeARedirection"}, "tl --format json < in > out", ""},
    {{"operatorEndsAWord"}, "tl -h|less", ""},
    {{"checkedUpToTheOperator"}, "tl --bogus|less", "example 1: tl: unrecognized option '--bogus'"},
    {{"unknownOption"}, "tl --formt json", "example 1: tl: unrecognized option '--formt'"},
    {{"missingValue"}, "tl --format", "example 1: tl: option '--format' requires an argument"},
    {{"strayWord"}, "tl json", "example 1:"},
    {{"notTheTool"}, "other --format json", "example 1: it does not run 'tl'"},
    {{"singleQuotes"}, "tl -f 'tuesday file.hex' --format json", ""},
    {{"doubleQuotesAndExpansion"}, "tl -f \"$HOME/my caps/a.pcap\" -q", ""},
    {{"escapedBlank"}, "tl -f a\\ b.pcap -q", ""},
    {{"quotedOptionIsAnOption"}, "tl '-h' \"--format\"=json", ""},
    {{"escapedOptionIsChecked"}, "tl \\--bogus", "example 1: tl: unrecognized option '--bogus'"},
    {{"assignmentsAndRedirections"}, "LC_ALL=C tl -q 2>/dev/null <in -f 2>&1 a >>out", ""},
    {{"itsOwnCommandOnly"}, "tl -q && tl --bogus; tl --bogus & tl --bogus || tl --bogus", ""},
    {{"commentEndsTheLine"}, "tl -h # not --bogus", ""},
    {{"joinedExpansions"}, "tl --file=$F -f\"$F\" --format \"$(cat f)\" -f ${a} -f `ls` -f $'a\\'b c'", ""},
    {{"nestedQuotes"}, "tl -f \"$(echo \")\" 'a)')\" -f <(zcat 'a b') -f $((1 + 2))", ""},
    {{"expansionIsNoOption"}, "tl $OPTS", "example 1: tl: extra operand '$OPTS'"},
    {{"expansionAfterFlags"}, "tl -q\"$x\"", "example 1: tl: extra operand ' -q\"$x\"'"},
    {{"expansionAfterUnknownLetter"}, "tl -qx$x", "example 1: tl: invalid option -- 'x'"},
    {{"expansionInUnknownName"}, "tl --bogus=$x", "example 1: tl: unrecognized option '--bogus=$x'"},
    {{"expansionInOneDashName"}, "tl -file=$x", "example 1: tl: unrecognized option '-file='"},
    {{"expansionForAFlag"}, "tl --quiet=$x", "example 1: tl: option '--quiet' doesn't allow an argument"},
    {{"quotedNameIsNotTheTool"}, "'tl' --bogus", "example 1: it does not run 'tl'"},
    {{"redirectionTargetIsNotTheTool"}, "cat >tl; tl --bogus", "example 1: tl: unrecognized option '--bogus'"},
    {{"quotedOperatorIsAWord"}, "tl -q '|' less", "example 1: tl: extra operand '|'"},
    {{"openSingleQuote"}, "tl -f 'a", "example 1: a single quote is not closed"},
    {{"openAnsiQuote"}, "tl -f $'a\\'", "example 1: a single quote is not closed"},
    {{"openDoubleQuote"}, "tl -f \"a\\\"", "example 1: a double quote is not closed"},
    {{"openSubstitution"}, "tl -f \"$(ls)\" $(ls", "example 1: '$(' is not closed"},
    {{"openBrace"}, "tl -f ${HOME", "example 1: '${' is not closed"},
    {{"openBackquote"}, "tl -f `ls", "example 1: a backquote is not closed"},
    {{"trailingBackslash"}, "tl -q \\", "example 1: it ends with a backslash"},
    {{"redirectionWithoutTarget"}, "tl -q > | less", "example 1: a redirection without a target"},
    {{"operandsAmongOptions"}, "hexcut a.hex -n 5 'b c.hex' -o csv -- -d.hex -", "", ExampleCase::operands},
    {{"missingOperand"}, "hexcut -n 5 2>/dev/null", "example 1: hexcut: missing FILE operand", ExampleCase::operands},
    {{"outOfRange"}, "hexcut -n 0 a", "example 1: hexcut: invalid argument '0' for '--count'", ExampleCase::operands},
    {{"notAChoice"}, "hexcut -o jsno a", "example 1: hexcut: invalid argument 'jsno' for '--format'", ExampleCase::operands},
    {{"expansionsAsAcceptedValues"}, "hexcut -n \"$n\" --count=$n -n$n -o $f --format=$f -vo$f -n `echo 5` \"$@\"", "", ExampleCase::operands},
    {{"expansionAfterAValueIsNoValue"}, "hexcut -c -n $f", "example 1: hexcut: extra operand '$f'", ExampleCase::checksOnly},
    {{"expansionAfterAJoinedValueIsNoValue"}, "hexcut -ocsv $f", "example 1: hexcut: extra operand '$f'", ExampleCase::checksOnly},
    {{"tabsSeparate"}, "tl\t-q\t-h", ""},
    {{"dollarQuoteInDoubleQuotes"}, "tl -f \"a $'b\" -q", ""},
    {{"nestedParentheses"}, "tl -f $((1+(2))) --bogus", "example 1: tl: unrecognized option '--bogus'"},
    {{"lineContinuationGoesOn"}, "tl -q \\\n  --bogus", "example 1: tl: unrecognized option '--bogus'"},
    {{"lineContinuationIsNoWord"}, "tl -q \\\n  -h \\\n", ""},
    {{"excludedOptions"}, "sc set -f -n L1 k", "example 1: sc set: '--dry-run' cannot be given with '--force'", ExampleCase::commands},
    {{"globalThenCommand"}, "sc -S /run/l.sock list --all", "", ExampleCase::commands},
    {{"optionOfAnotherCommand"}, "sc list --force", "example 1: sc list: unrecognized option '--force'", ExampleCase::commands},
    {{"globalOptionAfterCommand"}, "sc list -aS x", "example 1: sc list: '-S' is an option of sc: give it before 'list'", ExampleCase::commands},
    {{"globalValueIsNoCommand"}, "sc -S \"$s\" list -o$f --format=$f -o \"$f\"", "", ExampleCase::commands},
    {{"commandAfterEndOfOptions"}, "sc -- set --retries=$n L1 k", "", ExampleCase::commands},
    {{"optionalValueTakesNoWord"}, "sc set -c -r $n --color -r $n L1 k", "", ExampleCase::commands},
    {{"expansionAfterDashesIsAnOperand"}, "sc set -- L1 -r $n", "example 1: sc set: extra operand '$n'", ExampleCase::commands},
    {{"expansionAfterAnOperandIsAnOperand"}, "sc set L1 -r $n", "example 1: sc set: extra operand '$n'", ExampleCase::commands},
    {{"longFormAfterDashesIsAnOperand"}, "sc set -- L1 k --retries=$n", "example 1: sc set: extra operand ' --retries=$n'", ExampleCase::commands},
    {{"shortFormAfterDashesIsAnOperand"}, "sc set -- L1 k -r$n", "example 1: sc set: extra operand ' -r$n'", ExampleCase::commands},
    {{"expansionAsCommand"}, "sc $command", "example 1: sc: unknown command '$command'", ExampleCase::commands},
    {{"commandMissing"}, "sc -S $s", "example 1: sc: missing command", ExampleCase::commands},
};
// clang-format on

using ExampleCases = testing::TestWithParam<ExampleCase>;

TEST_P(ExampleCases, isCheckedAgainstTheTable)
{
    const ExampleCase& row = GetParam();
    const RVManPageTexts texts{"does it", {}, {{row.command, ""}}, ""};
    std::vector<RVDefinition> checksOnly = operandDefinitions();
    checksOnly.pop_back();
    const RVOptionTable table =
        row.table == ExampleCase::test       ? testTable()
        : row.table == ExampleCase::operands ? operandTable()
        : row.table == ExampleCase::commands
            ? commandTable()
            : RVOptionTable(std::move(checksOnly), {{"executable", "hexcut"}, {"version", "1"}});
    if (row.error.empty()) {
        EXPECT_NO_THROW(rv::renderManPage(table, texts));
    } else {
        expectDefinitionError([&] { rv::renderManPage(table, texts); }, row.error);
    }
}

INSTANTIATE_TEST_SUITE_P(ManPageExample, ExampleCases, testing::ValuesIn(exampleCases), rowName);

} // namespace
