// What linkctl's man page and completions are made from.
#include "linkctl.hpp"

#include <varnock/cmdline/docs/RVToolDocs.hpp>

RVToolDefinitions rvToolDefinitions()
{
    return {makeCommandLineDefinition(), makeAppDefinition(nullptr)};
}
