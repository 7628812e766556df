// pktcount's own command line, through the service's returning call: what
// would be written, and whether the process would end, for each line; then
// the settings read from the lines that go on.
#include "pktcount.hpp"

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
    words.insert(words.begin(), "pktcount");
    return RVCommandLine(makeCommandLineDefinition(), makeAppDefinition("pktcount"),
                         static_cast<int>(words.size()), words.data());
}

const std::string tryHelp = "Try 'pktcount --help' for more information.\n";

// A line that the service ends: the text starts with "text" and is whole
// when "whole" is set. The tool's own errors: "text" is the whole report.
struct EndRow
{
    std::vector<const char*> words;
    RVOutcome::Stream stream;
    RVExitStatus status;
    std::string text;
    bool whole = true;
};

// A line that goes on, and what pktcount reads from it.
struct RunRow
{
    std::vector<const char*> words;
    std::vector<std::string> inputs;
    bool quiet;
    std::int64_t verbosity;
    Settings::Color color;
    std::int64_t maxPackets;
    Settings::Format format;
    const char* matched; // a text the pattern finds, or null for no pattern
    std::string output;  // what headerLine, noteLine and totalLine write for the inputs
};

std::string describe(const std::vector<const char*>& words)
{
    std::string line = "pktcount";
    for (const char* word : words) {
        line.append(" '").append(word).append("'");
    }
    return line;
}

} // namespace

int main()
{
    using Stream = RVOutcome::Stream;
    using Format = Settings::Format;
    using Color = Settings::Color;
    // clang-format off
    const std::vector<EndRow> ends = {
        {{"-q", "--help"}, Stream::standardOutput, RVExitStatus::success, "Usage: pktcount [OPTION]... FILE...\nCounts the packets of each SS7 capture FILE.\n", false},
        {{"a", "-vq"}, Stream::standardError, RVExitStatus::usageError, "pktcount: '--quiet' cannot be given with '--verbose'\n" + tryHelp},
        {{"--color=", "a"}, Stream::standardError, RVExitStatus::usageError, "pktcount: invalid argument '' for '--color'\npktcount: valid arguments are 'always', 'never' or 'auto'\n" + tryHelp},
        {{"--quite", "a"}, Stream::standardError, RVExitStatus::usageError, "pktcount: unrecognized option '--quite'\npktcount: did you mean '--quiet'?\n" + tryHelp},
        {{"-q"}, Stream::standardError, RVExitStatus::usageError, "pktcount: missing FILE operand\n" + tryHelp},
        {{"a", "-n", "-1"}, Stream::standardError, RVExitStatus::usageError, "pktcount: invalid argument '-1' for '--max-packets': expected an integer of at least 0\n" + tryHelp},
        {{"--max-packets=ten", "a"}, Stream::standardError, RVExitStatus::usageError, "pktcount: invalid argument 'ten' for '--max-packets': expected an integer of at least 0\n" + tryHelp},
        {{"a", "--format", "cvs"}, Stream::standardError, RVExitStatus::usageError, "pktcount: invalid argument 'cvs' for '--format'\npktcount: did you mean 'csv'?\npktcount: valid arguments are 'text' or 'csv'\n" + tryHelp},
        {{"--file=a"}, Stream::standardError, RVExitStatus::usageError, "pktcount: unrecognized option '--file=a'\n" + tryHelp},
    };
    // clang-format on
    for (const EndRow& row : ends) {
        const RVOutcome outcome = commandLineOf(row.words).standardOutcome();
        expect(outcome.stream == row.stream && outcome.exitStatus == row.status &&
                   (row.whole ? outcome.text == row.text : outcome.text.starts_with(row.text)),
               describe(row.words) + " writes:\n" + outcome.text);
    }

    // The operands in the order typed, options before, between and after
    // them; after "--" every word is an operand.
    // clang-format off
    const std::vector<RunRow> runs = {
        {{"a.hex"}, {"a.hex"}, false, 0, Color::never, -1, Format::text, nullptr, "a.hex: 0 packets\n"},
        {{"a.hex", "-qn", "0", "-", "--format=csv", "b\"c\".hex", "d,e"}, {"a.hex", "-", "b\"c\".hex", "d,e"}, true, 0, Color::never, 0, Format::csv, nullptr, "file,packets\na.hex,0\n-,0\n\"b\"\"c\"\".hex\",0\n\"d,e\",0\n"},
        {{"-n", "10", "-n", "20", "-o", "text", "-o", "csv", "--", "-n", "--"}, {"-n", "--"}, false, 0, Color::never, 10, Format::text, nullptr, "-n: 0 packets\n--: 0 packets\n"},
        {{"--match", "I[AC]M$", "x", "-m", "("}, {"x"}, false, 0, Color::never, -1, Format::text, "an IAM", "x: 0 packets\n"},
        // -v is pktcount's own: no report of the service's, and the run goes on.
        {{"-v", "a.hex"}, {"a.hex"}, false, 1, Color::never, -1, Format::text, nullptr, "pktcount: reading 'a.hex'\na.hex: 0 packets\n"},
        {{"-vvv", "a.hex"}, {"a.hex"}, false, 3, Color::never, -1, Format::text, nullptr, "pktcount: reading 'a.hex', every packet\na.hex: 0 packets\n"},
        {{"-vn", "0", "a", "--verbose", "-m", "x"}, {"a"}, false, 2, Color::never, 0, Format::text, "x", "pktcount: reading 'a', at most 0 packets, those the pattern finds\na: 0 packets\n"},
        // A value of --color only joined: "-c never" counts the file "never".
        {{"-c", "never", "--color=never"}, {"never"}, false, 0, Color::always, -1, Format::text, nullptr, "never: \x1b[1m0\x1b[0m packets\n"},
        {{"-cauto", "a", "--color"}, {"a"}, false, 0, Color::automatic, -1, Format::text, nullptr, "a: 0 packets\n"},
        {{"--color", "-o", "csv", "a"}, {"a"}, false, 0, Color::always, -1, Format::csv, nullptr, "file,packets\na,0\n"},
    };
    // clang-format on
    for (const RunRow& row : runs) {
        const RVCommandLine run = commandLineOf(row.words);
        const SettingsOrError read = readSettings(run);
        const Settings& settings = read.settings;
        std::string output = headerLine(settings);
        for (const std::string& input : settings.inputs) {
            output += (settings.verbosity > 0 ? noteLine(settings, input) : "") +
                      totalLine(settings, input, 0);
        }
        expect(run.standardOutcome() == RVOutcome() && !read.error &&
                   settings.inputs == row.inputs && settings.quiet == row.quiet &&
                   settings.verbosity == row.verbosity && settings.color == row.color &&
                   settings.maxPackets == row.maxPackets && settings.format == row.format &&
                   (row.matched == nullptr
                        ? !settings.match
                        : settings.match && std::regex_search(row.matched, *settings.match) &&
                              !std::regex_search("IAMX", *settings.match)) &&
                   output == row.output,
               describe(row.words) + " reads otherwise; writes:\n" + output);
    }

    // The pattern only pktcount can check, reported in the service's form.
    const RVCommandLine bad = commandLineOf({"a", "--match=a(b"});
    const SettingsOrError badRead = readSettings(bad);
    expect(badRead.error && bad.usageErrorText(*badRead.error) ==
                                "pktcount: invalid pattern 'a(b' for '--match'\n" + tryHelp,
           "--match=a(b: the tool's own usage error, in the service's form");

    return failures == 0 ? 0 : 1;
}
