#include <orvane/base/symbol.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/map_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

struct Handler {
    int id;
};

using Handlers = V_MapPtr<VSYST_SymbolA, Handler>;
using Cursor = std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>>;
using Names = std::vector<std::string>;

Names keys(const V_MapVoidPtr<VSYST_SymbolA>& map) {
    Names seen;
    Cursor c(map.createCursor());
    for (c->first(); c->valid(); c->next())
        seen.emplace_back(c->key().name());
    return seen;
}

}  // namespace

TEST(V_MapPtr, FindsRemovesAndClearsByKeyAndRefusesADuplicateKey) {
    DumpCapture dump;
    Handler a{1}, b{2};
    Handlers map;
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.find("Absent"), nullptr);
    EXPECT_FALSE(map.remove("Absent"));
    map.insert("AngleUnitChanged", &a);
    map.insert("AreaUnitChanged", &b);
    EXPECT_THROW(map.insert(VSYST_SymbolA("AreaUnitChanged"), &a), XCOLL_DuplicateKey);
    EXPECT_EQ(dump.take(), "[\nAn attempt was made to duplicate a key in a map.\n]\n");
    EXPECT_EQ(map.find("AreaUnitChanged"), &b);
    EXPECT_EQ(map.cardinality(), 2ul);
    EXPECT_TRUE(map.remove("AngleUnitChanged"));
    EXPECT_EQ(map.find("AngleUnitChanged"), nullptr);
    EXPECT_FALSE(map.remove("AngleUnitChanged"));
    map.insert("AngleUnitChanged", nullptr);  // a null value is stored like any other
    EXPECT_EQ(map.cardinality(), 2ul);

    Handlers copy(map);
    map.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(copy.find("AreaUnitChanged"), &b);
    map = copy;
    EXPECT_EQ(keys(map), (Names{"AngleUnitChanged", "AreaUnitChanged"}));
}

TEST(V_PMapVoidCursor, VisitsEntriesInSymbolOrderWhateverTheInsertionOrder) {
    Handler v{1}, l{2}, b{3}, a{4};
    Handlers map;
    map.insert("VolumeUnitChanged", &v);
    map.insert("LengthUnitChanged", &l);
    map.insert("beta", &b);  // lower case sorts after upper case, byte by byte
    map.insert("AngleUnitChanged", &a);
    EXPECT_EQ(keys(map),
              (Names{"AngleUnitChanged", "LengthUnitChanged", "VolumeUnitChanged", "beta"}));
    Cursor c(map.createCursor());
    EXPECT_EQ(c->first(), &a);
    EXPECT_EQ(c->next(), &l);
    EXPECT_EQ(c->last(), &b);
    EXPECT_EQ(c->previous(), &v);
    EXPECT_EQ(c->current(), &v);
    EXPECT_EQ(std::string(c->key().name()), "VolumeUnitChanged");
}

TEST(V_PMapVoidCursor, KeyNeedsAValidCursorAndSetOwnerUnpositionsIt) {
    DumpCapture dump;
    Handler x{1}, y{2};
    Handlers one, other;
    one.insert("One", &x);
    other.insert("Other", &y);
    Cursor c(one.createCursor());
    EXPECT_THROW(c->key(), XCOLL_CursorException);
    c->first();
    c->next();
    EXPECT_THROW(c->key(), XCOLL_CursorException);
    EXPECT_EQ(dump.take(), std::string(kCursorFailedMessage) + kCursorFailedMessage);

    c->first();
    EXPECT_EQ(&c->setOwner(other), &other);
    EXPECT_FALSE(c->valid());
    EXPECT_EQ(c->current(), nullptr);
    EXPECT_EQ(c->owner(), &other);
    EXPECT_EQ(c->first(), &y);
    EXPECT_EQ(std::string(c->key().name()), "Other");
}
