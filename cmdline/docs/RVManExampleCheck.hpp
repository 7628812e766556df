// The check that keeps a man page's examples from outliving the options
// they show: each example's command, split as a shell splits it, must run
// the executable with a line that the parser accepts.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVShellWords.hpp"

#include <cstddef>
#include <string_view>
#include <vector>

namespace rv::detail {

// The command's tokens, line continuations that make no word of their own
// left out. Throws RVDefinitionError "man page example NUMBER: ..." with the
// first line of the parser's message, or what keeps a shell from reading
// the command, or that it does not run the executable.
std::vector<RVShellToken> checkExample(const RVOptionTable& table, std::string_view command,
                                       std::size_t number);

} // namespace rv::detail
