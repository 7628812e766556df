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

// A template in sections: the text up to its first line "#@ NAME (what it
// is for)" is the script's own, the section of the empty name; each such
// line starts the section NAME, which ends where the next one starts.
// Throws RVDefinitionError for a section that the template lacks.
std::string_view templateSection(std::string_view text, std::string_view name);

} // namespace rv::detail
