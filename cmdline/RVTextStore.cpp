#include "cmdline/RVTextStore.hpp"

#include <algorithm>

void RVTextStore::addBlock(std::size_t atLeast)
{
    // Each block is four times the one before, so a line of any length takes
    // a handful of allocations; the unused tail of the last is never touched
    // and costs no resident memory.
    const std::size_t size = std::max(nextBlockSize_, atLeast);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    next_ = blocks_.back().get();
    room_ = size;
    nextBlockSize_ = size * 4;
}
