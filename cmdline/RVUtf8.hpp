// UTF-8 as the service reads it: in the words of a command line, which
// messages escape where they are not well formed, in the texts of a table,
// which must be, and in the texts file of a man page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace rv::detail {

// The length of the well-formed UTF-8 sequence of two to four bytes that
// text starts with, or 0. Overlong forms, surrogates and code points past
// U+10FFFF are not well formed, and neither is a sequence cut short. Inline:
// the escaping of every message walks its words with it.
inline std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned lead = byte(0);
    // The second byte's range narrows for the leads where the first
    // continuation alone rules out an overlong form, a surrogate or too high a value.
    unsigned low = 0x80;
    unsigned high = 0xbf;
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;
        high = lead == 0xed ? 0x9f : high;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;
        high = lead == 0xf4 ? 0x8f : high;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t index = 2; index < length; ++index) {
        if ((byte(index) & 0xc0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// Whether a well-formed sequence of this length at the start of text is one
// of U+0080..U+009F, the C1 control characters, which some terminals obey.
inline bool isC1Control(std::string_view text, std::size_t length)
{
    return length == 2 && static_cast<unsigned char>(text[0]) == 0xc2 &&
           static_cast<unsigned char>(text[1]) < 0xa0;
}

// Whether a well-formed sequence of this length at the start of text is one
// of the controls that reorder the text around them (U+061C, U+200E,
// U+200F, U+202A..U+202E, U+2066..U+2069), which would show a text in an
// order other than its bytes.
inline bool isBidiControl(std::string_view text, std::size_t length)
{
    const auto byte = [text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    if (length == 2) {
        return byte(0) == 0xd8 && byte(1) == 0x9c;
    }
    if (length != 3 || byte(0) != 0xe2) {
        return false;
    }
    const unsigned low = byte(2);
    return (byte(1) == 0x80 && (low == 0x8e || low == 0x8f || (low >= 0xaa && low <= 0xae))) ||
           (byte(1) == 0x81 && low >= 0xa6 && low <= 0xa9);
}

// The first fault of a text that a person reads: a byte that starts no
// well-formed UTF-8 sequence, or a control character (below U+0020, U+007F,
// U+0080..U+009F, or a bidirectional control). Found in one pass.
struct RVTextFault
{
    enum class Kind
    {
        none,
        controlCharacter,
        notUtf8
    };

    Kind kind = Kind::none;
    std::size_t offset = 0; // of the faulty byte or sequence, from 0
};

RVTextFault findTextFault(std::string_view text);

// The offset of the first byte of text that starts no well-formed UTF-8
// sequence, or npos when it is all UTF-8. Control characters are allowed.
std::size_t findInvalidUtf8(std::string_view text);

inline constexpr std::uint64_t everyByte(unsigned char byte)
{
    return 0x0101010101010101ULL * byte;
}

// Whether the eight bytes are all printable ASCII: none has its high bit
// set, none is below 0x20 (subtracting 0x20 from each would borrow) and
// none is 0x7f (adding 1 to it would carry into the high bit). With no high
// bit set, no byte's difference or sum reaches its neighbour before the
// first faulty byte, which is what decides.
inline constexpr std::uint64_t nonPrintableBits(std::uint64_t word)
{
    return (word | (word - everyByte(0x20)) | (word + everyByte(0x01))) & everyByte(0x80);
}

template <class Word> inline Word loadBytes(const char* bytes)
{
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Sixteen bytes, which the compiler keeps in one vector register. Adding 1
// to each, with wrap-around, moves printable ASCII (0x20..0x7e) to
// 0x21..0x7f, above 0x20 as a signed byte, and every other byte to 0x20 or
// below: 0x00..0x1f to 0x01..0x20, 0x7f..0xfe to the negative numbers and
// 0xff to 0. One add and one compare tell sixteen bytes.
using Block = unsigned char __attribute__((vector_size(16)));
using SignedBlock = signed char __attribute__((vector_size(16)));

inline SignedBlock printable(Block block)
{
    return reinterpret_cast<SignedBlock>(block + 1) > 0x20;
}

// Tells whether every text given to it is printable ASCII (U+0020..U+007E),
// and so free of any fault that findTextFault looks for. It is what every
// start runs over the texts of a tool's table, so it keeps to the bytes: a
// text is taken sixteen bytes at a time, its last block overlapping the one
// before it rather than a loop over the bytes left, and nothing is decided
// until the answer is asked for, once for the whole table. Only when some
// text is not printable ASCII are the texts looked at one by one.
class RVPrintableScan
{
public:
    void add(std::string_view text)
    {
        const char* const data = text.data();
        const std::size_t size = text.size();
        if (size >= sizeof(Block)) {
            blocks_ &= printable(loadBytes<Block>(data + size - sizeof(Block)));
            for (std::size_t index = 0; index + sizeof(Block) < size; index += sizeof(Block)) {
                blocks_ &= printable(loadBytes<Block>(data + index));
            }
        } else if (size >= sizeof(std::uint64_t)) {
            words_ |= nonPrintableBits(loadBytes<std::uint64_t>(data)) |
                      nonPrintableBits(loadBytes<std::uint64_t>(data + size - 8));
        } else if (size >= sizeof(std::uint32_t)) {
            // Two overlapping halves make one word of eight bytes.
            const std::uint64_t low = loadBytes<std::uint32_t>(data);
            const std::uint64_t high = loadBytes<std::uint32_t>(data + size - 4);
            words_ |= nonPrintableBits(low | high << 32);
        } else {
            for (const char c : text) {
                words_ |= static_cast<unsigned char>(c - 0x20) >= 0x5f ? everyByte(0x80) : 0;
            }
        }
    }

    bool allPrintable() const
    {
        const auto halves =
            loadBytes<std::array<std::uint64_t, 2>>(reinterpret_cast<const char*>(&blocks_));
        return (halves[0] & halves[1]) == ~std::uint64_t(0) && words_ == 0;
    }

private:
    SignedBlock blocks_ = ~SignedBlock{}; // every byte 0xff while all are printable
    std::uint64_t words_ = 0;             // nonPrintableBits of the shorter texts
};

} // namespace rv::detail
