#include "cmdline/RVMessageText.hpp"

#include <cstddef>

namespace {

// The length of the well-formed UTF-8 sequence of two to four bytes that
// text starts with, or 0. Overlong forms, surrogates and code points past
// U+10FFFF are not well formed, and neither is a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text)
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

void appendEscapedByte(std::string& text, unsigned char byte)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    text += "\\x";
    text += hexDigits[byte >> 4];
    text += hexDigits[byte & 0xf];
}

void appendEscaped(std::string& text, std::string_view word)
{
    for (std::size_t index = 0; index < word.size();) {
        const char c = word[index];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = utf8SequenceLength(word.substr(index));
            // U+0080..U+009F are control characters too, which some terminals obey.
            const bool c1Control =
                byte == 0xc2 && length == 2 && static_cast<unsigned char>(word[index + 1]) < 0xa0;
            if (length > 0 && !c1Control) {
                text.append(word.substr(index, length));
                index += length;
                continue;
            }
            // A byte that starts no well-formed sequence is escaped alone, and
            // the bytes after it are looked at afresh: the cost stays linear.
            appendEscapedByte(text, byte);
        } else if (byte >= 0x20 && byte != 0x7f) {
            text += c;
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else {
            appendEscapedByte(text, byte);
        }
        ++index;
    }
}

} // namespace

std::string rv::detail::escaped(std::string_view word)
{
    std::string text;
    text.reserve(word.size());
    appendEscaped(text, word);
    return text;
}

std::string rv::quoted(std::string_view word)
{
    std::string text;
    text.reserve(word.size() + 2);
    text += '\'';
    appendEscaped(text, word);
    text += '\'';
    return text;
}

std::string rv::detail::messageName(const RVOptionTable& table)
{
    return escaped(table.app().displayName());
}

std::string rv::detail::listOfQuoted(const std::vector<std::string_view>& words)
{
    std::string text;
    for (std::size_t index = 0; index < words.size(); ++index) {
        if (index > 0) {
            text += index + 1 == words.size() ? " or " : ", ";
        }
        text += quoted(words[index]);
    }
    return text;
}
