// Quoting texts of the option table as words of bash, zsh and fish, so that
// a completion script takes every name, placeholder and help line literally.
#pragma once

#include <string>
#include <string_view>

namespace rv::detail {

// A character that means nothing to any of the three shells inside a word.
bool isPlainWordCharacter(char c);

// The text as one bash or zsh word: as it is when no character of it means
// anything to the shell, otherwise in single quotes.
std::string shellQuoted(std::string_view text);

// The same for fish, whose single quotes take \\ and \' as escapes.
std::string fishQuoted(std::string_view text);

// A name that bash and fish accept for a function, made from the executable's.
std::string functionName(std::string_view executable);

} // namespace rv::detail
