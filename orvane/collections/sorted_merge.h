// The one-pass merge behind the algebra of the ordered pointer collections.
//
// The set and the bag keep their pointers sorted, so union, intersection and difference are a
// single walk over both ascending sequences (the standard sorted-range algorithms), appending
// each result element at the end of a new store in amortised constant time: linear in the sum
// of both sizes. The merge reads both operands before the caller touches either, so an operand
// may be the target itself.
//
//   V_PSetStore result = orvane::sorted_merge::merged(mine, theirs, orvane::sorted_merge::kUnion);
//
// With repeated elements (the bag) the rules of the sorted-range algorithms give a pointer that
// occurs m and n times max(m, n) times in the union, min(m, n) in the intersection and
// max(m - n, 0) in the difference. Allocation failure throws VSYST_OutOfMemory.
#ifndef ORVANE_COLLECTIONS_SORTED_MERGE_H
#define ORVANE_COLLECTIONS_SORTED_MERGE_H

#include <algorithm>
#include <iterator>

#include "orvane/base/exception.h"
#include "orvane/collections/cursor/position_holders.h"

namespace orvane::sorted_merge {

// The three merges, as arguments for merged(): union, intersection and difference.
inline constexpr auto kUnion = [](auto... args) { return std::set_union(args...); };
inline constexpr auto kIntersection = [](auto... args) { return std::set_intersection(args...); };
inline constexpr auto kDifference = [](auto... args) { return std::set_difference(args...); };

// A new store with the merge of `a` and `b`, both sorted by V_PAddressLess.
template <class Store, class Merge>
Store merged(const Store& a, const Store& b, Merge merge) {
    return orvane::allocating([&] {
        Store result;
        merge(a.begin(), a.end(), b.begin(), b.end(), std::inserter(result, result.end()),
              V_PAddressLess());
        return result;
    });
}

// True when every occurrence in `part` is matched in `whole` (both sorted).
template <class Store>
bool includes(const Store& whole, const Store& part) {
    return std::includes(whole.begin(), whole.end(), part.begin(), part.end(), V_PAddressLess());
}

}  // namespace orvane::sorted_merge

#endif
