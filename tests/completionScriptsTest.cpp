#include "cmdline/RVAcceptedValues.hpp"
#include "cmdline/RVCompletionScripts.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using Kind = RVAcceptedValues::Kind;

struct AcceptedValuesCase
{
    const char* name;
    std::string placeholder;
    Kind kind;
    std::vector<std::string_view> words;
    friend void PrintTo(const AcceptedValuesCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const AcceptedValuesCase acceptedValuesCases[] = {
    {"fileName", "filename", Kind::fileNames, {}},
    {"wordsWithDefaultNote", "{mtp3-hexstream (default) | pcap}", Kind::words, {"mtp3-hexstream", "pcap"}},
    {"wordsWithoutSpaces", "{a|b|c}", Kind::words, {"a", "b", "c"}},
    {"otherPlaceholder", "filter-name", Kind::anything, {}},
    {"fileNameIsExact", "FILENAME", Kind::anything, {}},
    {"emptyAlternative", "{a | | b}", Kind::anything, {}},
    {"unclosedList", "{a | b", Kind::anything, {}},
};
// clang-format on

class AcceptedValues : public testing::TestWithParam<AcceptedValuesCase>
{};

TEST_P(AcceptedValues, readsThePlaceholder)
{
    const RVAcceptedValues values = acceptedValues(GetParam().placeholder);
    EXPECT_EQ(values.kind, GetParam().kind);
    EXPECT_EQ(values.words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Cases, AcceptedValues, testing::ValuesIn(acceptedValuesCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct QuotingCase
{
    const char* name;
    std::string text;
    std::string shell;
    std::string fish;
    friend void PrintTo(const QuotingCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const QuotingCase quotingCases[] = {
    {"plainWord", "--input-format", "--input-format", "--input-format"},
    {"empty", "", "''", "''"},
    {"singleQuote", "it's", "'it'\\''s'", "'it\\'s'"},
    {"backslash", "a\\b", "'a\\b'", "'a\\\\b'"},
    {"expansions", "$(x)`y`*${z}", "'$(x)`y`*${z}'", "'$(x)`y`*${z}'"},
    {"leadingEquals", "=ls", "'=ls'", "'=ls'"}, // zsh would expand it to a path
};
// clang-format on

class Quoting : public testing::TestWithParam<QuotingCase>
{};

TEST_P(Quoting, makesOneLiteralWord)
{
    EXPECT_EQ(shellQuoted(GetParam().text), GetParam().shell);
    EXPECT_EQ(fishQuoted(GetParam().text), GetParam().fish);
}

INSTANTIATE_TEST_SUITE_P(Cases, Quoting, testing::ValuesIn(quotingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A table whose words and help lines hold everything a shell might act on.
const std::vector<std::string> hostileWords = {
    "it's", "$(touch${IFS}pwned)", "back\\slash", "\"dq\"", "*", "=eq"};
const std::string hostileHelp = "it's \"quoted\" $HOME `touch pwned` [x]: y\\z";

RVOptionTable hostileTable()
{
    std::string placeholder = "{";
    for (const std::string& word : hostileWords) {
        placeholder += (placeholder.size() == 1 ? "" : " | ") + word;
    }
    placeholder.insert(placeholder.find(" | "), " (default)");
    return RVOptionTable(
        {{{"name", "mode"},
          {"long", "--mode"},
          {"argument", placeholder + "}"},
          {"help", hostileHelp}},
         {{"name", "file"},
          {"short", "-F"},
          {"long", "--file"},
          {"argument", "filename"},
          {"help", hostileHelp}},
         {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", hostileHelp}}},
        {{"executable", "my-tool"}, {"version", "1"}});
}

// A scratch folder holding the three scripts and two files to complete.
class ShellFolder
{
public:
    ShellFolder()
    {
        char pattern[] = "/tmp/completionTest.XXXXXX";
        path_ = mkdtemp(pattern);
        const RVOptionTable table = hostileTable();
        write("my-tool.bash", renderBashCompletion(table));
        write("_my-tool", renderZshCompletion(table));
        write("my-tool.fish", renderFishCompletion(table));
        write("alpha.txt", "");
        write("also", "");
    }
    ~ShellFolder() { std::filesystem::remove_all(path_); }

    // The lines that the command writes, run in the folder; an empty
    // vector when it fails.
    std::vector<std::string> run(const std::string& command) const
    {
        FILE* pipe = popen(("cd '" + path_ + "' && " + command + " 2>&1").c_str(), "r");
        std::string output;
        char buffer[4096];
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, got);
        }
        const int status = pclose(pipe);
        EXPECT_EQ(status, 0) << command << "\n" << output;
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(output.substr(start, end - start));
        }
        return lines;
    }

    bool holds(const std::string& name) const
    {
        return std::filesystem::exists(path_ + '/' + name);
    }

private:
    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(path_ + '/' + name) << text;
    }

    std::string path_;
};

std::string singleQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::vector<std::string> sorted(std::vector<std::string> lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

struct BashCase
{
    const char* name;
    std::vector<std::string> words; // the last is the word being completed
    std::vector<std::string> expected;
    friend void PrintTo(const BashCase& row, std::ostream* out) { *out << row.name; }
};

std::vector<std::string> prefixed(const std::string& prefix, std::vector<std::string> words)
{
    for (std::string& word : words) {
        word.insert(0, prefix);
    }
    return words;
}

// clang-format off
const BashCase bashCases[] = {
    {"everyOptionAfterAFlag", {"my-tool", "-q", ""}, {"--mode", "-F", "--file", "-q", "--quiet"}},
    {"wordsAfterTheOption", {"my-tool", "--mode", ""}, hostileWords},
    {"wordsAfterSplitEquals", {"my-tool", "--mode", "="}, hostileWords},
    {"wordsInOneWordEquals", {"my-tool", "--mode="}, prefixed("--mode=", hostileWords)},
    {"literalPrefixIsNoPattern", {"my-tool", "--mode", "$("}, {"$(touch${IFS}pwned)"}},
    {"valueThatStartsWithADash", {"my-tool", "--mode", "-"}, {}},
    {"filesJoinedToTheShortForm", {"my-tool", "-Fal"}, {"-Falpha.txt", "-Falso"}},
    {"filesAfterAClusterEndingInTheOption", {"my-tool", "-qF", "al"}, {"alpha.txt", "also"}},
    {"optionsAfterAClusterWithItsValue", {"my-tool", "-Fal", "--q"}, {"--quiet"}},
    {"nothingAfterDoubleDash", {"my-tool", "--", ""}, {}},
    {"doubleDashAsAValueEndsNothing", {"my-tool", "-F", "--", "--q"}, {"--quiet"}},
    {"filesInOneWordEquals", {"my-tool", "--file=al"}, {"--file=alpha.txt", "--file=also"}},
};
// clang-format on

class BashCompletion : public testing::TestWithParam<BashCase>
{};

// Sourced into a plain bash, as an interactive shell would, and called
// through the function that complete registered.
TEST_P(BashCompletion, completesInAPlainBash)
{
    const ShellFolder folder;
    std::string words;
    for (const std::string& word : GetParam().words) {
        words += ' ' + singleQuoted(word);
    }
    const std::string script =
        "source ./my-tool.bash && COMP_WORDS=(\"$@\") && COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) "
        "&& registered=$(complete -p my-tool) && registered=${registered#*-F } && ${registered%% "
        "*} "
        "&& printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::vector<std::string> lines =
        folder.run("bash --norc --noprofile -c " + singleQuoted(script) + " bash" + words);
    lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
    EXPECT_EQ(sorted(lines), sorted(GetParam().expected));
    EXPECT_FALSE(folder.holds("pwned"));
}

INSTANTIATE_TEST_SUITE_P(Cases, BashCompletion, testing::ValuesIn(bashCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FishCompletion, offersTheWordsAndTheHelpLiterally)
{
    const ShellFolder folder;
    const std::vector<std::string> lines =
        folder.run("fish --no-config -c 'source my-tool.fish; complete -C \"my-tool --mode \"'");
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        words.push_back(line.substr(0, line.find('\t')));
        EXPECT_EQ(line.substr(line.find('\t') + 1), hostileHelp);
    }
    EXPECT_EQ(sorted(words), sorted(hostileWords));
    EXPECT_EQ(
        folder.run("fish --no-config -c 'source my-tool.fish; complete -C \"my-tool -F al\"'"),
        (std::vector<std::string>{"alpha.txt", "also"}));
    EXPECT_FALSE(folder.holds("pwned"));
}

TEST(ZshCompletion, passesTheSyntaxCheck)
{
    const ShellFolder folder;
    EXPECT_EQ(folder.run("zsh -n _my-tool"), std::vector<std::string>{});
}

} // namespace
