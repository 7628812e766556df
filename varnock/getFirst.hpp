// The reduction of an option value to the one text that stands for it.
#pragma once

#include <varnock/cmdline/RVOptionValue.hpp>

#include <optional>
#include <string>

// The first text that stands for the value: a text itself, a number as its
// decimal digits, a list by its first element (to any depth); null for an
// empty list, a null or a map. An empty text is a text, not null.
std::optional<std::string> getFirst(const RVOptionValue& param);
