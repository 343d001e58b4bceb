// The two indexed pointer sequences, V_ArrayVoidPtr and V_ListVoidPtr: the checks both must pass,
// then what each does alone.
#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

template <class Sequence>
class IndexedSequence : public ::testing::Test {};
using Sequences = ::testing::Types<V_ArrayVoidPtr, V_ListVoidPtr>;
TYPED_TEST_SUITE(IndexedSequence, Sequences);

TYPED_TEST(IndexedSequence, InsertsRemovesRefusesBadIndicesCopiesAndJoinsByIndex) {
    TypeParam s;
    s.insert(pa);
    s.insert_last(pb);
    s.insert_first(pc);
    s.insert_before(pd, 3ul);  // at the cardinality: appends
    s.insert_before(pd, 1ul);
    s.insert_after(pc, 4ul);  // after the last: appends
    s.insert_after(pb, 0ul);
    EXPECT_EQ(walk(s), (Ptrs{pc, pb, pd, pa, pb, pd, pc}));
    s[0] = pd;
    s.get_at(1) = nullptr;
    s.replace_at(nullptr, 6ul);
    s.remove_at(2ul);
    EXPECT_TRUE(static_cast<const TypeParam&>(s)[2] == pa);
    // Null and duplicates are ordinary elements; remove takes the first equal one only.
    EXPECT_TRUE(s.count(nullptr) == 2ul && s.contains(nullptr) && !s.contains(pc));
    EXPECT_TRUE(s.remove(pd) && !s.remove(pc));
    EXPECT_EQ(walk(s), (Ptrs{nullptr, pa, pb, pd, nullptr}));
    s.clear();
    EXPECT_TRUE(s.empty());

    // Every index fault throws with the index and the cardinality, and changes nothing.
    DumpCapture dump;
    s = filled<TypeParam>({pa, pb, pc});
    const std::function<void()> faults[] = {
        [&] { s[3]; },
        [&] { static_cast<const TypeParam&>(s)[3]; },
        [&] { s.replace_at(pd, 3ul); },
        [&] { s.remove_at(3ul); },
        [&] { s.insert_after(pd, 3ul); },
        [&] { s.insert_before(pd, 4ul); },
    };
    for (const auto& fault : faults) {
        EXPECT_THROW(fault(), XCOLL_OutOfRange);
        EXPECT_EQ(dump.take(), outOfRangeMessage(&fault == &faults[5] ? 4 : 3, 3));
    }
    EXPECT_EQ(walk(s), (Ptrs{pa, pb, pc}));

    // Copies, comparisons and joins work on the pointer sequence.
    const TypeParam original = filled<TypeParam>({pa, pb});
    TypeParam copy(original), assigned = filled<TypeParam>({pd});
    copy.insert(pc);
    assigned = original;
    const TypeParam& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(original), (Ptrs{pa, pb}));
    EXPECT_TRUE(assigned == original && !(assigned != original) && copy != original &&
                assigned != filled<TypeParam>({pb, pa}));  // order matters

    TypeParam first = filled<TypeParam>({pa, pb});
    const TypeParam second = filled<TypeParam>({pc, nullptr});
    std::unique_ptr<TypeParam> joined(&(first | second)), doubled(&(first | first));
    EXPECT_EQ((std::vector<Ptrs>{walk(*joined), walk(*doubled), walk(first)}),
              (std::vector<Ptrs>{{pa, pb, pc, nullptr}, {pa, pb, pa, pb}, {pa, pb}}));
    first.insert(second);
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(walk(first), (Ptrs{pa, pb, pc, nullptr, pa, pb, pc, nullptr}));
}

TEST(V_ArrayVoidPtr, SetCardinalityFillsAndShrinksOnlyWhenAskedWithinTheLimitAndGrowthDoubles) {
    V_ArrayVoidPtr array(3, pa), shrunk(3, pb);
    array.set_cardinality(2, pc, false);
    array.set_cardinality(5, pd, false);
    shrunk.set_cardinality(1, pc, true);
    EXPECT_EQ(walk(shrunk), (Ptrs{pb}));
    // Requests beyond the element limit raise the length error and change nothing.
    for (const std::function<void()>& work : std::vector<std::function<void()>>{
             [&] { array.reserve(0x40000000ul); },
             [&] { array.set_cardinality(0x40000001ul, pa, false); },
             [] { V_ArrayVoidPtr(-1); },  // a negative count read as unsigned
             [] { V_ArrayVoidPtr(0x40000000L, nullptr); }})
        EXPECT_EQ(lengthErrorOf(work), "vector<T> too long");
    EXPECT_EQ(walk(array), (Ptrs{pa, pa, pa, pd, pd}));

    // The store moves only when it is full, and then grows to at least twice its size: counted
    // by watching where element 0 lives while inserting in front of it. Room for four is reserved
    // (as capacity: the array starts empty).
    V_ArrayVoidPtr grown(4);
    std::uintptr_t where = 0;
    int moves = 0;
    for (int i = 0; i < 64; ++i) {
        const void* p = &g_objects[i % 4];
        grown.insert_first(p);
        const auto now = reinterpret_cast<std::uintptr_t>(&grown[0]);
        if (i > 0 && now != where) ++moves;
        where = now;
        EXPECT_TRUE(i > 3 || moves == 0) << "room for four was reserved";
    }
    EXPECT_LE(moves, 4);  // 4 -> 8 -> 16 -> 32 -> 64
    EXPECT_TRUE(grown.cardinality() == 64ul && grown[0] == pd && grown[63] == pa);
}

using Cursor = std::unique_ptr<V_PListVoidCursor>;

TEST(V_ListVoidPtr, RefusesTheEndsOfAnEmptyListAndCursorsThatAreNotItsOwnValidOnes) {
    DumpCapture dump;
    V_ListVoidPtr list;
    const V_ListVoidPtr& constant = list;
    EXPECT_THROW(list.get_last(), XCOLL_EmptyCollection);
    EXPECT_THROW(constant.get_first(), XCOLL_EmptyCollection);
    EXPECT_EQ(dump.take(),
              "[\nAn attempt was made to operate on a empty collection.\n]\n"
              "[\nAn attempt was made to operate on a empty collection.\n]\n");
    list = filled<V_ListVoidPtr>({pa, pb});
    EXPECT_TRUE(constant.get_first() == pa && constant.get_last() == pb);
    list.get_first() = pc;
    list.get_last() = pd;
    EXPECT_EQ(walk(list), (Ptrs{pc, pd}));

    // Cursors of other lists, of another kind, or not valid are refused.
    const V_ListVoidPtr other = filled<V_ListVoidPtr>({pa, pb});
    Cursor foreign(other.createCursor()), unpositioned(list.createCursor());
    foreign->first();
    V_PNullCursor none;
    const std::vector<const V_PAbstractCursor*> bad = {foreign.get(), unpositioned.get(), &none};
    for (const V_PAbstractCursor* cursor : bad) {
        EXPECT_THROW(list.insert_before(pa, *cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.insert_after(pa, *cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.remove_at(*cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.replace_at(pa, *cursor), XCOLL_BadCursor);
        EXPECT_EQ(dump.take(),
                  kBadCursorMessage + kBadCursorMessage + kBadCursorMessage + kBadCursorMessage);
    }
    EXPECT_EQ(walk(list), (Ptrs{pc, pd}));
}

// Removal at a cursor moves it to the predecessor, or leaves it not valid on the first element:
// a walk that removes as it goes calls next() after each, first() when it ended.
TEST(V_ListVoidPtr, RemovalAtACursorMovesItBackOrLeavesItNotValid) {
    V_ListVoidPtr list = filled<V_ListVoidPtr>({nullptr, pa, nullptr, pb, nullptr, nullptr, pc});
    Cursor at(list.createCursor());
    for (at->first(); at->valid();) {
        if (at->current() == nullptr) list.remove_at(*at);
        at->valid() ? at->next() : at->first();
    }
    EXPECT_EQ(walk(list), (Ptrs{pa, pb, pc}));
    at->first();
    list.remove_at(*at);
    EXPECT_FALSE(at->valid());
    EXPECT_EQ(walk(list), (Ptrs{pb, pc}));
}
