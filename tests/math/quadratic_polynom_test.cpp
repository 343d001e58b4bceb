#include <orvane/math/math_exception.h>
#include <orvane/math/quadratic_polynom.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/dump_capture.h"

TEST(VMATH_QuadraticPolynom, EvaluatesWithDerivatives) {
    const VMATH_QuadraticPolynom q(1, -3, 2);
    EXPECT_EQ(q.calcValue(0.5), 0.75);
    EXPECT_EQ(q(3.0), 2.0);
    EXPECT_EQ(q.firstDerivation(1.0), -1.0);
    EXPECT_EQ(q.calcSecondDer(1e6), 2.0);  // the argument is not used
    EXPECT_EQ(q.calcSecondDer(-4.0), 2.0);

    const VMATH_QuadraticPolynom zero;
    EXPECT_EQ(zero.a, 0.0);
    EXPECT_EQ(zero.b, 0.0);
    EXPECT_EQ(zero.c, 0.0);
}

TEST(VMATH_QuadraticPolynom, ArithmeticIsCoefficientWise) {
    VMATH_QuadraticPolynom q(1, 2, 3);
    const VMATH_QuadraticPolynom r(4, 5, 6);

    const VMATH_QuadraticPolynom sum = q + r;
    EXPECT_EQ(sum.a, 5.0);
    EXPECT_EQ(sum.b, 7.0);
    EXPECT_EQ(sum.c, 9.0);
    const VMATH_QuadraticPolynom diff = q - r;
    EXPECT_EQ(diff.a, -3.0);
    EXPECT_EQ(diff.b, -3.0);
    EXPECT_EQ(diff.c, -3.0);
    const VMATH_QuadraticPolynom neg = -q;
    EXPECT_EQ(neg.a, -1.0);
    EXPECT_EQ(neg.b, -2.0);
    EXPECT_EQ(neg.c, -3.0);
    const VMATH_QuadraticPolynom shifted = q + 10.0;  // only c moves
    EXPECT_EQ(shifted.a, 1.0);
    EXPECT_EQ(shifted.b, 2.0);
    EXPECT_EQ(shifted.c, 13.0);
    const VMATH_QuadraticPolynom scaled = q * 2.0;
    EXPECT_EQ(scaled.a, 2.0);
    EXPECT_EQ(scaled.b, 4.0);
    EXPECT_EQ(scaled.c, 6.0);

    VMATH_QuadraticPolynom& self = (q += r);
    EXPECT_EQ(&self, &q);
    EXPECT_EQ(q.a, 5.0);
    EXPECT_EQ(q.b, 7.0);
    EXPECT_EQ(q.c, 9.0);
    EXPECT_EQ(r.a, 4.0);  // the operand is unchanged
}

TEST(VMATH_QuadraticPolynom, ProductIsAQuarticInAscendingOrder) {
    const VMATH_Polynom<4> p = VMATH_QuadraticPolynom(1, 2, 3) * VMATH_QuadraticPolynom(1, 0, -1);
    const double expected[5] = {-3, -2, 2, 2, 1};
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(p[i], expected[i]) << "x^" << i;

    const VMATH_Polynom<4> s = VMATH_QuadraticPolynom(2, 3, 5) * VMATH_QuadraticPolynom(7, 11, 13);
    EXPECT_EQ(s[4], 14.0);
    EXPECT_EQ(s[3], 2 * 11 + 3 * 7.0);
    EXPECT_EQ(s[2], 2 * 13 + 5 * 7 + 3 * 11.0);
    EXPECT_EQ(s[1], 5 * 11 + 3 * 13.0);
    EXPECT_EQ(s[0], 65.0);
    EXPECT_EQ(s(1.5),
              VMATH_QuadraticPolynom(2, 3, 5)(1.5) * VMATH_QuadraticPolynom(7, 11, 13)(1.5));
}

TEST(VMATH_QuadraticPolynom, FindRootsIsTheQuadraticSolverUnchanged) {
    double x[2] = {99, 99};
    EXPECT_EQ(VMATH_QuadraticPolynom(1, -3, 2).findRoots(x), 2);
    EXPECT_EQ(x[0], 2.0);  // larger magnitude first, not sorted
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(VMATH_QuadraticPolynom(1, 2, 1).findRoots(x), 1);
    EXPECT_EQ(x[0], -1.0);
    EXPECT_EQ(VMATH_QuadraticPolynom(1, 0, 4).findRoots(x), 0);
    EXPECT_EQ(VMATH_QuadraticPolynom(0, 0, 0).findRoots(x), -1);
    // rSolveQE's zero is 1e-15, not relTol: a leading 5e-10 still makes a quadratic.
    EXPECT_EQ(VMATH_QuadraticPolynom(5e-10, 1, -1).findRoots(x), 2);

    DumpCapture dump;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(VMATH_QuadraticPolynom(1, nan, 1).findRoots(x), VMATH_WrongNumber);
    EXPECT_EQ(VMATH_QuadraticPolynom(nan, 1, 1).findRoots(x), 2);
    EXPECT_TRUE(std::isnan(x[0]));
}
