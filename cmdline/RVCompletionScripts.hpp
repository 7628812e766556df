// The shell completion scripts for bash, zsh and fish, rendered from the
// option table and the app definition: every short and long form, and for
// an option's value what its placeholder accepts (see RVAcceptedValues).
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>
#include <string_view>

// The text as one bash or zsh word: as it is when no character of it means
// anything to the shell, otherwise in single quotes.
std::string shellQuoted(std::string_view text);

// The same for fish, whose single quotes take \\ and \' as escapes.
std::string fishQuoted(std::string_view text);

// For bash, with or without the bash-completion package: the script needs
// nothing but complete -F and compgen. Source it, or install it as
// bash-completion/completions/<executable>.
std::string renderBashCompletion(const RVOptionTable& table);

// For zsh's completion system: install it as _<executable> in a folder of $fpath.
std::string renderZshCompletion(const RVOptionTable& table);

// For fish: install it as <executable>.fish in a completions folder.
std::string renderFishCompletion(const RVOptionTable& table);
