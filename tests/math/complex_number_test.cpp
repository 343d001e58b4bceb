#include <orvane/math/complex_number.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

TEST(VMATH_Complex, CsqrtGivesThePrincipalRoot) {
    VMATH_Complex r = Csqrt({3.0, 4.0});
    EXPECT_DOUBLE_EQ(r.im, 1.0);
    EXPECT_DOUBLE_EQ(r.re, 2.0);
    r = Csqrt({-3.0, 4.0});  // |y| > |x|: the other scaling branch, x < 0
    EXPECT_DOUBLE_EQ(r.re, 1.0);
    EXPECT_DOUBLE_EQ(r.im, 2.0);
    r = Csqrt({-3.0, -4.0});
    EXPECT_DOUBLE_EQ(r.re, 1.0);
    EXPECT_DOUBLE_EQ(r.im, -2.0);
    r = Csqrt({0.0, 2.0});
    EXPECT_DOUBLE_EQ(r.re, 1.0);
    EXPECT_DOUBLE_EQ(r.im, 1.0);
}

TEST(VMATH_Complex, CsqrtOfTheNegativeRealAxisIsPositiveImaginary) {
    VMATH_Complex r = Csqrt({-4.0, 0.0});
    EXPECT_EQ(r.re, 0.0);
    EXPECT_EQ(r.im, 2.0);
    r = Csqrt({-4.0, -0.0});  // -0 >= 0, so the imaginary part stays positive
    EXPECT_EQ(r.re, 0.0);
    EXPECT_EQ(r.im, 2.0);
}

TEST(VMATH_Complex, CsqrtTreatsComponentsBelowRelTolAsZero) {
    VMATH_Complex r = Csqrt({5e-10, -5e-10});
    EXPECT_EQ(r.re, 0.0);
    EXPECT_EQ(r.im, 0.0);
    r = Csqrt({0.0, 0.0});
    EXPECT_EQ(r.re, 0.0);
    EXPECT_EQ(r.im, 0.0);
    // Only one small component: an ordinary root.
    r = Csqrt({4e-18, 1e-9});
    EXPECT_GT(r.re, 0.0);
}

TEST(VMATH_Complex, CsqrtDoesNotOverflowOnLargeComponents) {
    VMATH_Complex r = Csqrt({DBL_MAX, DBL_MAX});
    EXPECT_TRUE(std::isfinite(r.re));
    EXPECT_TRUE(std::isfinite(r.im));
    // sqrt(1 + i) = 1.0986841134678100 + 0.4550898605622274i
    EXPECT_NEAR(r.re / std::sqrt(DBL_MAX), 1.0986841134678100, 1e-14);
    EXPECT_NEAR(r.im / std::sqrt(DBL_MAX), 0.4550898605622274, 1e-14);
    r = Csqrt({-1e300, 1e-300});
    EXPECT_DOUBLE_EQ(r.im, 1e150);
}

TEST(VMATH_Complex, CabsIgnoresTinyComponentsAndScales) {
    EXPECT_EQ(Cabs({1e-10, 7.0}), 7.0);
    EXPECT_EQ(Cabs({7.0, -1e-10}), 7.0);
    EXPECT_DOUBLE_EQ(Cabs({3.0, 4.0}), 5.0);
    EXPECT_DOUBLE_EQ(Cabs({1e300, 1e300}), std::sqrt(2.0) * 1e300);
    EXPECT_EQ(Cabs({0.0, 0.0}), 0.0);
}

TEST(VMATH_Complex, CdivDividesBySmithsMethod) {
    VMATH_Complex q = Cdiv({1.0, 0.0}, {0.0, 1.0});
    EXPECT_EQ(q.re, 0.0);
    EXPECT_EQ(q.im, -1.0);
    q = Cdiv({11.0, 2.0}, {3.0, -4.0});  // (11+2i)/(3-4i) = 1 + 2i
    EXPECT_DOUBLE_EQ(q.re, 1.0);
    EXPECT_DOUBLE_EQ(q.im, 2.0);
    q = Cdiv({-5.0, 10.0}, {1.0, 2.0});  // |im| > |re| branch: 3 + 4i
    EXPECT_DOUBLE_EQ(q.re, 3.0);
    EXPECT_DOUBLE_EQ(q.im, 4.0);
    q = Cdiv({1e300, 1e300}, {1e300, 1e300});
    EXPECT_DOUBLE_EQ(q.re, 1.0);
    EXPECT_DOUBLE_EQ(q.im, 0.0);
}

TEST(VMATH_Complex, CdivByZeroGivesNonFiniteResults) {
    const VMATH_Complex q = Cdiv({1.0, 1.0}, {0.0, 0.0});
    EXPECT_FALSE(std::isfinite(q.re));
    EXPECT_FALSE(std::isfinite(q.im));
}
