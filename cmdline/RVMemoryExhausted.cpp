#include "cmdline/RVMemoryExhausted.hpp"

#include "cmdline/RVOutput.hpp"

#include <varnock/cmdline/RVExitStatus.hpp>

#include <cerrno>
#include <cstring>
#include <new>
#include <unistd.h>

namespace {

std::string_view messageName;

// Before a service exists the name is the executable's, as the C library
// keeps it. It is written a byte at a time with every byte outside
// printable ASCII escaped: nothing can be allocated to check UTF-8 here.
void writeExecutableName()
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    for (const char* c = program_invocation_short_name; *c != '\0'; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 0x20 && byte < 0x7f) {
            rv::detail::writeAll(STDERR_FILENO, std::string_view(c, 1));
        } else {
            const char escape[] = {'\\', 'x', hexDigits[byte >> 4], hexDigits[byte & 0xf]};
            rv::detail::writeAll(STDERR_FILENO, std::string_view(escape, sizeof escape));
        }
    }
    rv::detail::writeAll(STDERR_FILENO, ": ");
}

// Called by operator new when it finds no memory. Nothing here allocates:
// the text is written in pieces, and the process ends without running
// destructors or exit handlers that might.
[[noreturn]] void reportMemoryExhausted()
{
    if (!messageName.empty()) {
        rv::detail::writeAll(STDERR_FILENO, messageName);
        rv::detail::writeAll(STDERR_FILENO, ": ");
    } else if (program_invocation_short_name != nullptr && *program_invocation_short_name != '\0') {
        writeExecutableName();
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
