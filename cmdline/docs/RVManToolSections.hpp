// The page's sections that only the texts file fills: ENVIRONMENT, FILES
// and SEE ALSO. A section without entries is left out.
#pragma once

#include "cmdline/docs/RVManPageTexts.hpp"

#include <string>

namespace rv::detail {

// ENVIRONMENT, then FILES: an entry per variable or path, in the file's order.
void appendEnvironmentAndFiles(std::string& page, const RVManPageTexts& texts);

// SEE ALSO: the pages, in the file's order, as "\fBgroff\fR(1)".
void appendSeeAlso(std::string& page, const RVManPageTexts& texts);

} // namespace rv::detail
