// The one cursor protocol, checked through V_PAbstractCursor on the untyped collections (the map
// has its own test), and the null cursor that never has an element.
#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/bag_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/abstract_cursor.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>
#include <orvane/collections/set_void_ptr.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

// A collection kind: whether null is an element, and whether a walk visits the elements in
// ascending address order rather than in the order they were added.
template <class C, bool HoldsNull, bool Ascending>
struct Kind {
    using Cursor = std::remove_pointer_t<decltype(std::declval<const C&>().createCursor())>;

    static C of(const Ptrs& added) { return filled<C>(added); }  // the set refuses null
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
                               Kind<V_SetVoidPtr, false, true>, Kind<V_BagVoidPtr, true, true>>;

template <class K>
class CursorProtocol : public ::testing::Test {};
TYPED_TEST_SUITE(CursorProtocol, Kinds);

// Every move of a cursor that is not valid gives null and leaves it not valid.
void expectNotValid(V_PAbstractCursor& c) {
    EXPECT_FALSE(c.valid() || c.more() || c.current() || c.next() || c.previous() || c.valid());
}

}  // namespace

TYPED_TEST(CursorProtocol, WalksBothWaysRunsOffAtEitherEndAndCopiesTakeOverThePosition) {
    const Ptrs added = {pc, nullptr, pa, pd, nullptr, pb};
    const Ptrs order = TypeParam::walkOrder(added);
    const auto collection = TypeParam::of(added), empty = TypeParam::of({});
    typename TypeParam::Cursor cursor(collection), onEmpty(empty);
    expectNotValid(cursor);  // not yet positioned
    EXPECT_TRUE(onEmpty.first() == nullptr && onEmpty.last() == nullptr && !onEmpty.valid());
    EXPECT_EQ(walk(collection), order);
    Ptrs backward;
    for (cursor.last(); cursor.valid() && backward.size() < kWalkLimit; cursor.previous())
        backward.push_back(cursor.current());
    EXPECT_EQ(backward, Ptrs(order.rbegin(), order.rend()));
    expectNotValid(cursor);  // once off the end, it moves in neither direction
    EXPECT_EQ(
        (Ptrs{cursor.first(), cursor.next(), cursor.previous(), cursor.last(), cursor.previous()}),
        (Ptrs{order[0], order[1], order[0], order.back(), order[order.size() - 2]}));
    EXPECT_TRUE(cursor.valid() && cursor.more());

    // Copies and deep copies take over owner, position and validity.
    DumpCapture dump;
    const auto mine = TypeParam::of({pa}), other = TypeParam::of({pd, pb, pc});
    const Ptrs three = TypeParam::walkOrder({pd, pb, pc});
    typename TypeParam::Cursor source(other), unpositioned(mine);
    source.last();
    typename TypeParam::Cursor copy(source);
    copy.previous();
    EXPECT_EQ(source.current(), three[2]);  // the positions are not shared
    std::unique_ptr<V_PAbstractCursor> target(mine.createCursor());
    target->deepCopy(&copy);
    EXPECT_TRUE(target->owner() == &other && target->previous() == three[0]);
    EXPECT_EQ(copy.current(), three[1]);
    V_PNullCursor none;  // a cursor of another kind, or none, is refused and changes nothing
    EXPECT_THROW(target->deepCopy(&none), XCOLL_CursorException);
    EXPECT_THROW(target->deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(target->current(), three[0]);
    target->deepCopy(&unpositioned);
    EXPECT_TRUE(target->owner() == &mine && !target->valid());
    // The null cursor never has an element and refuses every deep copy, even of its own kind.
    V_PNullCursor null;
    EXPECT_TRUE(null.first() == nullptr && null.last() == nullptr && null.owner() == nullptr);
    expectNotValid(null);
    EXPECT_THROW(null.deepCopy(&none), XCOLL_CursorException);
    EXPECT_THROW(null.deepCopy(&source), XCOLL_CursorException);
    EXPECT_EQ(dump.text(), kCursorFailedMessage + kCursorFailedMessage + kCursorFailedMessage +
                               kCursorFailedMessage);
}
