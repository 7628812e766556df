// The varnock executable's terminate handler: what runs if an exception
// ever escaped main, which the run's design never lets happen. The C++
// runtime's default one demangles the exception's type name and writes
// through stdio, and so links a demangler and five C library functions that
// no run calls; with -z now the dynamic loader binds each of them at every
// start all the same. This one says the same in plain words, with the
// write(2) the service already uses, and aborts, as the default does. A
// source of the executable alone: the libraries, and the tools that link
// them, keep the runtime's own handler.
#include <cstdlib>
#include <exception>
#include <string_view>
#include <unistd.h>

namespace {

void say(std::string_view text) noexcept
{
    while (!text.empty()) {
        const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

[[noreturn]] void writeAndAbort() noexcept
{
    if (const std::exception_ptr escaped = std::current_exception()) {
        say("terminate called after throwing an exception\n");
        try {
            std::rethrow_exception(escaped);
        } catch (const std::exception& error) {
            say("  what():  ");
            say(error.what());
            say("\n");
        } catch (...) {
        }
    } else {
        say("terminate called without an active exception\n");
    }
    std::abort();
}

} // namespace

// The handler that std::terminate calls until std::set_terminate replaces
// it: the C++ runtime's variable of that name, defined here, so that the
// runtime's own definition, and the default handler it names, stay out of
// the executable.
namespace __cxxabiv1 {
extern std::terminate_handler __terminate_handler;
std::terminate_handler __terminate_handler = &writeAndAbort;
} // namespace __cxxabiv1
