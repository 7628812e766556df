// What an option's value placeholder says about the values the option
// accepts, as the man page and the shell completions read it.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <cstddef>
#include <span>
#include <string>
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

// Reads "{a | b (note) | c}" as the words a, b and c, as the table check
// reads a list of choices (rv::detail::readChoiceList): each alternative is
// its first word, and what follows it (such as "(default)") is a note. The
// words are views into the placeholder.
namespace rv {

RVAcceptedValues acceptedValues(std::string_view placeholder);

} // namespace rv

// The operand words, counted from 0 among the words that are not options,
// that may go to one operand: from first up to, not including, end.
struct RVWordRange
{
    static constexpr std::size_t unbounded = static_cast<std::size_t>(-1);

    std::size_t first = 0;
    std::size_t end = unbounded;
};

namespace rv {

// Whether the operand's values complete as file names: its placeholder's
// word is FILE or filename ("[FILE]...", "filename").
bool completesFileNames(const RVOperandSpec& operand);

// Where the operands that complete as file names may stand, however many
// words the line ends up with: an operand may take word k when the
// operands before it can take k words between them, at least their
// minimums and at most their maximums.
std::vector<RVWordRange> fileOperandPositions(std::span<const RVOperandSpec> operands);

// The same as a condition of bash's and zsh's (( )) on the count of operand
// words before, in the shell variable given ("$1"); empty when no operand
// completes as file names.
std::string fileOperandTest(std::span<const RVOperandSpec> operands, std::string_view count);

} // namespace rv
