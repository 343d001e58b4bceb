#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

int a, b, c, d;
void* const pa = &a;
void* const pb = &b;
void* const pc = &c;
void* const pd = &d;

V_ArrayVoidPtr arrayOf(const Ptrs& ptrs) {
    V_ArrayVoidPtr array;
    for (const void* p : ptrs)
        array.insert(p);
    return array;
}

std::string lengthError(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::length_error& e) {
        return e.what();
    }
    return "no length error";
}

}  // namespace

TEST(V_ArrayVoidPtr, ConstructorsGiveEmptyReservedOrFilledArrays) {
    DumpCapture dump;
    EXPECT_TRUE(V_ArrayVoidPtr().empty());
    V_ArrayVoidPtr reserved(10);
    EXPECT_EQ(reserved.cardinality(), 0ul);
    EXPECT_THROW(reserved[0], XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(0, 0));

    V_ArrayVoidPtr filled(3, pa);
    EXPECT_EQ(walk(filled), (Ptrs{pa, pa, pa}));
    EXPECT_EQ(filled.count(pa), 3ul);
    EXPECT_TRUE(filled.remove(pa));
    EXPECT_EQ(filled.cardinality(), 2ul);
    EXPECT_TRUE(V_ArrayVoidPtr(0, pa).empty());
}

TEST(V_ArrayVoidPtr, InsertsReplacesAndRemovesByIndex) {
    V_ArrayVoidPtr array;
    array.insert(pa);
    array.insert_last(pb);
    array.insert_first(pc);
    EXPECT_EQ(walk(array), (Ptrs{pc, pa, pb}));
    array.insert_before(pd, 3);  // at the cardinality: appends
    array.insert_before(pd, 1);
    array.insert_after(pc, 4);  // after the last: appends
    array.insert_after(pb, 0);
    EXPECT_EQ(walk(array), (Ptrs{pc, pb, pd, pa, pb, pd, pc}));

    array[0] = pd;
    array.get_at(1) = pa;
    array.replace_at(nullptr, 6);
    array.remove_at(2);
    EXPECT_EQ(walk(array), (Ptrs{pd, pa, pa, pb, pd, nullptr}));
    const V_ArrayVoidPtr& constant = array;
    EXPECT_EQ(constant[3], pb);
    EXPECT_EQ(constant.get_at(5), nullptr);
}

TEST(V_ArrayVoidPtr, EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing) {
    DumpCapture dump;
    V_ArrayVoidPtr array = arrayOf({pa, pb, pc});
    const V_ArrayVoidPtr& constant = array;
    const std::function<void()> faults[] = {
        [&] { array[3]; },
        [&] { constant[3]; },
        [&] { array.get_at(3); },
        [&] { constant.get_at(3); },
        [&] { array.replace_at(pd, 3); },
        [&] { array.remove_at(3); },
        [&] { array.insert_after(pd, 3); },
    };
    for (const auto& fault : faults) {
        EXPECT_THROW(fault(), XCOLL_OutOfRange);
        EXPECT_EQ(dump.take(), outOfRangeMessage(3, 3));
    }
    EXPECT_THROW(array.insert_before(pd, 4), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(4, 3));
    EXPECT_EQ(walk(array), (Ptrs{pa, pb, pc}));

    V_ArrayVoidPtr empty;
    EXPECT_THROW(empty.insert_after(pd, 0), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(0, 0));
    EXPECT_TRUE(empty.empty());
}

TEST(V_ArrayVoidPtr, NullAndDuplicatePointersAreOrdinaryElements) {
    V_ArrayVoidPtr array;
    EXPECT_FALSE(array.contains(nullptr));
    array = arrayOf({nullptr, pa, nullptr, pa});
    EXPECT_EQ(array.cardinality(), 4ul);
    EXPECT_TRUE(array.contains(nullptr));
    EXPECT_EQ(array.count(nullptr), 2ul);
    EXPECT_EQ(array.count(pb), 0ul);
    EXPECT_TRUE(array.remove(pa));  // the first one only
    EXPECT_FALSE(array.remove(pb));
    EXPECT_EQ(walk(array), (Ptrs{nullptr, nullptr, pa}));
}

TEST(V_ArrayVoidPtr, SetCardinalityGrowsWithFillAndShrinksOnlyWhenAsked) {
    V_ArrayVoidPtr array = arrayOf({pa, pb, pc, pd, pa});
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
    V_ArrayVoidPtr array = arrayOf({pa, pb});
    EXPECT_EQ(lengthError([&] { array.reserve(0x40000000ul); }), "vector<T> too long");
    EXPECT_EQ(lengthError([&] { array.set_cardinality(0x40000001ul, pa, false); }),
              "vector<T> too long");
    EXPECT_EQ(walk(array), (Ptrs{pa, pb}));
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(-1); }), "vector<T> too long");
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(-1, nullptr); }), "vector<T> too long");
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(0x40000000L, nullptr); }), "vector<T> too long");
    array.reserve(1000);  // within the limit: the capacity grows, the elements stay
    EXPECT_EQ(walk(array), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, CopiesAssignmentClearAndEqualityWorkOnThePointerSequence) {
    V_ArrayVoidPtr original = arrayOf({pa, pb});
    V_ArrayVoidPtr copy(original);
    copy.insert(pc);
    EXPECT_EQ(walk(original), (Ptrs{pa, pb}));
    EXPECT_TRUE(copy != original);

    V_ArrayVoidPtr assigned = arrayOf({pd});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    const V_ArrayVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{pa, pb}));
    EXPECT_TRUE(assigned != arrayOf({pb, pa}));  // order matters

    assigned.clear();
    EXPECT_TRUE(assigned == V_ArrayVoidPtr(5));
    assigned.insert(pc);
    EXPECT_EQ(walk(assigned), (Ptrs{pc}));
}

TEST(V_ArrayVoidPtr, AppendingAndUnionCopyTheOtherArrayInItsOrder) {
    V_ArrayVoidPtr first = arrayOf({pa, pb});
    const V_ArrayVoidPtr second = arrayOf({pc, pa});

    std::unique_ptr<V_ArrayVoidPtr> joined(&(first | second));
    EXPECT_EQ(walk(*joined), (Ptrs{pa, pb, pc, pa}));
    EXPECT_EQ(walk(first), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(second), (Ptrs{pc, pa}));
    std::unique_ptr<V_ArrayVoidPtr> doubled(&(first | first));
    EXPECT_EQ(walk(*doubled), (Ptrs{pa, pb, pa, pb}));

    first.insert(second);
    EXPECT_EQ(walk(first), (Ptrs{pa, pb, pc, pa}));
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(walk(first), (Ptrs{pa, pb, pc, pa, pa, pb, pc, pa}));
}
