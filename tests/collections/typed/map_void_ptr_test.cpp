#include <orvane/base/symbol.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/list_ptr.h>
#include <orvane/collections/typed/map_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

struct Listener {
    int id;
};

// An event handler as the named-event registry keeps one: its listeners in a typed list.
struct Handler {
    V_ListPtr<Listener> listeners;
};

using Handlers = V_MapPtr<VSYST_SymbolA, Handler>;
using Cursor = std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>>;

std::vector<std::string> keys(const V_MapVoidPtr<VSYST_SymbolA>& map) {
    std::vector<std::string> seen;
    Cursor c(map.createCursor());
    for (c->first(); c->valid(); c->next())
        seen.emplace_back(c->key().name());
    return seen;
}

}  // namespace

TEST(V_MapPtr, ADuplicateKeyThrowsAndKeepsTheFirstValue) {
    DumpCapture dump;
    Handler first, second;
    Handlers map;
    map.insert("LengthUnitChanged", &first);
    EXPECT_THROW(map.insert(VSYST_SymbolA("LengthUnitChanged"), &second), XCOLL_DuplicateKey);
    EXPECT_EQ(dump.text(), "[\nAn attempt was made to duplicate a key in a map.\n]\n");
    EXPECT_EQ(map.find("LengthUnitChanged"), &first);
    EXPECT_EQ(map.cardinality(), 1ul);
}

TEST(V_MapPtr, FindsRemovesAndClearsByKey) {
    Handler a, b;
    Handlers map;
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.find("Absent"), nullptr);
    EXPECT_FALSE(map.remove("Absent"));
    map.insert("AngleUnitChanged", &a);
    map.insert("AreaUnitChanged", &b);
    EXPECT_FALSE(map.empty());
    EXPECT_EQ(map.find("AreaUnitChanged"), &b);
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
    EXPECT_EQ(keys(map), (std::vector<std::string>{"AngleUnitChanged", "AreaUnitChanged"}));
}

TEST(V_PMapVoidCursor, VisitsEntriesInSymbolOrderWhateverTheInsertionOrder) {
    Handler v, l, b, a;
    Handlers map;
    map.insert("VolumeUnitChanged", &v);
    map.insert("LengthUnitChanged", &l);
    map.insert("beta", &b);  // lower case sorts after upper case, byte by byte
    map.insert("AngleUnitChanged", &a);
    EXPECT_EQ(keys(map), (std::vector<std::string>{"AngleUnitChanged", "LengthUnitChanged",
                                                   "VolumeUnitChanged", "beta"}));
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
    Handler x, y;
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

TEST(V_MapPtr, CarriesARegistryOfHandlersWithTheirListeners) {
    // The caller owns handlers and listeners; the map and the lists only point at them.
    std::vector<std::unique_ptr<Handler>> owned;
    Listener first{1}, second{2}, third{3};
    Handlers registry;
    const std::vector<std::pair<const char*, std::vector<Listener*>>> connections = {
        {"LengthUnitChanged", {&first, &second}},
        {"AngleUnitChanged", {&third}},
        {"LengthUnitChanged", {&third}},
    };
    for (const auto& [name, listeners] : connections) {
        Handler* handler = registry.find(name);
        if (handler == nullptr) {
            owned.push_back(std::make_unique<Handler>());
            handler = owned.back().get();
            registry.insert(name, handler);
        }
        for (Listener* l : listeners)
            handler->listeners.insert(l);
    }

    Handler* length = registry.find("LengthUnitChanged");
    ASSERT_NE(length, nullptr);
    std::vector<int> fired;
    std::unique_ptr<V_PListVoidCursor> c(length->listeners.createCursor());
    for (c->first(); c->valid(); c->next()) {
        fired.push_back(V_ListPtr<Listener>::typed(c->current())->id);
    }
    EXPECT_EQ(fired, (std::vector<int>{1, 2, 3}));
    length->listeners.remove(&second);
    EXPECT_EQ(registry.find("LengthUnitChanged")->listeners.cardinality(), 2ul);
    EXPECT_EQ(keys(registry), (std::vector<std::string>{"AngleUnitChanged", "LengthUnitChanged"}));
}
