// The varnock executable's global operator new and operator delete, which
// take blocks from the run's region first. Nearly everything a run makes
// (the definitions, the service's table, the parsed values) lives until the
// run ends, and the end of the process releases it all at once, so making
// and freeing each block through the C library's allocator is work spent for
// nothing. A source of the executable alone: the libraries stay neutral for
// the other tools that link them, and a sanitized build leaves it out so that
// its allocator sees every block.
#include "varnock/runRegion.hpp"

#include <cstdlib>
#include <new>

namespace {

// The typical line needs a few KiB of it; a long line fills it within its
// first few hundred inputs and goes on in the C library's heap. Constant
// initialised, so that it serves the static initialisers that run before
// this file's own. varnock runs on one thread, so it takes no lock. It starts
// a page, so that where each block falls within its page is the same in
// every build: the C library's memcmp takes a slower path for text near the
// end of a page, and the cost of comparing every word with the table's names
// should not move with unrelated changes to the program's data.
alignas(4096) constinit RunRegion<64 * 1024> runRegion;

// Past the region, as the standard operator new does: the installed handler
// (the service's writes "memory exhausted" and ends the process) may make
// room and have malloc tried again; without one, the failure is thrown.
[[gnu::noinline, gnu::cold]] void* allocateFromHeap(std::size_t size)
{
    for (;;) {
        if (void* block = std::malloc(size != 0 ? size : 1)) {
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

void* allocate(std::size_t size)
{
    if (void* block = runRegion.allocate(size)) {
        return block;
    }
    return allocateFromHeap(size);
}

// A block of the region is left where it is: the process takes it along.
void release(void* block) noexcept
{
    if (!runRegion.holds(block)) {
        std::free(block);
    }
}

} // namespace

// The runtime's nothrow forms call these; its aligned forms keep to
// aligned_alloc and free, and never see a block of the region.
void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void operator delete(void* block) noexcept
{
    release(block);
}
void operator delete[](void* block) noexcept
{
    release(block);
}
void operator delete(void* block, std::size_t /*size*/) noexcept
{
    release(block);
}
void operator delete[](void* block, std::size_t /*size*/) noexcept
{
    release(block);
}
