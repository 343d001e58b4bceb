// The checks both indexed pointer sequences, V_ArrayVoidPtr and V_ListVoidPtr, must pass: the same
// operations by index, the same index faults, the same copies, comparisons and joins. Each
// sequence's test file instantiates the suite for its class:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Array, IndexedSequence, V_ArrayVoidPtr);
#ifndef ORVANE_TESTS_SUPPORT_INDEXED_SEQUENCE_CHECKS_H
#define ORVANE_TESTS_SUPPORT_INDEXED_SEQUENCE_CHECKS_H

#include <orvane/collections/collection_exceptions.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

template <class Sequence>
class IndexedSequence : public ::testing::Test {};

TYPED_TEST_SUITE_P(IndexedSequence);

TYPED_TEST_P(IndexedSequence, InsertsReplacesAndRemovesByIndex) {
    TypeParam s;
    s.insert(pa);
    s.insert_last(pb);
    s.insert_first(pc);
    EXPECT_EQ(walk(s), (Ptrs{pc, pa, pb}));
    s.insert_before(pd, 3ul);  // at the cardinality: appends
    s.insert_before(pd, 1ul);
    s.insert_after(pc, 4ul);  // after the last: appends
    s.insert_after(pb, 0ul);
    EXPECT_EQ(walk(s), (Ptrs{pc, pb, pd, pa, pb, pd, pc}));

    s[0] = pd;
    s.get_at(1) = nullptr;
    s.replace_at(nullptr, 6ul);
    s.remove_at(2ul);
    EXPECT_EQ(walk(s), (Ptrs{pd, nullptr, pa, pb, pd, nullptr}));
    const TypeParam& constant = s;
    EXPECT_EQ(constant[2], pa);
    EXPECT_EQ(constant.get_at(5), nullptr);

    // Null and duplicates are ordinary elements; remove takes the first equal one only.
    EXPECT_EQ(s.count(nullptr), 2ul);
    EXPECT_EQ(s.count(pc), 0ul);
    EXPECT_TRUE(s.contains(nullptr));
    EXPECT_FALSE(s.contains(pc));
    EXPECT_TRUE(s.remove(pd));
    EXPECT_FALSE(s.remove(pc));
    EXPECT_EQ(walk(s), (Ptrs{nullptr, pa, pb, pd, nullptr}));
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_FALSE(s.contains(nullptr));
}

TYPED_TEST_P(IndexedSequence, EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing) {
    DumpCapture dump;
    TypeParam s = filled<TypeParam>({pa, pb, pc});
    const TypeParam& constant = s;
    const std::function<void()> faults[] = {
        [&] { s[3]; },
        [&] { constant[3]; },
        [&] { s.get_at(3); },
        [&] { constant.get_at(3); },
        [&] { s.replace_at(pd, 3ul); },
        [&] { s.remove_at(3ul); },
        [&] { s.insert_after(pd, 3ul); },
    };
    for (const auto& fault : faults) {
        EXPECT_THROW(fault(), XCOLL_OutOfRange);
        EXPECT_EQ(dump.take(), outOfRangeMessage(3, 3));
    }
    EXPECT_THROW(s.insert_before(pd, 4ul), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(4, 3));
    EXPECT_EQ(walk(s), (Ptrs{pa, pb, pc}));
}

TYPED_TEST_P(IndexedSequence, CopiesAssignmentAndEqualityWorkOnThePointerSequence) {
    const TypeParam original = filled<TypeParam>({pa, pb});
    TypeParam copy(original);
    copy.insert(pc);
    EXPECT_EQ(walk(original), (Ptrs{pa, pb}));
    EXPECT_TRUE(copy != original);

    TypeParam assigned = filled<TypeParam>({pd});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    EXPECT_FALSE(assigned != original);
    const TypeParam& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{pa, pb}));
    EXPECT_TRUE(assigned != filled<TypeParam>({pb, pa}));  // order matters
}

TYPED_TEST_P(IndexedSequence, AppendingAndUnionCopyTheOtherSequenceInItsOrder) {
    TypeParam first = filled<TypeParam>({pa, pb});
    const TypeParam second = filled<TypeParam>({pc, nullptr});
    std::unique_ptr<TypeParam> joined(&(first | second));
    EXPECT_EQ(walk(*joined), (Ptrs{pa, pb, pc, nullptr}));
    EXPECT_EQ(walk(first), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(second), (Ptrs{pc, nullptr}));
    std::unique_ptr<TypeParam> doubled(&(first | first));
    EXPECT_EQ(walk(*doubled), (Ptrs{pa, pb, pa, pb}));

    first.insert(second);
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(walk(first), (Ptrs{pa, pb, pc, nullptr, pa, pb, pc, nullptr}));
}

REGISTER_TYPED_TEST_SUITE_P(IndexedSequence, InsertsReplacesAndRemovesByIndex,
                            EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing,
                            CopiesAssignmentAndEqualityWorkOnThePointerSequence,
                            AppendingAndUnionCopyTheOtherSequenceInItsOrder);

#endif
