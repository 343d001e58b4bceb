#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>

#include <gtest/gtest.h>

#include <functional>

#include "support/collection_walk.h"
#include "support/dump_capture.h"
#include "support/indexed_sequence_checks.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Array, IndexedSequence, V_ArrayVoidPtr);

TEST(V_ArrayVoidPtr, ConstructorsGiveEmptyReservedOrFilledArrays) {
    DumpCapture dump;
    EXPECT_TRUE(V_ArrayVoidPtr().empty());
    const V_ArrayVoidPtr reserved(10);
    EXPECT_TRUE(reserved == V_ArrayVoidPtr());
    EXPECT_THROW(reserved[0], XCOLL_OutOfRange);  // capacity is not cardinality
    EXPECT_EQ(dump.take(), outOfRangeMessage(0, 0));
    EXPECT_EQ(walk(V_ArrayVoidPtr(3, pa)), (Ptrs{pa, pa, pa}));
    EXPECT_TRUE(V_ArrayVoidPtr(0, pa).empty());
}

TEST(V_ArrayVoidPtr, SetCardinalityGrowsWithFillAndShrinksOnlyWhenAsked) {
    V_ArrayVoidPtr array = filled<V_ArrayVoidPtr>({pa, pb, pc, pd, pa});
    array.set_cardinality(2, pc, false);
    EXPECT_EQ(array.cardinality(), 5ul);
    array.set_cardinality(7, pd, false);
    EXPECT_EQ(walk(array), (Ptrs{pa, pb, pc, pd, pa, pd, pd}));
    array.set_cardinality(2, pc, true);
    EXPECT_EQ(walk(array), (Ptrs{pa, pb}));
    array.set_cardinality(2, pc, true);
    EXPECT_EQ(walk(array), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, RequestsBeyondTheElementLimitRaiseTheLengthErrorAndChangeNothing) {
    V_ArrayVoidPtr array = filled<V_ArrayVoidPtr>({pa, pb});
    const std::function<void()> tooLong[] = {
        [&] { array.reserve(0x40000000ul); },
        [&] { array.set_cardinality(0x40000001ul, pa, false); },
        [] { V_ArrayVoidPtr(-1); },  // a negative count read as unsigned
        [] { V_ArrayVoidPtr(-1, nullptr); },
        [] { V_ArrayVoidPtr(0x40000000L, nullptr); },
    };
    for (const auto& work : tooLong)
        EXPECT_EQ(lengthErrorOf(work), "vector<T> too long");
    array.reserve(1000);  // within the limit: the capacity grows, the elements stay
    EXPECT_EQ(walk(array), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, AppendsInOrderWhetherTheStoreHasRoomOrMustGrow) {
    V_ArrayVoidPtr array(2);  // room for two: the third append grows the store
    Ptrs expected;
    const void* const cycle[] = {pa, pb, nullptr, pc, pd};
    for (int i = 0; i < 40; ++i) {
        const void* p = cycle[i % 5];
        if (i % 2 == 0) {
            array.insert(p);
        } else {
            array.insert_last(p);
        }
        expected.push_back(p);
        ASSERT_EQ(array.cardinality(), expected.size());
    }
    EXPECT_EQ(walk(array), expected);
    array.clear();  // the capacity stays, so these appends all find room
    array.insert(pd);
    array.insert_last(pa);
    EXPECT_EQ(walk(array), (Ptrs{pd, pa}));
    EXPECT_EQ(static_cast<const V_ArrayVoidPtr&>(array)[1], pa);
    EXPECT_EQ(array.get_at(0), pd);

    // Growth by the other operations, each followed by appends into the room it left.
    V_ArrayVoidPtr grown;
    grown.insert(array);  // pd, pa
    grown.insert(pb);
    grown.set_cardinality(6, pc, false);  // pd, pa, pb, pc, pc, pc
    grown.insert_last(pd);
    grown.insert_first(pa);
    grown.insert(grown);  // itself, once
    grown.insert(nullptr);
    const Ptrs once{pa, pd, pa, pb, pc, pc, pc, pd};
    Ptrs twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    twice.push_back(nullptr);
    EXPECT_EQ(walk(grown), twice);
}
