#include "cmdline/docs/RVTextTemplate.hpp"
#include "tests/testSupport.hpp"

namespace {

TEST(TextTemplate, fillsEveryPlaceholderOnce)
{
    EXPECT_EQ(rv::detail::fillTemplate("a {{x}} b {{y}}{{x}} ${c[@]}", {{"x", "{{y}}"}, {"y", ""}}),
              "a {{y}} b {{y}} ${c[@]}");
}

TEST(TextTemplate, templateAndFieldsMustAgree)
{
    const struct
    {
        const char* text;
        const char* complaint;
    } rows[] = {
        {"{{x}} {{z}}", "no field for {{z}}"},
        {"{{x", "'{{' without '}}'"},
        {"no placeholder", "a field that no placeholder uses"},
    };
    for (const auto& row : rows) {
        expectDefinitionError(
            [&] {
                rv::detail::fillTemplate(row.text, {{"x", "1"}});
            },
            row.complaint);
    }
}

// A section whose name begins another's is found by its whole name.
TEST(TextTemplate, sectionsByTheirWholeName)
{
    const std::string_view text = "script\n#@ ab (first)\nAB\n#@ a (second)\nA\n";
    EXPECT_EQ(rv::detail::templateSection(text, ""), "script\n");
    EXPECT_EQ(rv::detail::templateSection(text, "a"), "A\n");
    EXPECT_EQ(rv::detail::templateSection(text, "ab"), "AB\n");
    expectDefinitionError([&] { rv::detail::templateSection(text, "b"); },
                          "template: no section b");
}

} // namespace
