// RVTextStore: the one copy of the argument bytes that a parsed command line
// keeps. Texts are appended into a few blocks that never move, so every view
// handed out stays valid for as long as the store lives.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class RVTextStore
{
public:
    RVTextStore() = default;
    // The views handed out point into the store itself.
    RVTextStore(const RVTextStore&) = delete;
    RVTextStore& operator=(const RVTextStore&) = delete;

    // A copy of text, inside the store.
    // Inlined by force: the parser keeps every value through here.
    [[gnu::always_inline]] std::string_view keep(std::string_view text)
    {
        if (text.size() > room_) {
            addBlock(text.size());
        }
        char* const copy = next_;
        text.copy(copy, text.size());
        next_ += text.size();
        room_ -= text.size();
        return {copy, text.size()};
    }

private:
    void addBlock(std::size_t atLeast);

    // The values of a typical line fit in the first block, which lives
    // inside the store: no allocation of its own, and nothing to free.
    static constexpr std::size_t firstBlockSize = 256;
    char firstBlock_[firstBlockSize];
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = firstBlock_;
    std::size_t room_ = firstBlockSize;
    std::size_t nextBlockSize_ = 16 * 1024;
};
