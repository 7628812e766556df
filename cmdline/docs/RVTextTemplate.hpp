// Filling a text template: the completion scripts are written as templates
// with {{name}} placeholders that their generators fill from the option table.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace rv::detail {

// The text with every {{name}} replaced by its field, in one pass: a field's
// own text is never read for placeholders. Throws RVDefinitionError for a
// placeholder that no field fills or a field that no placeholder uses, so
// that a template and its generator cannot drift apart unseen.
std::string fillTemplate(std::string_view text,
                         const std::map<std::string_view, std::string>& fields);

} // namespace rv::detail
