// The help screen and the version text, rendered from the option table and
// the app definition alone: nothing here is written beside the table.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <cstddef>
#include <string>

namespace rv {

// Widest line of the help screen; the layout is fixed so that the screen
// reads the same in every terminal, pipe and test.
inline constexpr std::size_t helpScreenWidth = 79;

std::string renderHelp(const RVOptionTable& table);

// "executable version", then the copyright line.
std::string renderVersion(const RVOptionTable& table);

} // namespace rv
