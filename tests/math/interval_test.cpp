#include <orvane/math/interval.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

void expectBorders(const VMATH_Interval& i, double min, double max) {
    EXPECT_EQ(i.getMinimalBorder(), min);
    EXPECT_EQ(i.getMaximalBorder(), max);
}

}  // namespace

TEST(VMATH_Interval, ConstructionOrdersTheBordersAndSingleSettersRefuseToBreakTheOrder) {
    expectBorders(VMATH_Interval(5, 2), 2, 5);
    expectBorders(VMATH_Interval(2, 5), 2, 5);
    expectBorders(VMATH_Interval(), 0, 0);
    expectBorders(VMATH_Interval::maximal, -DBL_MAX, DBL_MAX);
    expectBorders(VMATH_Interval::zero, 0, 0);
    VMATH_Interval i;
    i.setBorders(7, -1);
    double min = 0, max = 0;
    i.getBorders(min, max);
    EXPECT_EQ(min, -1.0);
    EXPECT_EQ(max, 7.0);
    EXPECT_EQ(i.getRange(), 8.0);
    EXPECT_EQ(i.getCenter(), 3.0);
    expectBorders(VMATH_Interval(i), -1, 7);

    i.setBorders(2, 5);
    i.setMinimalBorder(5);
    i.setMaximalBorder(2);
    i.setMinimalBorder(kNaN);
    expectBorders(i, 2, 5);
    i.setMinimalBorder(4.9);
    i.setMaximalBorder(4.95);
    expectBorders(i, 4.9, 4.95);
    i.setMinimalBorderToInfinity();
    i.setMaximalBorderToInfinity();
    expectBorders(i, -DBL_MAX, DBL_MAX);
}

TEST(VMATH_Interval, ContainmentByLongTypeUsesThePointToleranceAndByEnumerationRelTol) {
    // 0 (and unknown types): widened by ptTol, strictly on both sides; 1 excludes the band at the
    // minimal border, non-strictly, 2 the band at the maximal border, strictly; 3 both bands, the
    // lower strictly. Each border is probed exactly where it lies.
    const double t = 0.001;
    const struct {
        double x;
        long type;
        bool inside;
    } cases[] = {{-t, 0, false},     {1 + t, 0, false},  {-0.0005, 0, true}, {1.0005, 0, true},
                 {1 + t, 17, false}, {1.0005, 17, true}, {t, 1, true},       {0.0005, 1, false},
                 {1 + t, 1, false},  {1.0005, 1, true},  {-t, 2, true},      {1 - t, 2, false},
                 {0.998, 2, true},   {t, 3, false},      {0.0011, 3, true},  {1 - t, 3, true},
                 {0.9995, 3, false}};
    const VMATH_Interval i(0, 1);
    for (const auto& c : cases)
        EXPECT_EQ(i.isInside(c.x, c.type), c.inside) << c.x << " type " << c.type;

    using I = VMATH_Interval;
    const auto unknown = static_cast<I::VMATH_eIntervalType>(4);
    const struct {
        double x;
        I::VMATH_eIntervalType type;
        bool inside;
    } byEnumeration[] = {
        {1.0, I::eClosed, true},   {1.0 + 5e-10, I::eClosed, true}, {1.0 + 2e-9, I::eClosed, false},
        {1.0, I::eOpenMax, false}, {1.0, I::eOpenMin, true},        {0.0, I::eOpenMin, false},
        {0.0, I::eOpen, false},    {0.5, I::eOpen, true},           {0.5, unknown, false}};
    for (const auto& c : byEnumeration)
        EXPECT_EQ(i.isInside(c.x, c.type), c.inside) << c.x << " type " << c.type;
}

TEST(VMATH_Interval, ContainmentOfIntervalsEqualityAndTheOrderOperatorsUseThePointTolerance) {
    const VMATH_Interval outer(0, 10), inner(2, 3);
    EXPECT_TRUE(outer > inner);
    EXPECT_TRUE(inner < outer);
    EXPECT_FALSE(inner > outer);
    EXPECT_FALSE(outer < inner);
    EXPECT_TRUE(outer.isInside(VMATH_Interval(-0.0005, 10.0005)));
    EXPECT_FALSE(outer.isInside(VMATH_Interval(-0.001, 5)));  // strict: exactly ptTol outside
    EXPECT_TRUE(VMATH_Interval(0, 1) == VMATH_Interval(0.0009, 0.9991));
    EXPECT_FALSE(VMATH_Interval(0, 1) == VMATH_Interval(0.001, 1));
}

TEST(VMATH_Interval, UnionIsTheHullAndIntersectionMayFail) {
    expectBorders(VMATH_Interval(0, 1).calcUnion(VMATH_Interval(3, 4)), 0, 4);
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

TEST(VMATH_Interval, SerialisesMaximalThenMinimalBorderAndReadsThemBackUnchecked) {
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

    V_ASArchiveOut crossed;
    crossed.writeDouble(-1.0);  // read as the maximal border
    crossed.writeDouble(4.0);   // read as the minimal border
    V_ASArchiveIn crossedIn(crossed.data(), crossed.size());
    back.deserializeAsMember(crossedIn);
    expectBorders(back, 4, -1);

    DumpCapture dump;
    V_ASArchiveIn shortIn(crossed.data(), 12);
    VMATH_Interval kept(2, 3);
    EXPECT_THROW(kept.deserializeAsMember(shortIn), V_ASArchiveException);
    expectBorders(kept, 2, 3);
}
