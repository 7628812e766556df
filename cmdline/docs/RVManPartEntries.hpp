// The page's account of one part of the table, the global options or one
// command's: its synopsis line and an entry for each of its options and
// operands. The OPTIONS and OPERANDS sections and each command's subsection
// are these same renderers run on their part.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <string>
#include <vector>

namespace rv::detail {

// The parts that a line is read with to its end: the global one of a tool
// without commands, or each command's, by part index.
std::vector<int> finalParts(const RVOptionTable& table);

// "[\fIFILE\fR]...", the placeholder's word in italics, as a usage line
// writes it.
std::string operandPlaceholder(const RVOperandSpec& operand);

// "\fBsigctl\fR [\fIOPTION\fR]... \fBset\fR [\fIOPTION\fR]... \fILINK\fR",
// the part's command line as the synopsis shows it, in roff.
std::string synopsisLine(const RVOptionTable& table, int part);

// A .TP entry per option: its forms, its help, then what values it accepts,
// what it takes without a value and what it cannot be given with.
void appendOptionEntries(std::string& page, const RVOptionPart& part);

// A .TP entry per operand: its placeholder and its help.
void appendOperandEntries(std::string& page, const RVOptionPart& part);

} // namespace rv::detail
