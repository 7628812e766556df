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
