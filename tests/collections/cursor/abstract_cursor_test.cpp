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
#include <type_traits>
#include <utility>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

using Map = V_MapVoidPtr<VSYST_SymbolA>;

template <class Collection>
void add(Collection& c, const void* p) {
    c.insert(p);
}

// Keys that sort in the order the values are added, so a map walks in insertion order.
void add(Map& c, const void* p) {
    char key[16];
    std::snprintf(key, sizeof key, "key%03lu", c.cardinality());
    c.insert(key, const_cast<void*>(p));
}

// A collection kind: whether null is an element, and whether a walk visits the elements in
// ascending address order (null first) rather than in the order they were added.
template <class C, bool HoldsNull, bool Ascending>
struct Kind {
    using Collection = C;
    using Cursor = std::remove_pointer_t<decltype(std::declval<const C&>().createCursor())>;

    static Collection of(const Ptrs& added) {
        Collection c;
        for (const void* p : added)
            add(c, p);  // the set refuses null
        return c;
    }
    // The order a walk visits `added` in.
    static Ptrs walkOrder(Ptrs added) {
        if (!HoldsNull) added.erase(std::remove(added.begin(), added.end(), nullptr), added.end());
        if (Ascending) {
            std::stable_sort(added.begin(), added.end(), [](const void* x, const void* y) {
                return reinterpret_cast<std::uintptr_t>(x) < reinterpret_cast<std::uintptr_t>(y);
            });
        }
        return added;
    }
};

using Kinds = ::testing::Types<Kind<V_ArrayVoidPtr, true, false>, Kind<V_ListVoidPtr, true, false>,
                               Kind<V_SetVoidPtr, false, true>, Kind<V_BagVoidPtr, true, true>,
                               Kind<Map, true, false>>;

template <class K>
class CursorProtocol : public ::testing::Test {};
TYPED_TEST_SUITE(CursorProtocol, Kinds);

Ptrs backward(V_PAbstractCursor& cursor) {
    Ptrs seen;
    for (cursor.last(); cursor.valid() && seen.size() < kWalkLimit; cursor.previous())
        seen.push_back(cursor.current());
    return seen;
}

}  // namespace

TYPED_TEST(CursorProtocol, ACursorIsNotValidUntilPositionedOnAnElement) {
    const auto empty = TypeParam::of({});
    const auto collection = TypeParam::of({pb, pa});
    std::unique_ptr<V_PAbstractCursor> created(collection.createCursor());
    typename TypeParam::Cursor constructed(collection);  // also on the caller's storage
    typename TypeParam::Cursor onEmpty(empty);
    EXPECT_EQ(onEmpty.first(), nullptr);
    EXPECT_EQ(onEmpty.last(), nullptr);
    const std::vector<V_PAbstractCursor*> cursors = {created.get(), &constructed, &onEmpty};
    for (V_PAbstractCursor* c : cursors) {
        EXPECT_FALSE(c->valid());
        EXPECT_FALSE(c->more());
        EXPECT_EQ(c->current(), nullptr);
        EXPECT_EQ(c->next(), nullptr);
        EXPECT_EQ(c->previous(), nullptr);
        EXPECT_FALSE(c->valid());
    }
    EXPECT_EQ(created->owner(), &collection);
    EXPECT_EQ(constructed.owner(), &collection);
    EXPECT_EQ(onEmpty.owner(), &empty);
    EXPECT_EQ(constructed.first(), TypeParam::walkOrder({pb, pa})[0]);
}

TYPED_TEST(CursorProtocol, WalksBothWaysInItsOwnOrderOverNullElementsAndRunsOffAtEitherEnd) {
    // Null is an element like any other (the set refuses it): a walk ends by validity.
    const Ptrs added = {pc, nullptr, pa, pd, nullptr, pb};
    const Ptrs order = TypeParam::walkOrder(added);
    const auto collection = TypeParam::of(added);
    typename TypeParam::Cursor cursor(collection);
    EXPECT_EQ(walk(collection), order);
    EXPECT_EQ(backward(cursor), Ptrs(order.rbegin(), order.rend()));
    EXPECT_EQ(cursor.previous(), nullptr);  // once off the end, it moves in neither direction
    EXPECT_EQ(cursor.next(), nullptr);
    EXPECT_EQ(cursor.current(), nullptr);
    EXPECT_FALSE(cursor.valid());
    EXPECT_EQ(cursor.first(), order[0]);
    EXPECT_TRUE(cursor.more());
    EXPECT_EQ(cursor.next(), order[1]);
    EXPECT_EQ(cursor.previous(), order[0]);
    EXPECT_EQ(cursor.last(), order.back());
    EXPECT_EQ(cursor.previous(), order[order.size() - 2]);
    EXPECT_EQ(cursor.current(), order[order.size() - 2]);
    EXPECT_TRUE(cursor.valid());
}

TYPED_TEST(CursorProtocol, CopiesAndDeepCopiesTakeOverOwnerPositionAndValidity) {
    const auto mine = TypeParam::of({pa});
    const auto other = TypeParam::of({pd, pb, pc});
    const Ptrs order = TypeParam::walkOrder({pd, pb, pc});
    typename TypeParam::Cursor source(other);
    source.first();
    source.next();

    typename TypeParam::Cursor copy(source);
    EXPECT_TRUE(copy.valid());
    EXPECT_EQ(copy.current(), order[1]);
    EXPECT_EQ(copy.owner(), &other);
    copy.next();
    EXPECT_EQ(copy.current(), order[2]);
    EXPECT_EQ(source.current(), order[1]);  // the positions are not shared

    std::unique_ptr<V_PAbstractCursor> target(mine.createCursor());
    target->first();
    target->deepCopy(&source);
    EXPECT_EQ(target->owner(), &other);
    EXPECT_EQ(target->current(), order[1]);
    target->previous();
    EXPECT_EQ(source.current(), order[1]);
    source.next();
    EXPECT_EQ(target->current(), order[0]);
    EXPECT_EQ(target->last(), order[2]);  // the source's collection, from end to end

    typename TypeParam::Cursor unpositioned(mine);
    typename TypeParam::Cursor unpositionedCopy(unpositioned);
    EXPECT_FALSE(unpositionedCopy.valid());
    target->deepCopy(&unpositioned);
    EXPECT_EQ(target->owner(), &mine);
    EXPECT_FALSE(target->valid());
}

TYPED_TEST(CursorProtocol, DeepCopyFromAnotherKindOfCursorThrowsAndChangesNothing) {
    DumpCapture dump;
    const auto collection = TypeParam::of({pa, pb});
    std::unique_ptr<V_PAbstractCursor> target(collection.createCursor());
    target->last();
    V_PNullCursor none;
    EXPECT_THROW(target->deepCopy(&none), XCOLL_CursorException);
    EXPECT_THROW(target->deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(dump.text(), std::string(kCursorFailedMessage) + kCursorFailedMessage);
    EXPECT_TRUE(target->valid());
    EXPECT_EQ(target->current(), TypeParam::walkOrder({pa, pb}).back());
    EXPECT_EQ(target->owner(), &collection);
}
