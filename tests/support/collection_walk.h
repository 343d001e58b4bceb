// What the collection tests share: pointers to store, a collection built from them, its walk by
// cursor, and the texts the collections' errors print.
#ifndef ORVANE_TESTS_SUPPORT_COLLECTION_WALK_H
#define ORVANE_TESTS_SUPPORT_COLLECTION_WALK_H

#include <orvane/collections/collection.h>
#include <orvane/collections/cursor/abstract_cursor.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using Ptrs = std::vector<const void*>;

// Four objects to point at, in ascending address order: pa < pb < pc < pd.
inline int g_objects[4];
inline void *const pa = &g_objects[0], *const pb = &g_objects[1], *const pc = &g_objects[2],
                   *const pd = &g_objects[3];

template <class Collection>
Collection filled(const Ptrs& ptrs) {
    Collection collection;
    for (const void* p : ptrs)
        collection.insert(p);
    return collection;
}

// Longer than any collection the tests build: a cursor that never runs off ends a walk there.
inline constexpr std::size_t kWalkLimit = 1000;

inline Ptrs walk(const V_PCollection& collection) {
    Ptrs seen;
    std::unique_ptr<V_PAbstractCursor> cursor(collection.createCursor());
    for (cursor->first(); cursor->valid() && seen.size() < kWalkLimit; cursor->next())
        seen.push_back(cursor->current());
    return seen;
}

inline std::string lengthErrorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::length_error& e) {
        return e.what();
    }
    return "no length error";
}

inline std::string outOfRangeMessage(unsigned long index, unsigned long cardinality) {
    return "[\nA collection with cardinality " + std::to_string(cardinality) +
           " was accessed using the out-of-range index " + std::to_string(index) + ".\n]\n";
}

inline const std::string kCursorFailedMessage = "[\nThe performed cursor operation failed.\n]\n";
inline const std::string kBadCursorMessage =
    kCursorFailedMessage +
    "[\nThe cursor is not connected to the collection on which the operation is performed.\n]\n";

#endif
