#include "cmdline/RVUtf8.hpp"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

using rv::detail::loadBytes;
using rv::detail::nonPrintableBits;

} // namespace

rv::detail::RVTextFault rv::detail::findTextFault(std::string_view text)
{
    using Kind = RVTextFault::Kind;
    constexpr std::size_t wordSize = sizeof(std::uint64_t);
    std::size_t index = 0;
    while (index < text.size()) {
        if (text.size() - index >= wordSize &&
            nonPrintableBits(loadBytes<std::uint64_t>(text.data() + index)) == 0) {
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
        if (isC1Control(rest, length) || isBidiControl(rest, length)) {
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
