#include "cmdline/docs/RVManPageTexts.hpp"
#include "tests/testSupport.hpp"

namespace {

struct TextsFileCase : NamedRow<TextsFileCase>
{
    std::string file;
    RVManPageTexts expected;
    std::string error; // a part of the message, when reading must fail
};

// clang-format off
const TextsFileCase textsFileCases[] = {
    {{"everyKeyWithContinuations"}, "# a comment\nsummary: do a thing\n\ndescription: first\n  paragraph\ndescription: second\r\nexample: tool -x\nexplanation: does\n\tx\nexample: tool\n", {"do a thing", {"first paragraph", "second"}, {{"tool -x", "does x"}, {"tool", ""}}, ""}, ""},
    {{"summaryOnly"}, "summary:\n  continued", {"continued", {}, {}, ""}, ""},
    {{"hashInContinuation"}, "summary: a\n  #1", {"a #1", {}, {}, ""}, ""},
    {{"missingSummary"}, "description: x\n", {}, "the summary is missing"},
    {{"emptySummary"}, "summary:\n", {}, "the summary is missing"},
    {{"secondSummary"}, "summary: a\nsummary: b\n", {}, "line 2: a second summary"},
    {{"unknownKey"}, "summary: a\nexampel: x\n", {}, "line 2: unknown key 'exampel'"},
    {{"noKey"}, "summary: a\njust words\n", {}, "line 2: expected \"key: text\""},
    {{"continuationFirst"}, "  x\nsummary: a\n", {}, "line 1: a continued line"},
    {{"explanationWithoutExample"}, "summary: a\nexplanation: x\n", {}, "line 2: an explanation"},
    {{"utf8Kept"}, "summary: na\xc3\xafve \xe2\x86\x92 one\n", {"na\xc3\xafve \xe2\x86\x92 one", {}, {}, ""}, ""},
    {{"notUtf8"}, "summary: a\ndescription: ok\n# caf\xe9\n", {}, "man page texts, line 3: not valid UTF-8 at byte 6"},
    {{"notUtf8InContinuation"}, "summary: a\n  \xe2\x82\n", {}, "line 2: not valid UTF-8 at byte 3"},
    {{"secondExplanation"}, "summary: a\nexample: t\nexplanation: x\nexplanation: y\n", {}, "line 4: an explanation"},
    {{"commandGoesOnAfterABackslash"}, "summary: a\nexample: tl -q \\\n  -h \\\\\n  x\nexplanation: \\\n  y\n", {"a", {}, {{"tl -q \\\n-h \\\\ x", "\\ y"}}, ""}, ""},
    {{"toolSections"}, "summary: a\nenvironment: TL_HOME: where: here\n  and there\nfiles: $XDG_CONFIG_HOME/tl: b\nfiles: /etc/tl: c\nexit-status: 255: d\nexit-status: 0: e\nsee-also: Foo::Bar_2.x+y-z(3pm)\nsee-also: groff(7)\n", {"a", {}, {}, "", {{"TL_HOME", "where: here and there"}}, {{"$XDG_CONFIG_HOME/tl", "b"}, {"/etc/tl", "c"}}, {{"255", "d"}, {"0", "e"}}, {{"Foo::Bar_2.x+y-z", "3pm"}, {"groff", "7"}}}, ""},
    {{"variableStartsWithADigit"}, "summary: a\nenvironment: 1X: b\n", {}, "line 2: 'environment' must be 'NAME: TEXT'"},
    {{"variableWithoutText"}, "summary: a\nenvironment: TL_HOME:\n", {}, "line 2: 'environment' must be 'NAME: TEXT'"},
    {{"variableWithABlank"}, "summary: a\nenvironment: TL HOME: b\n", {}, "line 2: 'environment' must be 'NAME: TEXT'"},
    {{"pathOfWords"}, "summary: a\nfiles: the settings: /etc/tl\n", {}, "line 2: 'files' must be 'PATH: TEXT'"},
    {{"relativePath"}, "summary: a\nfiles: etc/tl: b\n", {}, "line 2: 'files' must be 'PATH: TEXT'"},
    {{"statusTooHigh"}, "summary: a\nexit-status: 256: b\n", {}, "line 2: 'exit-status' must be 'N: TEXT' with N from 0 to 255, each once"},
    {{"statusWithLeadingZero"}, "summary: a\nexit-status: 03: b\n", {}, "line 2: 'exit-status' must be"},
    {{"statusNotANumber"}, "summary: a\nexit-status: -1: b\n", {}, "line 2: 'exit-status' must be"},
    {{"statusTwice"}, "summary: a\nexit-status: 3: b\nexit-status: 4: c\nexit-status: 3: d\n", {}, "line 4: 'exit-status' must be"},
    {{"seeAlsoWithoutSection"}, "summary: a\nsee-also: groff\n", {}, "line 2: 'see-also' must be 'NAME(SECTION)'"},
    {{"seeAlsoSectionZero"}, "summary: a\nsee-also: groff(0)\n", {}, "line 2: 'see-also' must be 'NAME(SECTION)'"},
    {{"seeAlsoSectionUpperCase"}, "summary: a\nsee-also: groff(1X)\n", {}, "line 2: 'see-also' must be"},
    {{"seeAlsoNameOfWords"}, "summary: a\nsee-also: the groff(1)\n", {}, "line 2: 'see-also' must be"},
    {{"seeAlsoNameStartsWithADot"}, "summary: a\nsee-also: .x(1)\n", {}, "line 2: 'see-also' must be"},
    {{"seeAlsoWithoutName"}, "summary: a\nsee-also: (1)\n", {}, "line 2: 'see-also' must be"},
    {{"seeAlsoTwoPages"}, "summary: a\nsee-also: groff(1), man(1)\n", {}, "line 2: 'see-also' must be"},
    {{"seeAlsoNotContinued"}, "summary: a\nsee-also: groff(1)\n  man(1)\n", {}, "line 3: a continued line after 'see-also'"},
    {{"escapeRefused"}, "summary: a\x1b[31mred\n", {}, "man page texts, line 1: a control character at byte 11"},
    {{"tabInsideRefused"}, "summary: a\tb\n", {}, "line 1: a control character at byte 11"},
    {{"tabsStartingAContinuation"}, "summary: a\n \t\tb\n", {"a b", {}, {}, ""}, ""},
    {{"carriageReturnInsideRefused"}, "summary: a\rb\r\n", {}, "line 1: a control character at byte 11"},
    {{"lastLineEndsWithCarriageReturn"}, "summary: a\r", {"a", {}, {}, ""}, ""},
    {{"controlInAComment"}, "summary: a\n# \x7f\n", {}, "line 2: a control character at byte 3"},
    {{"c1ControlRefused"}, "summary: a\xc2\x85\n", {}, "line 1: a control character at byte 11"},
    {{"bidiControlRefused"}, "summary: a\ndescription: \xe2\x80\xae" "abc\n", {}, "line 2: a control character at byte 14"},
    {{"lastBidiControlRefused"}, "summary: a\nexample: x\n  \xe2\x81\xa9\n", {}, "line 3: a control character at byte 3"},
};
// clang-format on

using TextsFile = testing::TestWithParam<TextsFileCase>;

TEST_P(TextsFile, reads)
{
    const TextsFileCase& row = GetParam();
    if (row.error.empty()) {
        EXPECT_EQ(rv::readManPageTexts(row.file), row.expected);
        return;
    }
    expectDefinitionError([&] { rv::readManPageTexts(row.file); }, row.error);
}

INSTANTIATE_TEST_SUITE_P(ManPageTexts, TextsFile, testing::ValuesIn(textsFileCases), rowName);

} // namespace
