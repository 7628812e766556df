// Running out of memory anywhere in a run of a tool that links the service
// ends the process with "NAME: memory exhausted" on standard error and
// status 1, instead of an uncaught std::bad_alloc and a core dump.
#pragma once

#include <string_view>

namespace rv::detail {

// The name the message starts with from now on; until a service sets one,
// it is the executable's. The bytes must outlive their use: the service
// clears the name before it lets them go.
void setMemoryExhaustedName(std::string_view name);

} // namespace rv::detail
