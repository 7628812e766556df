#include "testSupport.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace {

using V = RVOptionValue;

// One value of each kind, and the shapes that own memory in more than one way.
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
    {"emptyList", V::list({})},
    {"nestedList", V::list({texts({"a", "b"}), V::number(1), V()})},
    {"map", V::map({{"k", texts({"v"})}, {"n", V::number(2)}})},
};
// clang-format on

// Every way of making a value from another gives an equal value, whatever
// the kind the target held before.
TEST(OptionValue, copiesMovesAndAssignmentsKeepTheValue)
{
    for (const Sample& from : samples) {
        const V copy(from.value);
        EXPECT_EQ(copy, from.value) << from.name;
        V source(from.value);
        const V moved(std::move(source));
        EXPECT_EQ(moved, from.value) << from.name;

        for (const Sample& to : samples) {
            V assigned(to.value);
            assigned = from.value;
            EXPECT_EQ(assigned, from.value) << to.name << " = " << from.name;
            V moveAssigned(to.value);
            V temporary(from.value);
            moveAssigned = std::move(temporary);
            EXPECT_EQ(moveAssigned, from.value) << to.name << " = move " << from.name;
        }

        V self(from.value);
        const V& alias = self;
        self = alias;
        EXPECT_EQ(self, from.value) << from.name << " assigned to itself";
    }
}

// A value may be given one of its own elements.
TEST(OptionValue, takesAnElementOfItself)
{
    V value = V::list({texts({"a", "b"}), V::text("c")});
    value = value.asList()->front();
    EXPECT_EQ(value, texts({"a", "b"}));
    value = std::move(const_cast<V&>(value.asList()->back()));
    EXPECT_EQ(value, V::text("b"));
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

TEST(OptionValue, textListHoldsEveryTextInOrder)
{
    const std::string_view views[] = {"x", "", "-", std::string_view("a\0b", 3),
                                      "a-long-file-name.pcap"};
    EXPECT_EQ(V::textList(views),
              V::list({V::text("x"), V::text(""), V::text("-"), V::text(std::string("a\0b", 3)),
                       V::text("a-long-file-name.pcap")}));
    EXPECT_EQ(V::textList({}), V::list({}));
}

} // namespace
