#include <orvane/math/math_exception.h>
#include <orvane/math/poly_functions.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
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

TEST(VMATH_PolyFunctions, CubicAndQuarticMinMaxLookAtEndsAndCriticalPoints) {
    const VMATH_CubicPolynom f(1, 0, -3, 0);  // x³ − 3x
    Extremes e;
    F::calcCubicMinMax(f, -3, 3, e.lo, e.hi, e.xLo, e.xHi);
    e.expect(-18, -3, 18, 3);
    F::calcCubicMinMax(f, -1.5, 1.5, e.lo, e.hi, e.xLo, e.xHi);
    e.expect(-2, 1, 2, -1);
    F::calcCubicMinMax(f, 1.5, -1.5, e.lo, e.hi, e.xLo, e.xHi);  // bounds in either order
    e.expect(-2, 1, 2, -1);
    F::calcCubicMinMax(f, 0, 0.5, e.lo, e.hi);  // no critical point inside
    EXPECT_EQ(e.lo, f(0.5));
    EXPECT_EQ(e.hi, 0.0);
    // A falling line: the end values are exchanged together with their positions.
    F::calcCubicMinMax(VMATH_CubicPolynom(0, 0, -1, 0), 0, 1, e.lo, e.hi, e.xLo, e.xHi);
    e.expect(-1, 1, 0, 0);
    // A constant: the derivative solver returns −1 and only the ends count.
    F::calcCubicMinMax(VMATH_CubicPolynom(0, 0, 0, 4), -1, 1, e.lo, e.hi, e.xLo, e.xHi);
    e.expect(4, -1, 4, 1);

    const VMATH_Polynom<4> p{{0, 0, -2, 0, 1}};  // x⁴ − 2x²
    F::calcPolyMinMax(p, -2, 2, e.lo, e.hi, e.xLo, e.xHi);
    e.expect(-1, -1, 8, 2);  // the first of the two equal minima, ascending
    F::calcPolyMinMax(p, -0.5, 0.5, e.lo, e.hi);
    EXPECT_EQ(e.lo, p(0.5));
    EXPECT_EQ(e.hi, 0.0);
    for (double lead : {0.0, 5e-10}) {  // below relTol: the cubic x³ − 3x
        F::calcPolyMinMax(VMATH_Polynom<4>{{0, -3, 0, 1, lead}}, -1.5, 1.5, e.lo, e.hi, e.xLo,
                          e.xHi);
        e.expect(-2, 1, 2, -1);
    }
}

// The roots that laguer finds are checked through polyRoots below; here what the comparison
// with the written-out steps leaves out.
TEST(VMATH_PolyFunctions, NewtonSearchSucceedsFailsAndDetectsOscillation) {
    const VMATH_Polynom<4> p{{4, 0, -5, 0, 1}};
    double root = 0;
    EXPECT_EQ(F::findPolynomialRootNewton(p, 3, root, 1e-10), 1);
    EXPECT_NEAR(root, 2.0, 1e-10);
    // x³ − 5x from 1 jumps to −1 and back: the midpoint 0 is a root.
    EXPECT_EQ(F::findPolynomialRootNewton(VMATH_Polynom<4>{{0, -5, 0, 1}}, 1, root, 1e-10), 1);
    EXPECT_EQ(root, 0.0);
    // x³ − 2x + 2 from 0 cycles 0, 1, 0: the midpoint 0.5 is not a root.
    EXPECT_EQ(F::findPolynomialRootNewton(VMATH_Polynom<4>{{2, -2, 0, 1}}, 0, root, 1e-10), -1);
    EXPECT_EQ(root, 0.5);
    const VMATH_Polynom<4> none{{1, 0, 0, 0, 1}};  // x⁴ + 1 has no real root
    EXPECT_EQ(F::findPolynomialRootNewton(none, 0.7, root, 1e-10), -1);
    EXPECT_EQ(F::findPolynomialRootNewton(none, 0, root, 1e-10), -1);  // p′(0) = 0

    VMATH_Polynom<9> p9{{-512, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
    EXPECT_EQ(F::findPolynomialRootNewton(p9, 3, root, 1e-9), 1);
    EXPECT_NEAR(root, 2.0, 1e-12);
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

TEST(VMATH_PolyFunctions, MultipliesCoefficientArrays) {
    const double a[2] = {1, 1}, b[2] = {1, -1};
    double r[3];
    F::multiplyPolynomials(a, 1, b, 1, r);
    expectValues(r, {1, 0, -1}, 0);
    const double c[3] = {2, 3, 5}, seven[1] = {7};
    F::multiplyPolynomials(c, 2, seven, 0, r);
    expectValues(r, {14, 21, 35}, 0);
    // In place: (1 + 2x)(3 + x + x²) into the first factor's storage.
    double inPlace[4] = {1, 2, 0, 0};
    const double q[3] = {3, 1, 1};
    F::multiplyPolynomials(inPlace, 1, q, 2, inPlace);
    expectValues(inPlace, {3, 7, 3, 2}, 0);
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
