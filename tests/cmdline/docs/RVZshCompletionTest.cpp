#include "cmdline/docs/RVZshCompletion.hpp"
#include "tests/testSupport.hpp"

namespace {

TEST(ZshCompletion, passesTheSyntaxCheck)
{
    const ShellFolder folder;
    folder.write("_my-tool", rv::renderZshCompletion(hostileTable()));
    EXPECT_EQ(folder.run("zsh -n _my-tool"), std::vector<std::string>{});
}

} // namespace
