#include "cmdline/RVCommandLine.hpp"
#include "cmdline/RVVerboseReport.hpp"
#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <memory>

#include <ostream>

namespace {

struct VerboseCase
{
    const char* name;
    std::vector<std::string> words; // after the program name
    std::string report;
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const VerboseCase& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const VerboseCase verboseCases[] = {
    {"joinedValue", {"-v", "-fa"}, "vk: read '-v' as --verbose\nvk: read '-fa' as --filter with the value 'a'\n"},
    {"valueInNextWord", {"-vi", "x"}, "vk: read '-vi' 'x' as --verbose, --input with the value 'x'\n"},
    {"clusterQuotedOnce", {"-vvv"}, "vk: read '-vvv' as --verbose, --verbose, --verbose\nvk: --verbose was given 3 times\n"},
    {"verboseAfterOtherOptions", {"-fa", "-vi", "x", "-v"}, "vk: read '-fa' as --filter with the value 'a'\nvk: read '-vi' 'x' as --verbose, --input with the value 'x'\nvk: read '-v' as --verbose\nvk: --verbose was given 2 times\n"},
    {"verboseLast", {"-i", "x", "--verbose"}, "vk: read '-i' 'x' as --input with the value 'x'\nvk: read '--verbose' as --verbose\n"},
    {"noReportBesideHelp", {"-v", "-h"}, ""},
    {"repeatsPointedOut", {"--verbose", "--input=x", "-i", "-", "--"}, "vk: read '--verbose' as --verbose\nvk: read '--input=x' as --input with the value 'x'\nvk: read '-i' '-' as --input with the value '-'\nvk: read '--' as the end of the options\nvk: --input was given 2 times\n"},
};
// clang-format on

class VerboseCases : public testing::TestWithParam<VerboseCase>
{};

TEST_P(VerboseCases, tellsHowEachArgumentWasRead)
{
    const VerboseCase& row = GetParam();
    const RVOptionTable table = varnockTable("vk");
    std::vector<const char*> pointers;
    for (const std::string& word : row.words) {
        pointers.push_back(word.c_str());
    }
    const RVParseResult result = parseArguments(table, pointers);
    EXPECT_EQ(renderVerboseReport(table, pointers, result.readings), row.report);
}

INSTANTIATE_TEST_SUITE_P(Verbose, VerboseCases, testing::ValuesIn(verboseCases),
                         [](const auto& info) { return std::string(info.param.name); });

RVCommandLine commandLineFor(const ArgumentVector& arguments)
{
    return RVCommandLine(makeCommandLineDefinition(), makeAppDefinition(arguments.argv()[0]),
                         arguments.argc(), arguments.argv());
}

TEST(HandleStandardArguments, usageErrorExitsWithTwo)
{
    const ArgumentVector arguments({"vk", "--fitler", "a"});
    EXPECT_EXIT(commandLineFor(arguments).handleStandardArguments(), testing::ExitedWithCode(2),
                "^vk: unrecognized option '--fitler'\nvk: did you mean '--filter'\\?\n"
                "Try 'varnock --help' for more information.\n$");
}

TEST(HandleStandardArguments, validRunReturnsSilently)
{
    const ArgumentVector arguments({"vk", "-f", "a", "-i", "-"});
    RVCommandLine commandLine = commandLineFor(arguments);
    testing::internal::CaptureStderr();
    commandLine.handleStandardArguments();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(commandLine.params().at("input"), texts({"-"}));
}

// Nothing reads the argument vector after construction, not even -v.
TEST(HandleStandardArguments, verboseReportOutlivesTheArgumentVector)
{
    auto arguments = std::make_unique<ArgumentVector>(std::vector<std::string>{"vk", "-vfa"});
    RVCommandLine commandLine = commandLineFor(*arguments);
    arguments.reset();
    testing::internal::CaptureStderr();
    commandLine.handleStandardArguments();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vk: read '-vfa' as --verbose, --filter with the value 'a'\n");
}

} // namespace
