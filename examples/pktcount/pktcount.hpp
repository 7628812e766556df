// pktcount's options as data, and its settings read from the parsed line.
#pragma once

#include <varnock/cmdline/RVCommandLine.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::vector<RVDefinition> makeCommandLineDefinition();
// runAs: the name the program was invoked by; null when argv is empty.
RVDefinition makeAppDefinition(const char* runAs);

struct Settings
{
    std::vector<std::string> inputs;
    bool quiet = false;
    std::int64_t maxPackets = -1; // -1: no limit
};

// The settings, or, for a value that pktcount cannot use, the usage error
// message to report through the service.
struct SettingsOrError
{
    Settings settings;
    std::optional<std::string> error;
};

SettingsOrError readSettings(const RVCommandLine& commandLine);
