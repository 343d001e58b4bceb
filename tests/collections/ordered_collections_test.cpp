// The set and the bag of untyped pointers: the same ordered behaviour, their own algebra.
#include <orvane/collections/bag_void_ptr.h>
#include <orvane/collections/set_void_ptr.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/collection_walk.h"
#include "support/ordered_collection_checks.h"

TEST(V_SetVoidPtr, RefusesNullAndDuplicatesAndHasTheAlgebraAndComparisonsOfSubsets) {
    expectOrderAndIndependentCopies<V_SetVoidPtr>();
    V_SetVoidPtr set(100);
    EXPECT_FALSE(set.insert(nullptr) || set.contains(nullptr));
    EXPECT_TRUE(set.insert(pa) && !set.insert(pa) && set.cardinality() == 1ul);
    EXPECT_TRUE(!set.remove(pb) && set.remove(pa));
    EXPECT_FALSE(set.remove(pa) || set.contains(pa) || !set.empty());
    const std::vector<Algebra> rows = {
        {{pa, pb}, {pb, pc}, {pa, pb, pc}, {pb}, {pa}},
        {{pb, pc}, {pa, pb}, {pa, pb, pc}, {pb}, {pc}},
        {{pa, high}, {}, {pa, high}, {}, {pa, high}},
    };
    expectAlgebra<V_SetVoidPtr>(rows);
    for (const Algebra& row : rows) {
        const V_SetVoidPtr other = filled<V_SetVoidPtr>(row.rhs);
        V_SetVoidPtr both = filled<V_SetVoidPtr>(row.lhs), common = both, rest = both;
        EXPECT_TRUE(&(both |= other) == &both && &(common &= other) == &common &&
                    &(rest -= other) == &rest);
        EXPECT_EQ((std::vector<Ptrs>{walk(both), walk(common), walk(rest)}),
                  (std::vector<Ptrs>{row.both, row.common, row.rest}));
    }
    expectComparisons<V_SetVoidPtr>({
        {{pa, pb}, {pb, pa}, true, false, true},
        {{pa, pb}, {pa, pb, pc}, true, true, false},
        {{pa, pb, pc}, {pa, pb}, false, false, false},
        {{pa, high}, {pa, pb, pc}, false, false, false},  // fewer elements, but not a subset
        {{}, {}, true, false, true},
        {{pa, pc}, {pa, pb}, false, false, false},
    });
}

TEST(V_BagVoidPtr, CountsEveryOccurrenceOfNullAsOfAnyOtherForItsAlgebraAndComparisons) {
    expectOrderAndIndependentCopies<V_BagVoidPtr>();
    V_BagVoidPtr bag = filled<V_BagVoidPtr>({pc, pa, nullptr, pc, pb, pa, pa});
    EXPECT_EQ(walk(bag), (Ptrs{nullptr, pa, pa, pa, pb, pc, pc}));
    EXPECT_TRUE(bag.pick() == nullptr && bag.count(pa) == 3ul);
    EXPECT_TRUE(bag.remove(pa) && bag.remove(nullptr) && !bag.remove(pd));
    EXPECT_TRUE(bag.count(pa) == 2ul && bag.cardinality() == 5ul);
    EXPECT_TRUE(bag.contains(pa) && !bag.contains(pd) && !bag.contains(nullptr));
    expectAlgebra<V_BagVoidPtr>({
        {{pa, pa, pb}, {pa, pc}, {pa, pa, pb, pc}, {pa}, {pa, pb}},
        {{pa, pc}, {pa, pa, pb}, {pa, pa, pb, pc}, {pa}, {pc}},
    });
    expectComparisons<V_BagVoidPtr>({
        {{pa}, {pa, pa}, true, true, false},
        {{pa, pa}, {pa}, false, false, false},
        {{pa, pa}, {pa, pa}, true, false, true},
        {{pb}, {pa, pa}, false, false, false},
        {{pa, pa}, {pa, pb}, false, false, false},  // same cardinality, other occurrences
    });
}
