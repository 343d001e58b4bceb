#include <orvane/math/integration.h>

#include <gtest/gtest.h>

#include <cmath>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

double scaled(double x, const double* p) {
    ++g_calls;
    return p[0] * x;
}

// Never settles: each value is the number of calls before it.
double callIndex(double, const double*) {
    return static_cast<double>(g_calls++);
}

}  // namespace

TEST(rSolveNI, IntegratesACubicExactlyAndLeavesTheResultUnwrittenOnNarrowBordersOrNullPointers) {
    g_calls = 0;
    double result = -1;
    EXPECT_EQ(rSolveNI(&square, nullptr, 0, 3, &result, 1e-9), 0);
    EXPECT_NEAR(result, 9.0, 1e-12);
    EXPECT_EQ(g_calls, 16 + 32);  // four panels, then eight, all points evaluated afresh

    const double two[] = {2.0};
    EXPECT_EQ(rSolveNI(&scaled, two, -1, 3, &result, 1e-9), 0);  // params reach the function
    EXPECT_NEAR(result, 8.0, 1e-12);

    g_calls = 0;
    result = 42;
    EXPECT_EQ(rSolveNI(&square, nullptr, 0, 1e-12, &result, 1e-9), 0);
    EXPECT_EQ(rSolveNI(&square, nullptr, 3, 0, &result, 1e-9), 0);
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(rSolveNI(nullptr, nullptr, 0, 1, &result, 1e-9), -1);
    EXPECT_EQ(rSolveNI(&square, nullptr, 0, 1, nullptr, 1e-9), -1);
    EXPECT_EQ(result, 42.0);
}

TEST(rSolveNI, ThrowsWithTheLastEstimateWhenTheStepGetsTooSmallOrTheRefinementsRunOut) {
    DumpCapture dump;
    double result = 0;
    // w = 1, eps = 0.5: the fifth halving gives h < 0.005 and throws before evaluating anything.
    g_calls = 0;
    EXPECT_THROW(rSolveNI(&callIndex, nullptr, 0, 1, &result, 0.5), VMATH_DivergenceIntegralSol);
    EXPECT_EQ(g_calls, 16 * (1 + 2 + 4 + 8 + 16));
    // The previous estimate: 64 panels of step 1/192 over the call indices 240 .. 495.
    EXPECT_DOUBLE_EQ(result, 367.5);
    EXPECT_EQ(dump.take(), "[\n]\n");

    for (double eps : {1e-300, -5.0}) {  // sixteen refinements at most, whatever eps
        g_calls = 0;
        result = 0;
        EXPECT_THROW(rSolveNI(&callIndex, nullptr, 0, 1, &result, eps),
                     VMATH_DivergenceIntegralSol);
        EXPECT_EQ(g_calls, 16 * ((1L << 17) - 1));
        EXPECT_GT(result, 0.0);
    }
    // Near 1e20 the spacing of doubles is 16384: after a few halvings 3h no longer moves x.
    g_calls = 0;
    result = -1;
    EXPECT_THROW(rSolveNI(&callIndex, nullptr, 1e20, 1e20 + 1e6, &result, 1e-9),
                 VMATH_DivergenceIntegralSol);
    EXPECT_LT(g_calls, 2000);
    EXPECT_GT(result, 0.0);
}

TEST(rSolveNI, NaNFromTheFunctionOrTheBordersEndsWithANaNResult) {
    g_calls = 0;
    double result = 0;
    EXPECT_EQ(rSolveNI(&notANumber, nullptr, 0, 1, &result, 1e-9), 0);
    EXPECT_TRUE(std::isnan(result));
    EXPECT_EQ(g_calls, 48);
    EXPECT_EQ(rSolveNI(&square, nullptr, 0, kInf, &result, 1e-9), 0);
    EXPECT_TRUE(std::isnan(result));
    EXPECT_EQ(rSolveNI(&square, nullptr, kNaN, 1, &result, 1e-9), 0);
    EXPECT_TRUE(std::isnan(result));
    EXPECT_EQ(rSolveNI(&square, nullptr, 0, 3, &result, kNaN), 0);
    EXPECT_NEAR(result, 9.0, 1e-12);  // a NaN eps accepts the first refinement
}

TEST(rCompNIBorder, BisectsTheUpperBorderAndThrowsWhenTheBracketCannotNarrowFurther) {
    double border = -1;
    EXPECT_EQ(rCompNIBorder(2, &constantOne, nullptr, 0, 8, &border, 1e-9), 0);
    EXPECT_EQ(border, 2.0);  // middles 4, then 2
    EXPECT_EQ(rCompNIBorder(9, &square, nullptr, 0, 8, &border, 1e-9), 0);
    EXPECT_NEAR(border, 3.0, 1e-9);
    EXPECT_EQ(rCompNIBorder(5e-10, &square, nullptr, 1, 8, &border, 1e-9), 0);
    EXPECT_EQ(border, 1.0);  // |target| < eps gives a
    EXPECT_EQ(rCompNIBorder(-5e-10, &square, nullptr, 7, 8, &border, 1e-9), 0);
    EXPECT_EQ(border, 7.0);
    EXPECT_EQ(rCompNIBorder(1, nullptr, nullptr, 0, 8, &border, 1e-9), -1);

    DumpCapture dump;
    border = -1;
    g_calls = 0;
    // A negative target makes the upper border a at once.
    EXPECT_THROW(rCompNIBorder(-1, &constantOne, nullptr, 0, 8, &border, 1e-9),
                 VMATH_DivergenceIntegralSol);
    EXPECT_EQ(g_calls, 0);
    // More than the whole interval holds; reversed; NaN from the function; an infinite border.
    const struct {
        double target;
        double (*f)(double, const double*);
        double a, b, eps;
    } cases[] = {{20, &constantOne, 0, 8, 1e-3},
                 {2, &constantOne, 8, 0, 1e-9},
                 {2, &notANumber, 0, 8, 1e-9},
                 {2, &constantOne, 0, kInf, 1e-9}};
    for (const auto& c : cases) {
        EXPECT_THROW(rCompNIBorder(c.target, c.f, nullptr, c.a, c.b, &border, c.eps),
                     VMATH_DivergenceIntegralSol)
            << c.target << " " << c.a << " " << c.b;
    }
    g_calls = 0;  // eps 0: the bracket halves until its middle is a border
    EXPECT_THROW(rCompNIBorder(1.0 / 3, &constantOne, nullptr, 0, 8, &border, 0),
                 VMATH_DivergenceIntegralSol);
    EXPECT_LE(g_calls, 10000000);
    EXPECT_EQ(border, -1.0);
}
