#include "cmdline/RVMemoryExhausted.hpp"

#include "cmdline/RVOutput.hpp"

#include <varnock/cmdline/RVExitStatus.hpp>

#include <cerrno>
#include <cstring>
#include <new>
#include <unistd.h>

namespace {

std::string_view messageName;

// Called by operator new when it finds no memory. Nothing here allocates:
// the text is written in pieces, and the process ends without running
// destructors or exit handlers that might.
[[noreturn]] void reportMemoryExhausted()
{
    std::string_view name = messageName;
    if (name.empty() && program_invocation_short_name != nullptr) {
        name = program_invocation_short_name;
    }
    if (!name.empty()) {
        rv::detail::writeAll(STDERR_FILENO, name);
        rv::detail::writeAll(STDERR_FILENO, ": ");
    }
    rv::detail::writeAll(STDERR_FILENO, "memory exhausted\n");
    _exit(static_cast<int>(RVExitStatus::failure));
}

// Installed before main runs, so that memory running out while main builds
// the definitions, before any service exists, is reported too.
[[maybe_unused]] const bool handlerInstalled = (std::set_new_handler(&reportMemoryExhausted), true);

} // namespace

void rv::detail::setMemoryExhaustedName(std::string_view name)
{
    messageName = name;
}
