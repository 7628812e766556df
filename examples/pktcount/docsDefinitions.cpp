// What pktcount's man page and completions are made from.
#include "pktcount.hpp"

#include <varnock/cmdline/docs/RVToolDocs.hpp>

RVToolDefinitions rvToolDefinitions()
{
    return {makeCommandLineDefinition(), makeAppDefinition(nullptr)};
}
