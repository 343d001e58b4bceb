#include <orvane/math/interval.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <limits>
#include <string>

#include "support/dump_capture.h"

namespace {

void expectBorders(const VMATH_Interval& i, double min, double max) {
    EXPECT_EQ(i.getMinimalBorder(), min);
    EXPECT_EQ(i.getMaximalBorder(), max);
}

}  // namespace

TEST(VMATH_Interval, ConstructionOrdersTheBorders) {
    expectBorders(VMATH_Interval(5, 2), 2, 5);
    expectBorders(VMATH_Interval(2, 5), 2, 5);
    expectBorders(VMATH_Interval(), 0, 0);
    expectBorders(VMATH_Interval::maximal, -DBL_MAX, DBL_MAX);
    expectBorders(VMATH_Interval::zero, 0, 0);
    VMATH_Interval i;
    i.setBorders(7, -1);
    expectBorders(i, -1, 7);
    double min = 0, max = 0;
    i.getBorders(min, max);
    EXPECT_EQ(min, -1.0);
    EXPECT_EQ(max, 7.0);
    EXPECT_EQ(i.getRange(), 8.0);
    EXPECT_EQ(i.getCenter(), 3.0);
    const VMATH_Interval copy(i);
    expectBorders(copy, -1, 7);
}

TEST(VMATH_Interval, SingleSettersRefuseValuesThatBreakTheOrder) {
    VMATH_Interval i(2, 5);
    i.setMinimalBorder(5);
    i.setMaximalBorder(2);
    expectBorders(i, 2, 5);
    i.setMinimalBorder(std::numeric_limits<double>::quiet_NaN());
    expectBorders(i, 2, 5);
    i.setMinimalBorder(4.9);
    expectBorders(i, 4.9, 5);
    i.setMaximalBorder(4.95);
    expectBorders(i, 4.9, 4.95);
    i.setMinimalBorderToInfinity();
    i.setMaximalBorderToInfinity();
    expectBorders(i, -DBL_MAX, DBL_MAX);
}

TEST(VMATH_Interval, ContainmentByLongTypeUsesThePointTolerance) {
    const VMATH_Interval i(0, 1);
    // Closed (0 and unknown values): strict on both sides, widened by ptTol.
    EXPECT_TRUE(i.isInside(1.0005, 0L));
    EXPECT_TRUE(i.isInside(-0.0005, 0L));
    EXPECT_FALSE(i.isInside(1.001, 0L));
    EXPECT_TRUE(i.isInside(1.0005, 17L));
    // 1: the minimal border is excluded by the tolerance band, non-strictly.
    EXPECT_FALSE(i.isInside(0.0005, 1L));
    EXPECT_TRUE(i.isInside(0.001, 1L));
    EXPECT_TRUE(i.isInside(1.0005, 1L));
    // 2: the maximal border is excluded, strictly.
    EXPECT_FALSE(i.isInside(0.9995, 2L));
    EXPECT_TRUE(i.isInside(0.998, 2L));
    // 3: both excluded; the upper test is non-strict.
    EXPECT_FALSE(i.isInside(0.001, 3L));
    EXPECT_TRUE(i.isInside(0.0011, 3L));
    EXPECT_TRUE(i.isInside(0.999, 3L));
    EXPECT_FALSE(i.isInside(0.9995, 3L));
}

TEST(VMATH_Interval, ContainmentByEnumerationUsesRelTol) {
    const VMATH_Interval i(0, 1);
    using T = VMATH_Interval::VMATH_eIntervalType;
    EXPECT_TRUE(i.isInside(1.0, VMATH_Interval::eClosed));
    EXPECT_TRUE(i.isInside(1.0 + 5e-10, VMATH_Interval::eClosed));
    EXPECT_FALSE(i.isInside(1.0 + 2e-9, VMATH_Interval::eClosed));
    EXPECT_FALSE(i.isInside(1.0, VMATH_Interval::eOpenMax));
    EXPECT_TRUE(i.isInside(1.0, VMATH_Interval::eOpenMin));
    EXPECT_FALSE(i.isInside(0.0, VMATH_Interval::eOpenMin));
    EXPECT_FALSE(i.isInside(0.0, VMATH_Interval::eOpen));
    EXPECT_TRUE(i.isInside(0.5, VMATH_Interval::eOpen));
    EXPECT_FALSE(i.isInside(0.5, static_cast<T>(4)));
}

TEST(VMATH_Interval, ContainmentOfIntervalsAndTheOrderOperators) {
    const VMATH_Interval outer(0, 10);
    const VMATH_Interval inner(2, 3);
    const VMATH_Interval almost(-0.0005, 10.0005);
    const VMATH_Interval beyond(-0.001, 5);
    EXPECT_TRUE(outer.isInside(inner));
    EXPECT_TRUE(outer > inner);
    EXPECT_TRUE(inner < outer);
    EXPECT_FALSE(inner > outer);
    EXPECT_FALSE(outer < inner);
    EXPECT_TRUE(outer.isInside(almost));
    EXPECT_FALSE(outer.isInside(beyond));  // strict: exactly ptTol outside
}

TEST(VMATH_Interval, EqualityIsWithinThePointToleranceStrictly) {
    EXPECT_TRUE(VMATH_Interval(0, 1) == VMATH_Interval(0.0009, 0.9991));
    EXPECT_FALSE(VMATH_Interval(0, 1) == VMATH_Interval(0.001, 1));
}

TEST(VMATH_Interval, UnionIsTheHullAndIntersectionMayFail) {
    const VMATH_Interval hull = VMATH_Interval(0, 1).calcUnion(VMATH_Interval(3, 4));
    expectBorders(hull, 0, 4);

    VMATH_Interval out(-7, -8);
    EXPECT_TRUE(VMATH_Interval(0, 1).calcIntersection(VMATH_Interval(1, 2), out));
    expectBorders(out, 1, 1);
    out.setBorders(-7, -8);
    EXPECT_FALSE(VMATH_Interval(0, 1).calcIntersection(VMATH_Interval(1.0001, 2), out));
    expectBorders(out, -8, -7);
    EXPECT_TRUE(VMATH_Interval(0, 5).calcIntersection(VMATH_Interval(3, 9), out));
    expectBorders(out, 3, 5);
    VMATH_Interval self(0, 5);
    EXPECT_TRUE(self.calcIntersection(VMATH_Interval(-1, 2), self));
    expectBorders(self, 0, 2);
}

TEST(VMATH_Interval, DumpWritesTheNamedTextForEveryMagnitude) {
    DumpCapture dump;
    VMATH_Interval(5, 2).dump("clip");
    EXPECT_EQ(dump.take(), "\nclip: Interval : [ 2.00, 5.00 ]\n");
    VMATH_Interval(-1.005, 0.125).dump("");
    EXPECT_EQ(dump.take(),
              "\nInterval : [ -1.00, 0.12 ]\n");  // printf rounding of the binary values
    VMATH_Interval::maximal.dump("all");
    const std::string text = dump.take();
    const std::string digits = "179769313486231570814527423731704356798070567525844996598917476803";
    EXPECT_EQ(text.rfind("\nall: Interval : [ -" + digits, 0), 0u);
    EXPECT_EQ(text.size(), std::strlen("\nall: Interval : [ -,  ]\n") + 2 * (309 + 3));
}

TEST(VMATH_Interval, SerialisesMaximalThenMinimalBorderLittleEndian) {
    V_ASArchiveOut out;
    VMATH_Interval(1.0, -2.0).serializeAsMember(out);
    ASSERT_EQ(out.size(), 16u);
    const unsigned char one[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};       // 1.0
    const unsigned char minusTwo[8] = {0, 0, 0, 0, 0, 0, 0x00, 0xC0};  // -2.0
    EXPECT_EQ(std::memcmp(out.data(), one, 8), 0);
    EXPECT_EQ(std::memcmp(out.data() + 8, minusTwo, 8), 0);

    V_ASArchiveIn in(out.data(), out.size());
    VMATH_Interval back;
    back.deserializeAsMember(in);
    EXPECT_EQ(in.position(), 16u);
    expectBorders(back, -2, 1);
}

TEST(VMATH_Interval, DeserialisingTakesTheValuesUncheckedAndKeepsBordersOnShortInput) {
    V_ASArchiveOut out;
    out.writeDouble(-1.0);  // read as the maximal border
    out.writeDouble(4.0);   // read as the minimal border
    V_ASArchiveIn in(out.data(), out.size());
    VMATH_Interval i;
    i.deserializeAsMember(in);
    expectBorders(i, 4, -1);

    DumpCapture dump;
    V_ASArchiveIn shortIn(out.data(), 12);
    VMATH_Interval kept(2, 3);
    EXPECT_THROW(kept.deserializeAsMember(shortIn), V_ASArchiveException);
    expectBorders(kept, 2, 3);
}
