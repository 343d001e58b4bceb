#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/dump_capture.h"

namespace {

int a, b, c, d;
void* const pa = &a;
void* const pb = &b;
void* const pc = &c;
void* const pd = &d;

using Ptrs = std::vector<const void*>;

Ptrs elements(const V_ArrayVoidPtr& array) {
    Ptrs result;
    for (unsigned long i = 0; i < array.cardinality(); ++i)
        result.push_back(array[i]);
    return result;
}

V_ArrayVoidPtr arrayOf(const Ptrs& ptrs) {
    V_ArrayVoidPtr array;
    for (const void* p : ptrs)
        array.insert(p);
    return array;
}

std::string outOfRange(unsigned long index, unsigned long cardinality) {
    return "[\nA collection with cardinality " + std::to_string(cardinality) +
           " was accessed using the out-of-range index " + std::to_string(index) + ".\n]\n";
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
    V_ArrayVoidPtr none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.cardinality(), 0ul);

    V_ArrayVoidPtr reserved(10);
    EXPECT_EQ(reserved.cardinality(), 0ul);
    EXPECT_THROW(reserved[0], XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(0, 0));

    V_ArrayVoidPtr filled(3, pa);
    EXPECT_EQ(elements(filled), (Ptrs{pa, pa, pa}));
    EXPECT_EQ(filled.count(pa), 3ul);
    EXPECT_TRUE(filled.remove(pa));
    EXPECT_EQ(filled.cardinality(), 2ul);

    EXPECT_EQ(elements(V_ArrayVoidPtr(0, pa)), Ptrs{});
}

TEST(V_ArrayVoidPtr, InsertsAtEitherEndAndAroundAnIndex) {
    V_ArrayVoidPtr array;
    array.insert(pa);
    array.insert_last(pb);
    array.insert_first(pc);
    EXPECT_EQ(elements(array), (Ptrs{pc, pa, pb}));
    array.insert_before(pd, 3);  // at the cardinality: appends
    EXPECT_EQ(elements(array), (Ptrs{pc, pa, pb, pd}));
    array.insert_before(pd, 1);
    EXPECT_EQ(elements(array), (Ptrs{pc, pd, pa, pb, pd}));
    array.insert_after(pc, 4);  // after the last: appends
    array.insert_after(pb, 0);
    EXPECT_EQ(elements(array), (Ptrs{pc, pb, pd, pa, pb, pd, pc}));
}

TEST(V_ArrayVoidPtr, EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing) {
    DumpCapture dump;
    V_ArrayVoidPtr array = arrayOf({pa, pb, pc});
    const V_ArrayVoidPtr& constant = array;
    const Ptrs before = elements(array);

    EXPECT_THROW(array[3], XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(3, 3));
    EXPECT_THROW(constant[7], XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(7, 3));
    EXPECT_THROW(array.get_at(3), XCOLL_OutOfRange);
    EXPECT_THROW(constant.get_at(3), XCOLL_OutOfRange);
    EXPECT_THROW(array.replace_at(pd, 3), XCOLL_OutOfRange);
    EXPECT_THROW(array.remove_at(3), XCOLL_OutOfRange);
    EXPECT_THROW(array.insert_after(pd, 3), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(3, 3) + outOfRange(3, 3) + outOfRange(3, 3) +
                               outOfRange(3, 3) + outOfRange(3, 3));
    EXPECT_THROW(array.insert_before(pd, 4), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(4, 3));
    EXPECT_EQ(elements(array), before);

    V_ArrayVoidPtr empty;
    EXPECT_THROW(empty.insert_after(pd, 0), XCOLL_OutOfRange);
    EXPECT_THROW(empty.remove_at(0), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(0, 0) + outOfRange(0, 0));
    EXPECT_TRUE(empty.empty());
}

TEST(V_ArrayVoidPtr, GivesModifiableReferencesAndReplacesRemovesByIndex) {
    V_ArrayVoidPtr array = arrayOf({pa, pb, pc});
    array[0] = pd;
    array.get_at(1) = pa;
    EXPECT_EQ(elements(array), (Ptrs{pd, pa, pc}));
    array.replace_at(pb, 2);
    EXPECT_EQ(array.get_at(2), pb);
    array.remove_at(0);
    EXPECT_EQ(elements(array), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, NullAndDuplicatePointersAreOrdinaryElements) {
    V_ArrayVoidPtr array;
    EXPECT_FALSE(array.contains(nullptr));
    array.insert(nullptr);
    array.insert(pa);
    array.insert(nullptr);
    array.insert(pa);
    EXPECT_EQ(array.cardinality(), 4ul);
    EXPECT_TRUE(array.contains(nullptr));
    EXPECT_EQ(array.count(nullptr), 2ul);
    EXPECT_EQ(array.count(pb), 0ul);

    EXPECT_TRUE(array.remove(pa));  // the first one only
    EXPECT_EQ(elements(array), (Ptrs{nullptr, nullptr, pa}));
    EXPECT_FALSE(array.remove(pb));
    EXPECT_EQ(array.cardinality(), 3ul);
}

TEST(V_ArrayVoidPtr, SetCardinalityGrowsWithFillAndShrinksOnlyWhenAsked) {
    V_ArrayVoidPtr array = arrayOf({pa, pb, pc, pd, pa});
    array.set_cardinality(2, pc, false);
    EXPECT_EQ(array.cardinality(), 5ul);
    array.set_cardinality(2, pc, true);
    EXPECT_EQ(elements(array), (Ptrs{pa, pb}));
    array.set_cardinality(4, nullptr, false);
    EXPECT_EQ(elements(array), (Ptrs{pa, pb, nullptr, nullptr}));
    array.set_cardinality(4, pc, true);
    EXPECT_EQ(elements(array), (Ptrs{pa, pb, nullptr, nullptr}));

    V_ArrayVoidPtr five = arrayOf({pa, pb, pc, pd, pa});
    five.set_cardinality(7, pd, false);
    EXPECT_EQ(elements(five), (Ptrs{pa, pb, pc, pd, pa, pd, pd}));
}

TEST(V_ArrayVoidPtr, RequestsBeyondTheElementLimitRaiseTheLengthErrorAndChangeNothing) {
    V_ArrayVoidPtr array = arrayOf({pa, pb});
    EXPECT_EQ(lengthError([&] { array.reserve(0x40000000ul); }), "vector<T> too long");
    EXPECT_EQ(lengthError([&] { array.set_cardinality(0x40000001ul, pa, false); }),
              "vector<T> too long");
    EXPECT_EQ(elements(array), (Ptrs{pa, pb}));
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(-1); }), "vector<T> too long");
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(-1, nullptr); }), "vector<T> too long");
    EXPECT_EQ(lengthError([] { V_ArrayVoidPtr bad(0x40000000L, nullptr); }), "vector<T> too long");
    array.reserve(1000);  // a request within the limit grows the capacity only
    EXPECT_EQ(elements(array), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, EqualityNeedsTheSamePointersAtEveryIndex) {
    const V_ArrayVoidPtr ab = arrayOf({pa, pb});
    EXPECT_TRUE(ab == arrayOf({pa, pb}));
    EXPECT_FALSE(ab != arrayOf({pa, pb}));
    EXPECT_TRUE(ab != arrayOf({pb, pa}));
    EXPECT_TRUE(ab != arrayOf({pa, pb, pb}));
    EXPECT_TRUE(V_ArrayVoidPtr() == V_ArrayVoidPtr(5));
}

TEST(V_ArrayVoidPtr, CopiesAreIndependentAndSelfAssignmentKeepsTheElements) {
    V_ArrayVoidPtr original = arrayOf({pa, pb});
    V_ArrayVoidPtr copy(original);
    copy.insert(pc);
    EXPECT_EQ(elements(original), (Ptrs{pa, pb}));

    V_ArrayVoidPtr assigned = arrayOf({pd});
    assigned = original;
    original[0] = pc;
    EXPECT_EQ(elements(assigned), (Ptrs{pa, pb}));

    V_ArrayVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(elements(assigned), (Ptrs{pa, pb}));
}

TEST(V_ArrayVoidPtr, AppendingAndUnionCopyTheOtherArrayInItsOrder) {
    V_ArrayVoidPtr first = arrayOf({pa, pb});
    const V_ArrayVoidPtr second = arrayOf({pc, pa});

    std::unique_ptr<V_ArrayVoidPtr> joined(&(first | second));
    EXPECT_EQ(elements(*joined), (Ptrs{pa, pb, pc, pa}));
    EXPECT_EQ(elements(first), (Ptrs{pa, pb}));
    EXPECT_EQ(elements(second), (Ptrs{pc, pa}));

    std::unique_ptr<V_ArrayVoidPtr> doubled(&(first | first));
    EXPECT_EQ(elements(*doubled), (Ptrs{pa, pb, pa, pb}));

    first.insert(second);
    EXPECT_EQ(elements(first), (Ptrs{pa, pb, pc, pa}));
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(elements(first), (Ptrs{pa, pb, pc, pa, pa, pb, pc, pa}));
}

TEST(V_ArrayVoidPtr, ClearEmptiesTheArrayForReuse) {
    V_ArrayVoidPtr array = arrayOf({pa, pb});
    array.clear();
    EXPECT_TRUE(array.empty());
    array.insert(pc);
    EXPECT_EQ(elements(array), (Ptrs{pc}));
}
