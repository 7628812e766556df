// The roff that every part of the man page is written in: text escaped for a
// text line, bold and italic words, arguments of requests, text lines that
// fit mandoc's width, and section headings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv::detail {

// The text as it may stand anywhere in a man page's text lines: backslashes
// and hyphens escaped (a "-" is typed as is when copied from the page), line
// breaks and other control characters turned into spaces, and a leading dot,
// quote or space kept from being read as a request.
std::string manText(std::string_view text);

// The text escaped, in bold or in italics, back to roman after it.
std::string bold(std::string_view text);
std::string italic(std::string_view text);

// An argument of a request, such as .TH's, in double quotes.
std::string requestArgument(std::string_view text);

// Roff text, already escaped, as text lines of at most 80 bytes broken at
// its spaces, none of which a request could start; ends in a newline.
std::string textLines(std::string_view text);

// ".SH TITLE", or ".SS TITLE" for a subsection; quoted when it holds a space.
void appendSection(std::string& page, std::string_view title, std::string_view request = ".SH");

// The paragraphs as text lines, a .PP between each and the next; the
// heading before the first already starts a paragraph.
void appendParagraphs(std::string& page, const std::vector<std::string>& paragraphs);

} // namespace rv::detail
