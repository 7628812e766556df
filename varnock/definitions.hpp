// varnock's identity and its eight options, as the data that the command-line
// service is built from, and the names of the options that the run settings
// are read from.
#pragma once

#include <map>
#include <string>
#include <vector>

// The names under which the service hands out the values of the options the
// run settings come from; the table below defines them by these constants.
namespace OptionName {
inline constexpr char filter[] = "filter";
inline constexpr char stagingArea[] = "staging-area";
inline constexpr char filterName[] = "filter-name";
inline constexpr char input[] = "input";
inline constexpr char inputFormat[] = "input-format";
} // namespace OptionName

// The four texts that name the tool. runAs is the name the program was
// invoked by; a null runAs (an empty argument vector) gives "varnock".
std::map<std::string, std::string> makeAppDefinition(const char* runAs);

// The eight options, in the order the help screen shows them.
std::vector<std::map<std::string, std::string>> makeCommandLineDefinition();
