// Linked with varnock/operatorNew.cpp, so that every allocation of this
// process, GoogleTest's too, goes through the executable's operators.
#include "tests/testSupport.hpp"

#include <malloc.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

// <new> declares the sized forms only where the compiler calls them itself;
// clang before 19 does not without -fsized-deallocation.
void operator delete(void* block, std::size_t size) noexcept;
void operator delete[](void* block, std::size_t size) noexcept;

extern "C" char edata, end;

namespace {

struct FormCase : NamedRow<FormCase>
{
    void* (*allocate)(std::size_t);
    void (*release)(void*, std::size_t);
};

// clang-format off
const FormCase formCases[] = {
    {{"plain"}, [](std::size_t size) { return ::operator new(size); }, [](void* block, std::size_t) { ::operator delete(block); }},
    {{"plainSized"}, [](std::size_t size) { return ::operator new(size); }, [](void* block, std::size_t size) { ::operator delete(block, size); }},
    {{"array"}, [](std::size_t size) { return ::operator new[](size); }, [](void* block, std::size_t) { ::operator delete[](block); }},
    {{"arraySized"}, [](std::size_t size) { return ::operator new[](size); }, [](void* block, std::size_t size) { ::operator delete[](block, size); }},
};
// clang-format on

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

using FormCases = testing::TestWithParam<FormCase>;

// Larger than the region and smaller than what malloc maps on its own, so
// that it shows in the heap's count while it lives.
TEST_P(FormCases, blockPastTheRegionGoesBackToTheHeap)
{
    constexpr std::size_t size = 100 * 1024;
    const std::size_t before = heapInUse();
    void* block = GetParam().allocate(size);
    EXPECT_GE(heapInUse(), before + size);
    std::memset(block, 0xa5, size);
    GetParam().release(block, size);
    EXPECT_EQ(heapInUse(), before);
}

// This process asks for far less than the region holds, so a small block
// lies among the program's zero-initialised data, between the ends that the
// linker marks (edata and end, man 3 end), where the heap never is; giving it
// to free would abort the process.
TEST_P(FormCases, smallBlockComesFromTheRegion)
{
    void* block = GetParam().allocate(24);
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    EXPECT_GE(address, reinterpret_cast<std::uintptr_t>(&edata));
    EXPECT_LT(address, reinterpret_cast<std::uintptr_t>(&end));
    EXPECT_EQ(address % 16, 0u);
    std::memset(block, 0xa5, 24);
    GetParam().release(block, 24);
}

INSTANTIATE_TEST_SUITE_P(OperatorNew, FormCases, testing::ValuesIn(formCases), rowName);

int handlerCalls = 0;

void giveUpOnThirdCall()
{
    if (++handlerCalls == 3) {
        std::set_new_handler(nullptr);
    }
}

// No malloc can meet the request: the handler is asked again after each
// failure until it removes itself, and then the failure is thrown.
TEST(OperatorNew, asksTheHandlerUntilItGivesUp)
{
    handlerCalls = 0;
    const std::new_handler previous = std::set_new_handler(&giveUpOnThirdCall);
    void* volatile block = nullptr;
    EXPECT_THROW(block = ::operator new(std::numeric_limits<std::size_t>::max() / 2),
                 std::bad_alloc);
    std::set_new_handler(previous);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(handlerCalls, 3);
}

} // namespace
