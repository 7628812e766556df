#include "cmdline/RVHelpText.hpp"
#include "tests/testSupport.hpp"

#include <sstream>

namespace {

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
}

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
