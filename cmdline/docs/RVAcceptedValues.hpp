// What an option's value placeholder says about the values the option
// accepts, as the man page and the shell completions read it.
#pragma once

#include <string_view>
#include <vector>

namespace rv::detail {

// The placeholder that stands for a file name: its values complete as files.
inline constexpr std::string_view fileNamePlaceholder = "filename";

} // namespace rv::detail

struct RVAcceptedValues
{
    enum class Kind
    {
        anything,  // a placeholder that names no list: nothing to offer
        fileNames, // fileNamePlaceholder
        words,     // "{a (default) | b}": exactly the listed words
    };

    Kind kind = Kind::anything;
    std::vector<std::string_view> words; // for Kind::words, in the placeholder's order
};

// Reads "{a | b (note) | c}" as the words a, b and c: each alternative is
// its first word, and what follows it (such as "(default)") is a note. A
// list with an empty alternative is not a list. The words are views into
// the placeholder.
namespace rv {

RVAcceptedValues acceptedValues(std::string_view placeholder);

} // namespace rv
