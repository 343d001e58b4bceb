#include <orvane/collections/set_void_ptr.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/collection_walk.h"
#include "support/ordered_collection_checks.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Set, OrderedCollection, V_SetVoidPtr);

TEST(V_SetVoidPtr, RefusesNullAndDuplicatesThroughInsertsResult) {
    V_SetVoidPtr set;
    EXPECT_FALSE(set.insert(nullptr));
    EXPECT_TRUE(set.empty());
    EXPECT_TRUE(set.insert(pa));
    EXPECT_FALSE(set.insert(pa));
    EXPECT_EQ(set.cardinality(), 1ul);
    EXPECT_FALSE(set.contains(nullptr));
    EXPECT_TRUE(set.contains(pa));
    EXPECT_FALSE(set.remove(pb));
    EXPECT_TRUE(set.remove(pa));
    EXPECT_FALSE(set.remove(pa));
    EXPECT_TRUE(set.empty());
    EXPECT_TRUE(V_SetVoidPtr(100).empty());
}

TEST(V_SetVoidPtr, AlgebraGivesANewSetOrReplacesTheSetInPlace) {
    const std::vector<Algebra> rows = {
        {{pa, pb}, {pb, pc}, {pa, pb, pc}, {pb}, {pa}},
        {{pb, pc}, {pa, pb}, {pa, pb, pc}, {pb}, {pc}},
        {{pa, high}, {}, {pa, high}, {}, {pa, high}},
    };
    expectAlgebra<V_SetVoidPtr>(rows);
    for (const Algebra& row : rows) {
        const V_SetVoidPtr other = filled<V_SetVoidPtr>(row.rhs);
        V_SetVoidPtr both = filled<V_SetVoidPtr>(row.lhs), common = both, rest = both;
        EXPECT_EQ(&(both |= other), &both);
        EXPECT_EQ(&(common &= other), &common);
        EXPECT_EQ(&(rest -= other), &rest);
        EXPECT_EQ(walk(both), row.both);
        EXPECT_EQ(walk(common), row.common);
        EXPECT_EQ(walk(rest), row.rest);
    }
    V_SetVoidPtr set = filled<V_SetVoidPtr>({pa, pb});  // in place with itself
    const V_SetVoidPtr& itself = set;
    set |= itself;
    set &= itself;
    EXPECT_EQ(walk(set), (Ptrs{pa, pb}));
    set -= itself;
    EXPECT_TRUE(set.empty());
}

TEST(V_SetVoidPtr, ComparesAsSubsetsAndByElements) {
    expectComparisons<V_SetVoidPtr>({
        {{pa, pb}, {pb, pa}, true, false, true},
        {{pa, pb}, {pa, pb, pc}, true, true, false},
        {{pa, pb, pc}, {pa, pb}, false, false, false},
        {{pa, high}, {pa, pb, pc}, false, false, false},  // fewer elements, but not a subset
        {{}, {pa, pb}, true, true, false},
        {{}, {}, true, false, true},
        {{pa, pc}, {pa, pb}, false, false, false},
    });
}
