#include <orvane/math/tolerances.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(V_Tolerances, GettersGiveTheLibraryWideValues) {
    EXPECT_EQ(V_Tolerances::getRelTol(), 1e-9);
    EXPECT_EQ(V_Tolerances::getPointTolSquare(), 1e-6);
    EXPECT_EQ(V_Tolerances::getPointTol(), 0.001);
    EXPECT_EQ(V_Tolerances::getAngleTol(), 1e-6);
}

TEST(V_Tolerances, IsEqualComparesTheAbsoluteDifferenceStrictly) {
    EXPECT_TRUE(V_Tolerances::isEqual(1.0, 1.0 + 5e-10));
    EXPECT_TRUE(V_Tolerances::isEqual(1.0 + 5e-10, 1.0));
    EXPECT_FALSE(V_Tolerances::isEqual(1.0, 1.0 + 2e-9));
    // A difference of exactly relTol is not below it.
    EXPECT_FALSE(V_Tolerances::isEqual(0.0, V_Tolerances::getRelTol()));
    EXPECT_FALSE(V_Tolerances::isEqual(-V_Tolerances::getRelTol(), 0.0));
    // Absolute, whatever the magnitude.
    EXPECT_FALSE(V_Tolerances::isEqual(1e6, 1e6 + 1e-6));
    EXPECT_FALSE(V_Tolerances::isEqual(1e12, 1e12 + 1e-3));
    EXPECT_TRUE(V_Tolerances::isEqual(1e-300, -1e-300));
}

TEST(V_Tolerances, IsEqualIsFalseForNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(V_Tolerances::isEqual(nan, nan));
    EXPECT_FALSE(V_Tolerances::isEqual(nan, 0.0));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(V_Tolerances::isEqual(inf, inf));  // inf - inf is NaN
}
