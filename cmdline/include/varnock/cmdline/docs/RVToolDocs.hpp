// A tool's man page, its bash, zsh and fish completions, and its package's
// description and copyright file, made from the same definitions that its
// main hands RVCommandLine. The CMake function varnock_cmdline_add_docs
// builds the program that writes them, from rvToolDefinitions and
// rv::generateDocsMain below.
#pragma once

#include <varnock/cmdline/RVDefinitionError.hpp>

#include <string_view>
#include <vector>

struct RVToolDefinitions
{
    std::vector<RVDefinition> commandLine;
    RVDefinition app; // its "run-as" is not read
};

// Written by the tool, for varnock_cmdline_add_docs: its option definitions
// and its app definition.
RVToolDefinitions rvToolDefinitions();

namespace rv {

// The main of a tool's document generator: `GENERATOR TEXTS-FILE
// OUTPUT-FOLDER DATE` writes NAME.1, NAME.bash, _NAME, NAME.fish,
// NAME.description and copyright into OUTPUT-FOLDER, NAME being the app
// definition's "executable", which must be name, the name given to
// varnock_cmdline_add_docs. TEXTS-FILE holds the page's summary,
// description and examples (see cmdline/README.md); DATE is YYYY-MM-DD.
// Every file is rendered before any is written, and a write that fails
// removes those written before it. Returns 0, 1 after a message for a bad
// definition, an executable other than name, or a file that cannot be read
// or written, or 2 for a wrong call.
int generateDocsMain(int argc, const char* const* argv, RVToolDefinitions (*definitions)(),
                     std::string_view name);

// The same for a generator that names no tool: the files are named for the
// executable, whatever it is.
int generateDocsMain(int argc, const char* const* argv, RVToolDefinitions (*definitions)());

} // namespace rv
