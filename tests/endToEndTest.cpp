// Runs the built binary as a user or a script would, and checks its exit
// status and both output streams.
#include <gtest/gtest.h>

#include <ostream>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

enum class Stdin
{
    devNull,
    openPipe
};
enum class Stdout
{
    pipe,
    devFull,
    closed
};

struct Expected
{
    std::string text;
    bool prefixOnly = false;
};

Expected exactly(std::string text)
{
    return {std::move(text), false};
}
Expected startingWith(std::string text)
{
    return {std::move(text), true};
}

struct EndToEndCase
{
    const char* name;
    std::vector<std::string> words; // after the program name
    int status;
    Expected out;
    Expected err;
    std::optional<std::string> programName = "varnock"; // nullopt: an empty vector
    Stdin input = Stdin::devNull;
    Stdout output = Stdout::pipe;
    // Lets a failing row print by its name instead of as bytes.
    friend void PrintTo(const EndToEndCase& row, std::ostream* out) { *out << row.name; }
};

struct Outcome
{
    int status = -1; // the exit status, or 128 + signal
    std::string out;
    std::string err;
    bool timedOut = false;
};

constexpr auto timeLimit = std::chrono::seconds(20);

void drainInto(int& fd, std::string& sink)
{
    char buffer[65536];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
        sink.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
        close(fd);
        fd = -1;
    }
}

Outcome launch(const EndToEndCase& row)
{
    std::vector<std::string> words;
    if (row.programName) {
        words.push_back(*row.programName);
    }
    words.insert(words.end(), row.words.begin(), row.words.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int outPipe[2], errPipe[2], inPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0 || pipe(inPipe) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        if (row.input == Stdin::openPipe) {
            dup2(inPipe[0], STDIN_FILENO);
        } else {
            const int devNull = open("/dev/null", O_RDONLY);
            dup2(devNull, STDIN_FILENO);
        }
        if (row.output == Stdout::devFull) {
            dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
        } else if (row.output == Stdout::closed) {
            close(STDOUT_FILENO);
        } else {
            dup2(outPipe[1], STDOUT_FILENO);
        }
        dup2(errPipe[1], STDERR_FILENO);
        for (const int fd :
             {outPipe[0], outPipe[1], errPipe[0], errPipe[1], inPipe[0], inPipe[1]}) {
            close(fd);
        }
        char* const noEnvironment[] = {nullptr};
        execve(VARNOCK_BINARY, argv.data(), noEnvironment);
        _exit(127);
    }
    // The write end of standard input stays open until the child is done, so
    // a read of standard input would block instead of seeing the end.
    close(outPipe[1]);
    close(errPipe[1]);
    close(inPipe[0]);

    Outcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    int outFd = outPipe[0], errFd = errPipe[0];
    while (outFd >= 0 || errFd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            outcome.timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        pollfd fds[] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            break;
        }
        if (outFd >= 0 && fds[0].revents != 0) {
            drainInto(outFd, outcome.out);
        }
        if (errFd >= 0 && fds[1].revents != 0) {
            drainInto(errFd, outcome.err);
        }
    }
    for (const int fd : {outFd, errFd}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(inPipe[1]);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

void expectStream(const std::string& actual, const Expected& expected, const char* stream)
{
    if (expected.prefixOnly) {
        EXPECT_TRUE(actual.starts_with(expected.text)) << stream << " was:\n"
                                                       << actual << "\nexpected to start with:\n"
                                                       << expected.text;
    } else {
        EXPECT_EQ(actual, expected.text) << stream;
    }
}

const std::string tryHelp = "Try 'varnock --help' for more information.\n";
const std::string copyright = "Copyright (C) 2026 The varnock developers. All rights reserved.\n";
const std::string usage = "Usage: varnock [OPTION]...\n";

const EndToEndCase endToEndCases[] = {
    {"noArguments", {}, 0, exactly(""), exactly("")},
    {"typicalRun",
     {"-f", "a", "-f", "b", "--input-format", "pcap", "-i", "x", "-i", "-", "-i", "y"},
     0,
     exactly(""),
     exactly("")},
    {"everyForm",
     {
         "--filter=a.flt",
         "--staging-area",
         "s.stg",
         "--filter-name=",
         "-ix",
         "--",
     },
     0,
     exactly(""),
     exactly("")},
    {"help", {"--help"}, 0, startingWith(usage), exactly("")},
    {"helpShort", {"-h"}, 0, startingWith(usage), exactly("")},
    {"helpIgnoresErrors", {"--fitler", "stray", "-xh", "-f"}, 0, startingWith(usage), exactly("")},
    {"helpIgnoresVerbose", {"-v", "-h"}, 0, startingWith(usage), exactly("")},
    {"version", {"--version"}, 0, exactly("varnock 1.15.0\n" + copyright), exactly("")},
    {"versionNeverShowsInvocationName",
     {"-V"},
     0,
     exactly("varnock 1.15.0\n" + copyright),
     exactly(""),
     "/tmp/other-name"},
    {"firstOfVersionAndHelp", {"-V", "--help"}, 0, startingWith("varnock 1.15.0\n"), exactly("")},
    {"helpAsFilterValue", {"-f", "-h"}, 0, exactly(""), exactly("")},
    {"misspelledOption",
     {"--fitler", "a"},
     2,
     exactly(""),
     exactly("varnock: unrecognized option '--fitler'\n"
             "varnock: did you mean '--filter'?\n" +
             tryHelp)},
    {"ambiguousPrefix",
     {"--filt", "a"},
     2,
     exactly(""),
     exactly("varnock: unrecognized option '--filt'\n"
             "varnock: did you mean '--filter' or '--filter-name'?\n" +
             tryHelp)},
    {"helpWithValue",
     {"--help=x"},
     2,
     exactly(""),
     exactly("varnock: option '--help' doesn't allow an argument\n" + tryHelp)},
    {"singleDashHelp",
     {"-help"},
     2,
     exactly(""),
     startingWith("varnock: unrecognized option '-help'\nvarnock: did you mean '--help'?\n")},
    {"operandIsNotLost",
     {"capture.pcap"},
     2,
     exactly(""),
     exactly("varnock: extra operand 'capture.pcap'\n" + tryHelp)},
    {"errorNamesInvocation",
     {"-q"},
     2,
     exactly(""),
     exactly("./bin/vk: invalid option -- 'q'\n" + tryHelp),
     "./bin/vk"},
    {"missingValue",
     {"-i"},
     2,
     exactly(""),
     exactly("varnock: option requires an argument -- 'i'\n" + tryHelp)},
    {"verboseReport",
     {"-vfa", "-i", "x", "-i", "y"},
     0,
     exactly(""),
     exactly("varnock: read '-vfa' as --verbose\n"
             "varnock: read '-vfa' as --filter with the value 'a'\n"
             "varnock: read '-i' 'x' as --input with the value 'x'\n"
             "varnock: read '-i' 'y' as --input with the value 'y'\n"
             "varnock: --input was given 2 times\n")},
    {"verboseSilentBesideError",
     {"-v", "-x"},
     2,
     exactly(""),
     exactly("varnock: invalid option -- 'x'\n" + tryHelp)},
    {"helpToFullDevice",
     {"--help"},
     1,
     exactly(""),
     exactly("varnock: write error: No space left on device\n"),
     "varnock",
     Stdin::devNull,
     Stdout::devFull},
    {"versionToClosedOutput",
     {"-V"},
     1,
     exactly(""),
     exactly("varnock: write error: Bad file descriptor\n"),
     "varnock",
     Stdin::devNull,
     Stdout::closed},
    {"silentRunToClosedOutput",
     {"-i", "x"},
     0,
     exactly(""),
     exactly(""),
     "varnock",
     Stdin::devNull,
     Stdout::closed},
    {"standardInputNeverRead",
     {"-i", "-"},
     0,
     exactly(""),
     exactly(""),
     "varnock",
     Stdin::openPipe},
    {"emptyArgumentVector", {}, 0, exactly(""), exactly(""), std::nullopt},
    {"emptyProgramNameFallsBack",
     {"-x"},
     2,
     exactly(""),
     exactly("varnock: invalid option -- 'x'\n" + tryHelp),
     ""},
    {"latin1Values", {"-f", "caf\xe9.flt", "-i", "\xff\xfe"}, 0, exactly(""), exactly("")},
    {"latin1InvocationName",
     {"-h"},
     0,
     startingWith("Usage: vk\xe9 [OPTION]...\n"),
     exactly(""),
     "vk\xe9"},
};

class EndToEndCases : public testing::TestWithParam<EndToEndCase>
{};

TEST_P(EndToEndCases, behavesAsAUserExpects)
{
    const EndToEndCase& row = GetParam();
    const Outcome outcome = launch(row);
    ASSERT_FALSE(outcome.timedOut) << "the run did not end";
    EXPECT_EQ(outcome.status, row.status);
    expectStream(outcome.out, row.out, "standard output");
    expectStream(outcome.err, row.err, "standard error");
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, EndToEndCases, testing::ValuesIn(endToEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
