// The shape of one definition handed to RVCommandLine, and the error thrown
// when a definition breaks the rules (see cmdline/README.md for the keys).
#pragma once

#include <map>
#include <stdexcept>
#include <string>

// One option definition, or the app definition: key to text.
using RVDefinition = std::map<std::string, std::string>;

// Thrown for a bad option or app definition: a fault of the program that
// built the definitions, never of the person who typed the command line.
class RVDefinitionError : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};
