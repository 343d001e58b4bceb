// The one cursor protocol, checked through V_PAbstractCursor on every untyped collection.
#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/bag_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/abstract_cursor.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>
#include <orvane/collections/set_void_ptr.h>
#include <orvane/collections/typed/map_void_ptr.h>

#include <orvane/base/symbol.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

using Elements = std::vector<void*>;

int objects[4];
void* const p0 = &objects[0];  // ascending addresses: p0 < p1 < p2 < p3
void* const p1 = &objects[1];
void* const p2 = &objects[2];
void* const p3 = &objects[3];

// What a test needs to know of a collection kind: how to add an element, whether null is an
// element, and the order a walk visits the added elements in.
struct ArrayKind {
    using Collection = V_ArrayVoidPtr;
    using Cursor = V_PArrayVoidCursor;
    static constexpr bool kHoldsNull = true;
    static void add(Collection& c, void* p) { c.insert(p); }
    static Elements walkOrder(const Elements& added) { return added; }
};

struct ListKind {
    using Collection = V_ListVoidPtr;
    using Cursor = V_PListVoidCursor;
    static constexpr bool kHoldsNull = true;
    static void add(Collection& c, void* p) { c.insert(p); }
    static Elements walkOrder(const Elements& added) { return added; }
};

// The set and the bag walk in ascending address order (null first).
Elements ascending(Elements ptrs) {
    std::stable_sort(ptrs.begin(), ptrs.end(), [](const void* x, const void* y) {
        return reinterpret_cast<std::uintptr_t>(x) < reinterpret_cast<std::uintptr_t>(y);
    });
    return ptrs;
}

struct SetKind {
    using Collection = V_SetVoidPtr;
    using Cursor = V_PSetVoidCursor;
    static constexpr bool kHoldsNull = false;
    static void add(Collection& c, void* p) { c.insert(p); }
    static Elements walkOrder(const Elements& added) { return ascending(added); }
};

struct BagKind {
    using Collection = V_BagVoidPtr;
    using Cursor = V_PBagVoidCursor;
    static constexpr bool kHoldsNull = true;
    static void add(Collection& c, void* p) { c.insert(p); }
    static Elements walkOrder(const Elements& added) { return ascending(added); }
};

// Keys that sort in the order the values are added, so the walk follows the insertion order.
struct MapKind {
    using Collection = V_MapVoidPtr<VSYST_SymbolA>;
    using Cursor = V_PMapVoidCursor<VSYST_SymbolA>;
    static constexpr bool kHoldsNull = true;
    static void add(Collection& c, void* p) {
        char key[16];
        std::snprintf(key, sizeof key, "key%03lu", c.cardinality());
        c.insert(key, p);
    }
    static Elements walkOrder(const Elements& added) { return added; }
};

template <class Kind>
class CursorProtocol : public ::testing::Test {
protected:
    using Collection = typename Kind::Collection;
    using Cursor = typename Kind::Cursor;

    static void fill(Collection& c, const Elements& ptrs) {
        for (void* p : ptrs)
            Kind::add(c, p);
    }

    static std::unique_ptr<V_PAbstractCursor> cursorOver(const Collection& c) {
        return std::unique_ptr<V_PAbstractCursor>(c.createCursor());
    }

    static Elements forward(V_PAbstractCursor& cursor) {
        Elements seen;
        for (cursor.first(); cursor.valid(); cursor.next())
            seen.push_back(cursor.current());
        return seen;
    }

    static Elements backward(V_PAbstractCursor& cursor) {
        Elements seen;
        for (cursor.last(); cursor.valid(); cursor.previous())
            seen.push_back(cursor.current());
        return seen;
    }
};

using Kinds = ::testing::Types<ArrayKind, ListKind, SetKind, BagKind, MapKind>;
TYPED_TEST_SUITE(CursorProtocol, Kinds);

}  // namespace

TYPED_TEST(CursorProtocol, ANewCursorIsNotValidUntilPositioned) {
    typename TestFixture::Collection collection;
    TestFixture::fill(collection, {p1, p0});
    auto cursor = TestFixture::cursorOver(collection);
    EXPECT_FALSE(cursor->valid());
    EXPECT_FALSE(cursor->more());
    EXPECT_EQ(cursor->current(), nullptr);
    EXPECT_EQ(cursor->next(), nullptr);
    EXPECT_EQ(cursor->previous(), nullptr);
    EXPECT_FALSE(cursor->valid());
    EXPECT_EQ(cursor->owner(), &collection);

    typename TestFixture::Cursor onTheStack(collection);  // the same, on the caller's storage
    EXPECT_FALSE(onTheStack.valid());
    EXPECT_EQ(onTheStack.owner(), &collection);
    EXPECT_EQ(TestFixture::forward(onTheStack), TypeParam::walkOrder({p1, p0}));
}

TYPED_TEST(CursorProtocol, FirstAndLastOnAnEmptyCollectionLeaveTheCursorNotValid) {
    typename TestFixture::Collection collection;
    auto cursor = TestFixture::cursorOver(collection);
    EXPECT_EQ(cursor->first(), nullptr);
    EXPECT_FALSE(cursor->valid());
    EXPECT_EQ(cursor->last(), nullptr);
    EXPECT_FALSE(cursor->more());
    EXPECT_EQ(cursor->next(), nullptr);
    EXPECT_EQ(cursor->previous(), nullptr);
}

TYPED_TEST(CursorProtocol, AWalkOverOneElementRunsOffAtEitherEnd) {
    typename TestFixture::Collection collection;
    TestFixture::fill(collection, {p2});
    auto cursor = TestFixture::cursorOver(collection);
    EXPECT_EQ(cursor->first(), p2);
    EXPECT_TRUE(cursor->valid());
    EXPECT_TRUE(cursor->more());
    EXPECT_EQ(cursor->current(), p2);
    EXPECT_EQ(cursor->next(), nullptr);
    EXPECT_FALSE(cursor->valid());
    EXPECT_EQ(cursor->current(), nullptr);

    EXPECT_EQ(cursor->last(), p2);
    EXPECT_TRUE(cursor->valid());
    EXPECT_EQ(cursor->previous(), nullptr);
    EXPECT_FALSE(cursor->valid());
    EXPECT_EQ(cursor->next(), nullptr);  // not valid: does not move back onto the element
    EXPECT_FALSE(cursor->valid());
}

TYPED_TEST(CursorProtocol, WalksBothWaysInTheCollectionsOwnOrder) {
    typename TestFixture::Collection collection;
    const Elements added = {p2, p0, p3, p1};
    TestFixture::fill(collection, added);
    const Elements order = TypeParam::walkOrder(added);
    auto cursor = TestFixture::cursorOver(collection);

    EXPECT_EQ(TestFixture::forward(*cursor), order);
    EXPECT_EQ(TestFixture::backward(*cursor), Elements(order.rbegin(), order.rend()));

    // Once off the end, the cursor moves in neither direction.
    EXPECT_EQ(cursor->previous(), nullptr);
    EXPECT_FALSE(cursor->valid());
    EXPECT_EQ(cursor->first(), order.front());
    EXPECT_EQ(cursor->next(), order[1]);
    EXPECT_EQ(cursor->previous(), order.front());
    EXPECT_EQ(cursor->last(), order.back());
    EXPECT_EQ(cursor->previous(), order[2]);
    EXPECT_EQ(cursor->current(), order[2]);
}

TYPED_TEST(CursorProtocol, AWalkOverNullElementsEndsByValidityNotByANullResult) {
    typename TestFixture::Collection collection;
    const Elements added = {nullptr, p1, nullptr};
    TestFixture::fill(collection, added);
    // The set refuses null; every other kind holds it like any pointer.
    const Elements expected = TypeParam::kHoldsNull ? TypeParam::walkOrder(added) : Elements{p1};
    auto cursor = TestFixture::cursorOver(collection);
    EXPECT_EQ(cursor->first(), expected.front());
    EXPECT_TRUE(cursor->valid());
    EXPECT_EQ(TestFixture::forward(*cursor), expected);
    EXPECT_EQ(TestFixture::backward(*cursor), Elements(expected.rbegin(), expected.rend()));
}

TYPED_TEST(CursorProtocol, ACopiedCursorStartsAtTheSameElementAndMovesOnItsOwn) {
    typename TestFixture::Collection collection;
    TestFixture::fill(collection, {p0, p1, p2});
    const Elements order = TypeParam::walkOrder({p0, p1, p2});
    typename TestFixture::Cursor original(collection);
    original.first();
    original.next();

    typename TestFixture::Cursor copy(original);
    EXPECT_TRUE(copy.valid());
    EXPECT_EQ(copy.current(), order[1]);
    EXPECT_EQ(copy.owner(), &collection);
    copy.next();
    EXPECT_EQ(copy.current(), order[2]);
    EXPECT_EQ(original.current(), order[1]);
    original.previous();
    EXPECT_EQ(copy.current(), order[2]);

    typename TestFixture::Cursor fresh(collection);
    typename TestFixture::Cursor freshCopy(fresh);
    EXPECT_FALSE(freshCopy.valid());
}

TYPED_TEST(CursorProtocol, DeepCopyTakesOwnerPositionAndValidityFromItsSource) {
    typename TestFixture::Collection mine;
    typename TestFixture::Collection other;
    TestFixture::fill(mine, {p0});
    TestFixture::fill(other, {p1, p2, p3});
    const Elements order = TypeParam::walkOrder({p1, p2, p3});

    auto target = TestFixture::cursorOver(mine);
    target->first();
    auto source = TestFixture::cursorOver(other);
    source->last();
    source->previous();

    target->deepCopy(source.get());
    EXPECT_EQ(target->owner(), &other);
    EXPECT_TRUE(target->valid());
    EXPECT_EQ(target->current(), order[1]);
    target->next();
    EXPECT_EQ(source->current(), order[1]);  // the positions are not shared

    auto unpositioned = TestFixture::cursorOver(mine);
    target->deepCopy(unpositioned.get());
    EXPECT_EQ(target->owner(), &mine);
    EXPECT_FALSE(target->valid());
}

TYPED_TEST(CursorProtocol, DeepCopyFromAnotherKindOfCursorThrowsAndChangesNothing) {
    DumpCapture dump;
    typename TestFixture::Collection collection;
    TestFixture::fill(collection, {p0, p1});
    auto target = TestFixture::cursorOver(collection);
    target->last();
    V_PNullCursor none;

    EXPECT_THROW(target->deepCopy(&none), XCOLL_CursorException);
    EXPECT_THROW(target->deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(dump.text(),
              "[\nThe performed cursor operation failed.\n]\n"
              "[\nThe performed cursor operation failed.\n]\n");
    EXPECT_TRUE(target->valid());
    EXPECT_EQ(target->current(), TypeParam::walkOrder({p0, p1}).back());
    EXPECT_EQ(target->owner(), &collection);
}
