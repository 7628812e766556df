#include "cmdline/RVUtf8.hpp"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t everyByte(unsigned char byte)
{
    return 0x0101010101010101ULL * byte;
}

// Whether the eight bytes are all printable ASCII (0x20..0x7e): none has
// its high bit set, none is below 0x20 (subtracting 0x20 from each would
// borrow) and none is 0x7f (adding 1 to it would carry into the high bit).
// With no high bit set, no byte's sum or difference reaches its neighbour's
// before the first such byte, which is what decides.
bool allPrintableAscii(const char* bytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return ((word | (word - everyByte(0x20)) | (word + everyByte(0x01))) & everyByte(0x80)) == 0;
}

} // namespace

rv::detail::RVTextFault rv::detail::findTextFault(std::string_view text)
{
    using Kind = RVTextFault::Kind;
    constexpr std::size_t wordSize = sizeof(std::uint64_t);
    std::size_t index = 0;
    while (index < text.size()) {
        // Most texts are printable ASCII, eight bytes of which are told at once.
        if (text.size() - index >= wordSize && allPrintableAscii(text.data() + index)) {
            index += wordSize;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7f) {
                return {Kind::controlCharacter, index};
            }
            ++index;
            continue;
        }
        const std::string_view rest = text.substr(index);
        const std::size_t length = utf8SequenceLength(rest);
        if (length == 0) {
            return {Kind::notUtf8, index};
        }
        if (isC1Control(rest, length)) {
            return {Kind::controlCharacter, index};
        }
        index += length;
    }
    return {};
}

std::size_t rv::detail::findInvalidUtf8(std::string_view text)
{
    for (std::size_t index = 0; index < text.size();) {
        if (static_cast<unsigned char>(text[index]) < 0x80) {
            ++index;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text.substr(index));
        if (length == 0) {
            return index;
        }
        index += length;
    }
    return std::string_view::npos;
}
