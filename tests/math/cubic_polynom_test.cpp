#include <orvane/math/cubic_polynom.h>
#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "support/dump_capture.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

void expectCoefficients(const VMATH_CubicPolynom& f, double a, double b, double c, double d) {
    EXPECT_EQ(f.a, a);
    EXPECT_EQ(f.b, b);
    EXPECT_EQ(f.c, c);
    EXPECT_EQ(f.d, d);
}

// findRoots of f gives exactly `expected`, in that order, each within tol.
void expectRoots(const VMATH_CubicPolynom& f, std::initializer_list<double> expected,
                 double tol = 0.0) {
    double x[3] = {kNaN, kNaN, kNaN};
    ASSERT_EQ(f.findRoots(x), static_cast<long>(expected.size()));
    int i = 0;
    for (double e : expected) {
        EXPECT_NEAR(x[i], e, tol) << "root " << i;
        ++i;
    }
}

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
    expectCoefficients(f + g, 11, 22, 33, 44);
    expectCoefficients(f - g, -9, -18, -27, -36);
    expectCoefficients(-f, -1, -2, -3, -4);
    expectCoefficients(f + 1.5, 1, 2, 3, 5.5);  // only d moves
    expectCoefficients(f - 1.5, 1, 2, 3, 2.5);
    expectCoefficients(f * -2.0, -2, -4, -6, -8);
    (f += g) += g;
    expectCoefficients(f, 21, 42, 63, 84);
}

TEST(VMATH_CubicPolynom, ProductsWidenInAscendingOrder) {
    const VMATH_CubicPolynom f(1, 0, 0, -1);                          // x³ − 1
    const VMATH_Polynom<5> p5 = f * VMATH_QuadraticPolynom(1, 1, 0);  // (x³ − 1)(x² + x)
    const double e5[6] = {0, -1, -1, 0, 1, 1};
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(p5[i], e5[i]) << "x^" << i;

    const VMATH_Polynom<6> p6 = VMATH_CubicPolynom(2, 3, 5, 7) * VMATH_CubicPolynom(11, 13, 17, 19);
    const double e6[7] = {7 * 19,
                          7 * 17 + 5 * 19,
                          7 * 13 + 5 * 17 + 3 * 19,
                          7 * 11 + 5 * 13 + 3 * 17 + 2 * 19,
                          5 * 11 + 3 * 13 + 2 * 17,
                          3 * 11 + 2 * 13,
                          22};
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(p6[i], e6[i]) << "x^" << i;

    const VMATH_Polynom<9> p9 = f * (f * f);  // (x³ − 1)³
    const double e9[10] = {-1, 0, 0, 3, 0, 0, -3, 0, 0, 1};
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(p9[i], e9[i]) << "x^" << i;
}

TEST(VMATH_CubicPolynom, FindsThreeRootsAscending) {
    expectRoots(VMATH_CubicPolynom(1, -6, 11, -6), {1, 2, 3}, 1e-12);
    expectRoots(VMATH_CubicPolynom(-1, 6, -11, 6), {1, 2, 3}, 1e-12);  // a < 0 as well
    // Q³ − R² = 0 still takes the three-root branch: the double root appears twice.
    expectRoots(VMATH_CubicPolynom(1, 0, -3, 2), {-2, 1, 1}, 1e-9);
    // A triple root: the cosine argument 0/0 is taken as 0.
    expectRoots(VMATH_CubicPolynom(1, -3, 3, -1), {1, 1, 1});
}

TEST(VMATH_CubicPolynom, FindsOneRootWhenTheOthersAreComplex) {
    expectRoots(VMATH_CubicPolynom(1, -3, 6, -4), {1});  // R = 0
    expectRoots(VMATH_CubicPolynom(1, 0, 0, -8), {2}, 1e-12);
    expectRoots(VMATH_CubicPolynom(2, 0, 0, 16), {-2}, 1e-12);
}

TEST(VMATH_CubicPolynom, ZeroConstantMakesZeroARootAndSortsTheRest) {
    expectRoots(VMATH_CubicPolynom(1, 0, 1, 0), {0});  // x(x² + 1)
    expectRoots(VMATH_CubicPolynom(1, 0, 0, 0), {0, 0});
    expectRoots(VMATH_CubicPolynom(1, 2, 1, 0), {-1, 0});  // x(x + 1)²: exchanged
    expectRoots(VMATH_CubicPolynom(1, -1, 0, 0), {0, 0, 1});
    expectRoots(VMATH_CubicPolynom(1, 1, -2, 5e-10), {-2, 0, 1});  // x(x + 2)(x − 1)
}

TEST(VMATH_CubicPolynom, SmallLeadingCoefficientMakesAnUnsortedQuadratic) {
    expectRoots(VMATH_CubicPolynom(0, 1, -3, 2), {2, 1});
    expectRoots(VMATH_CubicPolynom(5e-10, 1, -3, 2), {2, 1});  // below relTol
    double x[3];
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
    EXPECT_TRUE(std::isnan(x[1]) && std::isnan(x[2]));
    const long n = VMATH_CubicPolynom(kInf, 1, 1, 1).findRoots(x);
    EXPECT_TRUE(n >= 1 && n <= 3);
}
