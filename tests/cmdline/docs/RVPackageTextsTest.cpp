#include "cmdline/docs/RVPackageTexts.hpp"
#include "tests/testSupport.hpp"

namespace {

// The summary first, each paragraph wrapped to 78 columns, an empty line
// between paragraphs and none before the first.
TEST(PackageTexts, descriptionFromTheManPageTexts)
{
    const std::string first = std::string(70, 'a') + " and then some more words";
    const RVManPageTexts texts{"does it", {first, "Two."}, {}, ""};
    EXPECT_EQ(rv::renderPackageDescription(texts),
              "does it\n" + std::string(70, 'a') + " and\nthen some more words\n\nTwo.\n");
}

TEST(PackageTexts, copyrightFileFromTheAppDefinition)
{
    EXPECT_EQ(rv::renderCopyrightFile(testTable()), "tl 2.0\n\n(C) the tl developers\n");
}

} // namespace
