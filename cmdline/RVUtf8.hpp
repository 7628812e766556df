// UTF-8 as the service reads it: in the words of a command line, which
// messages escape where they are not well formed, in the texts of a table,
// which must be, and in the texts file of a man page.
#pragma once

#include <cstddef>
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

// The first fault of a text that a person reads: a byte that starts no
// well-formed UTF-8 sequence, or a control character (below U+0020, U+007F,
// U+0080..U+009F). Found in one pass.
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

} // namespace rv::detail
