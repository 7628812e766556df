#include "cmdline/docs/RVShellQuoting.hpp"
#include "tests/testSupport.hpp"

namespace {

struct QuotingCase : NamedRow<QuotingCase>
{
    std::string text;
    std::string shell;
    std::string fish;
};

// clang-format off
const QuotingCase quotingCases[] = {
    {{"plainWord"}, "--input-format", "--input-format", "--input-format"},
    {{"empty"}, "", "''", "''"},
    {{"singleQuote"}, "it's", "'it'\\''s'", "'it\\'s'"},
    {{"backslash"}, "a\\b", "'a\\b'", "'a\\\\b'"},
    {{"expansions"}, "$(x)`y`*${z}", "'$(x)`y`*${z}'", "'$(x)`y`*${z}'"},
    {{"leadingEquals"}, "=ls", "'=ls'", "'=ls'"}, // zsh would expand it to a path
};
// clang-format on

using QuotingCases = testing::TestWithParam<QuotingCase>;

TEST_P(QuotingCases, makesOneLiteralWord)
{
    EXPECT_EQ(rv::detail::shellQuoted(GetParam().text), GetParam().shell);
    EXPECT_EQ(rv::detail::fishQuoted(GetParam().text), GetParam().fish);
}

INSTANTIATE_TEST_SUITE_P(ShellQuoting, QuotingCases, testing::ValuesIn(quotingCases), rowName);

} // namespace
