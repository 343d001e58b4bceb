#include <orvane/collections/set_void_ptr.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "support/collection_walk.h"

namespace {

// Addresses only: the set never dereferences its pointers.
void* at(std::uintptr_t address) {
    return reinterpret_cast<void*>(address);
}

void* const pa = at(0x10);
void* const pb = at(0x20);
void* const pc = at(0x30);
void* const high = at(~std::uintptr_t(0) - 7);  // above every other address when unsigned

V_SetVoidPtr setOf(const Ptrs& ptrs) {
    V_SetVoidPtr set;
    for (const void* p : ptrs)
        set.insert(p);
    return set;
}

}  // namespace

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
    EXPECT_EQ(set.pick(), nullptr);

    EXPECT_TRUE(V_SetVoidPtr(100).empty());
}

TEST(V_SetVoidPtr, KeepsAscendingUnsignedAddressOrderWhateverTheInsertionOrder) {
    V_SetVoidPtr set = setOf({high, pc, pa, pb});
    EXPECT_EQ(set.pick(), pa);
    EXPECT_EQ(walk(set), (Ptrs{pa, pb, pc, high}));
    set.remove(pa);
    EXPECT_EQ(set.pick(), pb);
    set.clear();
    EXPECT_EQ(set.cardinality(), 0ul);
    EXPECT_EQ(walk(set), Ptrs{});
}

TEST(V_SetVoidPtr, InPlaceAlgebraReplacesTheSetAndReturnsIt) {
    V_SetVoidPtr set = setOf({pa, pb});
    const V_SetVoidPtr bc = setOf({pb, pc});
    EXPECT_EQ(&(set &= bc), &set);
    EXPECT_EQ(walk(set), (Ptrs{pb}));

    set = setOf({pa, pb});
    EXPECT_EQ(&(set -= bc), &set);
    EXPECT_EQ(walk(set), (Ptrs{pa}));

    EXPECT_EQ(&(set |= setOf({pb})), &set);
    EXPECT_EQ(walk(set), (Ptrs{pa, pb}));
    set |= V_SetVoidPtr();
    EXPECT_EQ(walk(set), (Ptrs{pa, pb}));
    set &= V_SetVoidPtr();
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(walk(bc), (Ptrs{pb, pc}));
}

TEST(V_SetVoidPtr, InPlaceAlgebraWithItselfGivesTheMathematicalResult) {
    V_SetVoidPtr set = setOf({pa, pb});
    const V_SetVoidPtr& itself = set;
    set |= itself;
    EXPECT_EQ(walk(set), (Ptrs{pa, pb}));
    set &= itself;
    EXPECT_EQ(walk(set), (Ptrs{pa, pb}));
    set -= itself;
    EXPECT_TRUE(set.empty());
}

TEST(V_SetVoidPtr, AlgebraOperatorsReturnANewSetAndLeaveBothOperands) {
    const V_SetVoidPtr ab = setOf({pa, pb});
    const V_SetVoidPtr bc = setOf({pb, pc});
    std::unique_ptr<V_SetVoidPtr> both(&(ab | bc));
    std::unique_ptr<V_SetVoidPtr> common(&(ab & bc));
    std::unique_ptr<V_SetVoidPtr> onlyA(&(ab - bc));
    std::unique_ptr<V_SetVoidPtr> onlyC(&(bc - ab));
    EXPECT_EQ(walk(*both), (Ptrs{pa, pb, pc}));
    EXPECT_EQ(walk(*common), (Ptrs{pb}));
    EXPECT_EQ(walk(*onlyA), (Ptrs{pa}));
    EXPECT_EQ(walk(*onlyC), (Ptrs{pc}));
    EXPECT_EQ(walk(ab), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(bc), (Ptrs{pb, pc}));

    std::unique_ptr<V_SetVoidPtr> self(&(ab - ab));
    EXPECT_TRUE(self->empty());
    both->insert(high);  // the result is a set of its own
    EXPECT_EQ(ab.cardinality(), 2ul);
}

TEST(V_SetVoidPtr, ComparesAsSubsetsAndByElements) {
    const V_SetVoidPtr ab = setOf({pa, pb});
    const V_SetVoidPtr abc = setOf({pc, pb, pa});
    const V_SetVoidPtr none;
    EXPECT_TRUE(ab <= setOf({pb, pa}));
    EXPECT_FALSE(ab < setOf({pb, pa}));
    EXPECT_TRUE(ab == setOf({pb, pa}));
    EXPECT_TRUE(ab <= abc);
    EXPECT_TRUE(ab < abc);
    EXPECT_FALSE(abc <= ab);
    EXPECT_FALSE(setOf({pa, high}) <= abc);
    EXPECT_FALSE(setOf({pa, high}) < abc);  // fewer elements, but not a subset
    EXPECT_TRUE(none <= ab);
    EXPECT_TRUE(none < ab);
    EXPECT_TRUE(none <= none);
    EXPECT_FALSE(none < none);
    EXPECT_TRUE(setOf({pa, pc}) != ab);
    EXPECT_TRUE(ab != abc);
    EXPECT_FALSE(ab != ab);
}

TEST(V_SetVoidPtr, CopiesAreIndependentAndSelfAssignmentChangesNothing) {
    V_SetVoidPtr original = setOf({pa, pb});
    V_SetVoidPtr copy(original);
    copy.insert(pc);
    EXPECT_EQ(original.cardinality(), 2ul);
    V_SetVoidPtr assigned = setOf({high});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    V_SetVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{pa, pb}));
}

TEST(V_SetVoidPtr, CursorsSurviveInsertionsAndRemovalsOfOtherElements) {
    V_SetVoidPtr set = setOf({pa, pc});
    std::unique_ptr<V_PSetVoidCursor> cursor(set.createCursor());
    cursor->last();  // on pc
    set.insert(pb);
    set.insert(high);
    set.remove(pa);
    EXPECT_EQ(cursor->current(), pc);
    EXPECT_EQ(cursor->previous(), pb);
    EXPECT_EQ(cursor->previous(), nullptr);
}

TEST(V_SetVoidPtr, AlgebraOnLargeSetsIsOneMergePass) {
    // Even multiples against multiples of three, 60000 of each: the results are checked, and the
    // size keeps an implementation that is quadratic in the set sizes out of reach.
    V_SetVoidPtr evens;
    V_SetVoidPtr threes;
    const std::uintptr_t n = 60000;
    for (std::uintptr_t i = 1; i <= n; ++i) {
        evens.insert(at(16 * 2 * i));
        threes.insert(at(16 * 3 * i));
    }
    std::unique_ptr<V_SetVoidPtr> both(&(evens | threes));
    std::unique_ptr<V_SetVoidPtr> sixes(&(evens & threes));
    std::unique_ptr<V_SetVoidPtr> onlyEven(&(evens - threes));
    EXPECT_EQ(sixes->cardinality(), 20000ul);  // multiples of 6 up to 2n = 120000
    EXPECT_EQ(both->cardinality(), 2 * n - 20000);
    EXPECT_EQ(onlyEven->cardinality(), n - 20000);
    EXPECT_EQ(sixes->pick(), at(16 * 6));
    EXPECT_TRUE(*sixes < evens);
    EXPECT_TRUE(*sixes <= threes);
    EXPECT_TRUE(evens <= *both);
    evens -= threes;
    EXPECT_TRUE(evens == *onlyEven);
}
