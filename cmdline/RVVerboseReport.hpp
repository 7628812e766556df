// The verbose report: how the service read the command line.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVParser.hpp"

#include <span>
#include <string>
#include <vector>

// One line per option occurrence, per "--" and per word given to an operand
// ("read 'a.pcap' as FILE", as the split of the whole line gave it), in the
// order of the arguments, naming the arguments as typed and what they
// became, then one line per option given more than once.
namespace rv {

std::string renderVerboseReport(const RVOptionTable& table, std::span<const char* const> arguments,
                                const std::vector<RVReading>& readings);

} // namespace rv
