// The man page, in man(7) macros, rendered from the option table and the app
// definition, with the few texts that they do not hold.
#pragma once

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVManPageTexts.hpp"
#include "cmdline/docs/RVManRoff.hpp"

#include <string>

namespace rv {

// Throws RVDefinitionError for an example whose command does not run the
// executable with options that the table accepts, so that an example cannot
// outlive an option it shows.
std::string renderManPage(const RVOptionTable& table, const RVManPageTexts& texts);

} // namespace rv
