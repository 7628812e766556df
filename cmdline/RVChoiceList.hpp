// The list of choices that a placeholder written "{a (default) | b}" names:
// read by the table check, which refuses a placeholder that starts with '{'
// but is no such list, by the parser for an option that accepts only those
// choices, and by the man page and completion generators.
#pragma once

#include <string_view>
#include <vector>

namespace rv::detail {

// Reads the placeholder as a list: it starts with '{' and ends with '}', its
// alternatives are separated by '|', each is trimmed of spaces and must not
// be empty, its first word is the choice and the rest a note, no choice
// stands twice, and at most one note says "(default)". Returns null and appends the choices (views
// into the placeholder) to choices, when it is given; otherwise returns the rule that the
// placeholder breaks and leaves choices as it was.
const char* readChoiceList(std::string_view placeholder, std::vector<std::string_view>* choices);

inline bool isChoiceList(std::string_view placeholder)
{
    return placeholder.starts_with('{');
}

} // namespace rv::detail
