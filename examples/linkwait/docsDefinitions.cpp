// What linkwait's man page and completions are made from.
#include "linkwait.hpp"

#include <varnock/cmdline/docs/RVToolDocs.hpp>

RVToolDefinitions rvToolDefinitions()
{
    return {makeCommandLineDefinition(), makeAppDefinition(nullptr)};
}
