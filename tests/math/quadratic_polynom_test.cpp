#include <orvane/math/math_exception.h>
#include <orvane/math/quadratic_polynom.h>

#include <gtest/gtest.h>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

void expectCoefficients(const VMATH_QuadraticPolynom& q, double a, double b, double c) {
    EXPECT_EQ(q.a, a);
    EXPECT_EQ(q.b, b);
    EXPECT_EQ(q.c, c);
}

}  // namespace

TEST(VMATH_QuadraticPolynom, EvaluatesAndComputesCoefficientWiseWithAnAscendingQuarticProduct) {
    const VMATH_QuadraticPolynom e(1, -3, 2);
    EXPECT_EQ(e.calcValue(0.5), 0.75);
    EXPECT_EQ(e(3.0), 2.0);
    EXPECT_EQ(e.firstDerivation(1.0), -1.0);
    EXPECT_EQ(e.calcSecondDer(1e6), 2.0);  // the argument is not used
    EXPECT_EQ(e.calcSecondDer(-4.0), 2.0);
    expectCoefficients(VMATH_QuadraticPolynom(), 0, 0, 0);

    VMATH_QuadraticPolynom q(2, 3, 5);
    const VMATH_QuadraticPolynom r(7, 11, 13);
    expectCoefficients(q + r, 9, 14, 18);
    expectCoefficients(q - r, -5, -8, -8);
    expectCoefficients(-q, -2, -3, -5);
    expectCoefficients(q + 10.0, 2, 3, 15);  // only c moves
    expectCoefficients(q * 2.0, 4, 6, 10);
    expectValues((q * r).coef, {65, 5 * 11 + 3 * 13, 2 * 13 + 5 * 7 + 3 * 11, 2 * 11 + 3 * 7, 14},
                 0);
    EXPECT_EQ(&(q += r), &q);
    expectCoefficients(q, 9, 14, 18);
    expectCoefficients(r, 7, 11, 13);
}
