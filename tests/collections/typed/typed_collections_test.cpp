// The typed collections: an array of values, a list of typed pointers, a map by symbol.
#include <orvane/base/symbol.h>
#include <orvane/base/v_string.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/array.h>
#include <orvane/collections/typed/list_ptr.h>
#include <orvane/collections/typed/map_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

using Strings = V_Array<V_STRING>;
using Texts = std::vector<std::string>;

Texts texts(const Strings& array) {
    Texts seen;
    std::unique_ptr<V_AbstractCursor<V_STRING>> c(array.createCursor());
    for (c->first(); c->valid() && seen.size() < kWalkLimit; c->next())
        seen.emplace_back(c->current().data());
    return seen;
}

using Items = V_ListPtr<int>;
using Map = V_MapPtr<VSYST_SymbolA, int>;

}  // namespace

TEST(V_Array, HoldsCopiesOfItsValuesAndItsCursorThrowsWhenNotValid) {
    DumpCapture dump;
    V_STRING text("A4");
    Strings names, none;
    names.insert_last(text);
    text = "changed";
    names.insert_last(names[0]);  // an element of the array itself
    names[1] = "A3";
    Strings copy(names);
    copy[0] = "Letter";
    EXPECT_EQ((std::vector<Texts>{texts(names), texts(copy)}),
              (std::vector<Texts>{{"A4", "A3"}, {"Letter", "A3"}}));
    copy = names;
    EXPECT_EQ(texts(copy), (Texts{"A4", "A3"}));
    EXPECT_THROW(static_cast<const Strings&>(names)[2], XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(2, 2));

    V_ArrayCursor<V_STRING> c(names), deep(none);
    EXPECT_THROW(c.current(), XCOLL_CursorException);
    c.last();
    c.previous();
    deep.deepCopy(&c);
    EXPECT_TRUE(deep.owner() == &names && deep.current() == V_STRING("A4"));
    EXPECT_THROW(deep.deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(dump.text(), kCursorFailedMessage + kCursorFailedMessage);
}

// The typed list forwards to the untyped one: each call must reach the overload it names.
TEST(V_ListPtr, TakesAndGivesTypedPointersByIndexAndAtACursor) {
    int one = 1, two = 2, three = 3;
    Items list;
    list.insert(&one);
    list.insert_first(&three);
    list.insert_before(&two, 1);
    list.insert_after(&three, 2);
    std::unique_ptr<V_PListVoidCursor> at(list.createCursor());
    at->first();  // on three
    list.insert_after(&one, *at);
    list.insert_before(&two, *at);
    list.replace_at(&one, 5);
    EXPECT_EQ(walk(list), (Ptrs{&two, &three, &one, &two, &one, &one}));
    EXPECT_TRUE(list.get_first() == &two && list.get_last() == &one && *list[1] == 3);
}

TEST(V_MapPtr, FindsAndRemovesByKeyInSymbolOrderAndRefusesADuplicateKey) {
    DumpCapture dump;
    int a = 1, b = 2;
    Map map, other;
    EXPECT_FALSE(map.find("Absent") != nullptr || map.remove("Absent"));
    map.insert("beta", &a);  // lower case sorts after upper case, byte by byte
    map.insert("AreaUnitChanged", &b);
    map.insert("AngleUnitChanged", nullptr);  // a null value is stored like any other
    EXPECT_THROW(map.insert(VSYST_SymbolA("AreaUnitChanged"), &a), XCOLL_DuplicateKey);
    EXPECT_EQ(dump.take(), "[\nAn attempt was made to duplicate a key in a map.\n]\n");
    EXPECT_EQ(walk(map), (Ptrs{nullptr, &b, &a}));
    EXPECT_TRUE(map.find("AreaUnitChanged") == &b && map.find("beta") == &a);
    EXPECT_TRUE(map.remove("beta") && !map.remove("beta") && map.find("beta") == nullptr);
    other = map;
    map.clear();
    EXPECT_TRUE(map.empty() && other.cardinality() == 2ul);

    std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>> c(other.createCursor());
    EXPECT_THROW(c->key(), XCOLL_CursorException);
    c->last();
    EXPECT_EQ(std::string(c->key().name()), "AreaUnitChanged");
    map.insert("One", &a);
    EXPECT_EQ(&c->setOwner(map), &map);
    EXPECT_TRUE(!c->valid() && c->owner() == &map && c->first() == &a);
    EXPECT_EQ(dump.take(), kCursorFailedMessage);
}
