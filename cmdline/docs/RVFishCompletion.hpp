// The fish completion script, filled from the option table into
// fishCompletion.template: the functions that read the line and offer its
// words once for each part (the global one, then each command's), and one
// complete command per option.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>

namespace rv {

// For fish: install it as <executable>.fish in a completions folder.
std::string renderFishCompletion(const RVOptionTable& table);

} // namespace rv
