#include "cmdline/docs/RVZshCompletion.hpp"
#include "tests/testSupport.hpp"

#include <algorithm>

namespace {

// zsh reads the script, and a stub _arguments receives each form's
// description as one word, with what _arguments itself would read escaped.
TEST(ZshCompletion, handsArgumentsEveryTextLiterally)
{
    const ShellFolder folder;
    folder.write("_my-tool", rv::renderZshCompletion(hostileTable()));
    EXPECT_EQ(folder.run("zsh -n _my-tool"), std::vector<std::string>{});
    const std::vector<std::string> words =
        folder.run("zsh -f -c '_arguments() { print -rl -- \"$@\"; }; source ./_my-tool'");
    const std::string help = "[it's \"quoted\" $HOME `touch pwned` \\[x\\]\\: y\\\\z]";
    for (const std::string& expected :
         {"(-q --quiet)-q" + help, "*-F+" + help + ":filename:_files",
          "*--mode=" + help +
              ":mode:(it\\'s \\$\\(touch\\$\\{IFS\\}pwned\\) back\\\\slash \\\"dq\\\" "
              "\\* \\=eq)"}) {
        EXPECT_NE(std::find(words.begin(), words.end(), expected), words.end()) << expected;
    }
    EXPECT_FALSE(folder.holds("pwned"));
}

// The script of every table shape passes zsh -n.
TEST(ZshCompletion, isValidForEveryShape)
{
    expectValidForEveryShape(
        [](const RVOptionTable& table) { return rv::renderZshCompletion(table); }, "zsh -n");
}

} // namespace
