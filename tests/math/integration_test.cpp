#include <orvane/math/integration.h>

#include <gtest/gtest.h>

#include <cmath>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

// Never settles: each value is the number of calls before it.
double callIndex(double, const double*) {
    return static_cast<double>(g_calls++);
}

}  // namespace

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

// The bisection stops at the first border whose integral is within eps of the target: for f = 1,
// target 0.3 and eps 0.01 that is 0.296875 (0.3125 is 0.0125 off).
TEST(rCompNIBorder, BisectsUntilTheIntegralIsWithinEpsOfTheTarget) {
    double border = -1;
    ASSERT_EQ(rCompNIBorder(0.3, &constantOne, nullptr, 0, 1, &border, 0.01), 0);
    EXPECT_EQ(border, 0.296875);
    ASSERT_EQ(rCompNIBorder(0.005, &constantOne, nullptr, 2, 3, &border, 0.01), 0);
    EXPECT_EQ(border, 2.0);  // a target below eps is the lower bound itself
}
