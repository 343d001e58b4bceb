#include <orvane/math/math_exception.h>
#include <orvane/math/poly_functions.h>
#include <orvane/math/tolerances.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

using F = VMATH_PolyFunctions;

// Runs work, which may end in VMATH_WrongNumber (NaN reaching sign()) but in nothing else.
template <class Work>
void mayThrowWrongNumber(Work work) {
    try {
        work();
    } catch (const VMATH_WrongNumber&) {
    }
}

struct Extremes {
    double lo = kNaN, hi = kNaN, xLo = kNaN, xHi = kNaN;
    void expect(double l, double xl, double h, double xh) const {
        EXPECT_EQ(lo, l);
        EXPECT_EQ(xLo, xl);
        EXPECT_EQ(hi, h);
        EXPECT_EQ(xHi, xh);
    }
};

}  // namespace

TEST(VMATH_PolyFunctions, SolvesLinearQuadraticAndCubicEquations) {
    double x = 99;
    EXPECT_EQ(F::solveLinear(2, -4, x), 1);
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(F::solveLinear(5e-10, 1, x), 0);  // below relTol counts as zero
    EXPECT_EQ(F::solveLinear(0, 0, x), -1);
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(F::solveLinear(1e-9, 1e-9, x), 1);  // relTol itself is not zero
    EXPECT_EQ(x, -1.0);

    double x1 = 0, x2 = 0;
    EXPECT_EQ(F::solveQuadratic(1, -3, 2, x1, x2), 2);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, 1.0);
    EXPECT_EQ(F::solveQuadratic(5e-10, 1, -1, x1, x2), 2);  // rSolveQE's zero is 1e-15

    for (const VMATH_CubicPolynom& f :
         {VMATH_CubicPolynom(1, -6, 11, -6), VMATH_CubicPolynom(1, 2, 1, 0),
          VMATH_CubicPolynom(0, 1, -3, 2), VMATH_CubicPolynom(1, -3, 6, -4)}) {
        double mine[3] = {0, 0, 0}, own[3] = {0, 0, 0};
        ASSERT_EQ(F::solveCubic(f, mine), f.findRoots(own));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(mine[i], own[i]);
    }
}

TEST(VMATH_PolyFunctions, QuarticPolyRootsReportsCrossingsOnlyFallsBackAndFails) {
    const struct {
        VMATH_Polynom<4> p;
        long count;
        std::vector<double> roots;
        double tol;
    } cases[] = {
        {{{4, 0, -5, 0, 1}}, 4, {-2, -1, 1, 2}, 1e-9},
        {{{-4, 0, 5, 0, -1}}, 4, {-2, -1, 1, 2}, 1e-9},  // opening downwards
        {{{1, 0, 0, 0, 1}}, 0, {}, 0},                   // x⁴ + 1
        {{{1, 0, -2, 0, 1}}, 0, {}, 0},                  // (x² − 1)²
        {{{-6, 11, -3, -3, 1}}, 2, {-2, 3}, 1e-9},  // (x − 1)²(x + 2)(x − 3): 1 only touches
        {{{-6, 11, -6, 1, 5e-10}}, 3, {1, 2, 3}, 1e-12},  // the cubic
        {{{2, -3, 1}}, 2, {2, 1}, 0},                     // the unsorted quadratic
        {{}, -1, {}, 0},                                  // the zero polynomial
        // x⁴ − 3e12: near ±1316 the value cannot get within the Newton tolerance 1e-10.
        {{{-3e12, 0, 0, 0, 1}}, -1, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.p[0] << " " << c.p[1] << " " << c.p[2] << " " << c.p[3] << " " << c.p[4]);
        double r[4];
        ASSERT_EQ(F::polyRoots(c.p, r), c.count);
        for (std::size_t i = 0; i < c.roots.size(); ++i)
            EXPECT_NEAR(r[i], c.roots[i], c.tol) << "root " << i;
    }
}

TEST(VMATH_PolyFunctions, EveryRoutineStopsOnNonFiniteCoefficients) {
    DumpCapture dump;  // sign() announces the exceptions it throws
    for (double v : {kNaN, kInf, -kInf}) {
        for (int at = 0; at < 5; ++at) {
            VMATH_Polynom<4> p{{1, -2, 3, -4, 5}};
            p[at] = v;
            std::vector<VMATH_Complex> ca = toComplex({p[0], p[1], p[2], p[3], p[4]});
            double r[4], lo, hi, root;
            VMATH_Complex z[4];
            EXPECT_EQ(F::polyRoots(ca.data(), 4, z, true), -1) << v << " at " << at;
            const long n = F::polyRoots(p.coef, 4, r, -10, 10, true);
            EXPECT_TRUE(n >= 0 && n <= 4);
            F::findPolynomialRootNewton(p, 0.5, root, 1e-10);
            mayThrowWrongNumber([&] {
                const long k = F::polyRoots(p, r);
                EXPECT_TRUE(k >= -1 && k <= 4);
            });
            mayThrowWrongNumber([&] { F::calcPolyMinMax(p, -1, 1, lo, hi); });
            mayThrowWrongNumber([&] {
                F::calcCubicMinMax(VMATH_CubicPolynom(p[3], p[2], p[1], p[0]), -1, 1, lo, hi);
            });
        }
    }
}

// A critical point up to relTol outside the bounds still counts: x³ + x² on [relTol/2, 3] has its
// minimum 0 at the critical point 0 itself (the ends read in either order).
TEST(VMATH_PolyFunctions, MinMaxCountsACriticalPointWithinRelTolOutsideTheBounds) {
    const VMATH_CubicPolynom f(1, 1, 0, 0);
    const double x1 = 0.5 * V_Tolerances::getRelTol();
    for (const auto& [from, to] : {std::pair{x1, 3.0}, std::pair{3.0, x1}}) {
        double lo, hi, xLo, xHi;
        VMATH_PolyFunctions::calcCubicMinMax(f, from, to, lo, hi, xLo, xHi);
        EXPECT_EQ(xLo, 0.0);
        EXPECT_EQ(lo, 0.0);
        EXPECT_EQ(xHi, 3.0);
        EXPECT_EQ(hi, 36.0);
    }
}
