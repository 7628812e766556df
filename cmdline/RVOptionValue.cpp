#include <varnock/cmdline/RVOptionValue.hpp>

#include <utility>

RVOptionValue RVOptionValue::text(std::string value)
{
    const std::shared_ptr<const std::string> owned =
        std::make_shared<const std::string>(std::move(value));
    return RVOptionValue(SharedText(), owned, *owned);
}

RVOptionValue RVOptionValue::number(std::int64_t value)
{
    return RVOptionValue(std::in_place_type<std::int64_t>, value);
}

RVOptionValue RVOptionValue::list(List items)
{
    return RVOptionValue(std::in_place_type<std::shared_ptr<const List>>,
                         std::make_shared<const List>(std::move(items)));
}

RVOptionValue RVOptionValue::map(Map entries)
{
    return RVOptionValue(std::in_place_type<std::shared_ptr<const Map>>,
                         std::make_shared<const Map>(std::move(entries)));
}

RVOptionValue RVOptionValue::textList(std::span<const std::string_view> texts,
                                      const std::shared_ptr<const void>& owner)
{
    List items;
    items.reserve(texts.size());
    for (const std::string_view text : texts) {
        items.emplace_back(SharedText(), owner, text);
    }
    return list(std::move(items));
}

std::optional<std::int64_t> RVOptionValue::asNumber() const
{
    if (const std::int64_t* number = std::get_if<std::int64_t>(&value_)) {
        return *number;
    }
    return std::nullopt;
}

const RVOptionValue::List* RVOptionValue::asList() const
{
    const auto* items = std::get_if<std::shared_ptr<const List>>(&value_);
    return items != nullptr ? items->get() : nullptr;
}

const RVOptionValue::Map* RVOptionValue::asMap() const
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
        return left.asText() == right.asText();
    case RVOptionValue::Kind::number:
        return left.asNumber() == right.asNumber();
    case RVOptionValue::Kind::list:
        return *left.asList() == *right.asList();
    case RVOptionValue::Kind::map:
        return *left.asMap() == *right.asMap();
    }
    return false;
}
