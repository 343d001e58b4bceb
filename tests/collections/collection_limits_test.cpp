#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/collection_limits.h>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "support/dump_capture.h"

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

TEST(CollectionLimits, AnIndexMustBeBelowTheCardinality) {
    DumpCapture dump;
    EXPECT_NO_THROW(orvane::requireIndex(2, 3));
    EXPECT_EQ(dump.text(), "");
    EXPECT_THROW(orvane::requireIndex(3, 3), XCOLL_OutOfRange);
    EXPECT_THROW(orvane::requireIndex(0, 0), XCOLL_OutOfRange);
    EXPECT_EQ(
        dump.text(),
        "[\nA collection with cardinality 3 was accessed using the out-of-range index 3.\n]\n"
        "[\nA collection with cardinality 0 was accessed using the out-of-range index 0.\n]\n");
}
