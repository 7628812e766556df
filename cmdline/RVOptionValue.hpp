// RVOptionValue: the value of one parsed option as the command-line service
// delivers it. A value is null, a text, a signed 64-bit number, an ordered
// list of values or a map from text to value.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class RVOptionValue
{
    // Lets textList build its elements in place through the public
    // constructor below while no one outside can call it.
    struct InPlaceText
    {
        explicit InPlaceText() = default;
    };

public:
    enum class Kind : std::uint8_t
    {
        null,
        text,
        number,
        list,
        map
    };

    RVOptionValue() noexcept {}
    RVOptionValue(InPlaceText, std::string_view text) : kind_(Kind::text), text_(text) {}
    RVOptionValue(const RVOptionValue& other);
    RVOptionValue(RVOptionValue&& other) noexcept;
    RVOptionValue& operator=(const RVOptionValue& other);
    RVOptionValue& operator=(RVOptionValue&& other) noexcept;
    ~RVOptionValue() { destroy(); }

    static RVOptionValue text(std::string value);
    static RVOptionValue number(std::int64_t value);
    static RVOptionValue list(std::vector<RVOptionValue> items);
    static RVOptionValue map(std::map<std::string, RVOptionValue> entries);
    // A list of texts, each copied once, straight into its place in the list.
    static RVOptionValue textList(std::span<const std::string_view> texts);

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::null; }

    // Each accessor returns null (or nullopt) when the value is of another kind.
    const std::string* asText() const { return kind_ == Kind::text ? &text_ : nullptr; }
    std::optional<std::int64_t> asNumber() const;
    const std::vector<RVOptionValue>* asList() const
    {
        return kind_ == Kind::list ? &items_ : nullptr;
    }
    const std::map<std::string, RVOptionValue>* asMap() const;

    friend bool operator==(const RVOptionValue& left, const RVOptionValue& right);

private:
    using Map = std::map<std::string, RVOptionValue>;

    // Leaves the union without a member; kind_ still names the old one.
    // Inline for texts, which a parsed line holds one of per value.
    void destroy() noexcept
    {
        if (kind_ == Kind::text) {
            text_.~basic_string();
        } else if (kind_ == Kind::list || kind_ == Kind::map) {
            destroyComposite();
        }
    }
    void destroyComposite() noexcept;
    // Constructs the member that other holds, copied or moved; kind_ must
    // already be other's.
    void constructFrom(const RVOptionValue& other);
    void constructFrom(RVOptionValue&& other) noexcept;

    // A tagged union rather than std::variant, so that destroying a text,
    // which a run does once per option value, is one test and no visit.
    // A map cannot hold the still incomplete RVOptionValue by value, so it is
    // kept behind an immutable shared pointer; copies of a value share it.
    Kind kind_ = Kind::null;
    union {
        std::int64_t number_;
        std::string text_;
        std::vector<RVOptionValue> items_;
        std::shared_ptr<const Map> entries_;
    };
};

// The parsed command line: option name to value; an option not given has no entry.
using RVParams = std::map<std::string, RVOptionValue>;
