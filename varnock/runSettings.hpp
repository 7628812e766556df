// The run settings: what varnock is asked to do, resolved in one step from
// the values that the command-line service hands out.
#pragma once

#include <varnock/cmdline/RVOptionValue.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum Varnock_InputFormat : std::uint32_t
{
    Varnock_InputFormat_mtp3_hexstream = 0,
    Varnock_InputFormat_pcap_file = 1,
};

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
// when "input" is a bare text; the params need not outlive the settings.
RunSettings resolveRunSettings(const RVParams& params);
