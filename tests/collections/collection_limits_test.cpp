#include <orvane/collections/collection_limits.h>

#include <gtest/gtest.h>

#include <limits>

#include "support/collection_walk.h"

TEST(CollectionLimits, RoomEndsAtTheElementLimitWithoutWrappingAround) {
    const unsigned long limit = orvane::kCollectionElementLimit;
    EXPECT_EQ(limit, 0x3FFFFFFFul);
    const struct {
        unsigned long size, added;
        const char* text;
        const char* error;
    } cases[] = {
        {limit - 1, 1, orvane::kListTooLong, "no length error"},
        {0, limit, orvane::kVectorTooLong, "no length error"},
        {limit, 0, orvane::kVectorTooLong, "no length error"},
        {limit, 1, orvane::kListTooLong, "list<T> too long"},
        {0, limit + 1, orvane::kVectorTooLong, "vector<T> too long"},
        {5, std::numeric_limits<unsigned long>::max(), orvane::kVectorTooLong,
         "vector<T> too long"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lengthErrorOf([&] { orvane::requireRoom(c.size, c.added, c.text); }), c.error)
            << c.size << " + " << c.added;
    }
}
