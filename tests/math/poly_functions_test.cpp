#include <orvane/math/math_exception.h>
#include <orvane/math/poly_functions.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/dump_capture.h"

namespace {

using F = VMATH_PolyFunctions;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Complex coefficients from real ones.
template <int M>
void toComplex(const double (&real)[M], VMATH_Complex (&out)[M]) {
    for (int i = 0; i < M; ++i)
        out[i] = VMATH_Complex{real[i], 0.0};
}

}  // namespace

TEST(VMATH_PolyFunctions, SolvesLinearAndQuadraticEquations) {
    double x = 99;
    EXPECT_EQ(F::solveLinear(2, -4, x), 1);
    EXPECT_EQ(x, 2.0);
    x = 99;
    EXPECT_EQ(F::solveLinear(5e-10, 1, x), 0);  // below relTol counts as zero
    EXPECT_EQ(F::solveLinear(0, 0, x), -1);
    EXPECT_EQ(F::solveLinear(1e-9, 0, x), 1);  // relTol itself is not zero
    EXPECT_EQ(x, -0.0);
    EXPECT_EQ(F::solveLinear(kNaN, 1, x), 0);

    double x1 = 0, x2 = 0;
    EXPECT_EQ(F::solveQuadratic(1, -3, 2, x1, x2), 2);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, 1.0);
    // rSolveQE's 1e-15: a leading 5e-10 still makes a quadratic here.
    EXPECT_EQ(F::solveQuadratic(5e-10, 1, -1, x1, x2), 2);
    EXPECT_EQ(F::solveQuadratic(0, 0, 0, x1, x2), -1);
}

TEST(VMATH_PolyFunctions, SolveCubicIsTheCubicsOwnRootFinder) {
    const VMATH_CubicPolynom cases[] = {
        VMATH_CubicPolynom(1, -6, 11, -6), VMATH_CubicPolynom(1, 0, 0, 0),
        VMATH_CubicPolynom(1, 2, 1, 0),    VMATH_CubicPolynom(0, 1, -3, 2),
        VMATH_CubicPolynom(1, -3, 6, -4),  VMATH_CubicPolynom(1, 0, -3, 2),
    };
    for (const VMATH_CubicPolynom& f : cases) {
        double mine[3] = {0, 0, 0}, theirs[3] = {0, 0, 0};
        const long n = F::solveCubic(f, mine);
        ASSERT_EQ(n, f.findRoots(theirs));
        for (long i = 0; i < n; ++i)
            EXPECT_EQ(mine[i], theirs[i]);
    }
    double x[3];
    EXPECT_EQ(F::solveCubic(VMATH_CubicPolynom(1, 0, 1, 0), x), 1);
    EXPECT_EQ(x[0], 0.0);
}

TEST(VMATH_PolyFunctions, CubicMinMaxLooksAtEndsAndCriticalPoints) {
    const VMATH_CubicPolynom f(1, 0, -3, 0);  // x³ − 3x
    double lo, hi, xLo, xHi;
    F::calcCubicMinMax(f, -3, 3, lo, hi, xLo, xHi);
    EXPECT_EQ(lo, -18.0);
    EXPECT_EQ(hi, 18.0);
    EXPECT_EQ(xLo, -3.0);
    EXPECT_EQ(xHi, 3.0);
    F::calcCubicMinMax(f, -1.5, 1.5, lo, hi, xLo, xHi);
    EXPECT_EQ(lo, -2.0);
    EXPECT_EQ(xLo, 1.0);
    EXPECT_EQ(hi, 2.0);
    EXPECT_EQ(xHi, -1.0);
    F::calcCubicMinMax(f, 1.5, -1.5, lo, hi, xLo, xHi);  // bounds in either order
    EXPECT_EQ(lo, -2.0);
    EXPECT_EQ(hi, 2.0);
    F::calcCubicMinMax(f, 0, 0.5, lo, hi);  // no critical point inside
    EXPECT_EQ(lo, f(0.5));
    EXPECT_EQ(hi, 0.0);

    // A falling line: the end values are exchanged together with their positions.
    F::calcCubicMinMax(VMATH_CubicPolynom(0, 0, -1, 0), 0, 1, lo, hi, xLo, xHi);
    EXPECT_EQ(lo, -1.0);
    EXPECT_EQ(xLo, 1.0);
    EXPECT_EQ(hi, 0.0);
    EXPECT_EQ(xHi, 0.0);
    // A constant: the derivative solver returns −1 and only the ends count.
    F::calcCubicMinMax(VMATH_CubicPolynom(0, 0, 0, 4), -1, 1, lo, hi, xLo, xHi);
    EXPECT_EQ(lo, 4.0);
    EXPECT_EQ(hi, 4.0);
    EXPECT_EQ(xLo, -1.0);
    EXPECT_EQ(xHi, 1.0);
}

TEST(VMATH_PolyFunctions, QuarticMinMaxAndItsCubicFallback) {
    const VMATH_Polynom<4> p{{0, 0, -2, 0, 1}};  // x⁴ − 2x²
    double lo, hi, xLo, xHi;
    F::calcPolyMinMax(p, -2, 2, lo, hi, xLo, xHi);
    EXPECT_EQ(lo, -1.0);
    EXPECT_EQ(xLo, -1.0);  // the first of two equal minima, in ascending order
    EXPECT_EQ(hi, 8.0);
    EXPECT_EQ(xHi, 2.0);
    F::calcPolyMinMax(p, -0.5, 0.5, lo, hi);
    EXPECT_EQ(lo, p(0.5));
    EXPECT_EQ(hi, 0.0);

    for (double lead : {0.0, 5e-10}) {  // below relTol: the cubic x³ − 3x
        const VMATH_Polynom<4> c{{0, -3, 0, 1, lead}};
        F::calcPolyMinMax(c, -1.5, 1.5, lo, hi, xLo, xHi);
        EXPECT_EQ(lo, -2.0);
        EXPECT_EQ(xLo, 1.0);
        EXPECT_EQ(hi, 2.0);
        EXPECT_EQ(xHi, -1.0);
    }
}

TEST(VMATH_PolyFunctions, LaguerImprovesOneEstimate) {
    const VMATH_Complex a[3] = {{1, 0}, {0, 0}, {1, 0}};  // x² + 1
    VMATH_Complex x{0, 0};
    EXPECT_EQ(F::laguer(a, 2, x, 1e-8, false), 0);
    EXPECT_NEAR(x.re, 0.0, 1e-12);
    EXPECT_NEAR(x.im, 1.0, 1e-12);

    const VMATH_Complex b[4] = {{-6, 0}, {11, 0}, {-6, 0}, {1, 0}};
    x = VMATH_Complex{2.9, 0};
    EXPECT_EQ(F::laguer(b, 3, x, 1e-10, true), 0);
    EXPECT_NEAR(x.re, 3.0, 1e-12);
    EXPECT_EQ(x.im, 0.0);

    x = VMATH_Complex{3.0, 0};  // already a root: x stays exactly as it was
    EXPECT_EQ(F::laguer(b, 3, x, 1e-10, true), 0);
    EXPECT_EQ(x.re, 3.0);

    x = VMATH_Complex{0.5, 0.5};
    EXPECT_EQ(F::laguer(b, 0, x, 1e-8, false), -1);  // no degree to work with
    EXPECT_EQ(x.re, 0.5);
    EXPECT_EQ(x.im, 0.5);

    const VMATH_Complex bad[3] = {{kNaN, 0}, {0, 0}, {1, 0}};
    x = VMATH_Complex{0, 0};
    EXPECT_EQ(F::laguer(bad, 2, x, 1e-8, false), -1);  // 100 iterations, then −1
}

TEST(VMATH_PolyFunctions, ComplexPolyRootsSortsByRealPart) {
    VMATH_Complex a[3] = {{1, 0}, {0, 0}, {1, 0}};  // x² + 1
    VMATH_Complex z[3];
    ASSERT_EQ(F::polyRoots(a, 2, z, true), 0);
    // Equal real parts keep the order they were found in: −i (last found) sits first.
    EXPECT_NEAR(z[0].re, 0.0, 1e-12);
    EXPECT_NEAR(z[0].im, -1.0, 1e-12);
    EXPECT_NEAR(z[1].re, 0.0, 1e-12);
    EXPECT_NEAR(z[1].im, 1.0, 1e-12);

    VMATH_Complex c[4];
    toComplex({-6.0, 11.0, -6.0, 1.0}, c);
    for (bool polish : {true, false}) {
        ASSERT_EQ(F::polyRoots(c, 3, z, polish), 0);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(z[i].re, i + 1.0, 1e-12);
            EXPECT_EQ(z[i].im, 0.0);  // within 2e-8·|re| becomes exactly 0
        }
    }

    // (x − 2)(x² + 2x + 5): −1 ± 2i, then 2.
    toComplex({-10.0, 1.0, 0.0, 1.0}, c);
    ASSERT_EQ(F::polyRoots(c, 3, z, true), 0);
    EXPECT_NEAR(z[0].re, -1.0, 1e-12);
    EXPECT_NEAR(std::fabs(z[0].im), 2.0, 1e-12);
    EXPECT_NEAR(z[1].re, -1.0, 1e-12);
    EXPECT_NEAR(z[1].im, -z[0].im, 1e-12);
    EXPECT_NEAR(z[2].re, 2.0, 1e-12);

    // Complex coefficients: (x − i)(x − 2 − i) = x² − (2 + 2i)x + (−1 + 2i).
    const VMATH_Complex d[3] = {{-1, 2}, {-2, -2}, {1, 0}};
    ASSERT_EQ(F::polyRoots(d, 2, z, true), 0);
    EXPECT_NEAR(z[0].re, 0.0, 1e-12);
    EXPECT_NEAR(z[0].im, 1.0, 1e-12);
    EXPECT_NEAR(z[1].re, 2.0, 1e-12);
    EXPECT_NEAR(z[1].im, 1.0, 1e-12);
}

TEST(VMATH_PolyFunctions, ComplexPolyRootsRefusesAndFails) {
    VMATH_Complex a[11] = {};
    a[10] = VMATH_Complex{1, 0};
    VMATH_Complex z[10];
    EXPECT_EQ(F::polyRoots(a, 10, z, true), -1);  // degree above 9
    a[9] = VMATH_Complex{1, 0};
    a[0] = VMATH_Complex{-1, 0};
    EXPECT_EQ(F::polyRoots(a, 9, z, false), 0);  // x⁹ − 1 is still taken
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(Cabs(z[i]), 1.0, 1e-9);
        if (i > 0) {
            EXPECT_LE(z[i - 1].re, z[i].re);
        }
    }
    EXPECT_NEAR(z[8].re, 1.0, 1e-8);            // unpolished
    EXPECT_EQ(F::polyRoots(a, 0, z, true), 0);  // a constant: nothing to find

    // x³ − 8: at the start value 0 both p′ and p″ vanish, so the first step turns aside.
    VMATH_Complex cube[4];
    toComplex({-8.0, 0.0, 0.0, 1.0}, cube);
    ASSERT_EQ(F::polyRoots(cube, 3, z, true), 0);
    EXPECT_NEAR(z[0].re, -1.0, 1e-12);
    EXPECT_NEAR(std::fabs(z[0].im), std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(z[1].re, -1.0, 1e-12);
    EXPECT_NEAR(z[1].im, -z[0].im, 1e-12);
    EXPECT_NEAR(z[2].re, 2.0, 1e-12);
    EXPECT_EQ(z[2].im, 0.0);

    // 0·x² + x + 1: the root −1 is found, then the remaining constant has none. The root found
    // before the failure stays.
    const VMATH_Complex lead0[3] = {{1, 0}, {1, 0}, {0, 0}};
    z[0] = VMATH_Complex{9, 9};
    EXPECT_EQ(F::polyRoots(lead0, 2, z, false), -1);
    EXPECT_EQ(z[0].re, 9.0);
    EXPECT_NEAR(z[1].re, -1.0, 1e-12);
}

TEST(VMATH_PolyFunctions, IntervalPolyRootsFindsRealRootsInside) {
    const double a[4] = {0, -1, 0, 1};  // x³ − x
    double r[3] = {9, 9, 9};
    for (bool polish : {true, false}) {
        ASSERT_EQ(F::polyRoots(a, 3, r, -0.5, 2, polish), 2);
        EXPECT_EQ(r[0], 0.0);
        EXPECT_NEAR(r[1], 1.0, 1e-12);
    }
    EXPECT_EQ(F::polyRoots(a, 3, r, 2, 3, true), 0);
    ASSERT_EQ(F::polyRoots(a, 3, r, 2, -0.5, true), 2);  // bounds in either order
    EXPECT_EQ(r[0], 0.0);
    ASSERT_EQ(F::polyRoots(a, 3, r, -5, 5, true), 3);
    EXPECT_NEAR(r[0], -1.0, 1e-12);
    EXPECT_EQ(r[1], 0.0);
    EXPECT_NEAR(r[2], 1.0, 1e-12);
    ASSERT_EQ(F::polyRoots(a, 3, r, 1 + 5e-10, 4, true), 1);  // relTol outside still counts
    EXPECT_NEAR(r[0], 1.0, 1e-12);

    // 1 ± 0.5i: a candidate (|re| ≥ |im|) but no real root, polished or not.
    const double pair[3] = {1.25, -2, 1};
    EXPECT_EQ(F::polyRoots(pair, 2, r, 0, 2, true), 0);
    EXPECT_EQ(F::polyRoots(pair, 2, r, 0, 2, false), 0);

    double big[11] = {};
    EXPECT_EQ(F::polyRoots(big, 10, r, 0, 1, true), -1);
    const double constant[1] = {0};
    EXPECT_EQ(F::polyRoots(constant, 0, r, -1, 1, true), 0);
}

TEST(VMATH_PolyFunctions, IntervalPolyRootsMergesNearDuplicates) {
    double r[2] = {9, 9};
    const double close[3] = {1.000001, -2.000001, 1};  // roots 1 and 1.000001
    ASSERT_EQ(F::polyRoots(close, 2, r, 0, 1.5, true), 1);
    EXPECT_GE(r[0], 1.0 - 1e-9);  // anywhere the value is below relTol
    EXPECT_LE(r[0], 1.000001 + 1e-9);

    // Roots 1 and 1.0005: kept apart on a narrow interval (tolerance 1e-5 · width 2), merged on
    // a wide one (1e-5 · width 100 = 1e-3).
    const double apart[3] = {1.0005, -2.0005, 1};
    ASSERT_EQ(F::polyRoots(apart, 2, r, 0, 2, true), 2);
    EXPECT_NEAR(r[0], 1.0, 1e-9);
    EXPECT_NEAR(r[1], 1.0005, 1e-9);
    ASSERT_EQ(F::polyRoots(apart, 2, r, -50, 50, true), 1);
    EXPECT_NEAR(r[0], 1.0, 1e-9);

    // x²: the zero root is split off and found again by the search; one value remains.
    const double square[3] = {0, 0, 1};
    ASSERT_EQ(F::polyRoots(square, 2, r, -1, 1, true), 1);
    EXPECT_EQ(r[0], 0.0);
}

TEST(VMATH_PolyFunctions, IntervalPolyRootsKeepsCandidatesWhenTheSearchStops) {
    // 0·x² + x + 1: −1 is found, then the search on the remaining constant fails and stops.
    const double lead0[3] = {1, 1, 0};
    double r[2] = {9, 9};
    ASSERT_EQ(F::polyRoots(lead0, 2, r, -5, 5, true), 1);
    EXPECT_NEAR(r[0], -1.0, 1e-12);
}

TEST(VMATH_PolyFunctions, NewtonSearchSucceedsFailsAndDetectsOscillation) {
    const VMATH_Polynom<4> p{{4, 0, -5, 0, 1}};
    double root = 0;
    EXPECT_EQ(F::findPolynomialRootNewton(p, 3, root, 1e-10), 1);
    EXPECT_NEAR(root, 2.0, 1e-10);
    EXPECT_EQ(F::findPolynomialRootNewton(p, 2, root, 1e-10), 1);  // a root to start with
    EXPECT_EQ(root, 2.0);

    // x³ − 5x from 1 jumps to −1 and back: the midpoint 0 is a root.
    EXPECT_EQ(F::findPolynomialRootNewton(VMATH_Polynom<4>{{0, -5, 0, 1}}, 1, root, 1e-10), 1);
    EXPECT_EQ(root, 0.0);
    // x³ − 2x + 2 from 0 cycles 0, 1, 0: the midpoint 0.5 is not a root.
    EXPECT_EQ(F::findPolynomialRootNewton(VMATH_Polynom<4>{{2, -2, 0, 1}}, 0, root, 1e-10), -1);
    EXPECT_EQ(root, 0.5);

    const VMATH_Polynom<4> none{{1, 0, 0, 0, 1}};  // x⁴ + 1 has no real root
    EXPECT_EQ(F::findPolynomialRootNewton(none, 0.7, root, 1e-10), -1);
    EXPECT_EQ(F::findPolynomialRootNewton(none, 0, root, 1e-10), -1);  // p′(0) = 0

    VMATH_Polynom<9> p9;
    p9[0] = -512;
    p9[9] = 1;
    EXPECT_EQ(F::findPolynomialRootNewton(p9, 3, root, 1e-9), 1);
    EXPECT_NEAR(root, 2.0, 1e-12);
}

TEST(VMATH_PolyFunctions, QuarticPolyRootsReportsCrossingsOnly) {
    double r[4] = {9, 9, 9, 9};
    ASSERT_EQ(F::polyRoots(VMATH_Polynom<4>{{4, 0, -5, 0, 1}}, r), 4);
    EXPECT_NEAR(r[0], -2.0, 1e-9);
    EXPECT_NEAR(r[1], -1.0, 1e-9);
    EXPECT_NEAR(r[2], 1.0, 1e-9);
    EXPECT_NEAR(r[3], 2.0, 1e-9);
    ASSERT_EQ(F::polyRoots(VMATH_Polynom<4>{{-4, 0, 5, 0, -1}}, r), 4);  // opening downwards
    EXPECT_NEAR(r[0], -2.0, 1e-9);
    EXPECT_NEAR(r[3], 2.0, 1e-9);

    EXPECT_EQ(F::polyRoots(VMATH_Polynom<4>{{1, 0, 0, 0, 1}}, r), 0);   // x⁴ + 1
    EXPECT_EQ(F::polyRoots(VMATH_Polynom<4>{{1, 0, -2, 0, 1}}, r), 0);  // (x² − 1)²
    // (x − 1)²(x + 2)(x − 3): the double root 1 only touches zero.
    ASSERT_EQ(F::polyRoots(VMATH_Polynom<4>{{-6, 11, -3, -3, 1}}, r), 2);
    EXPECT_NEAR(r[0], -2.0, 1e-9);
    EXPECT_NEAR(r[1], 3.0, 1e-9);
}

TEST(VMATH_PolyFunctions, QuarticPolyRootsFallsBackAndFails) {
    double r[4];
    ASSERT_EQ(F::polyRoots(VMATH_Polynom<4>{{-6, 11, -6, 1, 5e-10}}, r), 3);  // the cubic
    EXPECT_NEAR(r[0], 1.0, 1e-12);
    EXPECT_NEAR(r[2], 3.0, 1e-12);
    ASSERT_EQ(F::polyRoots(VMATH_Polynom<4>{{2, -3, 1}}, r), 2);  // unsorted quadratic
    EXPECT_EQ(r[0], 2.0);
    EXPECT_EQ(r[1], 1.0);
    EXPECT_EQ(F::polyRoots(VMATH_Polynom<4>{}, r), -1);  // the zero polynomial
    // x⁴ − 3e12: near ±1316 the value cannot get within the Newton tolerance 1e-10.
    EXPECT_EQ(F::polyRoots(VMATH_Polynom<4>{{-3e12, 0, 0, 0, 1}}, r), -1);
}

TEST(VMATH_PolyFunctions, MultipliesCoefficientArrays) {
    const double a[2] = {1, 1}, b[2] = {1, -1};
    double r[3] = {9, 9, 9};
    F::multiplyPolynomials(a, 1, b, 1, r);
    EXPECT_EQ(r[0], 1.0);
    EXPECT_EQ(r[1], 0.0);
    EXPECT_EQ(r[2], -1.0);

    const double c[3] = {2, 3, 5};  // 5x² + 3x + 2 times 7
    const double seven[1] = {7};
    F::multiplyPolynomials(c, 2, seven, 0, r);
    EXPECT_EQ(r[0], 14.0);
    EXPECT_EQ(r[1], 21.0);
    EXPECT_EQ(r[2], 35.0);

    // In place: (1 + 2x)(3 + x + x²) into the first factor's storage.
    double inPlace[4] = {1, 2, 0, 0};
    const double q[3] = {3, 1, 1};
    F::multiplyPolynomials(inPlace, 1, q, 2, inPlace);
    EXPECT_EQ(inPlace[0], 3.0);
    EXPECT_EQ(inPlace[1], 7.0);
    EXPECT_EQ(inPlace[2], 3.0);
    EXPECT_EQ(inPlace[3], 2.0);
}

TEST(VMATH_PolyFunctions, EveryRoutineStopsOnNonFiniteCoefficients) {
    DumpCapture dump;  // sign() announces the exceptions it throws
    for (double v : {kNaN, kInf, -kInf}) {
        for (int at = 0; at < 5; ++at) {
            VMATH_Polynom<4> p{{1, -2, 3, -4, 5}};
            p[at] = v;
            double ra[5] = {1, -2, 3, -4, 5};
            ra[at] = v;
            VMATH_Complex ca[5];
            toComplex(ra, ca);
            double r[4], lo, hi;
            VMATH_Complex z[4];

            EXPECT_EQ(F::polyRoots(ca, 4, z, true), -1) << v << " at " << at;
            const long n = F::polyRoots(ra, 4, r, -10, 10, true);
            EXPECT_GE(n, 0);
            EXPECT_LE(n, 4);
            double root;
            F::findPolynomialRootNewton(p, 0.5, root, 1e-10);
            try {
                const long k = F::polyRoots(p, r);
                EXPECT_GE(k, -1);
                EXPECT_LE(k, 4);
            } catch (const VMATH_WrongNumber&) {
            }
            try {
                F::calcPolyMinMax(p, -1, 1, lo, hi);
            } catch (const VMATH_WrongNumber&) {
            }
            try {
                F::calcCubicMinMax(VMATH_CubicPolynom(ra[3], ra[2], ra[1], ra[0]), -1, 1, lo, hi);
            } catch (const VMATH_WrongNumber&) {
            }
        }
    }
    double r[2];
    const double bounds[4] = {0, -1, 0, 1};
    double r3[3];
    EXPECT_EQ(F::polyRoots(bounds, 3, r3, -kInf, kInf, true), 1);  // only the split-off root 0
    EXPECT_EQ(r3[0], 0.0);
    EXPECT_EQ(F::polyRoots(bounds, 3, r3, kNaN, 1, true), 0);
    (void)r;
}
