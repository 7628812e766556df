// The pure half of the command-line service: arguments and a checked option
// table in, the parsed values, the standard action asked for and the first
// usage error out. Nothing here prints or exits.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include <varnock/cmdline/RVOptionValue.hpp>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class RVStandardAction
{
    help,
    version
};

struct RVUsageError
{
    enum class Kind
    {
        unknownOption,      // "--name" that no definition has
        singleDashLongName, // "-name", a long name typed with one dash
        invalidShortOption, // a letter of "-abc" that no definition has
        missingValue,       // the option needs a value and the line ended
        unexpectedValue,    // "--name=value" for an option that takes none
        extraOperand,       // a word that is neither an option nor a value, nor taken
                            // by an operand
        missingOperand,     // fewer words than the operands need
        invalidValue,       // a value that the option's check refuses
    };

    Kind kind;
    std::string word;                  // the argument as typed; for invalidValue, the value
    char letter = 0;                   // the short option's letter, for short forms
    int option = RVOptionTable::none;  // the option concerned, when one is known
    int operand = RVOptionTable::none; // for missingOperand: the first operand short of words
};

// How one option occurrence, the end-of-options marker or a word given to
// an operand was read: the arguments it came from (0 is the first argument
// after the program name) and the value it got, as a view into those
// arguments.
struct RVReading
{
    std::size_t firstArgument = 0;
    std::size_t argumentCount = 1;
    int option = RVOptionTable::none; // none for "--" and for an operand's word
    std::optional<std::string_view> value;
    int operand = RVOptionTable::none; // for an operand's word: its index among the operands

    friend bool operator==(const RVReading&, const RVReading&) = default;
};

struct RVParseResult
{
    // Every text in it shares one copy of the bytes it came from, which
    // lives as long as the last value that holds it, argv no matter.
    RVParams params;
    std::optional<RVStandardAction> action; // the first help or version option
    std::optional<RVUsageError> error;      // the first error only
    // Every occurrence and every operand's word, in the order of the
    // arguments, for the verbose report: only on a line that gives the
    // verbose option and has no error and no standard action. They view the
    // arguments, so they are good only while those live.
    std::vector<RVReading> readings;
};

namespace rv {

// Reads the arguments that follow the program name. The whole line is read
// even after an error, because a later help or version option still counts.
// With operands in the table, the words that are not options, wherever they
// stand, and every word after "--" are split among the operands once the
// line is read; params holds each operand given a word as a list of texts.
// An option that checks its value refuses any other as a usage error; an
// integer's params are numbers.
RVParseResult parseArguments(const RVOptionTable& table, std::span<const char* const> arguments);

} // namespace rv
