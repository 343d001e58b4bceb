#include <orvane/math/cubic_polynom.h>
#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/dump_capture.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(VMATH_CubicPolynom, EvaluatesWithDerivatives) {
    const VMATH_CubicPolynom f(1, -6, 11, -6);
    EXPECT_EQ(f(4.0), 6.0);
    EXPECT_EQ(f.calcValue(2.0), 0.0);
    EXPECT_EQ(f.firstDerivation(0.0), 11.0);  // 3x² − 12x + 11
    EXPECT_EQ(f.firstDerivation(2.0), -1.0);
    EXPECT_EQ(f.calcSecondDer(1.0), -6.0);  // 6x − 12
    EXPECT_EQ(f.calcSecondDer(3.0), 6.0);
    const VMATH_QuadraticPolynom df = f.firstDerivation();
    EXPECT_EQ(df.a, 3.0);
    EXPECT_EQ(df.b, -12.0);
    EXPECT_EQ(df.c, 11.0);
}

TEST(VMATH_CubicPolynom, ArithmeticIsCoefficientWise) {
    VMATH_CubicPolynom f(1, 2, 3, 4);
    const VMATH_CubicPolynom g(10, 20, 30, 40);
    const VMATH_CubicPolynom sum = f + g;
    EXPECT_EQ(sum.a, 11.0);
    EXPECT_EQ(sum.d, 44.0);
    const VMATH_CubicPolynom diff = f - g;
    EXPECT_EQ(diff.b, -18.0);
    EXPECT_EQ(diff.c, -27.0);
    const VMATH_CubicPolynom neg = -f;
    EXPECT_EQ(neg.a, -1.0);
    EXPECT_EQ(neg.d, -4.0);
    const VMATH_CubicPolynom up = f + 1.5;
    const VMATH_CubicPolynom down = f - 1.5;
    EXPECT_EQ(up.a, 1.0);
    EXPECT_EQ(up.c, 3.0);
    EXPECT_EQ(up.d, 5.5);
    EXPECT_EQ(down.b, 2.0);
    EXPECT_EQ(down.d, 2.5);
    const VMATH_CubicPolynom scaled = f * -2.0;
    EXPECT_EQ(scaled.a, -2.0);
    EXPECT_EQ(scaled.b, -4.0);
    EXPECT_EQ(scaled.c, -6.0);
    EXPECT_EQ(scaled.d, -8.0);
    (f += g) += g;
    EXPECT_EQ(f.a, 21.0);
    EXPECT_EQ(f.b, 42.0);
    EXPECT_EQ(f.c, 63.0);
    EXPECT_EQ(f.d, 84.0);
}

TEST(VMATH_CubicPolynom, ProductsWidenInAscendingOrder) {
    const VMATH_CubicPolynom f(1, 0, 0, -1);                          // x³ − 1
    const VMATH_Polynom<5> p5 = f * VMATH_QuadraticPolynom(1, 1, 0);  // (x³ − 1)(x² + x)
    const double e5[6] = {0, -1, -1, 0, 1, 1};
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(p5[i], e5[i]) << "x^" << i;

    const VMATH_CubicPolynom g(2, 3, 5, 7);
    const VMATH_Polynom<6> p6 = g * VMATH_CubicPolynom(11, 13, 17, 19);
    EXPECT_EQ(p6[0], 7.0 * 19);
    EXPECT_EQ(p6[1], 7.0 * 17 + 5 * 19);
    EXPECT_EQ(p6[3], 7.0 * 11 + 5 * 13 + 3 * 17 + 2 * 19);
    EXPECT_EQ(p6[5], 3.0 * 11 + 2 * 13);
    EXPECT_EQ(p6[6], 22.0);

    const VMATH_Polynom<6> cube = f * f;   // x⁶ − 2x³ + 1
    const VMATH_Polynom<9> p9 = f * cube;  // (x³ − 1)³
    const double e9[10] = {-1, 0, 0, 3, 0, 0, -3, 0, 0, 1};
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(p9[i], e9[i]) << "x^" << i;
    EXPECT_EQ(p9(2.0), 343.0);
}

TEST(VMATH_CubicPolynom, FindsThreeRootsAscending) {
    double x[3] = {0, 0, 0};
    ASSERT_EQ(VMATH_CubicPolynom(1, -6, 11, -6).findRoots(x), 3);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
    ASSERT_EQ(VMATH_CubicPolynom(-2, 0, 2, 0.5).findRoots(x), 3);  // a < 0 as well
    EXPECT_LT(x[0], x[1]);
    EXPECT_LT(x[1], x[2]);
    for (double root : x)
        EXPECT_NEAR(VMATH_CubicPolynom(-2, 0, 2, 0.5)(root), 0.0, 1e-12);

    // Q³ − R² = 0 still takes the three-root branch: the double root appears twice.
    ASSERT_EQ(VMATH_CubicPolynom(1, 0, -3, 2).findRoots(x), 3);
    EXPECT_NEAR(x[0], -2.0, 1e-12);
    EXPECT_NEAR(x[1], 1.0, 1e-7);
    EXPECT_NEAR(x[2], 1.0, 1e-7);
    EXPECT_LE(x[1], x[2]);

    // A triple root: the cosine argument 0/0 is taken as 0.
    ASSERT_EQ(VMATH_CubicPolynom(1, -3, 3, -1).findRoots(x), 3);
    EXPECT_EQ(x[0], 1.0);
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(x[2], 1.0);
}

TEST(VMATH_CubicPolynom, FindsOneRootWhenTheOthersAreComplex) {
    double x[3] = {0, 0, 0};
    ASSERT_EQ(VMATH_CubicPolynom(1, -3, 6, -4).findRoots(x), 1);  // R = 0
    EXPECT_EQ(x[0], 1.0);
    ASSERT_EQ(VMATH_CubicPolynom(1, 0, 0, -8).findRoots(x), 1);
    EXPECT_NEAR(x[0], 2.0, 1e-12);
    ASSERT_EQ(VMATH_CubicPolynom(2, 0, 0, 16).findRoots(x), 1);
    EXPECT_NEAR(x[0], -2.0, 1e-12);
}

TEST(VMATH_CubicPolynom, ZeroConstantMakesZeroARootAndSortsTheRest) {
    double x[3] = {7, 7, 7};
    ASSERT_EQ(VMATH_CubicPolynom(1, 0, 1, 0).findRoots(x), 1);  // x(x² + 1)
    EXPECT_EQ(x[0], 0.0);
    ASSERT_EQ(VMATH_CubicPolynom(1, 0, 0, 0).findRoots(x), 2);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_EQ(x[1], 0.0);
    ASSERT_EQ(VMATH_CubicPolynom(1, 2, 1, 0).findRoots(x), 2);  // x(x + 1)²: exchanged
    EXPECT_EQ(x[0], -1.0);
    EXPECT_EQ(x[1], 0.0);
    ASSERT_EQ(VMATH_CubicPolynom(1, -1, 0, 0).findRoots(x), 3);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_EQ(x[1], 0.0);
    EXPECT_EQ(x[2], 1.0);
    ASSERT_EQ(VMATH_CubicPolynom(1, 1, -2, 5e-10).findRoots(x), 3);  // x(x + 2)(x − 1)
    EXPECT_EQ(x[0], -2.0);
    EXPECT_EQ(x[1], 0.0);
    EXPECT_EQ(x[2], 1.0);
}

TEST(VMATH_CubicPolynom, SmallLeadingCoefficientMakesAnUnsortedQuadratic) {
    double x[3] = {7, 7, 7};
    ASSERT_EQ(VMATH_CubicPolynom(0, 1, -3, 2).findRoots(x), 2);
    EXPECT_EQ(x[0], 2.0);
    EXPECT_EQ(x[1], 1.0);
    ASSERT_EQ(VMATH_CubicPolynom(5e-10, 1, -3, 2).findRoots(x), 2);  // below relTol
    EXPECT_EQ(x[0], 2.0);
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(VMATH_CubicPolynom(0, 0, 0, 0).findRoots(x), -1);
    EXPECT_EQ(VMATH_CubicPolynom(0, 0, 0, 3).findRoots(x), 0);
    EXPECT_EQ(VMATH_CubicPolynom(0, 1, 0, 1).findRoots(x), 0);
}

TEST(VMATH_CubicPolynom, NonFiniteCoefficientsNeitherHangNorTrap) {
    DumpCapture dump;
    double x[3];
    EXPECT_THROW(VMATH_CubicPolynom(1, kNaN, 1, 1).findRoots(x), VMATH_WrongNumber);
    EXPECT_THROW(VMATH_CubicPolynom(kNaN, 1, 1, 1).findRoots(x), VMATH_WrongNumber);
    EXPECT_EQ(VMATH_CubicPolynom(kNaN, 1, 1, 0).findRoots(x), 3);  // 0 and two NaN
    EXPECT_EQ(x[0], 0.0);
    EXPECT_TRUE(std::isnan(x[1]) || std::isnan(x[2]));
    const long n = VMATH_CubicPolynom(kInf, 1, 1, 1).findRoots(x);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 3);
}
