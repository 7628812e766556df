// Small text helpers shared by the renderers of messages; rv::quoted, which
// tools call too, is declared with RVCommandLine.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include <varnock/cmdline/RVCommandLine.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

// The word as rv::quoted writes it, without the quotes.
std::string escaped(std::string_view word);

// The name that every message starts with and that its "Try" line names:
// the name the program was invoked by, escaped, for it comes from the
// command line too.
std::string messageName(const RVOptionTable& table);

// The message name of the part: "sigctl", or "sigctl set" in a command's.
std::string partName(const RVOptionTable& table, int part);

// "a", "a and b", "a, b and c", with last between the last two.
std::string listOf(const std::vector<std::string>& items, std::string_view last = " and ");

// "'a'", "'a' or 'b'", "'a', 'b' or 'c'".
std::string listOfQuoted(const std::vector<std::string_view>& words);

// What an integer check accepts, as messages and the man page say it: "an
// integer", "an integer from 1 to 1000", "of at least 1", "of at most 0".
std::string acceptedIntegers(const RVValueCheck& check);

} // namespace rv::detail
