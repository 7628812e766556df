// Decimal integers as the service reads them from the command line and from
// an "accepts" key: [+-]?[0-9]+, within a signed 64-bit number.
#pragma once

#include <cstdint>
#include <string_view>

namespace rv::detail {

struct RVIntegerReading
{
    enum class Status
    {
        ok,
        notAnInteger,
        outOfRange, // well formed, but past the 64-bit range
    };

    Status status = Status::notAnInteger;
    std::int64_t value = 0; // for ok
};

RVIntegerReading readInteger(std::string_view text);

} // namespace rv::detail
