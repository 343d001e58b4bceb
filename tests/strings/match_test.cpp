#include <orvane/strings/match.h>

#include <gtest/gtest.h>

#include <orvane/base/exception.h>

#include <tuple>

#include "support/dump_capture.h"

TEST(VSTRI_MatchingList, HoldsItsCapacityOfRecordsCopiesThemAndNeverReachesPast) {
    VSTRI_MatchingList standard;
    EXPECT_EQ(standard.capacity(), 255u);
    for (unsigned long i = 0; i < standard.capacity(); ++i)
        standard[i] = VSTRI_Match(i + 1, 2);
    standard.reinitialize();
    for (unsigned long i = 0; i < standard.capacity(); ++i)
        EXPECT_EQ(standard[i], VSTRI_Match(0, 0)) << "record " << i;

    VSTRI_MatchingList ten(10), target;
    ten[9] = VSTRI_Match(7, 2);
    target[200] = VSTRI_Match(9, 9);
    target = ten;
    target[0] = VSTRI_Match(1, 1);  // the copy is independent of its source
    EXPECT_TRUE(target.capacity() == 10 && target[9] == VSTRI_Match(7, 2) && !ten[0]);
    VSTRI_MatchingList& same = target;
    target = same;
    EXPECT_TRUE(VSTRI_MatchingList(target)[0] == VSTRI_Match(1, 1) && target[9]);
    target = VSTRI_MatchingList(0);
    EXPECT_EQ(target.capacity(), 0u);

    const VSTRI_MatchingList& view = ten;
    EXPECT_FALSE(view[10] || view[1000000]);
    DumpCapture dump;
    EXPECT_THROW(ten[10] = VSTRI_Match(1, 1), VSYST_Exception);
    EXPECT_NE(dump.text().find("index beyond the capacity"), std::string::npos);
    EXPECT_FALSE(view[10]);
}
