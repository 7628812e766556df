#include "cmdline/docs/RVManRoff.hpp"

#include "cmdline/RVUtf8.hpp"

#include <algorithm>

namespace {

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(begin);
        const std::size_t end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

// The character outside ASCII that text starts with as groff's \\[uXXXX]
// (upper-case hex, four to six digits), which plain groff, mandoc and man-db
// all read, whatever encoding they expect. A C1 control becomes a space, as
// other controls do; a byte that starts no well-formed UTF-8 sequence
// becomes a "?" of its own. Returns the number of bytes read.
std::size_t appendCharacter(std::string& escaped, std::string_view text)
{
    const std::size_t length = rv::detail::utf8SequenceLength(text);
    if (length == 0) {
        escaped += '?';
        return 1;
    }
    // The lead keeps 7 - length bits, every continuation byte 6.
    char32_t point = static_cast<unsigned char>(text[0]) & (0x7fu >> length);
    for (std::size_t index = 1; index < length; ++index) {
        point = point << 6 | (static_cast<unsigned char>(text[index]) & 0x3fu);
    }
    if (point <= 0x9f) {
        escaped += ' ';
        return length;
    }
    escaped += "\\[u";
    for (int shift = point > 0xfffff ? 20 : point > 0xffff ? 16 : 12; shift >= 0; shift -= 4) {
        escaped += "0123456789ABCDEF"[(point >> shift) & 0xfu];
    }
    escaped += ']';
    return length;
}

} // namespace

std::string rv::detail::manText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + 8);
    if (!text.empty() && (text.front() == '.' || text.front() == '\'' || text.front() == ' ')) {
        escaped += "\\&";
    }
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            at += appendCharacter(escaped, text.substr(at));
            continue;
        }
        if (c == '\\') {
            escaped += "\\(rs";
        } else if (c == '-') {
            escaped += "\\-";
        } else if (byte < 0x20 || byte == 0x7f) {
            escaped += ' ';
        } else {
            escaped += c;
        }
        ++at;
    }
    return escaped;
}

std::string rv::detail::bold(std::string_view text)
{
    return "\\fB" + manText(text) + "\\fR";
}

std::string rv::detail::italic(std::string_view text)
{
    return "\\fI" + manText(text) + "\\fR";
}

std::string rv::detail::requestArgument(std::string_view text)
{
    std::string argument = "\"";
    for (const char c : manText(text)) {
        argument += c == '"' ? std::string("\\(dq") : std::string(1, c);
    }
    return argument + '"';
}

// A filled paragraph reads the line breaks as spaces again. A word longer
// than a line keeps a line of its own.
std::string rv::detail::textLines(std::string_view text)
{
    constexpr std::size_t width = 80;
    std::string lines;
    std::size_t lineStart = 0;
    for (const std::string_view word : wordsOf(text)) {
        if (lines.size() > lineStart && lines.size() - lineStart + 1 + word.size() <= width) {
            lines += ' ';
        } else if (lines.size() > lineStart) {
            lines += '\n';
            lineStart = lines.size();
        }
        if (lines.size() == lineStart && (word.front() == '.' || word.front() == '\'')) {
            lines += "\\&"; // a line that starts so would be a request
        }
        lines += word;
    }
    return lines + '\n';
}

void rv::detail::appendSection(std::string& page, std::string_view title, std::string_view request)
{
    page.append(request) += ' ';
    page += title.find(' ') == std::string_view::npos ? std::string(title) : requestArgument(title);
    page += '\n';
}

void rv::detail::appendParagraphs(std::string& page, const std::vector<std::string>& paragraphs)
{
    for (const std::string& paragraph : paragraphs) {
        page.append(&paragraph == &paragraphs.front() ? "" : ".PP\n") += textLines(paragraph);
    }
}
