// What varnock's man page and completions are made from: the same two
// definitions that main hands the command-line service.
#include <varnock/cmdline/docs/RVToolDocs.hpp>

#include "varnock/definitions.hpp"

RVToolDefinitions rvToolDefinitions()
{
    return {makeCommandLineDefinition(), makeAppDefinition(nullptr)};
}
