// Linked with varnock/terminateHandler.cpp and the C++ runtime linked in,
// as the varnock executable is.
#include <gtest/gtest.h>

#include <csignal>
#include <exception>
#include <stdexcept>

namespace {

// An exception that escapes is told in plain words, and the process aborts,
// as under the runtime's own handler.
TEST(TerminateHandler, tellsWhatEscapedAndAborts)
{
    const auto escape = [](auto thrown) {
        try {
            throw thrown;
        } catch (...) {
            std::terminate();
        }
    };
    EXPECT_DEATH(escape(std::runtime_error("table lost")),
                 "^terminate called after throwing an exception\n  what\\(\\):  table lost\n$");
    EXPECT_DEATH(escape(7), "^terminate called after throwing an exception\n$");
    EXPECT_DEATH(std::terminate(), "^terminate called without an active exception\n$");
    EXPECT_EXIT(escape(1), testing::KilledBySignal(SIGABRT), "");
}

} // namespace
