// Small text helpers shared by the renderers of messages; rv::quoted, which
// tools call too, is declared with RVCommandLine.
#pragma once

#include <varnock/cmdline/RVCommandLine.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

// "'a'", "'a' or 'b'", "'a', 'b' or 'c'".
std::string listOfQuoted(const std::vector<std::string_view>& words);

} // namespace rv::detail
