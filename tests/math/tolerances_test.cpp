#include <orvane/math/tolerances.h>

#include <gtest/gtest.h>

#include "support/math_checks.h"

TEST(V_Tolerances, GivesTheLibraryWideValuesAndIsEqualComparesTheAbsoluteDifferenceStrictly) {
    EXPECT_EQ(V_Tolerances::getRelTol(), 1e-9);
    EXPECT_EQ(V_Tolerances::getPointTolSquare(), 1e-6);
    EXPECT_EQ(V_Tolerances::getPointTol(), 0.001);
    EXPECT_EQ(V_Tolerances::getAngleTol(), 1e-6);

    // A difference of exactly relTol is not below it; the difference is absolute, whatever the
    // magnitude; inf - inf is NaN.
    const struct {
        double a, b;
        bool equal;
    } cases[] = {{1.0, 1.0 + 5e-10, true},   {1.0 + 5e-10, 1.0, true}, {1.0, 1.0 + 2e-9, false},
                 {0.0, 1e-9, false},         {-1e-9, 0.0, false},      {1e6, 1e6 + 1e-6, false},
                 {1e12, 1e12 + 1e-3, false}, {1e-300, -1e-300, true},  {kNaN, kNaN, false},
                 {kNaN, 0.0, false},         {kInf, kInf, false}};
    for (const auto& c : cases)
        EXPECT_EQ(V_Tolerances::isEqual(c.a, c.b), c.equal) << c.a << " " << c.b;
}
