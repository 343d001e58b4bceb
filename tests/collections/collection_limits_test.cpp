#include <orvane/collections/collection_limits.h>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace {

std::string lengthErrorOf(unsigned long size, unsigned long added, const char* text) {
    try {
        orvane::requireRoom(size, added, text);
    } catch (const std::length_error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(CollectionLimits, RoomEndsAtTheElementLimitWithoutWrappingAround) {
    const unsigned long limit = orvane::kCollectionElementLimit;
    EXPECT_EQ(limit, 0x3FFFFFFFul);
    EXPECT_EQ(lengthErrorOf(limit - 1, 1, orvane::kListTooLong), "");
    EXPECT_EQ(lengthErrorOf(0, limit, orvane::kVectorTooLong), "");
    EXPECT_EQ(lengthErrorOf(limit, 1, orvane::kListTooLong), "list<T> too long");
    EXPECT_EQ(lengthErrorOf(0, limit + 1, orvane::kVectorTooLong), "vector<T> too long");
    EXPECT_EQ(lengthErrorOf(5, std::numeric_limits<unsigned long>::max(), orvane::kVectorTooLong),
              "vector<T> too long");
    EXPECT_EQ(lengthErrorOf(limit, 0, orvane::kVectorTooLong), "");
}
