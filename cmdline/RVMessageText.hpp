// Small text helpers shared by the renderers of messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

// The word between single quotes, as typed, except that control characters
// are written as escapes so that a message stays on one line and cannot
// drive the terminal.
std::string quoted(std::string_view word);

// "'a'", "'a' or 'b'", "'a', 'b' or 'c'".
std::string listOfQuoted(const std::vector<std::string_view>& words);

} // namespace rv::detail
