// One part of a line read on its own: a table's only part, or in a table
// with commands its global part and then the command's. RVParser.cpp puts
// the line together from its parts.
#pragma once

#include "cmdline/RVParser.hpp"

#include <cstddef>
#include <span>

namespace rv {

// Where a part stands in the line, and so how it is read.
struct RVPartContext
{
    // Readings start at the first word rather than after the word that
    // gives the first verbose option.
    bool recordFromStart = false;
    // The whole of the part's words, whose operands are split; false for
    // the words read again before the verbose option.
    bool wholeLine = true;
    // The global part of a table with commands: it ends at the first word
    // that is no option, the command.
    bool stopAtCommand = false;
    // For a command's part: the global part, whose options are named in
    // the error for one given after the command.
    const RVOptionPart* global = nullptr;
};

struct RVPartParse
{
    RVParseResult result;
    // Where the command stands, for the global part of a table with
    // commands: past the end when the line names none.
    std::size_t commandAt;
    bool verboseSeen;
};

RVPartParse parsePart(const RVOptionPart& part, std::span<const char* const> arguments,
                      const RVPartContext& context = {});

} // namespace rv
