// pktcount's options and operands as data, and its settings read from the
// parsed line.
#pragma once

#include <varnock/cmdline/RVCommandLine.hpp>

#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <vector>

std::vector<RVDefinition> makeCommandLineDefinition();
// runAs: the name the program was invoked by; null when argv is empty.
RVDefinition makeAppDefinition(const char* runAs);

struct Settings
{
    enum class Format
    {
        text,
        csv
    };

    // Whether the counts are shown in bold; automatic until the tool has
    // looked at its standard output.
    enum class Color
    {
        never,
        always,
        automatic
    };

    std::vector<std::string> inputs; // the FILE operands, in command-line order
    bool quiet = false;
    std::int64_t verbosity = 0; // how many times -v was given
    Color color = Color::never;
    std::int64_t maxPackets = -1; // -1: no limit
    Format format = Format::text;
    std::optional<std::regex> match; // only the packets it finds in their text count
};

// The settings, or, for a value that pktcount cannot use, the usage error
// message to report through the service.
struct SettingsOrError
{
    Settings settings;
    std::optional<std::string> error;
};

SettingsOrError readSettings(const RVCommandLine& commandLine);

// One input's total as the format writes it, and the line before the first.
std::string totalLine(const Settings& settings, const std::string& input, std::int64_t packets);
std::string headerLine(const Settings& settings);
// What -v writes on standard error before an input is read.
std::string noteLine(const Settings& settings, const std::string& input);
