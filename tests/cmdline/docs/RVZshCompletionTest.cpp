#include "cmdline/docs/RVZshCompletion.hpp"
#include "tests/testSupport.hpp"

#include <algorithm>

namespace {

// A table of completionShapes(), the words before the cursor as zsh
// assignments, and words that _arguments must receive, each as one word.
struct ArgumentsCase : NamedRow<ArgumentsCase>
{
    const char* tool;
    const char* line;
    std::vector<std::string> words;
};

const std::string hostile = "[it's \"quoted\" $HOME `touch pwned` \\[x\\]\\: y\\\\z]";

const ArgumentsCase argumentsCases[] = {
    {{"hostileTextsLiterally"},
     "my-tool",
     "",
     {"*-q" + hostile, "*-F+" + hostile + ":filename:_files",
      "*--mode=" + hostile +
          ":mode:(it\\'s \\$\\(touch\\$\\{IFS\\}pwned\\) back\\\\slash \\\"dq\\\" \\* \\=eq)"}},
    {{"exclusionsAndOptionalValues"},
     "wrap",
     "PREFIX=-",
     {"(--level -t --truncate)*--append[adds]", "(-a --append)*-t[empties]",
      "(-a --append)*--level=-[sets the level]::N: ", "*-c-[colours it]::color:(always it\\'s)"}},
    {{"commandOwnOptions"},
     "ctl",
     "words=(ctl -S x move -) CURRENT=5 PREFIX=-",
     {"*-m+[how]:mode:(fast it\\'s)", "(-h --help)--help[shows the help screen]"}},
};

class ArgumentsCases : public testing::TestWithParam<ArgumentsCase>
{};

// zsh reads the script, and a stub _arguments receives each form's
// description as one word, with what _arguments itself would read escaped.
TEST_P(ArgumentsCases, receivesEachWord)
{
    const ArgumentsCase& row = GetParam();
    const ShellFolder folder;
    for (const RVOptionTable& table : completionShapes()) {
        if (table.app().executable == row.tool) {
            folder.write("script", rv::renderZshCompletion(table));
        }
    }
    const std::vector<std::string> words =
        folder.run("zsh -f -c '_arguments() { print -rl -- \"$@\"; }; " + std::string(row.line) +
                   "; source ./script'");
    for (const std::string& expected : row.words) {
        EXPECT_NE(std::find(words.begin(), words.end(), expected), words.end()) << expected;
    }
    EXPECT_FALSE(folder.holds("pwned"));
}

INSTANTIATE_TEST_SUITE_P(ZshCompletion, ArgumentsCases, testing::ValuesIn(argumentsCases), rowName);

// The script of every table shape passes zsh -n.
TEST(ZshCompletion, isValidForEveryShape)
{
    expectValidForEveryShape(
        [](const RVOptionTable& table) { return rv::renderZshCompletion(table); }, "zsh -n");
}

} // namespace
