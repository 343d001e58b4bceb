#include <orvane/collections/collection_limits.h>

#include <gtest/gtest.h>

#include "support/collection_walk.h"

TEST(CollectionLimits, RoomEndsAtTheElementLimitWithoutWrappingAround) {
    const unsigned long limit = orvane::kCollectionElementLimit, most = ~0ul;
    EXPECT_EQ(limit, 0x3FFFFFFFul);
    const unsigned long cases[][3] = {{limit - 1, 1, 0}, {limit, 0, 0},     {0, limit, 0},
                                      {limit, 1, 1},     {0, limit + 1, 1}, {5, most, 1},
                                      {most, 5, 1}};  // size, added, whether it overflows
    for (const auto& c : cases)
        EXPECT_EQ(lengthErrorOf([&] { orvane::requireRoom(c[0], c[1], orvane::kListTooLong); }),
                  c[2] ? "list<T> too long" : "no length error")
            << c[0] << " + " << c[1];
}
