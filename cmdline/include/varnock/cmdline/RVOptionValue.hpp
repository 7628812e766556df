// RVOptionValue: the value of one parsed option as the command-line service
// delivers it. A value is null, a text, a signed 64-bit number, an ordered
// list of values or a map from text to value. Values are immutable and
// shared: a copy adds a reference, never copies bytes or elements.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class RVOptionValue
{
    // The bytes of a text and what keeps them alive, in one pointer: it
    // points at the first byte and shares ownership of the whole block.
    struct Text
    {
        Text(const std::shared_ptr<const void>& owner, std::string_view text)
            : bytes(owner, text.data()), size(text.size())
        {}

        std::shared_ptr<const char> bytes;
        std::size_t size;
    };

    // Lets textList build its elements in place through the public
    // constructor below while no one outside can call it.
    struct SharedText
    {
        explicit SharedText() = default;
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

    using List = std::vector<RVOptionValue>;
    using Map = std::map<std::string, RVOptionValue>;

    RVOptionValue() = default;
    RVOptionValue(SharedText, const std::shared_ptr<const void>& owner, std::string_view text)
        : value_(std::in_place_type<Text>, owner, text)
    {}

    static RVOptionValue text(std::string value);
    static RVOptionValue number(std::int64_t value);
    static RVOptionValue list(List items);
    static RVOptionValue map(Map entries);
    // A list of texts that view bytes which owner keeps alive: every element
    // holds owner, so the bytes live as long as the last copy of any of them.
    static RVOptionValue textList(std::span<const std::string_view> texts,
                                  const std::shared_ptr<const void>& owner);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isNull() const { return kind() == Kind::null; }

    // Each accessor gives nullopt (or null) when the value is of another
    // kind. A text's view, a list and a map live as long as this value.
    std::optional<std::string_view> asText() const
    {
        if (const Text* text = std::get_if<Text>(&value_)) {
            return std::string_view(text->bytes.get(), text->size);
        }
        return std::nullopt;
    }
    std::optional<std::int64_t> asNumber() const;
    const List* asList() const;
    const Map* asMap() const;

    friend bool operator==(const RVOptionValue& left, const RVOptionValue& right);

private:
    // The alternatives in the order of Kind.
    using Value = std::variant<std::monostate, Text, std::int64_t, std::shared_ptr<const List>,
                               std::shared_ptr<const Map>>;

    template <class Alternative, class... Arguments>
    explicit RVOptionValue(std::in_place_type_t<Alternative> kind, Arguments&&... arguments)
        : value_(kind, std::forward<Arguments>(arguments)...)
    {}

    Value value_;
};

// The parsed command line: option name to value; an option not given has no
// entry. Looked up by any text, without making a string of it.
using RVParams = std::map<std::string, RVOptionValue, std::less<>>;
