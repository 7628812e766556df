// The help screen and the version text, rendered from the option table and
// the app definition alone: nothing here is written beside the table.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// Widest line of the help screen; the layout is fixed so that the screen
// reads the same in every terminal, pipe and test.
inline constexpr std::size_t helpScreenWidth = 79;

// The help screen of the tool, or of one command of a tool with commands.
std::string renderHelp(const RVOptionTable& table, int part = RVOptionTable::globalPart);

// "executable version", then the copyright line.
std::string renderVersion(const RVOptionTable& table);

namespace detail {

// Splits text at spaces into lines of at most `room` characters; a word
// longer than a whole line is split, never cut. The lines view text.
std::vector<std::string_view> wrapWords(std::string_view text, std::size_t room);

} // namespace detail

} // namespace rv
