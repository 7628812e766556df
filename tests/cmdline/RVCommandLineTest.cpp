#include "tests/testSupport.hpp"
#include <varnock/cmdline/RVCommandLine.hpp>

#include <cerrno>
#include <memory>
#include <new>

namespace {

using V = RVOptionValue;

RVCommandLine commandLineFor(const ArgumentVector& arguments)
{
    return RVCommandLine(testDefinitions(), testApp(arguments.argv()[0]), arguments.argc(),
                         arguments.argv());
}

TEST(CommandLine, usageErrorExitsWithTwo)
{
    const ArgumentVector arguments("./tl", {"--fiel", "a"});
    EXPECT_EXIT(commandLineFor(arguments).handleStandardArguments(), testing::ExitedWithCode(2),
                "^\\./tl: unrecognized option '--fiel'\n\\./tl: did you mean '--file'\\?\n"
                "Try '\\./tl --help' for more information.\n$");
    // The tool's own usage error: the name escaped as the word is, both lines alike.
    const ArgumentVector latin1Name("./t\xe9", {});
    EXPECT_EQ(commandLineFor(latin1Name).usageErrorText("cannot read " + rv::quoted("caf\xe9")),
              "./t\\xe9: cannot read 'caf\\xe9'\nTry './t\\xe9 --help' for more information.\n");
    // A tool without the help option: the error line alone, both from the
    // parser and from the tool.
    std::vector<RVDefinition> withoutHelp = testDefinitions();
    withoutHelp.erase(withoutHelp.begin());
    const ArgumentVector unknown("./tl", {"-x"});
    const RVCommandLine noHelp(withoutHelp, testApp("./tl"), unknown.argc(), unknown.argv());
    EXPECT_EQ(noHelp.standardOutcome().text, "./tl: invalid option -- 'x'\n");
    EXPECT_EQ(noHelp.usageErrorText("no captures"), "./tl: no captures\n");
    EXPECT_EXIT(noHelp.exitWithUsageError("no captures"), testing::ExitedWithCode(2),
                "^\\./tl: no captures\n$");
}

// clang-format off
TEST(CommandLine, checkedValueIsAUsageError)
{
    const ArgumentVector arguments("hexcut", {"a", "--format", "jsno"});
    EXPECT_EQ(RVCommandLine(operandDefinitions(), {{"version", "1"}, {"executable", "hexcut"}}, arguments.argc(), arguments.argv()).standardOutcome(),
              (RVOutcome{RVOutcome::Stream::standardError, "hexcut: invalid argument 'jsno' for '--format'\nhexcut: did you mean 'json'?\nhexcut: valid arguments are 'text', 'csv' or 'json'\nTry 'hexcut --help' for more information.\n", RVExitStatus::usageError}));
}
// clang-format on

// The verbose report goes on with the run; a tool with commands says which
// was chosen, and its own usage errors name it.
TEST(CommandLine, verboseGoesOnAndCommandsAreNamed)
{
    const ArgumentVector verbose("tl", {"-v"});
    EXPECT_EQ(commandLineFor(verbose).standardOutcome(),
              (RVOutcome{RVOutcome::Stream::standardError, "tl: read '-v' as --verbose\n",
                         std::nullopt}));
    const auto sigctl = [](const ArgumentVector& arguments) {
        return RVCommandLine(
            {{{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "h"}},
             {{"name", "list"}, {"command", "list"}, {"help", "lists"}},
             {{"name", "all"}, {"long", "--all"}, {"of", "list"}, {"help", "h"}}},
            {{"version", "1"}, {"executable", "sigctl"}, {"run-as", arguments.argv()[0]}},
            arguments.argc(), arguments.argv());
    };
    const ArgumentVector list("./sigctl", {"list", "--all"}), none("sigctl", {"lst"});
    const RVCommandLine chosen = sigctl(list);
    EXPECT_EQ(chosen.command(), "list");
    EXPECT_EQ(chosen.usageErrorText("no links"),
              "./sigctl list: no links\nTry './sigctl list --help' for more information.\n");
    EXPECT_EQ(chosen.params().at("list"), V::number(1));
    const RVCommandLine unknown = sigctl(none);
    EXPECT_EQ(unknown.command(), "");
    EXPECT_EQ(unknown.usageErrorText("no links"),
              "sigctl: no links\nTry 'sigctl --help' for more information.\n");
    const ArgumentVector help("sigctl", {"list", "-h"});
    EXPECT_TRUE(
        sigctl(help).standardOutcome().text.starts_with("Usage: sigctl list [OPTION]...\nlists\n"));
    EXPECT_EQ(commandLineFor(verbose).command(), "");
}

// Out of memory the message names the service's tool, and before any service
// exists, or after the last is gone, the executable.
TEST(CommandLine, memoryExhaustedNamesTheTool)
{
    const auto runOutOfMemory = [] { std::get_new_handler()(); };
    EXPECT_EXIT(runOutOfMemory(), testing::ExitedWithCode(1),
                "^varnock_tests: memory exhausted\n$");
    // Started under a name that is not printable ASCII: every such byte escaped.
    const auto underOtherName = [&] {
        static char name[] = "t\xc3\xa9\x7f\x1b";
        program_invocation_short_name = name;
        runOutOfMemory();
    };
    EXPECT_EXIT(underOtherName(), testing::ExitedWithCode(1),
                "^t\\\\xc3\\\\xa9\\\\x7f\\\\x1b: memory exhausted\n$");
    const ArgumentVector arguments("./t\xe9", {});
    {
        const RVCommandLine commandLine = commandLineFor(arguments);
        EXPECT_EXIT(runOutOfMemory(), testing::ExitedWithCode(1),
                    "^\\./t\\\\xe9: memory exhausted\n$");
    }
    EXPECT_EXIT(runOutOfMemory(), testing::ExitedWithCode(1),
                "^varnock_tests: memory exhausted\n$");
    // A service assigned over the latest one: the name is the one that stays.
    const ArgumentVector keptArguments("kept", {}), goneArguments("gone", {});
    RVCommandLine kept = commandLineFor(keptArguments);
    RVCommandLine gone = commandLineFor(goneArguments);
    gone = std::move(kept);
    EXPECT_EXIT(runOutOfMemory(), testing::ExitedWithCode(1), "^kept: memory exhausted\n$");
}

// Nothing reads the argument vector after construction, not even -v; the
// params and copies of them outlive the service too.
TEST(CommandLine, outlivesTheArgumentVector)
{
    const struct
    {
        std::vector<std::string> words;
        std::string report;
    } rows[] = {
        {{"-f", "/srv/captures/a-long-file-name.pcap", "--file=b"}, ""},
        {{"-vf", "/srv/captures/a-long-file-name.pcap", "--file=b"},
         "tl: read '-vf' '/srv/captures/a-long-file-name.pcap' as --verbose, --file with the "
         "value '/srv/captures/a-long-file-name.pcap'\ntl: read '--file=b' as --file with the "
         "value 'b'\ntl: --file was given 2 times\n"},
    };
    for (const auto& row : rows) {
        auto arguments = std::make_unique<ArgumentVector>("tl", row.words);
        auto commandLine = std::make_unique<RVCommandLine>(commandLineFor(*arguments));
        const RVParams params = commandLine->params();
        arguments.reset();
        testing::internal::CaptureStderr();
        commandLine->handleStandardArguments();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), row.report);
        commandLine.reset();
        EXPECT_EQ(params.at("file"), texts({"/srv/captures/a-long-file-name.pcap", "b"}));
    }
}

// A process started with an empty argument vector has argc 0 and only the
// terminating null.
TEST(CommandLine, emptyArgumentVectorIsAnEmptyLine)
{
    const char* const onlyNull[] = {nullptr};
    const RVCommandLine commandLine(testDefinitions(), testApp(""), 0, onlyNull);
    EXPECT_EQ(commandLine.params(), RVParams());
    EXPECT_EQ(commandLine.standardOutcome(), RVOutcome());
}

} // namespace
