#include "varnock/getFirst.hpp"

#include <charconv>

std::optional<std::string> getFirst(const RVOptionValue& param)
{
    if (const auto text = param.asText()) {
        return std::string(*text);
    }
    if (const auto number = param.asNumber()) {
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), *number).ptr;
        return std::string(digits, end);
    }
    if (const auto* items = param.asList()) {
        if (items->empty()) {
            return std::nullopt;
        }
        return getFirst(items->front());
    }
    return std::nullopt;
}
