#include "cmdline/RVHelpText.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(HelpText, wholeScreen)
{
    EXPECT_EQ(renderHelp(varnockTable("./vk")),
              "Usage: ./vk [OPTION]...\n"
              "\n"
              "Options:\n"
              "  -V, --version\n"
              "          shows the software version\n"
              "  -v, --verbose\n"
              "          enables verbose mode\n"
              "  -h, --help\n"
              "          shows the help screen\n"
              "  -f, --filter=filename\n"
              "          reads the definition of a filter from a file\n"
              "      --staging-area=filename\n"
              "          reads the definition of filters from a staging area file\n"
              "      --filter-name=filter-name\n"
              "          specifies which filter to use from the staging area\n"
              "  -i, --input=filename\n"
              "          takes packet input from file or stdin if - is passed as filename\n"
              "      --input-format={mtp3-hexstream (default) | pcap}\n"
              "          defines the input format\n"
              "\n"
              "Copyright (C) 2026 The varnock developers. All rights reserved.\n");
}

TEST(HelpText, usageFallsBackToExecutableName)
{
    EXPECT_TRUE(renderHelp(varnockTable("")).starts_with("Usage: varnock [OPTION]...\n"));
}

TEST(HelpText, version)
{
    EXPECT_EQ(renderVersion(varnockTable("./vk")),
              "varnock 1.15.0\nCopyright (C) 2026 The varnock developers. All rights reserved.\n");
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
    const std::string help = renderHelp(table);
    for (const std::string& line : linesOf(help)) {
        EXPECT_LE(line.size(), helpScreenWidth) << line;
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
