#include "cmdline/docs/RVBashCompletion.hpp"
#include "tests/testSupport.hpp"

#include <algorithm>

namespace {

struct BashCase : NamedRow<BashCase>
{
    std::vector<std::string> words; // the last is the word being completed
    std::vector<std::string> expected;
    const char* tool = "my-tool"; // a table of bashTables(), hostileTable() by default
};

std::vector<std::string> prefixed(const std::string& prefix, std::vector<std::string> words)
{
    for (std::string& word : words) {
        word.insert(0, prefix);
    }
    return words;
}

// The shapes, and a table with commands whose global options exclude each
// other under forms that a command's options have too.
std::vector<RVOptionTable> bashTables()
{
    std::vector<RVOptionTable> tables = completionShapes();
    // clang-format off
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "all"}, {"short", "-a"}, {"long", "--all"}, {"excludes", "quiet"}, {"help", "all"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", "quiet"}},
        {{"name", "run"}, {"command", "run"}, {"help", "runs"}},
        {{"name", "quick"}, {"short", "-q"}, {"long", "--quick"}, {"of", "run"}, {"help", "quick"}}},
        RVDefinition{{"executable", "run-ctl"}, {"version", "1"}});
    // Commands whose names would share a function's name, or are a word of
    // bash's own.
    tables.emplace_back(std::vector<RVDefinition>{
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "help"}},
        {{"name", "get"}, {"command", "get"}, {"help", "gets"}},
        {{"name", "output"}, {"short", "-o"}, {"long", "--output"}, {"argument", "{json | text}"}, {"of", "get"}, {"help", "as"}},
        {{"name", "get-awaits"}, {"command", "get-awaits"}, {"help", "waits"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"of", "get-awaits"}, {"help", "quiet"}},
        {{"name", "esac"}, {"command", "esac"}, {"help", "ends"}}},
        RVDefinition{{"executable", "odd-ctl"}, {"version", "1"}});
    // clang-format on
    return tables;
}

// The words as bash quotes them (printf %q), as they go in.
const std::vector<std::string> quotedWords = {
    "it\\'s", "\\$\\(touch\\$\\{IFS\\}pwned\\)", "back\\\\slash", "\\\"dq\\\"", "\\*", "=eq"};

// clang-format off
const BashCase bashCases[] = {
    {{"everyOptionAfterAFlag"}, {"my-tool", "-q", ""}, {"-m", "--mode", "-F", "--file", "-q", "--quiet"}},
    {{"wordsAfterTheOption"}, {"my-tool", "--mode", ""}, quotedWords},
    {{"optionAsAValueTakesNoValue"}, {"my-tool", "-m", "-F", ""}, {"-m", "--mode", "-F", "--file", "-q", "--quiet"}},
    {{"wordsInOneWordEquals"}, {"my-tool", "--mode="}, prefixed("--mode=", quotedWords)},
    {{"literalPrefixIsNoPattern"}, {"my-tool", "--mode", "$("}, {"\\$\\(touch\\$\\{IFS\\}pwned\\)"}},
    {{"quotedPrefix"}, {"my-tool", "--mode", "it\\'"}, {"it\\'s"}},
    {{"valueThatStartsWithADash"}, {"my-tool", "--mode", "-"}, {}},
    {{"filesJoinedToTheShortForm"}, {"my-tool", "-Fal"}, {"-Falpha.txt", "-Falso"}},
    {{"filesAfterAClusterEndingInTheOption"}, {"my-tool", "-qF", "al"}, {"compopt -o filenames", "alpha.txt", "also"}},
    {{"filesJoinedToAClusterEndingInTheOption"}, {"my-tool", "-qFal"}, {"-qFalpha.txt", "-qFalso"}},
    {{"joinedFolderQuotedAndNotEnded"}, {"my-tool", "-Fit"}, {"-Fit\\'s\\ dir/", "compopt -o nospace"}},
    {{"wordsJoinedToAClusterEndingInTheOption"}, {"my-tool", "-qm$("}, {"-qm\\$\\(touch\\$\\{IFS\\}pwned\\)"}},
    {{"optionsAfterAClusterWithItsValue"}, {"my-tool", "-Fal", "--q"}, {"--quiet"}},
    {{"nothingAfterDoubleDash"}, {"my-tool", "--", ""}, {}},
    {{"doubleDashAsAValueEndsNothing"}, {"my-tool", "-F", "--", "--q"}, {"--quiet"}},
    {{"filesInOneWordEquals"}, {"my-tool", "--file=al"}, {"--file=alpha.txt", "--file=also"}},
    {{"optionalValueJoined"}, {"wrap", "--color="}, {"--color=always", "--color=it\\'s"}, "wrap"},
    {{"optionalValueNeverTheNextWord"}, {"wrap", "-c", "-v", "--c"}, {"--color"}, "wrap"},
    {{"excludedFormsLeftOut"}, {"wrap", "-va", "--"}, {"--verbose", "--color", "--spool", "--append"}, "wrap"},
    {{"noOptionAfterAnOperand"}, {"wrap", "prog", "-"}, {}, "wrap"},
    {{"foldersOnly"}, {"wrap", "--spool", ""}, {"compopt -o filenames", "it's dir", "compopt -o nospace"}, "wrap"},
    {{"foldersJoinedQuotedAndNotEnded"}, {"wrap", "--spool=it"}, {"--spool=it\\'s\\ dir/", "compopt -o nospace"}, "wrap"},
    {{"commandValuesJoined"}, {"ctl", "move", "-a", "--mode=f"}, {"--mode=fast"}, "ctl"},
    {{"commandsAtTheCommandsPlace"}, {"ctl", "-S", "x", ""}, {"list", "move"}, "ctl"},
    {{"commandOptionsOnly"}, {"ctl", "--", "list", "-"}, {"-a", "--all", "-h", "--help"}, "ctl"},
    {{"commandOperandFolders"}, {"ctl", "move", "-a", ""}, {"compopt -o filenames", "it's dir", "compopt -o nospace"}, "ctl"},
    {{"commandOptionsBeforeOperands"}, {"ctl", "move", "x", "-"}, {}, "ctl"},
    {{"nothingAfterACommandsHelp"}, {"ctl", "list", "-ah", "-a", ""}, {}, "ctl"},
    {{"nothingAfterAnUnknownCommand"}, {"ctl", "lst", "-a", "-"}, {}, "ctl"},
    {{"commandFormsExcludedInTheGlobalPart"}, {"run-ctl", "-a", "run", "-"}, {"-q", "--quick"}, "run-ctl"},
    {{"commandFunctionsApart"}, {"odd-ctl", "get", "-o", ""}, {"json", "text"}, "odd-ctl"},
    {{"commandNamedLikeAWordOfBash"}, {"odd-ctl", "e"}, {"esac"}, "odd-ctl"},
    {{"nothingAfterTheGlobalHelp"}, {"odd-ctl", "-h", ""}, {}, "odd-ctl"},
};
// clang-format on

using BashCases = testing::TestWithParam<BashCase>;

// Sourced into a plain bash, as an interactive shell would, and called
// through the function that complete registered. compopt works only while
// readline completes, so it prints the options the script asks for.
TEST_P(BashCases, completesInAPlainBash)
{
    const ShellFolder folder;
    for (const RVOptionTable& table : bashTables()) {
        if (table.app().executable == GetParam().tool) {
            folder.write("tool.bash", rv::renderBashCompletion(table));
        }
    }
    folder.write("alpha.txt", "");
    folder.write("also", "");
    folder.run("mkdir \"it's dir\"");
    std::string words;
    for (const std::string& word : GetParam().words) {
        words += ' ' + singleQuoted(word);
    }
    const std::string script =
        "compopt() { echo \"compopt $*\"; }; source ./tool.bash && COMP_WORDS=(\"$@\") && "
        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && COMP_LINE=${COMP_WORDS[*]} && "
        "COMP_POINT=${#COMP_LINE} "
        "&& registered=$(complete -p \"$1\") && registered=${registered#*-F } && "
        "${registered%% *} && printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::vector<std::string> lines =
        folder.run("bash --norc --noprofile -c " + singleQuoted(script) + " bash" + words);
    lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
    std::vector<std::string> expected = GetParam().expected;
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(folder.holds("pwned"));
}

INSTANTIATE_TEST_SUITE_P(BashCompletion, BashCases, testing::ValuesIn(bashCases), rowName);

// The script of every table shape passes shellcheck.
TEST(BashCompletion, isValidForEveryShape)
{
    expectValidForEveryShape(
        [](const RVOptionTable& table) { return rv::renderBashCompletion(table); }, "shellcheck");
}

} // namespace
