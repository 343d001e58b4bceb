// The checks every collection makes before it changes: the index check and the element limit.
//
// Indexed operations check their index first, and growing operations check the element limit
// first, so an operation that throws has changed nothing.
//
//   orvane::requireIndex(i, cardinality());                 // XCOLL_OutOfRange(i, cardinality)
//   orvane::requireRoom(cardinality(), 1, orvane::kVectorTooLong);   // std::length_error
//
// The array, the list and the typed array hold at most kCollectionElementLimit (0x3FFFFFFF)
// elements on every platform, so a cardinality always fits the 32-bit counts their users keep.
#ifndef ORVANE_COLLECTIONS_COLLECTION_LIMITS_H
#define ORVANE_COLLECTIONS_COLLECTION_LIMITS_H

#include <stdexcept>

#include "orvane/collections/collection_exceptions.h"

namespace orvane {

// The most elements the array, the list and the typed array hold.
inline constexpr unsigned long kCollectionElementLimit = 0x3FFFFFFFul;

// The texts of the length error of the arrays and of the list.
inline constexpr char kVectorTooLong[] = "vector<T> too long";
inline constexpr char kListTooLong[] = "list<T> too long";

// Throws XCOLL_OutOfRange(index, cardinality) unless index < cardinality.
inline void requireIndex(unsigned long index, unsigned long cardinality) {
    if (index >= cardinality) throw XCOLL_OutOfRange(index, cardinality);
}

// Throws std::length_error(text) unless `size + added` elements stay within the limit.
inline void requireRoom(unsigned long size, unsigned long added, const char* text) {
    if (added > kCollectionElementLimit || size > kCollectionElementLimit - added) {
        throw std::length_error(text);
    }
}

}  // namespace orvane

#endif
