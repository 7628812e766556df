// The zsh completion script, filled from the option table into
// zshCompletion.template: one _arguments word per form, and in a tool with
// commands the same completion of a part in a function for each command.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>

namespace rv {

// For zsh's completion system: install it as _<executable> in a folder of $fpath.
std::string renderZshCompletion(const RVOptionTable& table);

} // namespace rv
