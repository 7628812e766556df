// The page's EXIT STATUS section: the service's three statuses, told with
// the errors that the table's line can hold, and the tool's own.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVManPageTexts.hpp"

#include <span>
#include <string>

namespace rv::detail {

// toolStatuses: the texts file's, each number once; in number order on the
// page, a text for 0, 1 or 2 after the service's.
void appendExitStatus(std::string& page, const RVOptionTable& table,
                      std::span<const RVManEntry> toolStatuses);

} // namespace rv::detail
