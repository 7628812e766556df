#include "cmdline/RVOptionValue.hpp"

#include <utility>

RVOptionValue RVOptionValue::text(std::string value)
{
    RVOptionValue result;
    result.value_.emplace<std::string>(std::move(value));
    return result;
}

RVOptionValue RVOptionValue::number(std::int64_t value)
{
    RVOptionValue result;
    result.value_.emplace<std::int64_t>(value);
    return result;
}

RVOptionValue RVOptionValue::list(std::vector<RVOptionValue> items)
{
    RVOptionValue result;
    result.value_.emplace<std::vector<RVOptionValue>>(std::move(items));
    return result;
}

RVOptionValue RVOptionValue::map(std::map<std::string, RVOptionValue> entries)
{
    RVOptionValue result;
    result.value_.emplace<std::shared_ptr<const Map>>(
        std::make_shared<const Map>(std::move(entries)));
    return result;
}

const std::string* RVOptionValue::asText() const
{
    return std::get_if<std::string>(&value_);
}

std::optional<std::int64_t> RVOptionValue::asNumber() const
{
    if (const auto* number = std::get_if<std::int64_t>(&value_)) {
        return *number;
    }
    return std::nullopt;
}

const std::vector<RVOptionValue>* RVOptionValue::asList() const
{
    return std::get_if<std::vector<RVOptionValue>>(&value_);
}

const std::map<std::string, RVOptionValue>* RVOptionValue::asMap() const
{
    const auto* entries = std::get_if<std::shared_ptr<const Map>>(&value_);
    return entries != nullptr ? entries->get() : nullptr;
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
