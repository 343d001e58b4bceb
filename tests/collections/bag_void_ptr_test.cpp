#include <orvane/collections/bag_void_ptr.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "support/collection_walk.h"

namespace {

void* at(std::uintptr_t address) {
    return reinterpret_cast<void*>(address);
}

void* const pa = at(0x10);
void* const pb = at(0x20);
void* const pc = at(0x30);

V_BagVoidPtr bagOf(const Ptrs& ptrs) {
    V_BagVoidPtr bag;
    for (const void* p : ptrs)
        bag.insert(p);
    return bag;
}

}  // namespace

TEST(V_BagVoidPtr, CountsEveryOccurrenceAndRemovesOneAtATime) {
    V_BagVoidPtr bag;
    bag.insert(pa);
    bag.insert(pa);
    bag.insert(pa);
    EXPECT_EQ(bag.count(pa), 3ul);
    EXPECT_EQ(bag.cardinality(), 3ul);
    EXPECT_TRUE(bag.remove(pa));
    EXPECT_EQ(bag.count(pa), 2ul);
    EXPECT_EQ(bag.cardinality(), 2ul);
    EXPECT_FALSE(bag.remove(pb));
    EXPECT_EQ(bag.count(pb), 0ul);
    EXPECT_FALSE(bag.contains(pb));
    EXPECT_TRUE(bag.contains(pa));
    bag.clear();
    EXPECT_TRUE(bag.empty());
    EXPECT_EQ(bag.count(pa), 0ul);
}

TEST(V_BagVoidPtr, NullIsAnOrdinaryElementThatOnlyEmptyTellsFromNone) {
    V_BagVoidPtr bag;
    const V_BagVoidPtr& constant = bag;
    EXPECT_EQ(bag.pick(), nullptr);
    EXPECT_TRUE(bag.empty());
    bag.insert(nullptr);
    EXPECT_EQ(bag.cardinality(), 1ul);
    EXPECT_TRUE(bag.contains(nullptr));
    EXPECT_EQ(constant.pick(), nullptr);
    EXPECT_FALSE(bag.empty());
    bag.insert(pb);
    EXPECT_EQ(walk(bag), (Ptrs{nullptr, pb}));
    EXPECT_TRUE(bag.remove(nullptr));
    EXPECT_EQ(bag.pick(), pb);
    EXPECT_EQ(constant.pick(), pb);
}

TEST(V_BagVoidPtr, VisitsEveryOccurrenceInAscendingOrder) {
    EXPECT_EQ(walk(bagOf({pb, pa, pb})), (Ptrs{pa, pb, pb}));
    EXPECT_EQ(walk(bagOf({pc, pa, pc, pb, pa})), (Ptrs{pa, pa, pb, pc, pc}));
}

TEST(V_BagVoidPtr, AlgebraTakesTheLargerTheSmallerOrTheRemainingCount) {
    const V_BagVoidPtr aab = bagOf({pa, pa, pb});
    const V_BagVoidPtr ac = bagOf({pa, pc});
    std::unique_ptr<V_BagVoidPtr> both(&(aab | ac));
    std::unique_ptr<V_BagVoidPtr> common(&(aab & ac));
    std::unique_ptr<V_BagVoidPtr> rest(&(aab - ac));
    std::unique_ptr<V_BagVoidPtr> restOther(&(ac - aab));
    EXPECT_EQ(walk(*both), (Ptrs{pa, pa, pb, pc}));
    EXPECT_EQ(walk(*common), (Ptrs{pa}));
    EXPECT_EQ(walk(*rest), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(*restOther), (Ptrs{pc}));
    EXPECT_EQ(walk(aab), (Ptrs{pa, pa, pb}));
    EXPECT_EQ(walk(ac), (Ptrs{pa, pc}));

    std::unique_ptr<V_BagVoidPtr> doubled(&(aab | aab));
    std::unique_ptr<V_BagVoidPtr> none(&(aab - aab));
    EXPECT_EQ(walk(*doubled), (Ptrs{pa, pa, pb}));
    EXPECT_TRUE(none->empty());
}

TEST(V_BagVoidPtr, ComparesOccurrenceCounts) {
    const V_BagVoidPtr a = bagOf({pa});
    const V_BagVoidPtr aa = bagOf({pa, pa});
    EXPECT_TRUE(a <= aa);
    EXPECT_FALSE(aa <= a);
    EXPECT_TRUE(a < aa);
    EXPECT_FALSE(aa < aa);
    EXPECT_TRUE(aa <= aa);
    EXPECT_FALSE(bagOf({pb}) < aa);
    EXPECT_TRUE(V_BagVoidPtr() < a);
    EXPECT_TRUE(aa == bagOf({pa, pa}));
    EXPECT_TRUE(aa != bagOf({pa, pb}));  // same cardinality, other occurrences
    EXPECT_TRUE(aa != a);
    EXPECT_FALSE(a != bagOf({pa}));
}

TEST(V_BagVoidPtr, CopiesAreIndependentAndSelfAssignmentChangesNothing) {
    V_BagVoidPtr original = bagOf({pa, pa, nullptr});
    V_BagVoidPtr copy(original);
    copy.insert(pa);
    EXPECT_EQ(original.count(pa), 2ul);
    V_BagVoidPtr assigned = bagOf({pc});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    V_BagVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{nullptr, pa, pa}));
}
