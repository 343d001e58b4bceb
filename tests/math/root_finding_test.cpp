#include <orvane/math/root_finding.h>

#include <gtest/gtest.h>

#include <cmath>

#include "support/math_checks.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kTwo[] = {2.0};

double minusOne(double x, const double*) {
    ++g_calls;
    return x - 1.0;
}

double sine(double x, const double*) {
    ++g_calls;
    return std::sin(x);
}

double touching(double x, const double*) {
    ++g_calls;
    return (x - 1.0) * (x - 1.0);
}

double pole(double x, const double*) {
    ++g_calls;
    return 1.0 / x;
}

// Signs chosen so that every secant pair has values +1 and -1: each new point is the middle of
// the last two, the points settle and the values never approach zero.
double alternating(double, const double*) {
    const long n = g_calls++;
    if (n < 3) return n == 0 ? 1.0 : -1.0;
    return n % 2 == 1 ? 1.0 : -1.0;
}

}  // namespace

TEST(rCompFXEqZeroRF, FindsARootInABracketWithASignChangeAndEndsOnPolesNaNAndUnreachableEps) {
    double root = -1;
    EXPECT_EQ(rCompFXEqZeroRF(&square, kTwo, 0, 2, &root, 1e-12), 0);
    EXPECT_LE(std::fabs(root * root - 2.0), 1e-12);
    EXPECT_EQ(rCompFXEqZeroRF(&square, kTwo, 2, 0, &root, 1e-12), 0);  // either order
    EXPECT_NEAR(root, std::sqrt(2.0), 1e-12);

    root = -1;
    EXPECT_EQ(rCompFXEqZeroRF(&square, kTwo, 2, 3, &root, 1e-12), 1);
    EXPECT_EQ(root, -1.0);  // nothing written
    const double four[] = {4.0};
    EXPECT_EQ(rCompFXEqZeroRF(&square, four, 2, 3, &root, 1e-12), 0);  // f(a) == 0
    EXPECT_EQ(root, 2.0);
    // Tiny values of like sign are not a sign change, though their product underflows.
    const double tiny[] = {-1e-200};
    EXPECT_EQ(rCompFXEqZeroRF(&square, tiny, -1e-100, 1e-100, &root, 0), 1);
    EXPECT_EQ(rCompFXEqZeroRF(nullptr, kTwo, 0, 2, &root, 1e-12), -1);

    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroRF(&pole, nullptr, -1, 2, &root, 1e-9), 1);
    EXPECT_EQ(g_calls, 4);  // -1, 2, 1, then 0: 1/0 makes the next estimate NaN
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroRF(&notANumber, nullptr, -1, 2, &root, 1e-9), 1);
    EXPECT_EQ(g_calls, 2);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroRF(&square, kTwo, 0, 2, &root, -1), 1);
    EXPECT_EQ(g_calls, 1L << 27);  // every evaluation the budget allows
    EXPECT_NEAR(root, std::sqrt(2.0), 1e-12);  // the last estimate
}

TEST(rCompFXEqZeroInt, SecantConvergesReportsDivergenceAndEndsWithoutConvergence) {
    double root = -1;
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroInt(&minusOne, nullptr, 0, 3, &root, 1e-9), 0);
    EXPECT_EQ(root, 1.0);
    EXPECT_EQ(g_calls, 4);  // f(x0), f(x1) and two iterations
    EXPECT_EQ(rCompFXEqZeroInt(&square, kTwo, 1, 2, &root, 1e-12), 0);
    EXPECT_NEAR(root, std::sqrt(2.0), 1e-12);
    EXPECT_EQ(rCompFXEqZeroInt(&minusOne, nullptr, 0, 3, nullptr, 1e-9), -1);

    const double slope[] = {-10000.0};
    // f(x) = x² + 10000 has no root: the first step lands far beyond five times |x0 - x1|.
    EXPECT_EQ(rCompFXEqZeroInt(&square, slope, 0, 1, &root, 1e-9), 1);
    EXPECT_LT(root, -5.0);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroInt(&alternating, nullptr, 0, 1, &root, 1e-9), 1);
    EXPECT_EQ(g_calls, 1L << 27);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroInt(&notANumber, nullptr, 0, 1, &root, 1e-9), 1);
    EXPECT_LE(g_calls, 3);
    EXPECT_EQ(rCompFXEqZeroInt(&constantOne, nullptr, 0, 1, &root, 1e-9), 1);  // -1/0
    EXPECT_TRUE(std::isinf(root));
    EXPECT_EQ(rCompFXEqZeroInt(&constantOne, nullptr, 1, 1, &root, 1e-9), 1);  // 0/0
    EXPECT_TRUE(std::isnan(root));
}

TEST(rCompFXEqZeroAll, ScansForRootsInOrderIncludingTouchingOnes) {
    double roots[8], same[8];
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, -0.5, 7, 1, 0.01, roots, 8ul, 1e-12), 3);
    expectValues(roots, {0, kPi, 2 * kPi}, 1e-12);
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, -0.5, 7, 1, 0.01, same, 1e-12), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(same[i], roots[i]);

    // A root at a itself comes first; the zero sample is no sign change afterwards.
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, 0, 4, 1, 0.01, roots, 8ul, 1e-12), 2);
    EXPECT_EQ(roots[0], 0.0);
    EXPECT_NEAR(roots[1], kPi, 1e-12);
    // No sign change at a touching root: the secant finds it.
    EXPECT_EQ(rCompFXEqZeroAll(&touching, nullptr, 0, 3, 4, 0.01, roots, 4ul, 1e-10), 1);
    EXPECT_NEAR(roots[0], 1.0, 1e-5);
}

TEST(rCompFXEqZeroAll, StopsWhenFullScansNothingOnDegenerateArgumentsAndBoundsTheWork) {
    double roots[4] = {-7, -7, -7, -7};
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, -0.5, 7, 1, 0.01, roots, 2ul, 1e-12), 2);
    EXPECT_NEAR(roots[1], kPi, 1e-12);
    EXPECT_EQ(roots[2], -7.0);
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, 0, 4, 1, 0.01, roots, 1ul, 1e-12), 1);
    EXPECT_EQ(roots[1], kPi);  // unchanged from the scan before
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, 0, 4, 1, 0.01, roots, 0ul, 1e-12), 0);
    EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, 0, 4, 1, 0.01, nullptr, 1e-12), 0);

    // d not positive, b below a, NaN borders: only the test at a, each time.
    const struct {
        double a, b, d;
        long found;
    } cases[] = {{0, 4, 0, 1}, {1, 4, -1, 0}, {1, 4, kNaN, 0}, {4, 1, 0.01, 0}, {kNaN, 1, 0.01, 0}};
    for (const auto& c : cases) {
        g_calls = 0;
        EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, c.a, c.b, 1, c.d, roots, 4ul, 1e-12), c.found);
        EXPECT_EQ(g_calls, 1) << c.a << " " << c.b << " " << c.d;
    }
    EXPECT_EQ(roots[1], kPi);

    g_calls = 0;
    // Steps lost in rounding: near 1e20 a step of 1 does not move x.
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 1e20, 2e20, 1e300, 1, roots, 4ul, 1e-9), 0);
    EXPECT_EQ(g_calls, 1);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroAll(&notANumber, nullptr, 0, 1, 1, 0.01, roots, 4ul, 1e-9), 0);
    EXPECT_LE(g_calls, 102);
    g_calls = 0;
    // A hopelessly long scan ends when its 2^27 evaluations are spent.
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 0, 1e300, 1e300, 1, roots, 4ul, 1e-9), 0);
    EXPECT_EQ(g_calls, 1L << 27);
    // Poles are sign changes without a root: regula falsi gives up on each.
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroAll(&pole, nullptr, -1, 1, 1e9, 0.1, roots, 4ul, 1e-9), 0);
    EXPECT_LE(g_calls, 1L << 27);
}
