#include "pktcount.hpp"

#include <charconv>

// One option to a line, in the order the help screen shows them.
// clang-format off
std::vector<RVDefinition> makeCommandLineDefinition()
{
    return {
        {{"name", "version"}, {"short", "-V"}, {"long", "--version"}, {"help", "shows the software version"}},
        {{"name", "verbose"}, {"short", "-v"}, {"long", "--verbose"}, {"help", "tells how the command line was read"}},
        {{"name", "help"}, {"short", "-h"}, {"long", "--help"}, {"help", "shows the help screen"}},
        {{"name", "input"}, {"short", "-i"}, {"long", "--input"}, {"argument", "filename"}, {"help", "counts the packets of a file, or of stdin for -; may be repeated"}},
        {{"name", "max-packets"}, {"short", "-n"}, {"long", "--max-packets"}, {"argument", "count"}, {"help", "stops after this many packets"}},
        {{"name", "quiet"}, {"short", "-q"}, {"long", "--quiet"}, {"help", "prints totals only"}},
    };
}
// clang-format on

RVDefinition makeAppDefinition(const char* runAs)
{
    return {{"version", PKTCOUNT_VERSION},
            {"executable", "pktcount"},
            {"run-as", runAs != nullptr ? runAs : "pktcount"},
            {"copyright", "Copyright (C) 2026 The varnock developers. All rights reserved."}};
}

SettingsOrError readSettings(const RVCommandLine& commandLine)
{
    SettingsOrError result;
    const RVParams& params = commandLine.params();
    if (const auto input = params.find("input"); input != params.end()) {
        for (const RVOptionValue& name : *input->second.asList()) {
            result.settings.inputs.emplace_back(*name.asText());
        }
    }
    result.settings.quiet = params.contains("quiet");
    if (const auto limit = params.find("max-packets"); limit != params.end()) {
        // The first occurrence counts.
        const std::string_view text = *limit->second.asList()->front().asText();
        std::int64_t value = -1;
        const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (problem != std::errc() || end != text.data() + text.size() || value < 0) {
            result.error = "invalid packet count " + rv::quoted(text);
        }
        result.settings.maxPackets = value;
    }
    return result;
}
