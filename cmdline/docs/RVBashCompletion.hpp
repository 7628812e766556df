// The bash completion script, filled from the option table into
// bashCompletion.template: for each part (the global options, and each
// command's) its short and long forms, what its values and operands
// complete (see RVAcceptedValues), which options exclude which, and where
// its options end; for a tool with commands, the commands.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>

namespace rv {

// For bash, with or without the bash-completion package: the script needs
// nothing but complete -F and compgen. Source it, or install it as
// bash-completion/completions/<executable>.
std::string renderBashCompletion(const RVOptionTable& table);

} // namespace rv
