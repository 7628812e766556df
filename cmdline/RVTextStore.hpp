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
    // A copy of text, inside the store.
    std::string_view keep(std::string_view text)
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

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;
    std::size_t room_ = 0;
    std::size_t nextBlockSize_ = 16 * 1024;
};
