// The man page, in man(7) macros, rendered from the option table and the app
// definition, with the few texts that they do not hold.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVManPageTexts.hpp"

#include <string>
#include <string_view>

namespace rv {

namespace detail {

// The text as it may stand anywhere in a man page's text lines: backslashes
// and hyphens escaped (a "-" is typed as is when copied from the page), line
// breaks and other control characters turned into spaces, and a leading dot,
// quote or space kept from being read as a request.
std::string manText(std::string_view text);

} // namespace detail

// Throws RVDefinitionError for an example whose command does not run the
// executable with options that the table accepts, so that an example cannot
// outlive an option it shows.
std::string renderManPage(const RVOptionTable& table, const RVManPageTexts& texts);

} // namespace rv
