// Long names to propose for a long option that no definition has, and
// choices for a value that is none of an option's.
#pragma once

#include "cmdline/RVOptionTable.hpp"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace rv {

namespace detail {

// Edit distance in which an insertion, a deletion, a substitution and a swap
// of two neighbouring letters each count one, so that "fitler" is one edit
// from "filter". Stops counting at limit + 1: a word that far off is no match.
std::size_t editDistance(std::string_view from, std::string_view to, std::size_t limit);

} // namespace detail

// The long forms ("--name") worth proposing for the typed name (without its
// dashes or "=value"): every long name that it is a prefix of, in definition
// order; otherwise the nearest long names within a small edit distance;
// otherwise none.
std::vector<std::string_view> suggestLongForms(const RVOptionPart& part,
                                               std::string_view typedName);

// The choices worth proposing for a value that is none of them, by the same
// rule as long names.
std::vector<std::string_view> suggestChoices(std::span<const std::string_view> choices,
                                             std::string_view typed);

} // namespace rv
