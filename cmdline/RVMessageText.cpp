#include "cmdline/RVMessageText.hpp"

#include <cstddef>

std::string rv::quoted(std::string_view word)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(word.size() + 2);
    text += '\'';
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            text += c;
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else {
            text += "\\x";
            text += hexDigits[byte >> 4];
            text += hexDigits[byte & 0xf];
        }
    }
    text += '\'';
    return text;
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
