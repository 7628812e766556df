// pktcount's own command line, through the service's returning call: what
// would be written, and whether the process would end, for each line.
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

} // namespace

int main()
{
    using Stream = RVOutcome::Stream;

    const RVOutcome help = commandLineOf({"-q", "--help"}).standardOutcome();
    expect(help.stream == Stream::standardOutput && help.exitStatus == RVExitStatus::success &&
               help.text.starts_with("Usage: pktcount [OPTION]...\n"),
           "--help: usage on standard output, ending with success");

    const RVOutcome typo = commandLineOf({"--quite"}).standardOutcome();
    expect(typo.stream == Stream::standardError && typo.exitStatus == RVExitStatus::usageError &&
               typo.text.find("did you mean '--quiet'?") != std::string::npos,
           "--quite: a usage error that suggests --quiet");

    const RVCommandLine run = commandLineOf({"-qi", "a.hex", "--input=b.hex", "-n", "10"});
    expect(run.standardOutcome() == RVOutcome(), "a good line: nothing written, the run goes on");
    const SettingsOrError read = readSettings(run);
    expect(!read.error && read.settings.quiet && read.settings.maxPackets == 10 &&
               read.settings.inputs == std::vector<std::string>{"a.hex", "b.hex"},
           "a good line: inputs in order, quiet, the limit");

    const RVCommandLine bad = commandLineOf({"-n", "ten"});
    const SettingsOrError badRead = readSettings(bad);
    expect(badRead.error && bad.usageErrorText(*badRead.error) ==
                                "pktcount: invalid packet count 'ten'\n"
                                "Try 'pktcount --help' for more information.\n",
           "-n ten: the tool's own usage error, in the service's form");

    return failures == 0 ? 0 : 1;
}
