#include "cmdline/RVInteger.hpp"

#include <cstddef>
#include <limits>

rv::detail::RVIntegerReading rv::detail::readInteger(std::string_view text)
{
    using Status = RVIntegerReading::Status;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return {Status::notAnInteger, 0};
    }
    // Counted as a magnitude in unsigned arithmetic, whose limit is the
    // magnitude of the most negative number.
    const std::uint64_t limit = negative
                                    ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                    : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return {Status::notAnInteger, 0};
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (!tooLarge && magnitude > (limit - digit) / 10) {
            tooLarge = true; // the digits that follow must still be digits
        }
        magnitude = tooLarge ? magnitude : magnitude * 10 + digit;
    }
    if (tooLarge) {
        return {Status::outOfRange, 0};
    }
    if (negative) {
        // -(magnitude) without overflow, magnitude being at most 2^63.
        return {Status::ok, magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1};
    }
    return {Status::ok, static_cast<std::int64_t>(magnitude)};
}
