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
        extraOperand,       // a word that is neither an option nor a value
    };

    Kind kind;
    std::string word;                 // the argument as typed
    char letter = 0;                  // the short option's letter, for short forms
    int option = RVOptionTable::none; // the option concerned, when one is known
};

// How one option occurrence, or the end-of-options marker, was read: the
// arguments it came from (0 is the first argument after the program name)
// and the value it got, as a view into those arguments.
struct RVReading
{
    std::size_t firstArgument = 0;
    std::size_t argumentCount = 1;
    int option = RVOptionTable::none; // none for "--"
    std::optional<std::string_view> value;

    friend bool operator==(const RVReading&, const RVReading&) = default;
};

struct RVParseResult
{
    // Every text in it shares one copy of the bytes it came from, which
    // lives as long as the last value that holds it, argv no matter.
    RVParams params;
    std::optional<RVStandardAction> action; // the first help or version option
    std::optional<RVUsageError> error;      // the first error only
    // Every occurrence, in order, for the verbose report: only on a line that
    // gives the verbose option and has no error and no standard action.
    // They view the arguments, so they are good only while those live.
    std::vector<RVReading> readings;
};

namespace rv {

// Reads the arguments that follow the program name. The whole line is read
// even after an error, because a later help or version option still counts.
RVParseResult parseArguments(const RVOptionTable& table, std::span<const char* const> arguments);

} // namespace rv
