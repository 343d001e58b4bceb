#include <orvane/math/interval.h>
#include <orvane/math/tolerances.h>

#include <gtest/gtest.h>

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

// The open borders and the equality band are strict: a point exactly relTol inside a border, and
// borders exactly ptTol apart, are outside and unequal.
TEST(VMATH_Interval, OpenBordersAndEqualityAreStrictExactlyAtTheTolerance) {
    const double r = V_Tolerances::getRelTol(), t = V_Tolerances::getPointTol();
    EXPECT_FALSE(VMATH_Interval(0, 0.5 + r).isInside(0.5, VMATH_Interval::eOpen));
    EXPECT_FALSE(VMATH_Interval(0.5 - r, 1).isInside(0.5, VMATH_Interval::eOpen));
    EXPECT_TRUE(VMATH_Interval(0.5 - 2 * r, 0.5 + 2 * r).isInside(0.5, VMATH_Interval::eOpen));
    EXPECT_FALSE(VMATH_Interval(0, t) == VMATH_Interval(0, 0));
    EXPECT_FALSE(VMATH_Interval(t, 1) == VMATH_Interval(0, 1));
    EXPECT_TRUE(VMATH_Interval(0.5 * t, 1) == VMATH_Interval(0, 1 - 0.5 * t));
}
