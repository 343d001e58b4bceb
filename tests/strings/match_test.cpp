#include <orvane/strings/match.h>

#include <gtest/gtest.h>

#include <orvane/base/exception.h>

#include "support/dump_capture.h"

TEST(VSTRI_Match, DescribesAnOccurrenceByPositionAndLengthAndIsNullWithoutOne) {
    const VSTRI_Match match(3, 4);
    EXPECT_EQ(match.position(), 3u);
    EXPECT_EQ(match.length(), 4u);
    EXPECT_EQ(match.next(), 7u);
    const VSTRI_Match copy(match);
    EXPECT_EQ(copy.position(), 3u);
    EXPECT_EQ(copy.length(), 4u);

    const VSTRI_Match fresh;
    EXPECT_EQ(fresh.position(), 0u);
    EXPECT_EQ(fresh.length(), 0u);

    // It converts to null exactly when it holds no match.
    EXPECT_EQ(static_cast<void*>(VSTRI_Match(0, 0)), nullptr);
    EXPECT_EQ(static_cast<void*>(VSTRI_Match(0, 5)), nullptr);
    EXPECT_NE(static_cast<void*>(VSTRI_Match(1, 0)), nullptr);
    EXPECT_FALSE(VSTRI_Match());
    EXPECT_TRUE(VSTRI_Match(2, 1));
}

TEST(VSTRI_Match, IsEqualOnlyWhenPositionAndLengthAgree) {
    EXPECT_TRUE(VSTRI_Match(2, 3) == VSTRI_Match(2, 3));
    EXPECT_FALSE(VSTRI_Match(2, 3) != VSTRI_Match(2, 3));
    EXPECT_TRUE(VSTRI_Match(2, 3) != VSTRI_Match(2, 4));
    EXPECT_TRUE(VSTRI_Match(2, 3) != VSTRI_Match(1, 3));
    EXPECT_FALSE(VSTRI_Match(2, 3) == VSTRI_Match(3, 2));
}

TEST(VSTRI_MatchingList, HoldsItsCapacityOfClearedRecords) {
    VSTRI_MatchingList standard;
    EXPECT_EQ(standard.capacity(), 255u);
    for (unsigned long i = 0; i < standard.capacity(); ++i)
        standard[i] = VSTRI_Match(i + 1, 2);
    standard.reinitialize();
    for (unsigned long i = 0; i < standard.capacity(); ++i)
        EXPECT_EQ(standard[i], VSTRI_Match(0, 0)) << "record " << i;

    const VSTRI_MatchingList small(3);
    EXPECT_EQ(small.capacity(), 3u);
    EXPECT_EQ(small[2], VSTRI_Match(0, 0));
    EXPECT_EQ(VSTRI_MatchingList(0).capacity(), 0u);

    // Assigning a list to itself keeps its records.
    VSTRI_MatchingList list(4);
    list[1] = VSTRI_Match(5, 6);
    VSTRI_MatchingList& same = list;
    list = same;
    EXPECT_EQ(list.capacity(), 4u);
    EXPECT_EQ(list[1], VSTRI_Match(5, 6));
}

TEST(VSTRI_MatchingList, CopiesTakeTheSourceCapacityAndRecords) {
    VSTRI_MatchingList ten(10);
    ten[0] = VSTRI_Match(4, 1);
    ten[9] = VSTRI_Match(7, 2);

    VSTRI_MatchingList target;
    target[200] = VSTRI_Match(9, 9);
    target = ten;
    EXPECT_EQ(target.capacity(), 10u);
    EXPECT_EQ(target[0], VSTRI_Match(4, 1));
    EXPECT_EQ(target[9], VSTRI_Match(7, 2));

    // The copy is independent of its source.
    target[0] = VSTRI_Match(1, 1);
    EXPECT_EQ(ten[0], VSTRI_Match(4, 1));

    const VSTRI_MatchingList copy(ten);
    EXPECT_EQ(copy.capacity(), 10u);
    EXPECT_EQ(copy[9], VSTRI_Match(7, 2));

    VSTRI_MatchingList empty(0);
    target = empty;
    EXPECT_EQ(target.capacity(), 0u);
}

TEST(VSTRI_MatchingList, NeverReachesPastItsRecords) {
    VSTRI_MatchingList list(2);
    const VSTRI_MatchingList& view = list;
    EXPECT_EQ(view[2], VSTRI_Match(0, 0));
    EXPECT_EQ(view[1000000], VSTRI_Match(0, 0));

    DumpCapture dump;
    EXPECT_THROW(list[2] = VSTRI_Match(1, 1), VSYST_Exception);
    EXPECT_NE(dump.text().find("index beyond the capacity"), std::string::npos);
    EXPECT_EQ(view[2], VSTRI_Match(0, 0));
}
