#include "cmdline/RVOutput.hpp"

#include <cerrno>
#include <unistd.h>

bool rv::detail::writeAll(int fileDescriptor, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fileDescriptor, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}
