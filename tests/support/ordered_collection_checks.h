// The checks both ordered pointer collections, V_SetVoidPtr and V_BagVoidPtr, must pass: ascending
// unsigned address order, independent copies, the algebra with itself, cursors that outlive
// changes elsewhere; and table checks of their algebra and comparisons. Each collection's test
// file instantiates the suite for its class:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Set, OrderedCollection, V_SetVoidPtr);
//   expectComparisons<V_SetVoidPtr>({{{pa}, {pa, pb}, true, true, false}});
#ifndef ORVANE_TESTS_SUPPORT_ORDERED_COLLECTION_CHECKS_H
#define ORVANE_TESTS_SUPPORT_ORDERED_COLLECTION_CHECKS_H

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "support/collection_walk.h"

// Above every other address when compared unsigned; the collections never dereference it.
inline void* const high = reinterpret_cast<void*>(~std::uintptr_t(0) - 7);

// Two operands and the expected walks of `lhs | rhs`, `lhs & rhs` and `lhs - rhs`.
struct Algebra {
    Ptrs lhs, rhs, both, common, rest;
};

// Checks each row on new collections, and that neither operand changed.
template <class Collection>
void expectAlgebra(const std::vector<Algebra>& rows) {
    for (const Algebra& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows.data());
        const Collection x = filled<Collection>(row.lhs);
        const Collection y = filled<Collection>(row.rhs);
        std::unique_ptr<Collection> both(&(x | y)), common(&(x & y)), rest(&(x - y));
        EXPECT_EQ(walk(*both), row.both);
        EXPECT_EQ(walk(*common), row.common);
        EXPECT_EQ(walk(*rest), row.rest);
        EXPECT_TRUE(x == filled<Collection>(row.lhs) && y == filled<Collection>(row.rhs));
    }
}

// Two operands and the expected results of `lhs <= rhs`, `lhs < rhs` and `lhs == rhs`.
struct Comparison {
    Ptrs lhs, rhs;
    bool subset, proper, equal;
};

template <class Collection>
void expectComparisons(const std::vector<Comparison>& rows) {
    for (const Comparison& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows.data());
        const Collection x = filled<Collection>(row.lhs);
        const Collection y = filled<Collection>(row.rhs);
        EXPECT_EQ(x <= y, row.subset);
        EXPECT_EQ(x < y, row.proper);
        EXPECT_EQ(x == y, row.equal);
        EXPECT_EQ(x != y, !row.equal);
    }
}

template <class Collection>
class OrderedCollection : public ::testing::Test {};

TYPED_TEST_SUITE_P(OrderedCollection);

TYPED_TEST_P(OrderedCollection, KeepsAscendingUnsignedAddressOrderWhateverTheInsertionOrder) {
    TypeParam c = filled<TypeParam>({high, pc, pa, pb});
    const TypeParam& constant = c;
    EXPECT_EQ(walk(c), (Ptrs{pa, pb, pc, high}));
    EXPECT_EQ(constant.pick(), pa);
    c.remove(pa);
    EXPECT_EQ(constant.pick(), pb);
    c.clear();
    EXPECT_TRUE(c.empty());
    EXPECT_EQ(c.cardinality(), 0ul);
    EXPECT_EQ(constant.pick(), nullptr);
}

TYPED_TEST_P(OrderedCollection, CopiesAreIndependentAndSelfAssignmentChangesNothing) {
    const TypeParam original = filled<TypeParam>({pb, pa});
    TypeParam copy(original);
    copy.insert(pc);
    EXPECT_EQ(walk(original), (Ptrs{pa, pb}));
    TypeParam assigned = filled<TypeParam>({high});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    const TypeParam& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{pa, pb}));
}

TYPED_TEST_P(OrderedCollection, AlgebraWithItselfGivesTheMathematicalResult) {
    const TypeParam c = filled<TypeParam>({pb, pa, pb});
    const Ptrs all = walk(c);
    std::unique_ptr<TypeParam> both(&(c | c)), common(&(c & c)), none(&(c - c));
    EXPECT_EQ(walk(*both), all);
    EXPECT_EQ(walk(*common), all);
    EXPECT_TRUE(none->empty());
}

TYPED_TEST_P(OrderedCollection, CursorsSurviveInsertionsAndRemovalsOfOtherElements) {
    TypeParam c = filled<TypeParam>({pa, pc});
    std::unique_ptr<V_PAbstractCursor> cursor(c.createCursor());
    cursor->last();  // on pc
    c.insert(pb);
    c.insert(high);
    c.remove(pa);
    EXPECT_EQ(cursor->current(), pc);
    EXPECT_EQ(cursor->previous(), pb);
    EXPECT_EQ(cursor->previous(), nullptr);
    EXPECT_FALSE(cursor->valid());
}

REGISTER_TYPED_TEST_SUITE_P(OrderedCollection,
                            KeepsAscendingUnsignedAddressOrderWhateverTheInsertionOrder,
                            CopiesAreIndependentAndSelfAssignmentChangesNothing,
                            AlgebraWithItselfGivesTheMathematicalResult,
                            CursorsSurviveInsertionsAndRemovalsOfOtherElements);

#endif
