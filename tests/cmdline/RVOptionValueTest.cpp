#include "tests/testSupport.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace {

using V = RVOptionValue;

// One value of each kind, and the shapes that share memory in more than one way.
struct Sample
{
    const char* name;
    RVOptionValue value;
};

// clang-format off
const Sample samples[] = {
    {"null", V()},
    {"emptyText", V::text("")},
    {"shortText", V::text("x")},
    {"longText", V::text(std::string(100, 'y'))},
    {"number", V::number(-7)},
    {"otherNumber", V::number(7)},
    {"emptyList", V::list({})},
    {"nestedList", V::list({texts({"a", "b"}), V::number(1), V()})},
    {"map", V::map({{"k", texts({"v"})}, {"n", V::number(2)}})},
    {"otherMap", V::map({{"k", texts({"w"})}, {"n", V::number(2)}})},
};
// clang-format on

// A copy compares equal and outlives its source, whatever the kind.
TEST(OptionValue, copiesAreEqualAndOutliveTheirSource)
{
    for (const Sample& sample : samples) {
        auto source = std::make_unique<V>(sample.value);
        const V copy = *source;
        V assigned;
        assigned = *source;
        source.reset();
        EXPECT_EQ(copy, sample.value) << sample.name;
        EXPECT_EQ(assigned, sample.value) << sample.name;
    }
}

TEST(OptionValue, kindsAreToldApart)
{
    for (const Sample& left : samples) {
        for (const Sample& right : samples) {
            EXPECT_EQ(left.value == right.value, std::string_view(left.name) == right.name)
                << left.name << " == " << right.name;
        }
    }
}

// Texts that view bytes held elsewhere read like texts that own theirs, and
// keep those bytes alive after every other holder is gone.
TEST(OptionValue, textListKeepsItsOwnerAlive)
{
    auto owner = std::make_shared<std::string>("x-a\0ba-long-file-name.pcap", 26);
    const std::string_view bytes = *owner;
    const std::string_view views[] = {bytes.substr(0, 1), bytes.substr(1, 0), bytes.substr(1, 1),
                                      bytes.substr(2, 3), bytes.substr(5)};
    V list = V::textList(views, owner);
    const V element = list.asList()->back();
    owner.reset();
    EXPECT_EQ(list, V::list({V::text("x"), V::text(""), V::text("-"),
                             V::text(std::string("a\0b", 3)), V::text("a-long-file-name.pcap")}));
    list = V();
    EXPECT_EQ(element, V::text("a-long-file-name.pcap"));
    EXPECT_EQ(V::textList({}, nullptr), V::list({}));
}

} // namespace
