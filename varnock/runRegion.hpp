// The run's region: blocks taken one after another from a fixed store and
// never given back one by one, because the run releases all of them at once
// when the process ends. operatorNew.cpp puts one in front of operator new.
#pragma once

#include <cstddef>
#include <cstdint>

template <std::size_t Capacity> class RunRegion
{
public:
    // What operator new promises without an alignment of its own.
    static constexpr std::size_t alignment = 16;
    static_assert(Capacity % alignment == 0);

    // A block of at least size bytes, aligned to 16 and apart from every other
    // block; null for an empty block, which the C library's allocator makes
    // distinct more cheaply than a check here would, and when the room left is
    // too small, which leaves that room for a smaller block later.
    void* allocate(std::size_t size) noexcept
    {
        // size - 1 wraps for an empty block, so one compare turns both away.
        if (size - 1 >= Capacity - used_) {
            return nullptr;
        }
        void* block = bytes_ + used_;
        // Cannot overrun: the room left is a multiple of the alignment too.
        used_ += ((size - 1) | (alignment - 1)) + 1;
        return block;
    }

    // Whether block lies in this region; by address alone, so null and any
    // block of the C library's allocator are not.
    bool holds(const void* block) const noexcept
    {
        return reinterpret_cast<std::uintptr_t>(block) - reinterpret_cast<std::uintptr_t>(bytes_) <
               Capacity;
    }

private:
    alignas(alignment) unsigned char bytes_[Capacity]{};
    std::size_t used_ = 0;
};
