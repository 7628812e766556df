#include "cmdline/RVMessageText.hpp"

#include "cmdline/RVUtf8.hpp"

#include <cstddef>

namespace {

void appendEscapedByte(std::string& text, unsigned char byte)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    text += "\\x";
    text += hexDigits[byte >> 4];
    text += hexDigits[byte & 0xf];
}

// A bidirectional control as "\u202e": shown, it would reorder the text
// around it.
void appendCodePoint(std::string& text, std::string_view sequence, std::size_t length)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    char32_t point = static_cast<unsigned char>(sequence[0]) & (0x7fu >> length);
    for (std::size_t index = 1; index < length; ++index) {
        point = point << 6 | (static_cast<unsigned char>(sequence[index]) & 0x3fu);
    }
    text += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += hexDigits[(point >> shift) & 0xfu];
    }
}

void appendEscaped(std::string& text, std::string_view word)
{
    for (std::size_t index = 0; index < word.size();) {
        const char c = word[index];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::string_view rest = word.substr(index);
            const std::size_t length = rv::detail::utf8SequenceLength(rest);
            // U+0080..U+009F are control characters too, which some terminals obey.
            if (length > 0 && !rv::detail::isC1Control(rest, length)) {
                if (rv::detail::isBidiControl(rest, length)) {
                    appendCodePoint(text, rest, length);
                } else {
                    text.append(word.substr(index, length));
                }
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

std::string rv::detail::listOf(const std::vector<std::string>& items, std::string_view last)
{
    std::string text;
    for (std::size_t index = 0; index < items.size(); ++index) {
        text.append(index == 0 ? "" : index + 1 == items.size() ? last : ", ") += items[index];
    }
    return text;
}

std::string rv::detail::listOfQuoted(const std::vector<std::string_view>& words)
{
    std::vector<std::string> items;
    items.reserve(words.size());
    for (const std::string_view word : words) {
        items.push_back(quoted(word));
    }
    return listOf(items, " or ");
}

std::string rv::detail::acceptedIntegers(const RVValueCheck& check)
{
    std::string text = "an integer";
    if (check.minimum && check.maximum) {
        text += " from " + std::to_string(*check.minimum) + " to " + std::to_string(*check.maximum);
    } else if (check.minimum) {
        text += " of at least " + std::to_string(*check.minimum);
    } else if (check.maximum) {
        text += " of at most " + std::to_string(*check.maximum);
    }
    return text;
}

std::string rv::detail::partName(const RVOptionTable& table, int part)
{
    std::string name = messageName(table);
    if (part != RVOptionTable::globalPart) {
        name.append(" ").append(table.part(part).command());
    }
    return name;
}
