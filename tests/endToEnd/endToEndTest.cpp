// Runs the built binary as a user or a script would, and checks its exit
// status and both output streams. With VARNOCK_LAUNCHER set (a command such
// as "valgrind --error-exitcode=1 -q"), every run goes through it.
#include "tests/testSupport.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Stdin
{
    devNull,
    openPipe, // never written, never closed
    endlessPipe,
    closed
};
enum class Stdout
{
    pipe,
    devFull,
    closed
};
enum class Start
{
    plain,
    argcZero,     // through a shim that hands main argc 0
    traced,       // under strace, which must see no named file opened and no read of standard input
    memoryLimited // with 12 MiB of address space: room to start, not to hold a long line
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

struct EndToEndCase : NamedRow<EndToEndCase>
{
    std::vector<std::string> words; // after the program name
    int status;
    Expected out;
    Expected err;
    std::optional<std::string> programName = "varnock"; // nullopt: an empty vector
    Stdin input = Stdin::devNull;
    Stdout output = Stdout::pipe;
    Start start = Start::plain;
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

std::vector<std::string> launcherWords()
{
    const char* launcher = std::getenv("VARNOCK_LAUNCHER");
    std::istringstream text(launcher != nullptr ? launcher : "");
    std::vector<std::string> words;
    for (std::string word; text >> word;) {
        words.push_back(word);
    }
    return words;
}

struct Command
{
    std::string path;
    std::vector<std::string> argv;
    std::vector<std::string> environment;
};

// A tool in front of the program (valgrind, strace) is handed the name
// varnock and finds it through PATH, so that argv[0] stays "varnock".
Command commandFor(const EndToEndCase& row, const std::string& straceLog)
{
    std::vector<std::string> tool = launcherWords();
    const std::string binary =
        !tool.empty() || row.start == Start::argcZero ? VARNOCK_DYNAMIC_BINARY : VARNOCK_BINARY;
    Command command{binary, {}, {}};
    if (row.start == Start::traced) {
        const char* trace = "trace=%file,read,readv,pread64,preadv,preadv2";
        tool = {VARNOCK_STRACE, "-f", "-o", straceLog, "-e", trace};
        // A sanitized varnock's leak check cannot run under ptrace; other rows do it.
        command.environment = {"ASAN_OPTIONS=detect_leaks=0"};
    } else if (row.start == Start::argcZero) {
        // A sanitized varnock would refuse a library preloaded ahead of its runtime.
        command.environment = {"LD_PRELOAD=" VARNOCK_ARGC_ZERO_SHIM,
                               "ASAN_OPTIONS=verify_asan_link_order=0"};
    }
    if (!tool.empty()) {
        command.path = tool.front();
        command.argv = tool;
        command.environment.push_back("PATH=" + binary.substr(0, binary.rfind('/')));
    }
    if (row.programName) {
        command.argv.push_back(*row.programName);
    }
    command.argv.insert(command.argv.end(), row.words.begin(), row.words.end());
    return command;
}

std::vector<char*> pointersTo(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Standard input becomes a pipe that a writer of its own fills until the
// reader is gone. The writer is orphaned at once, so that no strace or
// valgrind in front of varnock sees a child it does not know end.
void feedStandardInputForever()
{
    int feed[2];
    if (pipe(feed) != 0) {
        _exit(126);
    }
    if (const pid_t middle = fork(); middle != 0) {
        waitpid(middle, nullptr, 0);
    } else {
        if (fork() == 0) {
            close(feed[0]);
            close(STDOUT_FILENO);
            close(STDERR_FILENO);
            const std::string chunk(4096, 'x');
            while (write(feed[1], chunk.data(), chunk.size()) > 0) {
            }
        }
        _exit(0);
    }
    dup2(feed[0], STDIN_FILENO);
    close(feed[0]);
    close(feed[1]);
}

Outcome launch(const EndToEndCase& row, Command command)
{
    std::vector<char*> argv = pointersTo(command.argv);
    std::vector<char*> environment = pointersTo(command.environment);

    int outPipe[2], errPipe[2], inPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0 || pipe(inPipe) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        // The kernel gives the argument vector at most a quarter of the stack limit.
        rlimit stack{};
        getrlimit(RLIMIT_STACK, &stack);
        stack.rlim_cur =
            std::max<rlim_t>(stack.rlim_cur, std::min<rlim_t>(256 << 20, stack.rlim_max));
        setrlimit(RLIMIT_STACK, &stack);
        if (row.start == Start::memoryLimited) {
            const rlimit addressSpace{12 << 20, 12 << 20};
            setrlimit(RLIMIT_AS, &addressSpace);
        }
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
        if (row.input == Stdin::closed) {
            close(STDIN_FILENO);
        } else if (row.input == Stdin::endlessPipe) {
            feedStandardInputForever();
        }
        execve(command.path.c_str(), argv.data(), environment.data());
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

std::string tryHelpAs(const std::string& name)
{
    return "Try '" + name + " --help' for more information.\n";
}
const std::string tryHelp = tryHelpAs("varnock");
const std::string copyright = "Copyright (C) 2026 The varnock developers. All rights reserved.\n";
const std::string usage = "Usage: varnock [OPTION]...\n";

// The verbose report of one word of n "v" letters: the word is quoted once.
std::string verboseCluster(std::size_t n)
{
    std::string line = "varnock: read '-" + std::string(n, 'v') + "' as --verbose";
    for (std::size_t index = 1; index < n; ++index) {
        line += ", --verbose";
    }
    return line + "\nvarnock: --verbose was given " + std::to_string(n) + " times\n";
}

// clang-format off
const EndToEndCase endToEndCases[] = {
    {{"noArguments"}, {}, 0, exactly(""), exactly("")},
    {{"typicalRun"}, {"-f", "a", "-f", "b", "--input-format", "pcap", "-i", "x", "-i", "-", "-i", "y"}, 0, exactly(""), exactly("")},
    {{"everyForm"}, {"--filter=a.flt", "--staging-area", "s.stg", "--filter-name=", "-ix", "--",}, 0, exactly(""), exactly("")},
    {{"help"}, {"--help"}, 0, startingWith(usage), exactly("")},
    {{"helpShort"}, {"-h"}, 0, startingWith(usage), exactly("")},
    {{"helpIgnoresErrors"}, {"--fitler", "stray", "-xh", "-f"}, 0, startingWith(usage), exactly("")},
    {{"helpIgnoresVerbose"}, {"-v", "-h"}, 0, startingWith(usage), exactly("")},
    {{"version"}, {"--version"}, 0, exactly("varnock 1.15.0\n" + copyright), exactly("")},
    {{"versionNeverShowsInvocationName"}, {"-V"}, 0, exactly("varnock 1.15.0\n" + copyright), exactly(""), "/tmp/other-name"},
    {{"firstOfVersionAndHelp"}, {"-V", "--help"}, 0, startingWith("varnock 1.15.0\n"), exactly("")},
    {{"firstOfHelpAndVersion"}, {"-h", "-V"}, 0, startingWith(usage), exactly("")},
    {{"nonAsciiByteNamesTheWord"}, {"-\x80"}, 2, exactly(""), exactly("varnock: unrecognized option '-\\x80'\n" + tryHelp)},
    {{"shortWordTooFarToSuggest"}, {"--hl"}, 2, exactly(""), exactly("varnock: unrecognized option '--hl'\n" + tryHelp)},
    {{"tiedSuggestionsBothNamed"}, {"--verboon"}, 2, exactly(""), exactly("varnock: unrecognized option '--verboon'\nvarnock: did you mean '--version' or '--verbose'?\n" + tryHelp)},
    {{"deleteByteEscaped"}, {"a\x7f"}, 2, exactly(""), exactly("varnock: extra operand 'a\\x7f'\n" + tryHelp)},
    {{"helpAsFilterValue"}, {"-f", "-h"}, 0, exactly(""), exactly("")},
    {{"misspelledOption"}, {"--fitler", "a"}, 2, exactly(""), exactly("varnock: unrecognized option '--fitler'\nvarnock: did you mean '--filter'?\n" + tryHelp)},
    {{"ambiguousPrefix"}, {"--filt", "a"}, 2, exactly(""), exactly("varnock: unrecognized option '--filt'\nvarnock: did you mean '--filter' or '--filter-name'?\n" + tryHelp)},
    {{"helpWithValue"}, {"--help=x"}, 2, exactly(""), exactly("varnock: option '--help' doesn't allow an argument\n" + tryHelp)},
    {{"singleDashHelp"}, {"-help"}, 2, exactly(""), startingWith("varnock: unrecognized option '-help'\nvarnock: did you mean '--help'?\n")},
    {{"operandIsNotLost"}, {"capture.pcap"}, 2, exactly(""), exactly("varnock: extra operand 'capture.pcap'\n" + tryHelp)},
    {{"errorNamesInvocation"}, {"-q"}, 2, exactly(""), exactly("./bin/vk: invalid option -- 'q'\n" + tryHelpAs("./bin/vk")), "./bin/vk"},
    {{"bothLinesNameTheInvocation"}, {"--fitler"}, 2, exactly(""), exactly("./build/bin/varnock: unrecognized option '--fitler'\n./build/bin/varnock: did you mean '--filter'?\n" + tryHelpAs("./build/bin/varnock")), "./build/bin/varnock"},
    {{"missingValue"}, {"-i"}, 2, exactly(""), exactly("varnock: option requires an argument -- 'i'\n" + tryHelp)},
    {{"verboseReport"}, {"-vfa", "-i", "x", "-i", "y"}, 0, exactly(""), exactly("varnock: read '-vfa' as --verbose, --filter with the value 'a'\nvarnock: read '-i' 'x' as --input with the value 'x'\nvarnock: read '-i' 'y' as --input with the value 'y'\nvarnock: --input was given 2 times\n")},
    {{"verboseSilentBesideError"}, {"-v", "-x"}, 2, exactly(""), exactly("varnock: invalid option -- 'x'\n" + tryHelp)},
    {{"helpToFullDevice"}, {"--help"}, 1, exactly(""), exactly("varnock: write error: No space left on device\n"), "varnock", Stdin::devNull, Stdout::devFull},
    {{"versionToClosedOutput"}, {"-V"}, 1, exactly(""), exactly("varnock: write error: Bad file descriptor\n"), "varnock", Stdin::devNull, Stdout::closed},
    {{"silentRunToClosedOutput"}, {"-i", "x"}, 0, exactly(""), exactly(""), "varnock", Stdin::devNull, Stdout::closed},
    {{"standardInputNeverRead"}, {"-i", "-"}, 0, exactly(""), exactly(""), "varnock", Stdin::openPipe},
    // execve with no words at all: the kernel hands the program one empty word.
    {{"emptyArgumentVector"}, {}, 0, exactly(""), exactly(""), std::nullopt},
    {{"emptyProgramNameFallsBack"}, {"-x"}, 2, exactly(""), exactly("varnock: invalid option -- 'x'\n" + tryHelp), ""},
    {{"latin1Values"}, {"-f", "caf\xe9.flt", "-i", "\xff\xfe"}, 0, exactly(""), exactly("")},
    {{"latin1InvocationName"}, {"-h"}, 0, startingWith("Usage: vk\\xe9 [OPTION]...\n"), exactly(""), "vk\xe9"},
    {{"utf8WordAsTyped"}, {"caf\xc3\xa9.pcap"}, 2, exactly(""), exactly("varnock: extra operand 'caf\xc3\xa9.pcap'\n" + tryHelp)},
    {{"latin1VerboseEscaped"}, {"-v", "-f", "caf\xe9"}, 0, exactly(""), exactly("varnock: read '-v' as --verbose\nvarnock: read '-f' 'caf\\xe9' as --filter with the value 'caf\\xe9'\n")},
    {{"writeErrorNameEscaped"}, {"-V"}, 1, exactly(""), exactly("vk\\xe9: write error: No space left on device\n"), "vk\xe9", Stdin::devNull, Stdout::devFull},
    // Hostile starts. Whatever the line holds: a silent exit 0, or one error
    // line and exit 2, or, when standard output refuses, a message and exit 1.
    // The shim hides every word, so --bogus is never seen.
    {{"trueArgcZero"}, {"--bogus"}, 0, exactly(""), exactly(""), "varnock", Stdin::devNull, Stdout::pipe, Start::argcZero},
    {{"notUtf8InError"}, {"--caf\xe9"}, 2, exactly(""), exactly("vk\\xff: unrecognized option '--caf\\xe9'\n" + tryHelpAs("vk\\xff")), "vk\xff"},
    // execve takes one word of at most 128 KiB with its NUL; the error line
    // is then twice a pipe's buffer.
    {{"largestWordExecveTakes"}, {std::string(128 * 1024 - 1, 'x')}, 2, exactly(""), exactly("varnock: extra operand '" + std::string(128 * 1024 - 1, 'x') + "'\n" + tryHelp)},
    // The largest clusters execve takes: their cost must stay linear in their length.
    {{"verboseLargestCluster"}, {"-" + std::string(128 * 1024 - 2, 'v')}, 0, exactly(""), exactly(verboseCluster(128 * 1024 - 2))},
    {{"badLettersInLargestCluster"}, {"-" + std::string(128 * 1024 - 2, 'x')}, 2, exactly(""), exactly("varnock: invalid option -- 'x'\n" + tryHelp)},
    {{"hundredThousandArguments"}, std::vector<std::string>(100000, "--input=capture.pcap"), 0, exactly(""), exactly("")},
    {{"lonelyDash"}, {"-"}, 2, exactly(""), exactly("varnock: extra operand '-'\n" + tryHelp)},
    {{"doubleDashAlone"}, {"--"}, 0, exactly(""), exactly("")},
    {{"tripleDash"}, {"---x"}, 2, exactly(""), exactly("varnock: unrecognized option '---x'\n" + tryHelp)},
    {{"dashEquals"}, {"-="}, 2, exactly(""), exactly("varnock: invalid option -- '='\n" + tryHelp)},
    {{"emptyLongName"}, {"--=x"}, 2, exactly(""), exactly("varnock: unrecognized option '--=x'\n" + tryHelp)},
    {{"optionAfterDoubleDash"}, {"--", "-h"}, 2, exactly(""), exactly("varnock: extra operand '-h'\n" + tryHelp)},
    {{"helpToClosedOutput"}, {"-h"}, 1, exactly(""), exactly("varnock: write error: Bad file descriptor\n"), "varnock", Stdin::devNull, Stdout::closed},
    {{"versionToFullDevice"}, {"--version"}, 1, exactly(""), exactly("varnock: write error: No space left on device\n"), "varnock", Stdin::devNull, Stdout::devFull},
    {{"standardInputClosed"}, {"-i", "-"}, 0, exactly(""), exactly(""), "varnock", Stdin::closed},
    {{"standardInputEndless"}, {"-i", "-"}, 0, exactly(""), exactly(""), "varnock", Stdin::endlessPipe},
    {{"memoryExhausted"}, std::vector<std::string>(60000, "--input=/srv/captures/2026/12/08/link-a-000001.pcap"), 1, exactly(""), exactly("varnock: memory exhausted\n"), "varnock", Stdin::devNull, Stdout::pipe, Start::memoryLimited},
    // 100,000 inputs fill the run's region within their first few hundred, and
    // the C library's heap then runs out.
    {{"memoryExhaustedPastTheRegion"}, std::vector<std::string>(100000, "-i/srv/captures/2026/12/08/link-a-000001.pcap"), 1, exactly(""), exactly("varnock: memory exhausted\n"), "varnock", Stdin::devNull, Stdout::pipe, Start::memoryLimited},
    {{"versionInLimitedMemory"}, {"--version"}, 0, exactly("varnock 1.15.0\n" + copyright), exactly(""), "varnock", Stdin::devNull, Stdout::pipe, Start::memoryLimited},
    {{"namedFilesNeverTouched"}, {"-f", "a.flt", "--staging-area", "s.stg", "-i", "in.hex", "-i", "-"}, 0, exactly(""), exactly(""), "varnock", Stdin::endlessPipe, Stdout::pipe, Start::traced},
};
// clang-format on

// The traced run named its files, and standard input, only as option values:
// strace must show nothing opened by those names and nothing read from 0.
void expectNothingTouched(const EndToEndCase& row, const std::string& straceLog)
{
    std::stringstream log;
    log << std::ifstream(straceLog).rdbuf();
    unlink(straceLog.c_str());
    EXPECT_NE(log.str().find("+++ exited with 0 +++"), std::string::npos)
        << "strace did not follow the run:\n"
        << log.str();
    for (std::string line; std::getline(log, line);) {
        if (line.find("execve(") != std::string::npos) {
            continue; // the start itself names every word
        }
        for (const std::string& word : row.words) {
            EXPECT_TRUE(word.starts_with("-") || line.find('"' + word + '"') == std::string::npos)
                << line;
        }
        for (const char* readOfStandardInput :
             {"read(0,", "readv(0,", "pread64(0,", "preadv(0,", "preadv2(0,"}) {
            EXPECT_EQ(line.find(readOfStandardInput), std::string::npos) << line;
        }
    }
}

using EndToEndCases = testing::TestWithParam<EndToEndCase>;

TEST_P(EndToEndCases, behavesAsAUserExpects)
{
    const EndToEndCase& row = GetParam();
    if (!launcherWords().empty() && row.programName != "varnock") {
        GTEST_SKIP() << "a launcher starts the program as varnock, whatever the row's argv[0]";
    }
    if (row.start == Start::memoryLimited && (VARNOCK_SANITIZED || !launcherWords().empty())) {
        GTEST_SKIP() << "valgrind and the sanitizers need more address space than the limit";
    }
    if (row.start == Start::traced && std::string_view(VARNOCK_STRACE).empty()) {
        GTEST_SKIP() << "strace is not installed (bash tests/run.sh installs it)";
    }
    const std::string straceLog =
        testing::TempDir() + "varnock-" + row.name + "-" + std::to_string(getpid()) + ".strace";
    const Outcome outcome = launch(row, commandFor(row, straceLog));
    ASSERT_FALSE(outcome.timedOut) << "the run did not end";
    EXPECT_EQ(outcome.status, row.status);
    expectStream(outcome.out, row.out, "standard output");
    expectStream(outcome.err, row.err, "standard error");
    if (row.start == Start::traced) {
        expectNothingTouched(row, straceLog);
    }
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, EndToEndCases, testing::ValuesIn(endToEndCases), rowName);

} // namespace
