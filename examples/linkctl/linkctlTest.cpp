// linkctl's own command line, through the service's returning call: what
// would be written, and whether the process would end, for each line; then
// the command, the names in params and the request read from the lines that
// go on.
#include "linkctl.hpp"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void expect(bool condition, const std::string& what)
{
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
        ++failures;
    }
}

RVCommandLine commandLineOf(std::vector<const char*> words)
{
    words.insert(words.begin(), "linkctl");
    return RVCommandLine(makeCommandLineDefinition(), makeAppDefinition("linkctl"),
                         static_cast<int>(words.size()), words.data());
}

std::string tryHelp(const std::string& name)
{
    return "Try '" + name + " --help' for more information.\n";
}

// A line that the service ends, or writes to and lets go on (no status):
// the text starts with "text" and is whole when "whole" is set.
struct EndRow
{
    std::vector<const char*> words;
    RVOutcome::Stream stream;
    std::optional<RVExitStatus> status;
    std::string text;
    bool whole = true;
};

// A line that goes on: the command it chose, every name that params holds,
// and what linkctl would send where.
struct RunRow
{
    std::vector<const char*> words;
    std::string command;
    std::vector<std::string> names;
    std::string sent;
};

std::string describe(const std::vector<const char*>& words)
{
    std::string line = "linkctl";
    for (const char* word : words) {
        line.append(" '").append(word).append("'");
    }
    return line;
}

} // namespace

int main()
{
    using Stream = RVOutcome::Stream;
    const RVExitStatus usage = RVExitStatus::usageError;
    const std::string set = "linkctl set: ";
    // clang-format off
    const std::vector<EndRow> ends = {
        {{"-S", "x"}, Stream::standardError, usage, "linkctl: missing command\n" + tryHelp("linkctl")},
        {{"lst", "-a"}, Stream::standardError, usage, "linkctl: unknown command 'lst'\nlinkctl: did you mean 'list'?\n" + tryHelp("linkctl")},
        {{"set", "-S", "x", "L1", "sls", "1"}, Stream::standardError, usage, set + "'-S' is an option of linkctl: give it before 'set'\n" + tryHelp("linkctl set")},
        {{"set", "L1", "sls"}, Stream::standardError, usage, set + "missing VALUE operand\n" + tryHelp("linkctl set")},
        {{"set", "-w", "later", "L1", "sls", "1"}, Stream::standardError, usage, set + "invalid argument 'later' for '--when'\n" + set + "valid arguments are 'now' or 'restart'\n" + tryHelp("linkctl set")},
        {{"list", "L1"}, Stream::standardError, usage, "linkctl list: extra operand 'L1'\n" + tryHelp("linkctl list")},
        {{"--help", "set"}, Stream::standardOutput, RVExitStatus::success, "Usage: linkctl [OPTION]... COMMAND [ARG]...\nLists, shows and changes the signalling links of the link daemon.\n", false},
        {{"--bogus", "show", "--help"}, Stream::standardOutput, RVExitStatus::success, "Usage: linkctl show [OPTION]... LINK...\n", false},
        {{"-v", "set", "L1", "sls", "-1"}, Stream::standardError, std::nullopt, "linkctl: read '-v' as --verbose\nlinkctl: read 'set' as the command\n", false},
    };
    // clang-format on
    for (const EndRow& row : ends) {
        const RVOutcome outcome = commandLineOf(row.words).standardOutcome();
        expect(outcome.stream == row.stream && outcome.exitStatus == row.status &&
                   (row.whole ? outcome.text == row.text : outcome.text.starts_with(row.text)),
               describe(row.words) + " writes:\n" + outcome.text);
    }

    // clang-format off
    const std::vector<RunRow> runs = {
        {{"list"}, "list", {"list"}, "/run/ss7/links.sock: list\n"},
        {{"list", "--all"}, "list", {"all", "list"}, "/run/ss7/links.sock: list all\n"},
        // show reads its options among its operands; the global ones end at it.
        {{"-S", "/tmp/l.sock", "show", "L1", "-a", "L2"}, "show", {"all", "link", "show", "socket"}, "/tmp/l.sock: show L1 L2 all\n"},
        {{"--", "show", "--", "-L"}, "show", {"link", "show"}, "/run/ss7/links.sock: show -L\n"},
        // set reads its options before LINK only: -1 and --all are values.
        {{"set", "-w", "now", "L1", "sls", "-1"}, "set", {"key", "link", "set", "value", "when"}, "/run/ss7/links.sock: set L1 sls=-1\n"},
        {{"set", "-r", "-1", "--when", "restart", "-w", "now", "L2", "t1", "--all"}, "set", {"key", "link", "retries", "set", "value", "when"}, "/run/ss7/links.sock: set L2 t1=--all at-restart retries=-1\n"},
    };
    // clang-format on
    for (const RunRow& row : runs) {
        const RVCommandLine run = commandLineOf(row.words);
        const RequestOrError read = readRequest(run);
        std::vector<std::string> names;
        for (const auto& entry : run.params()) {
            names.emplace_back(entry.first);
        }
        const std::string sent = read.request.socket + ": " + requestLine(read.request);
        expect(run.standardOutcome() == RVOutcome() && !read.error &&
                   run.command() == row.command && names == row.names && sent == row.sent,
               describe(row.words) + " reads otherwise; would send " + sent);
    }

    // A setting only linkctl knows, reported in the service's form for set.
    const RVCommandLine bad = commandLineOf({"set", "L1", "sl", "1"});
    const RequestOrError badRead = readRequest(bad);
    expect(badRead.error && bad.usageErrorText(*badRead.error) ==
                                set + "unknown setting 'sl'\n" + tryHelp("linkctl set"),
           "set L1 sl 1: the tool's own usage error, in the service's form for set");

    return failures == 0 ? 0 : 1;
}
