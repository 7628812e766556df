#include "testSupport.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Definitions, appDefinitionNamesTheToolAndHowItWasInvoked)
{
    const auto app = makeAppDefinition("/opt/bin/vk");
    EXPECT_EQ(app.at("version"), "1.15.0");
    EXPECT_EQ(app.at("executable"), "varnock");
    EXPECT_EQ(app.at("run-as"), "/opt/bin/vk");
    EXPECT_FALSE(app.at("copyright").empty());
    EXPECT_EQ(app.size(), 4u);
}

TEST(Definitions, nullInvocationNameFallsBackToExecutable)
{
    EXPECT_EQ(makeAppDefinition(nullptr).at("run-as"), "varnock");
    EXPECT_EQ(makeAppDefinition("").at("run-as"), "");
}

// The service's own checks are the test of the table's shape; the names
// are what the rest of the tool and every user script depend on.
TEST(Definitions, tablePassesTheServiceChecksInItsOrder)
{
    const RVOptionTable table = varnockTable();
    std::vector<std::string_view> names;
    for (const RVOptionSpec& option : table.options()) {
        names.push_back(option.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string_view>{"version", "verbose", "help", "filter", "staging-area",
                                             "filter-name", "input", "input-format"}));
}

} // namespace
