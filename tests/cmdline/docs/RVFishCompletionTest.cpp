#include "cmdline/docs/RVFishCompletion.hpp"
#include "tests/testSupport.hpp"

#include <algorithm>

namespace {

TEST(FishCompletion, offersTheWordsAndTheHelpLiterally)
{
    const ShellFolder folder;
    folder.write("my-tool.fish", rv::renderFishCompletion(hostileTable()));
    folder.write("alpha.txt", "");
    folder.write("also", "");
    const std::vector<std::string> lines =
        folder.run("fish --no-config -c 'source my-tool.fish; complete -C \"my-tool --mode \"'");
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        words.push_back(line.substr(0, line.find('\t')));
        EXPECT_EQ(line.substr(line.find('\t') + 1), hostileHelp);
    }
    std::vector<std::string> expected = hostileWords;
    std::sort(words.begin(), words.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(words, expected);
    EXPECT_EQ(
        folder.run("fish --no-config -c 'source my-tool.fish; for line in \"-F al\" -qFal -qmit; "
                   "complete -C \"my-tool $line\"; end' | cut -f1"),
        (std::vector<std::string>{"alpha.txt", "also", "-qFalpha.txt", "-qFalso", "-qmit's"}));
    EXPECT_FALSE(folder.holds("pwned"));
}

// The script of every table shape passes fish --no-execute.
TEST(FishCompletion, isValidForEveryShape)
{
    expectValidForEveryShape(
        [](const RVOptionTable& table) { return rv::renderFishCompletion(table); },
        "fish --no-execute");
}

} // namespace
