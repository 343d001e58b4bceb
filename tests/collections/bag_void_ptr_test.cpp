#include <orvane/collections/bag_void_ptr.h>

#include <gtest/gtest.h>

#include "support/collection_walk.h"
#include "support/ordered_collection_checks.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Bag, OrderedCollection, V_BagVoidPtr);

TEST(V_BagVoidPtr, CountsEveryOccurrenceAndRemovesOneAtATime) {
    V_BagVoidPtr bag = filled<V_BagVoidPtr>({pc, pa, pc, pb, pa, pa});
    EXPECT_EQ(walk(bag), (Ptrs{pa, pa, pa, pb, pc, pc}));
    EXPECT_EQ(bag.count(pa), 3ul);
    EXPECT_EQ(bag.cardinality(), 6ul);
    EXPECT_TRUE(bag.remove(pa));
    EXPECT_EQ(bag.count(pa), 2ul);
    EXPECT_EQ(bag.cardinality(), 5ul);
    EXPECT_FALSE(bag.remove(pd));
    EXPECT_EQ(bag.count(pd), 0ul);
    EXPECT_FALSE(bag.contains(pd));
    EXPECT_TRUE(bag.contains(pa));
}

TEST(V_BagVoidPtr, NullIsAnOrdinaryElementThatOnlyEmptyTellsFromNone) {
    V_BagVoidPtr bag;
    EXPECT_EQ(bag.pick(), nullptr);
    bag.insert(nullptr);
    EXPECT_TRUE(bag.contains(nullptr));
    EXPECT_EQ(bag.pick(), nullptr);
    EXPECT_FALSE(bag.empty());
    bag.insert(pb);
    EXPECT_EQ(walk(bag), (Ptrs{nullptr, pb}));
    EXPECT_TRUE(bag.remove(nullptr));
    EXPECT_EQ(bag.pick(), pb);
}

TEST(V_BagVoidPtr, AlgebraTakesTheLargerTheSmallerOrTheRemainingCount) {
    expectAlgebra<V_BagVoidPtr>({
        {{pa, pa, pb}, {pa, pc}, {pa, pa, pb, pc}, {pa}, {pa, pb}},
        {{pa, pc}, {pa, pa, pb}, {pa, pa, pb, pc}, {pa}, {pc}},
        {{pa, pa, pb}, {}, {pa, pa, pb}, {}, {pa, pa, pb}},
    });
}

TEST(V_BagVoidPtr, ComparesOccurrenceCounts) {
    expectComparisons<V_BagVoidPtr>({
        {{pa}, {pa, pa}, true, true, false},
        {{pa, pa}, {pa}, false, false, false},
        {{pa, pa}, {pa, pa}, true, false, true},
        {{pb}, {pa, pa}, false, false, false},
        {{}, {pa}, true, true, false},
        {{pa, pa}, {pa, pb}, false, false, false},  // same cardinality, other occurrences
    });
}
