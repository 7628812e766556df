// The bash completion script, filled from the option table into
// bashCompletion.template: every short and long form, and for an option's
// value what its placeholder accepts (see RVAcceptedValues).
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>

namespace rv {

// For bash, with or without the bash-completion package: the script needs
// nothing but complete -F and compgen. Source it, or install it as
// bash-completion/completions/<executable>.
std::string renderBashCompletion(const RVOptionTable& table);

} // namespace rv
