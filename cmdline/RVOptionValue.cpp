#include "cmdline/RVOptionValue.hpp"

#include <new>
#include <utility>

RVOptionValue::RVOptionValue(const RVOptionValue& other) : kind_(other.kind_)
{
    constructFrom(other);
}

RVOptionValue::RVOptionValue(RVOptionValue&& other) noexcept : kind_(other.kind_)
{
    constructFrom(std::move(other));
}

RVOptionValue& RVOptionValue::operator=(const RVOptionValue& other)
{
    if (this != &other) {
        RVOptionValue copy(other); // a copy that throws leaves *this as it was
        *this = std::move(copy);
    }
    return *this;
}

RVOptionValue& RVOptionValue::operator=(RVOptionValue&& other) noexcept
{
    if (this != &other) {
        // other may live inside *this (an element of its list): take it out
        // before destroying what *this holds.
        RVOptionValue taken(std::move(other));
        destroy();
        kind_ = taken.kind_;
        constructFrom(std::move(taken));
    }
    return *this;
}

void RVOptionValue::constructFrom(const RVOptionValue& other)
{
    switch (kind_) {
    case Kind::null:
        break;
    case Kind::text:
        new (&text_) std::string(other.text_);
        break;
    case Kind::number:
        number_ = other.number_;
        break;
    case Kind::list:
        new (&items_) std::vector<RVOptionValue>(other.items_);
        break;
    case Kind::map:
        new (&entries_) std::shared_ptr<const Map>(other.entries_);
        break;
    }
}

void RVOptionValue::constructFrom(RVOptionValue&& other) noexcept
{
    switch (kind_) {
    case Kind::null:
        break;
    case Kind::text:
        new (&text_) std::string(std::move(other.text_));
        break;
    case Kind::number:
        number_ = other.number_;
        break;
    case Kind::list:
        new (&items_) std::vector<RVOptionValue>(std::move(other.items_));
        break;
    case Kind::map:
        new (&entries_) std::shared_ptr<const Map>(std::move(other.entries_));
        break;
    }
}

void RVOptionValue::destroyComposite() noexcept
{
    if (kind_ == Kind::list) {
        items_.~vector();
    } else if (kind_ == Kind::map) {
        entries_.~shared_ptr();
    }
}

RVOptionValue RVOptionValue::text(std::string value)
{
    RVOptionValue result;
    new (&result.text_) std::string(std::move(value));
    result.kind_ = Kind::text;
    return result;
}

RVOptionValue RVOptionValue::number(std::int64_t value)
{
    RVOptionValue result;
    result.number_ = value;
    result.kind_ = Kind::number;
    return result;
}

RVOptionValue RVOptionValue::list(std::vector<RVOptionValue> items)
{
    RVOptionValue result;
    new (&result.items_) std::vector<RVOptionValue>(std::move(items));
    result.kind_ = Kind::list;
    return result;
}

RVOptionValue RVOptionValue::map(std::map<std::string, RVOptionValue> entries)
{
    RVOptionValue result;
    new (&result.entries_)
        std::shared_ptr<const Map>(std::make_shared<const Map>(std::move(entries)));
    result.kind_ = Kind::map;
    return result;
}

RVOptionValue RVOptionValue::textList(std::span<const std::string_view> texts)
{
    std::vector<RVOptionValue> items;
    items.reserve(texts.size());
    for (const std::string_view text : texts) {
        items.emplace_back(InPlaceText(), text);
    }
    return list(std::move(items));
}

std::optional<std::int64_t> RVOptionValue::asNumber() const
{
    if (kind_ == Kind::number) {
        return number_;
    }
    return std::nullopt;
}

const std::map<std::string, RVOptionValue>* RVOptionValue::asMap() const
{
    return kind_ == Kind::map ? entries_.get() : nullptr;
}

bool operator==(const RVOptionValue& left, const RVOptionValue& right)
{
    if (left.kind() != right.kind()) {
        return false;
    }
    switch (left.kind()) {
    case RVOptionValue::Kind::null:
        return true;
    case RVOptionValue::Kind::text:
        return *left.asText() == *right.asText();
    case RVOptionValue::Kind::number:
        return left.asNumber() == right.asNumber();
    case RVOptionValue::Kind::list:
        return *left.asList() == *right.asList();
    case RVOptionValue::Kind::map:
        return *left.asMap() == *right.asMap();
    }
    return false;
}
