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

double root(double x, const double*) {
    return std::sqrt(x);
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

TEST(rSolveNI, ThrowsWithTheLastEstimateWhenTheStepGetsTooSmallOrTheEvaluationsRunOut) {
    DumpCapture dump;
    double result = 0;
    // w = 1, eps = 0.5: the fifth halving gives h < 0.005 and throws before evaluating anything.
    g_calls = 0;
    EXPECT_THROW(rSolveNI(&callIndex, nullptr, 0, 1, &result, 0.5), VMATH_DivergenceIntegralSol);
    EXPECT_EQ(g_calls, 16 * (1 + 2 + 4 + 8 + 16));
    // The previous estimate: 64 panels of step 1/192 over the call indices 240 .. 495.
    EXPECT_DOUBLE_EQ(result, 367.5);
    EXPECT_EQ(dump.take(), "[\n]\n");

    // A step that never falls below 0.01·eps: the refinements go on until the 2^27 evaluations
    // are spent, in the 23rd, and the 22nd estimate is stored.
    g_calls = 0;
    result = 0;
    EXPECT_THROW(rSolveNI(&callIndex, nullptr, 0, 1, &result, -5.0), VMATH_DivergenceIntegralSol);
    EXPECT_EQ(g_calls, 1L << 27);
    // The 22nd pass saw the indices from 16·(2^22 − 1) on, 16·2^22 of them: its estimate is their
    // weighted mean, the first plus half their number less 0.5.
    const double first = 16.0 * ((1L << 22) - 1);
    EXPECT_NEAR(result, first + 8.0 * (1L << 22) - 0.5, 1e-9 * first);
    // Near 1e20 the spacing of doubles is 16384: after a few halvings 3h no longer moves x.
    g_calls = 0;
    result = -1;
    EXPECT_THROW(rSolveNI(&callIndex, nullptr, 1e20, 1e20 + 1e6, &result, 1e-9),
                 VMATH_DivergenceIntegralSol);
    EXPECT_LT(g_calls, 2000);
    EXPECT_GT(result, 0.0);
}

// Refinements the step rule allows run to their end, however many: sqrt on [0, 1] needs 22 of
// them (134,217,712 evaluations, 16 fewer than the budget), and the border search below, whose
// first half integrates sqrt on [0, 2] at 1e-11, needs 100,663,264.
TEST(rSolveNI, RunsEveryRefinementTheStepRuleAllows) {
    double result = 0;
    EXPECT_EQ(rSolveNI(&root, nullptr, 0, 1, &result, 1e-12), 0);
    EXPECT_NEAR(result, 0.666666666666353, 1e-15);
    EXPECT_EQ(rCompNIBorder(2.0 / 3, &root, nullptr, 0, 4, &result, 1e-9), 0);
    EXPECT_EQ(result, 1.0);  // middles 2, then 1
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
    // eps 0: the bracket halves until its middle is a border and the steps repeat.
    EXPECT_THROW(rCompNIBorder(1.0 / 3, &constantOne, nullptr, 0, 8, &border, 0),
                 VMATH_DivergenceIntegralSol);
    EXPECT_EQ(border, -1.0);
}
