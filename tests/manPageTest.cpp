#include "cmdline/RVManPage.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

namespace {

struct ManTextCase
{
    const char* name;
    std::string text;
    std::string expected;
    friend void PrintTo(const ManTextCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const ManTextCase manTextCases[] = {
    {"plainWords", "shows the help screen", "shows the help screen"},
    {"hyphensAreMinusSigns", "--input-format -", "\\-\\-input\\-format \\-"},
    {"backslashIsNoEscape", "a\\fBb\\", "a\\(rsfBb\\(rs"},
    {"leadingDotIsNoRequest", ".SH NAME", "\\&.SH NAME"},
    {"leadingQuoteIsNoRequest", "'br", "\\&'br"},
    {"leadingSpaceIsNoBreak", " x", "\\& x"},
    {"lineBreakCannotStartARequest", "a\n.SH b\t\x7f", "a .SH b  "},
    {"innerDotsAndQuotesStay", "a.b 'c' \"d\"", "a.b 'c' \"d\""},
};
// clang-format on

class ManText : public testing::TestWithParam<ManTextCase>
{};

TEST_P(ManText, escapes)
{
    EXPECT_EQ(manText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ManText, testing::ValuesIn(manTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextsFileCase
{
    const char* name;
    std::string file;
    RVManPageTexts expected;
    std::string error; // a part of the message, when reading must fail
    friend void PrintTo(const TextsFileCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const TextsFileCase textsFileCases[] = {
    {"everyKeyWithContinuations", "# a comment\nsummary: do a thing\n\ndescription: first\n  paragraph\ndescription: second\r\nexample: tool -x\nexplanation: does\n\tx\nexample: tool\n", {"do a thing", {"first paragraph", "second"}, {{"tool -x", "does x"}, {"tool", ""}}, ""}, ""},
    {"summaryOnly", "summary:\n  continued", {"continued", {}, {}, ""}, ""},
    {"missingSummary", "description: x\n", {}, "the summary is missing"},
    {"secondSummary", "summary: a\nsummary: b\n", {}, "line 2: a second summary"},
    {"unknownKey", "summary: a\nexampel: x\n", {}, "line 2: unknown key 'exampel'"},
    {"noKey", "summary: a\njust words\n", {}, "line 2: expected \"key: text\""},
    {"continuationFirst", "  x\nsummary: a\n", {}, "line 1: a continued line"},
    {"explanationWithoutExample", "summary: a\nexplanation: x\n", {}, "line 2: an explanation"},
    {"secondExplanation", "summary: a\nexample: t\nexplanation: x\nexplanation: y\n", {}, "line 4: an explanation"},
};
// clang-format on

class TextsFile : public testing::TestWithParam<TextsFileCase>
{};

TEST_P(TextsFile, reads)
{
    const TextsFileCase& row = GetParam();
    if (row.error.empty()) {
        EXPECT_EQ(readManPageTexts(row.file), row.expected);
        return;
    }
    try {
        readManPageTexts(row.file);
        ADD_FAILURE() << "no error";
    } catch (const RVDefinitionError& error) {
        EXPECT_NE(std::string(error.what()).find(row.error), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextsFile, testing::ValuesIn(textsFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

RVOptionTable smallTable()
{
    return RVOptionTable({{{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "help"}},
                          {{"name", "mode"},
                           {"long", "--mode"},
                           {"argument", "{fast (default) | slow}"},
                           {"help", ".how it runs"}}},
                         {{"executable", "tl"}, {"version", "2.0"}, {"copyright", "(C) us"}});
}

TEST(ManPage, wholePage)
{
    const RVManPageTexts texts{
        "does it", {"One.", "Two."}, {{"tl --mode slow", "Slowly."}}, "2026-01-02"};
    EXPECT_EQ(renderManPage(smallTable(), texts),
              ".\\\" The man page of tl, generated from its option definitions.\n"
              ".TH \"TL\" 1 \"2026\\-01\\-02\" \"tl 2.0\" \"User Commands\"\n"
              ".SH NAME\n"
              "tl \\- does it\n"
              ".SH SYNOPSIS\n"
              "\\fBtl\\fR [\\fIOPTION\\fR]...\n"
              ".SH DESCRIPTION\n"
              "One.\n"
              ".PP\n"
              "Two.\n"
              ".SH OPTIONS\n"
              "A value follows its option as the next word (\\fB\\-\\-name\\fR \\fIvalue\\fR, "
              "\\fB\\-x\\fR \\fIvalue\\fR) or joined to it (\\fB\\-\\-name\\fR=\\fIvalue\\fR, "
              "\\fB\\-x\\fR\\fIvalue\\fR); the word after an option that takes a value is that "
              "value even when it starts with a dash. Short options that take no value can be "
              "grouped (\\fB\\-xy\\fR). Long names are typed in full.\n"
              ".TP\n"
              "\\fB\\-h\\fR, \\fB\\-\\-help\\fR\n"
              "help\n"
              ".TP\n"
              "\\fB\\-\\-mode\\fR=\\fI{fast (default) | slow}\\fR\n"
              "\\&.how it runs\n"
              ".SH \"EXIT STATUS\"\n"
              ".TP\n.B 0\nsuccess, also after \\fB\\-\\-help\\fR\n"
              ".TP\n.B 1\n\\fB\\-\\-help\\fR could not write its text to standard output\n"
              ".TP\n.B 2\nthe command line is wrong: an unknown option, a missing value, a value "
              "for an option that takes none, or a word that is not an option\n"
              ".SH EXAMPLES\n"
              ".PP\n.EX\ntl \\-\\-mode slow\n.EE\n.RS 4\nSlowly.\n.RE\n"
              ".SH VERSION\n"
              "This page describes \\fBtl\\fR version 2.0.\n"
              ".SH COPYRIGHT\n"
              "(C) us\n");
}

TEST(ManPage, withoutHelpOrVersionThereIsNoStatusOne)
{
    const RVOptionTable table({{{"name", "x"}, {"long", "--x"}, {"help", "x"}}},
                              {{"executable", "tl"}, {"version", "1"}});
    const std::string page = renderManPage(table, {"does it", {}, {}, ""});
    EXPECT_NE(page.find(".B 0\nsuccess\n"), std::string::npos);
    EXPECT_EQ(page.find(".B 1\n"), std::string::npos);
    EXPECT_EQ(page.find(".SH EXAMPLES"), std::string::npos);
    EXPECT_EQ(page.find(".SH COPYRIGHT"), std::string::npos);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A long command is broken between words into lines that fit the page,
// and undoing the line continuations gives back the command.
TEST(ManPage, longExampleWrapsWithContinuations)
{
    std::string command = "tl";
    for (int turn = 0; turn < 8; ++turn) {
        command += " --mode slow";
    }
    const std::string page = renderManPage(smallTable(), {"does it", {}, {{command, ""}}, ""});
    const std::size_t begin = page.find(".EX\n") + 4;
    const std::string block = page.substr(begin, page.find(".EE\n") - begin);
    EXPECT_EQ(replaced(block, " \\(rs\n        ", " "), manText(command) + '\n');
    for (std::size_t start = 0, end; (end = block.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string shown = replaced(block.substr(start, end - start), "\\", "");
        EXPECT_LE(shown.size(), 66u) << shown;
    }
}

struct ExampleCase
{
    const char* name;
    std::string command;
    std::string error; // empty when the example is accepted
    friend void PrintTo(const ExampleCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const ExampleCase exampleCases[] = {
    {"optionsOfTheTable", "tl -h --mode=slow --mode fast", ""},
    {"afterAPipe", "cat x | tl --mode slow", ""},
    {"beforeARedirection", "tl --mode slow < in > out", ""},
    {"unknownOption", "tl --mood slow", "example 1: tl: unrecognized option '--mood'"},
    {"missingValue", "tl --mode", "example 1: tl: option '--mode' requires an argument"},
    {"strayWord", "tl slow", "example 1:"},
    {"notTheTool", "other --mode slow", "example 1: it does not run 'tl'"},
};
// clang-format on

class ManPageExample : public testing::TestWithParam<ExampleCase>
{};

TEST_P(ManPageExample, isCheckedAgainstTheTable)
{
    const ExampleCase& row = GetParam();
    const RVManPageTexts texts{"does it", {}, {{row.command, ""}}, ""};
    if (row.error.empty()) {
        EXPECT_NO_THROW(renderManPage(smallTable(), texts));
        return;
    }
    try {
        renderManPage(smallTable(), texts);
        ADD_FAILURE() << "no error";
    } catch (const RVDefinitionError& error) {
        EXPECT_NE(std::string(error.what()).find(row.error), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ManPageExample, testing::ValuesIn(exampleCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
