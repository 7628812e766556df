#include "varnock/definitions.hpp"
#include "cmdline/RVHelpText.hpp"
#include "tests/testSupport.hpp"

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
    const RVOptionTable table(makeCommandLineDefinition(), makeAppDefinition("varnock"));
    std::vector<std::string_view> names;
    for (const RVOptionSpec& option : table.options()) {
        names.push_back(option.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string_view>{"version", "verbose", "help", "filter", "staging-area",
                                             "filter-name", "input", "input-format"}));
}

// The help screen as users see it: every option, placeholder and help line.
TEST(Definitions, helpScreen)
{
    EXPECT_EQ(rv::renderHelp(RVOptionTable(makeCommandLineDefinition(), makeAppDefinition("./vk"))),
              "Usage: ./vk [OPTION]...\n"
              "\n"
              "Options:\n"
              "  -V, --version\n"
              "          shows the software version\n"
              "  -v, --verbose\n"
              "          enables verbose mode\n"
              "  -h, --help\n"
              "          shows the help screen\n"
              "  -f, --filter=filename\n"
              "          reads the definition of a filter from a file\n"
              "      --staging-area=filename\n"
              "          reads the definition of filters from a staging area file\n"
              "      --filter-name=filter-name\n"
              "          specifies which filter to use from the staging area\n"
              "  -i, --input=filename\n"
              "          takes packet input from file or stdin if - is passed as filename\n"
              "      --input-format={mtp3-hexstream (default) | pcap}\n"
              "          defines the input format\n"
              "\n"
              "See 'man varnock' for the rules of the command line.\n");
}

} // namespace
