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
        unknownOption,            // "--name" that no definition has
        singleDashLongName,       // "-name", a long name typed with one dash
        invalidShortOption,       // a letter of "-abc" that no definition has
        missingValue,             // the option needs a value and the line ended
        unexpectedValue,          // "--name=value" for an option that takes none
        extraOperand,             // a word that is neither an option nor a value, nor taken
                                  // by an operand
        missingOperand,           // fewer words than the operands need
        invalidValue,             // a value that the option's check refuses
        excludedOption,           // an option given after one that it cannot be given with
        missingCommand,           // a table with commands, and none on the line
        unknownCommand,           // a word at the command's place that names none
        globalOptionAfterCommand, // an option of the global part after the command
    };

    Kind kind;
    // The argument as typed; for invalidValue, the value; for
    // globalOptionAfterCommand, the form as typed ("--socket", "-S").
    std::string word;
    char letter = 0;                   // the short option's letter, for short forms
    int option = RVOptionTable::none;  // the option concerned, when one is known
    int operand = RVOptionTable::none; // for missingOperand: the first operand short of words
    // The part it was found in, whose option and operand indexes these are;
    // for globalOptionAfterCommand, option is the global part's.
    int part = RVOptionTable::globalPart;
    int otherOption = RVOptionTable::none; // for excludedOption: the one given before
};

// How one option occurrence, the end-of-options marker, a word given to an
// operand or the command was read: the arguments it came from (0 is the
// first argument after the program name) and the value it got, as a view
// into those arguments or into the table (an optional value's default).
struct RVReading
{
    std::size_t firstArgument = 0;
    std::size_t argumentCount = 1;
    int option = RVOptionTable::none; // none for "--", an operand's word and the command
    std::optional<std::string_view> value;
    int operand = RVOptionTable::none;    // for an operand's word: its index among the operands
    int part = RVOptionTable::globalPart; // whose option or operand, or the command read
    bool command = false;                 // the word that names the command

    friend bool operator==(const RVReading&, const RVReading&) = default;
};

struct RVParseResult
{
    // Every text in it shares one copy of the bytes it came from, which
    // lives as long as the last value that holds it, argv no matter.
    RVParams params;
    std::optional<RVStandardAction> action; // the first help or version option
    // Where that help was given: a command's part, for its own help screen.
    int actionPart = RVOptionTable::globalPart;
    std::optional<RVUsageError> error; // the first error only
    int command = RVOptionTable::none; // the part of the command read, in a table with commands
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
// stand (or from the first of them on, where options come before operands),
// and every word after "--" are split among the operands once the line is
// read; params holds each operand given a word as a list of texts. An
// option that checks its value refuses any other as a usage error; an
// integer's params are numbers. In a table with commands the global options
// end at the first word that is no option, the command, and the rest of the
// line is read with that command's part; params holds the global options,
// the command's name (the number 1) and the command's options and operands.
RVParseResult parseArguments(const RVOptionTable& table, std::span<const char* const> arguments);

} // namespace rv
