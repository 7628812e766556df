// The text that reports a usage error on standard error.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/RVParser.hpp"

#include <string>
#include <string_view>

// One line that names the error and the word as typed, then a "did you
// mean" line where one helps, the valid choices for a refused choice, then
// where to find help, when the table has --help. Every line ends in a
// newline.
namespace rv {

std::string renderUsageError(const RVOptionTable& table, const RVUsageError& error);

// A usage error that the tool itself found: "NAME: MESSAGE", or "NAME
// COMMAND: MESSAGE" in a command's part, then where to find help, as above.
std::string renderToolUsageError(const RVOptionTable& table, std::string_view message,
                                 int part = RVOptionTable::globalPart);

} // namespace rv
