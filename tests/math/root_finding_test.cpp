#include <orvane/math/root_finding.h>

#include <gtest/gtest.h>

#include <cmath>

#include "support/math_checks.h"

namespace {

const double kTwo[] = {2.0};

double sine(double x, const double*) {
    ++g_calls;
    return std::sin(x);
}

double minusOne(double x, const double*) {
    ++g_calls;
    return x - 1.0;
}

// Signs chosen so that every secant pair has values +1 and -1: each new point is the middle of
// the last two, the points settle and the values never approach zero.
double alternating(double, const double*) {
    const long n = g_calls++;
    if (n < 3) return n == 0 ? 1.0 : -1.0;
    return n % 2 == 1 ? 1.0 : -1.0;
}

}  // namespace

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

// Arguments that give nothing to scan, steps lost in rounding and NaN values all end the scan;
// a hopelessly long one ends when its 2^27 evaluations are spent.
TEST(rCompFXEqZeroAll, EndsOnDegenerateArgumentsAndBoundsTheWork) {
    double roots[4] = {-7, -7, -7, -7};
    const struct {
        double a, b, d;
        long found;
    } cases[] = {{0, 4, 0, 1}, {1, 4, -1, 0}, {1, 4, kNaN, 0}, {4, 1, 0.01, 0}, {kNaN, 1, 0.01, 0}};
    for (const auto& c : cases) {
        g_calls = 0;
        EXPECT_EQ(rCompFXEqZeroAll(&sine, nullptr, c.a, c.b, 1, c.d, roots, 4ul, 1e-12), c.found);
        EXPECT_EQ(g_calls, 1) << c.a << " " << c.b << " " << c.d;
    }
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 1e20, 2e20, 1e300, 1, roots, 4ul, 1e-9), 0);
    EXPECT_EQ(g_calls, 1);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroAll(&notANumber, nullptr, 0, 1, 1, 0.01, roots, 4ul, 1e-9), 0);
    EXPECT_LE(g_calls, 102);
    g_calls = 0;
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 0, 1e300, 1e300, 1, roots, 4ul, 1e-9), 0);
    EXPECT_EQ(g_calls, 1L << 27);
}

namespace {

// (5x − 4)²/16: a double root at 0.8, and exact values 1 at 0 and 1/16 at 1.
double touching(double x, const double*) {
    ++g_calls;
    return (5 * x - 4) * (5 * x - 4) / 16;
}

}  // namespace

// |f(a)| below eps makes a a root; and a step of exactly |f|/c = d is no root-free jump, so the
// touching root behind it is searched for: from 0 the scan jumps to 1, where 1/16 = d.
TEST(rCompFXEqZeroAll, TakesARootAtTheStartAndSearchesBehindAStepOfExactlyD) {
    double roots[2] = {-7, -7};
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 0, 1, 1, 0.5, roots, 2ul, 1.5), 1);
    EXPECT_EQ(roots[0], 0.0);
    EXPECT_EQ(rCompFXEqZeroAll(&constantOne, nullptr, 0, 1, 1, 0.5, roots, 2ul, 1.0), 0);
    ASSERT_EQ(rCompFXEqZeroAll(&touching, nullptr, 0, 1.1, 1, 0.0625, roots, 2ul, 1e-9), 1);
    EXPECT_NEAR(roots[0], 0.8, 1e-4);
}
