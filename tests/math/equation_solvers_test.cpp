// The C library's qsort comes first on purpose: the two-argument overload must live beside it.
#include <cstdlib>

#include <orvane/math/equation_solvers.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "support/cubic_reference.h"
#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

// What an output holds when the solver did not write it.
constexpr double kUnset = 12345.0;

}  // namespace

TEST(rSolveQE, FollowsTheCaseAnalysisAndThrowsThroughSignOnNaN) {
    // Linear and degenerate (everything below 1e-15); c == 0, then b == 0; the general case gives
    // the root of larger magnitude first, not sorted, and keeps the small root accurate where the
    // textbook form cancels.
    const struct {
        double a, b, c;
        long count;
        std::vector<double> roots;
    } cases[] = {{0, 0, 0, -1, {}},           {0, 0, 5, 0, {}},      {5e-16, 5e-16, 5e-16, -1, {}},
                 {0, 2, -4, 1, {2}},          {2, 6, 0, 2, {0, -3}}, {1, 0, 0, 1, {0}},
                 {1, 0, -4, 2, {2, -2}},      {1, 0, 4, 0, {}},      {1, -3, 2, 2, {2, 1}},
                 {1, 3, 2, 2, {-2, -1}},      {1, 2, 1, 1, {-1}},    {1, 1, 1, 0, {}},
                 {1, -1e8, 1, 2, {1e8, 1e-8}}};
    for (const auto& c : cases) {  // exactly the roots listed; outputs past the count unwritten
        double x[2] = {kUnset, kUnset};
        EXPECT_EQ(rSolveQE(c.a, c.b, c.c, &x[0], &x[1]), c.count)
            << c.a << " " << c.b << " " << c.c;
        std::vector<double> roots = c.roots;
        roots.resize(2, kUnset);
        EXPECT_EQ(x[0], roots[0]);
        EXPECT_EQ(x[1], roots[1]);
    }

    DumpCapture dump;
    double x1 = 0, x2 = 0;
    EXPECT_THROW(rSolveQE(1, kNaN, 1, &x1, &x2), VMATH_WrongNumber);
    EXPECT_EQ(dump.text(), "[\n]\n");
    EXPECT_EQ(rSolveQE(kNaN, 1, 1, &x1, &x2), 2);  // a NaN only in a gives NaN roots
    EXPECT_TRUE(std::isnan(x1));
}

TEST(cSolveQE, UsesTheTextbookFormulaAndClearsBothOutputs) {
    // (s − b)/2a first; no special case for c == 0; a NaN a is not >= eps: the linear case.
    const struct {
        double a, b, c;
        long count;
        std::vector<double> z;
    } cases[] = {{1, 0, 1, 2, {0, 1, 0, -1}},  {2, 2, 1, 2, {-0.5, 0.5, -0.5, -0.5}},
                 {1, 2, 1, 1, {-1, 0, 0, 0}},  {1, -3, 2, 2, {2, 0, 1, 0}},
                 {-1, 3, -2, 2, {1, 0, 2, 0}}, {2, 6, 0, 2, {0, 0, -3, 0}},
                 {0, 2, -4, 1, {2, 0, 0, 0}},  {0, 0, 3, 0, {0, 0, 0, 0}},
                 {0, 0, 0, -1, {0, 0, 0, 0}},  {kNaN, 2, -4, 1, {2, 0, 0, 0}}};
    for (const auto& c : cases) {  // both outputs (re, im) as listed
        _complex x1{kUnset, kUnset}, x2{kUnset, kUnset};
        EXPECT_EQ(cSolveQE(c.a, c.b, c.c, &x1, &x2), c.count) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ((std::vector<double>{x1.x, x1.y, x2.x, x2.y}), c.z);
    }
    _complex x1, x2;
    EXPECT_EQ(cSolveQE(1, kNaN, 1, &x1, &x2), 2);  // no throw
    EXPECT_TRUE(std::isnan(x1.x));
}

TEST(rSolveCE, GivesTheStraightforwardFormulasRootsBitForBit) {
    const std::vector<std::array<double, 4>> cubics = cubic_reference::testCubics();
    long mismatches = 0;
    for (const auto& [a, b, c, d] : cubics) {
        double x[3] = {kUnset, kUnset, kUnset};
        double expected[3] = {kUnset, kUnset, kUnset};
        const long count = rSolveCE(a, b, c, d, &x[0], &x[1], &x[2]);
        const long expectedCount = cubic_reference::rSolveCE(a, b, c, d, expected);
        bool same = count == expectedCount;
        // A NaN's sign and payload are not fixed by the source (a compiler folding an invalid
        // operation may pick another NaN than the processor), so any NaN matches any other.
        for (long i = 0; i < 3 && same; ++i)
            same = bitsOf(x[i]) == bitsOf(expected[i]) ||
                   (std::isnan(x[i]) && std::isnan(expected[i]));
        if (!same && ++mismatches <= 5)
            ADD_FAILURE() << a << " " << b << " " << c << " " << d << ": " << count << " roots";
    }
    EXPECT_EQ(mismatches, 0);
}
