#include "cmdline/RVHelpText.hpp"
#include "tests/testSupport.hpp"

#include <sstream>

namespace {

RVOptionTable hexcut()
{
    return operandTable();
}

TEST(HelpText, wholeScreen)
{
    EXPECT_EQ(rv::renderHelp(testTable("./tl")), "Usage: ./tl [OPTION]...\n"
                                                 "\n"
                                                 "Options:\n"
                                                 "  -h, --help\n"
                                                 "          shows the help screen\n"
                                                 "  -V, --version\n"
                                                 "          shows the version\n"
                                                 "  -v, --verbose\n"
                                                 "          tells how the command line was read\n"
                                                 "  -q, --quiet\n"
                                                 "          says nothing\n"
                                                 "  -f, --file=filename\n"
                                                 "          reads a file\n"
                                                 "      --file-name=name\n"
                                                 "          names the entry to read\n"
                                                 "  -F, --format={text (default) | json}\n"
                                                 "          sets the output format\n"
                                                 "\n"
                                                 "See 'man tl' for the rules of the command "
                                                 "line.\n");
    EXPECT_TRUE(rv::renderHelp(testTable("")).starts_with("Usage: tl [OPTION]...\n"));
    EXPECT_TRUE(
        rv::renderHelp(testTable("t\xe9\x1b")).starts_with("Usage: t\\xe9\\x1b [OPTION]...\n"));
}

// clang-format off
TEST(HelpText, operandsAfterTheOptions)
{
    EXPECT_EQ(rv::renderHelp(operandTable()), "Usage: hexcut [OPTION]... FILE...\n\nOptions:\n  -h, --help\n          shows the help screen\n"
        "  -V, --version\n          shows the version\n  -v, --verbose\n          tells how the command line was read\n"
        "  -n, --count=N\n          stops after N packets\n  -o, --format={text (default) | csv | json}\n          sets the output format\n"
        "  -c, --cache=filename\n          keeps results in a file\n\nOperands:\n  FILE...\n          a capture to read\n\n"
        "See 'man hexcut' for the rules of the command line.\n");
    const RVOptionTable two({{{"name", "in"}, {"operand", "[IN]"}, {"help", "h"}}, {{"name", "out"}, {"operand", "[OUT]..."}, {"help", "o"}}}, {{"executable", "t"}, {"version", "1"}});
    EXPECT_TRUE(rv::renderHelp(two).starts_with("Usage: t [OPTION]... [IN] [OUT]...\n"));
}
// clang-format on

// A help line is broken at the last space that fits the 69 columns beside
// the indent, not a word earlier.
TEST(HelpText, wrapsAtTheLastSpaceThatFits)
{
    const RVOptionTable table(
        {{{"name", "x"}, {"long", "--x"}, {"help", std::string(60, 'a') + " bbbbbbbb c"}}},
        {{"executable", "t"}, {"version", "1"}});
    EXPECT_NE(rv::renderHelp(table).find("\n          " + std::string(60, 'a') +
                                         " bbbbbbbb\n          c\n"),
              std::string::npos);
}

TEST(HelpText, version)
{
    EXPECT_EQ(rv::renderVersion(testTable("./other")), "tl 2.0\n(C) the tl developers\n");
    EXPECT_EQ(rv::renderVersion(hexcut()), "hexcut 1.0\n"); // no copyright, no empty line
}

// clang-format off
// The description after the usage line, and an optional value's brackets.
TEST(HelpText, descriptionAndOptionalValues)
{
    const std::string help = rv::renderHelp(capconvTable());
    EXPECT_TRUE(help.starts_with("Usage: capconv [OPTION]... SOURCE... DEST\nconverts captures\n\nOptions:\n  -h, --help\n")) << help;
    EXPECT_NE(help.find("\n  -c, --color[={always | never}]\n          colours it\n      --level[=N]\n"), std::string::npos) << help;
}

TEST(HelpText, commandsAndTheirOwnScreens)
{
    const RVOptionTable table = sigctlTable();
    EXPECT_EQ(rv::renderHelp(table), "Usage: sigctl [OPTION]... COMMAND [ARG]...\n\nOptions:\n  -h, --help\n          shows the help screen\n"
        "  -V, --version\n          shows the version\n  -v, --verbose\n          tells how the line was read\n  -S, --socket=PATH\n          talks to PATH\n"
        "\nCommands:\n  list\n          lists the links\n  show\n          shows one link\n  set\n          sets a key of a link\n"
        "\nRun 'sigctl COMMAND --help' for the options of a command.\n\nSee 'man sigctl' for the rules of the command line.\n");
    EXPECT_EQ(rv::renderHelp(table, 3), "Usage: sigctl set [OPTION]... LINK KEY VALUE\nsets a key of a link\n\nOptions:\n  -f, --force\n          even while it is up\n"
        "  -r, --retries=N\n          tries again\n  -h, --help\n          shows the help screen\n\nOperands:\n  LINK\n          the link\n  KEY\n          the key\n"
        "  VALUE\n          its value\n\nSee 'man sigctl' for the rules of the command line.\n");
}
// clang-format on

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> wordsOf(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream stream(text);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// Whatever the table holds, no line is wider than the screen and every word
// of a help line is shown, in order.
TEST(HelpText, wrapsWithinTheScreenWithoutLosingWords)
{
    const std::string longHelp =
        "a help line that goes on and on well past the right edge of any reasonable screen "
        "and then " +
        std::string(100, 'w') + " still further";
    const RVOptionTable table(
        {{{"name", "x"}, {"long", "--x"}, {"argument", std::string(90, 'p')}, {"help", longHelp}},
         {{"name", "y"}, {"short", "-y"}, {"long", "--y"}, {"help", longHelp}}},
        {{"executable", "t"}, {"version", "1"}, {"copyright", longHelp}});
    const std::string help = rv::renderHelp(table);
    for (const std::string& line : linesOf(help)) {
        EXPECT_LE(line.size(), rv::helpScreenWidth) << line;
    }
    std::string joined;
    for (const std::string& word : wordsOf(help)) {
        joined += word;
    }
    std::string expected;
    for (const std::string& word : wordsOf(longHelp)) {
        expected += word;
    }
    EXPECT_NE(joined.find(expected), std::string::npos);
    EXPECT_NE(joined.find(std::string(90, 'p')), std::string::npos);
}

} // namespace
