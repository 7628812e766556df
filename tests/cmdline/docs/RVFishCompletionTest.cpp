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

struct FishCase : NamedRow<FishCase>
{
    std::string line; // its first word names the table shape
    std::vector<std::string> expected;
};

// clang-format off
const FishCase fishCases[] = {
    {{"filesForALoneFile"}, "find-one p a", {"adir/", "alpha.txt"}},
    {{"nothingPastALoneFile"}, "find-one p alpha.txt ", {}},
    {{"excludedByAJoinedValue"}, "wrap --level=5 --a", {}},
    {{"foldersForTheCommandsOperand"}, "ctl -S alpha.txt move -a a", {"adir/"}},
};
// clang-format on

using FishCases = testing::TestWithParam<FishCase>;

// What fish offers for the line, through the script of its table shape.
TEST_P(FishCases, completesInFish)
{
    const ShellFolder folder;
    folder.run("mkdir adir scripts");
    for (const RVOptionTable& table : completionShapes()) {
        folder.write("scripts/" + std::string(table.app().executable),
                     rv::renderFishCompletion(table));
    }
    folder.write("alpha.txt", "");
    const std::string& line = GetParam().line;
    std::vector<std::string> lines = folder.run(
        "fish --no-config -c " + singleQuoted("source scripts/" + line.substr(0, line.find(' ')) +
                                              "; complete -C " + singleQuoted(line)));
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(FishCompletion, FishCases, testing::ValuesIn(fishCases), rowName);

// The script of every table shape passes fish --no-execute.
TEST(FishCompletion, isValidForEveryShape)
{
    expectValidForEveryShape(
        [](const RVOptionTable& table) { return rv::renderFishCompletion(table); },
        "fish --no-execute");
}

} // namespace
