// The page's COMMAND LINE section: how the service reads every line, told
// with the table's own options, operands and commands as examples.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>

namespace rv::detail {

// The standard options are named only where they are the service's: an
// option of the tool's own that is called help, version or verbose is none.
void appendCommandLineRules(std::string& page, const RVOptionTable& table);

} // namespace rv::detail
