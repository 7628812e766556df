// The varnock front end: its identity and options as data, the reduction of
// option values to single texts, and the run settings resolved from them.
#pragma once

#include "cmdline/RVOptionValue.hpp"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

enum Varnock_InputFormat : std::uint32_t
{
    Varnock_InputFormat_mtp3_hexstream = 0,
    Varnock_InputFormat_pcap_file = 1,
};

// The first text that stands for the value: a text itself, a number as its
// decimal digits, a list by its first element (to any depth); null for an
// empty list, a null or a map. An empty text is a text, not null.
std::optional<std::string> getFirst(const RVOptionValue& param);

// The four texts that name the tool. runAs is the name the program was
// invoked by; a null runAs (an empty argument vector) gives "varnock".
std::map<std::string, std::string> makeAppDefinition(const char* runAs);

// The eight options, in the order the help screen shows them.
std::vector<std::map<std::string, std::string>> makeCommandLineDefinition();

struct RunSettings
{
    std::optional<std::string> filterFileName;
    std::optional<std::string> stagingAreaFileName;
    std::optional<std::string> filterName;
    Varnock_InputFormat inputFormat = Varnock_InputFormat_mtp3_hexstream;
    std::vector<std::string> inputs; // in command-line order; "-" is standard input

    friend bool operator==(const RunSettings&, const RunSettings&) = default;
};

// Of a repeated single-valued option the first occurrence counts; an input
// format other than "mtp3-hexstream" or "pcap" leaves the default.
RunSettings resolveRunSettings(const RVParams& params);

// The work done on one input, in command-line order.
void processInput(const std::string& input);

// Hands every input to processInput, first to last.
void walkInputs(const std::vector<std::string>& inputs);
