// RVOptionValue: the value of one parsed option as the command-line service
// delivers it. A value is null, a text, a signed 64-bit number, an ordered
// list of values or a map from text to value.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class RVOptionValue
{
public:
    enum class Kind : std::uint8_t
    {
        null,
        text,
        number,
        list,
        map
    };

    RVOptionValue() = default;

    static RVOptionValue text(std::string value);
    static RVOptionValue number(std::int64_t value);
    static RVOptionValue list(std::vector<RVOptionValue> items);
    static RVOptionValue map(std::map<std::string, RVOptionValue> entries);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isNull() const { return kind() == Kind::null; }

    // Each accessor returns null (or nullopt) when the value is of another kind.
    const std::string* asText() const;
    std::optional<std::int64_t> asNumber() const;
    const std::vector<RVOptionValue>* asList() const;
    const std::map<std::string, RVOptionValue>* asMap() const;

    friend bool operator==(const RVOptionValue& left, const RVOptionValue& right);

private:
    using Map = std::map<std::string, RVOptionValue>;

    // A map cannot hold the still incomplete RVOptionValue by value, so it is
    // kept behind an immutable shared pointer; copies of a value share it.
    // The alternatives are in the order of Kind.
    std::variant<std::monostate, std::string, std::int64_t, std::vector<RVOptionValue>,
                 std::shared_ptr<const Map>>
        value_;
};

// The parsed command line: option name to value; an option not given has no entry.
using RVParams = std::map<std::string, RVOptionValue>;
