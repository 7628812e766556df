// The varnock front end: its identity and options as data, the reduction of
// option values to single texts, and the run settings resolved from them.
#pragma once

#include "cmdline/RVOptionValue.hpp"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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
    // In command-line order; "-" is standard input. The views stay good for
    // as long as this object, or a copy of it, lives.
    std::vector<std::string_view> inputs;

    // The settings alone: what holds the bytes does not count.
    friend bool operator==(const RunSettings& left, const RunSettings& right)
    {
        return left.filterFileName == right.filterFileName &&
               left.stagingAreaFileName == right.stagingAreaFileName &&
               left.filterName == right.filterName && left.inputFormat == right.inputFormat &&
               left.inputs == right.inputs;
    }

private:
    friend RunSettings resolveRunSettings(const RVParams& params);

    RVOptionValue inputBytes_; // the value that inputs views into: a reference, not a copy
};

// Of a repeated single-valued option the first occurrence counts; an input
// format other than "mtp3-hexstream" or "pcap" leaves the default. The
// inputs are the text elements of "input", in order, or the text itself
// when "input" is a bare text; copies of the params need not outlive it.
RunSettings resolveRunSettings(const RVParams& params);

// The work done on one input, in command-line order.
void processInput(std::string_view input);

// Hands every input to processInput, first to last.
void walkInputs(const std::vector<std::string_view>& inputs);
