// The templates of the completion scripts, one for each shell. The build
// makes each constant from the .template file of the same name beside this
// header, so the scripts are edited there, as the shells read them.
#pragma once

#include <string_view>

namespace rv::detail {

extern const std::string_view bashCompletionTemplate;
extern const std::string_view zshCompletionTemplate;
extern const std::string_view fishCompletionTemplate;

} // namespace rv::detail
