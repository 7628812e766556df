#include "cmdline/docs/RVShellQuoting.hpp"

namespace {

bool isPlainWord(std::string_view text)
{
    for (const char c : text) {
        if (!rv::detail::isPlainWordCharacter(c)) {
            return false;
        }
    }
    return !text.empty();
}

} // namespace

bool rv::detail::isPlainWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_./-+:,@").find(c) != std::string_view::npos;
}

std::string rv::detail::shellQuoted(std::string_view text)
{
    if (isPlainWord(text)) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + '\'';
}

std::string rv::detail::fishQuoted(std::string_view text)
{
    if (isPlainWord(text)) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '\'';
}

std::string rv::detail::functionName(std::string_view executable)
{
    std::string name = "_";
    for (const char c : executable) {
        const bool fits =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        name += fits ? c : '_';
    }
    return name;
}
