// What the collection tests share: reading a collection through its cursor, and the messages the
// collection exceptions write.
//
//   EXPECT_EQ(walk(list), (Ptrs{pa, pb}));
//   EXPECT_EQ(dump.take(), outOfRangeMessage(3, 3));
#ifndef ORVANE_TESTS_SUPPORT_COLLECTION_WALK_H
#define ORVANE_TESTS_SUPPORT_COLLECTION_WALK_H

#include <orvane/collections/collection.h>
#include <orvane/collections/cursor/abstract_cursor.h>

#include <memory>
#include <string>
#include <vector>

using Ptrs = std::vector<const void*>;

// The elements in the collection's own order, read with a cursor: first(), then while valid().
inline Ptrs walk(const V_PCollection& collection) {
    Ptrs seen;
    std::unique_ptr<V_PAbstractCursor> cursor(collection.createCursor());
    for (cursor->first(); cursor->valid(); cursor->next())
        seen.push_back(cursor->current());
    return seen;
}

inline std::string outOfRangeMessage(unsigned long index, unsigned long cardinality) {
    return "[\nA collection with cardinality " + std::to_string(cardinality) +
           " was accessed using the out-of-range index " + std::to_string(index) + ".\n]\n";
}

inline const char kCursorFailedMessage[] = "[\nThe performed cursor operation failed.\n]\n";

inline const std::string kBadCursorMessage =
    std::string(kCursorFailedMessage) +
    "[\nThe cursor is not connected to the collection on which the operation is performed.\n]\n";

#endif
