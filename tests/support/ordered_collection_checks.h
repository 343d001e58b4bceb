// Table checks that both ordered pointer collections, V_SetVoidPtr and V_BagVoidPtr, run: their
// algebra, their comparisons, and what every ordered collection does alike (ascending unsigned
// address order, independent copies, cursors that outlive changes to other elements).
//
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

// Checks each row on new collections, that neither operand changed, and the algebra of the left
// operand with itself.
template <class Collection>
void expectAlgebra(const std::vector<Algebra>& rows) {
    for (const Algebra& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows.data());
        const Collection x = filled<Collection>(row.lhs), y = filled<Collection>(row.rhs);
        std::unique_ptr<Collection> both(&(x | y)), common(&(x & y)), rest(&(x - y));
        std::unique_ptr<Collection> self(&(x | x)), same(&(x & x)), none(&(x - x));
        EXPECT_EQ((std::vector<Ptrs>{walk(*both), walk(*common), walk(*rest)}),
                  (std::vector<Ptrs>{row.both, row.common, row.rest}));
        EXPECT_TRUE(x == filled<Collection>(row.lhs) && y == filled<Collection>(row.rhs));
        EXPECT_TRUE(*self == x && *same == x && none->empty());
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
        const Collection x = filled<Collection>(row.lhs), y = filled<Collection>(row.rhs);
        EXPECT_EQ((std::vector<bool>{x <= y, x < y, x == y, x != y}),
                  (std::vector<bool>{row.subset, row.proper, row.equal, !row.equal}));
    }
}

template <class Collection>
void expectOrderAndIndependentCopies() {
    Collection c = filled<Collection>({high, pc, pa, pb});
    const Collection& constant = c;
    Collection copy(c), assigned = filled<Collection>({pd});
    assigned = c;
    const Collection& same = assigned;
    assigned = same;
    std::unique_ptr<V_PAbstractCursor> cursor(c.createCursor());
    cursor->last();  // on high
    c.remove(pb);
    c.insert(pd);
    EXPECT_TRUE(cursor->previous() == pd && cursor->previous() == pc && constant.pick() == pa);
    EXPECT_TRUE(walk(copy) == (Ptrs{pa, pb, pc, high}) && assigned == copy);
    c.clear();
    EXPECT_TRUE(c.empty() && c.cardinality() == 0ul && constant.pick() == nullptr);
}

#endif
