// What the completions offer for an option's value or an operand's word:
// what its "complete" key asks for, or else what its placeholder says, as
// the man page and the shell completions read it.
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
        anything,    // nothing to offer
        fileNames,   // file names, and folders to go on into
        directories, // folder names only
        words,       // "{a (default) | b}": exactly the listed words
    };

    Kind kind = Kind::anything;
    std::vector<std::string_view> words; // for Kind::words, in the placeholder's order
};

namespace rv {

// Reads "{a | b (note) | c}" as the words a, b and c, as the table check
// reads a list of choices (rv::detail::readChoiceList): each alternative is
// its first word, and what follows it (such as "(default)") is a note; the
// placeholder filename as file names; any other as nothing. The words are
// views into the placeholder.
RVAcceptedValues placeholderValues(std::string_view placeholder);

// What an option's value offers: its "complete" key's, else nothing for
// one that accepts an integer, else its placeholder's.
RVAcceptedValues acceptedValues(const RVOptionSpec& option);

// What an operand's words offer: its "complete" key's, else file names
// when its placeholder's word is FILE or filename, else nothing.
RVAcceptedValues::Kind operandValues(const RVOperandSpec& operand);

} // namespace rv

// The short letters of a part's options that take a value, as a cluster
// reads them: the first of them takes the rest of the word as its value
// (-vfNAME), and only at the cluster's end may its value be the next word,
// which an optional value never is.
struct RVValueLetters
{
    std::string takingValue;
    std::string awaitingValue; // whose value may be the next word
    std::string optionalValue;
};

namespace rv {

RVValueLetters valueLetters(const RVOptionPart& part);

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

// Where the operands that offer this kind of word may stand, however many
// words the line ends up with: an operand may take word k when the
// operands before it can take k words between them, at least their
// minimums and at most their maximums.
std::vector<RVWordRange> operandPositions(std::span<const RVOperandSpec> operands,
                                          RVAcceptedValues::Kind kind);

// The same as a condition of bash's and zsh's (( )) on the count of operand
// words before, in the shell variable given ("$1"); empty when no operand
// offers this kind of word.
std::string operandTest(std::span<const RVOperandSpec> operands, RVAcceptedValues::Kind kind,
                        std::string_view count);

} // namespace rv
