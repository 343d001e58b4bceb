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

std::vector<VMATH_Complex> toComplex(std::initializer_list<double> real) {
    std::vector<VMATH_Complex> out;
    for (double v : real)
        out.push_back(VMATH_Complex{v, 0.0});
    return out;
}

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

// Laguerre's steps written out with the exported complex helpers, for comparing bits.
long referenceLaguer(const VMATH_Complex* a, long m, VMATH_Complex& x, double eps, bool polish) {
    const double r = 1e-9;
    const double n = static_cast<double>(m);
    auto mul = [](VMATH_Complex u, VMATH_Complex v) {
        return VMATH_Complex{u.re * v.re - u.im * v.im, u.re * v.im + u.im * v.re};
    };
    double dxOld = Cabs(x);
    for (long k = 1; k <= 100; ++k) {
        VMATH_Complex b = a[m], d{0, 0}, f{0, 0};
        for (long j = m - 1; j >= 0; --j) {
            const VMATH_Complex xf = mul(x, f), xd = mul(x, d), xb = mul(x, b);
            f = {xf.re + d.re, xf.im + d.im};
            d = {xd.re + b.re, xd.im + b.im};
            b = {xb.re + a[j].re, xb.im + a[j].im};
        }
        if (Cabs(b) < r) return 0;
        const VMATH_Complex g = Cdiv(d, b), g2 = mul(g, g), fb = Cdiv(f, b);
        const VMATH_Complex h{g2.re - 2.0 * fb.re, g2.im - 2.0 * fb.im};
        const VMATH_Complex sq =
            Csqrt({(n - 1.0) * (n * h.re - g2.re), (n - 1.0) * (n * h.im - g2.im)});
        VMATH_Complex gp{g.re + sq.re, g.im + sq.im};
        const VMATH_Complex gm{g.re - sq.re, g.im - sq.im};
        if (Cabs(gm) > Cabs(gp)) gp = gm;
        if (gp.re == 0.0 && gp.im == 0.0 && (a[m].re != 0.0 || a[m].im != 0.0)) {
            const double size = 1.0 + Cabs(x);
            x = {x.re - size * std::cos(static_cast<double>(k)),
                 x.im - size * std::sin(static_cast<double>(k))};
            dxOld = size;
            continue;
        }
        const VMATH_Complex dx = Cdiv({n, 0.0}, gp);
        const VMATH_Complex x1{x.re - dx.re, x.im - dx.im};
        if (Cabs({x.re - x1.re, x.im - x1.im}) < r) return 0;
        x = x1;
        const double cdx = Cabs(dx);
        if (k > 6 && cdx >= dxOld) return 0;
        dxOld = cdx;
        if (!polish && cdx <= eps * Cabs(x)) return 0;
    }
    return -1;
}

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
TEST(VMATH_PolyFunctions, LaguerRefusesADegreeBelowOneAndEndsOnNaN) {
    const std::vector<VMATH_Complex> cubic = toComplex({-6, 11, -6, 1});
    VMATH_Complex x{0.5, 0.5};
    EXPECT_EQ(F::laguer(cubic.data(), 0, x, 1e-8, false), -1);  // no degree to work with
    EXPECT_EQ(x.re, 0.5);
    EXPECT_EQ(x.im, 0.5);
    const std::vector<VMATH_Complex> bad = toComplex({kNaN, 0, 1});
    EXPECT_EQ(F::laguer(bad.data(), 2, x, 1e-8, false), -1);  // 100 iterations, then −1
}

// Random complex polynomials of every degree, from 0 and from an estimate near a root, polished
// or not: laguer must take exactly the steps written out above. Fixed ones among them: x³ − 8,
// where p′ = p″ = 0 at 0, and two whose step stops shrinking at the sixth iteration (which must
// not end the search yet) and at the seventh (which must); random ones rarely get that far.
TEST(VMATH_PolyFunctions, LaguerTakesTheFixedStepsBitForBit) {
    std::mt19937_64 gen(17);
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    const std::vector<VMATH_Complex> cube = toComplex({-8, 0, 0, 1});
    const std::vector<VMATH_Complex> slow =
        toComplex({-3173610.9922723039, -7383372.8379377583, -5181158.0063144155,
                   6778386.7007287927, 6471170.9267739886});
    const std::vector<VMATH_Complex> slower = toComplex(
        {-3525.2699654278194, 783.52713762891176, 12102.355605795032, -2903.7785871342053,
         -8443.4758985666303, -12581.610172731549, 10958.548838667224, -13048.447540724028});
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<VMATH_Complex> a(static_cast<std::size_t>(trial == 0 ? 4 : 2 + trial % 9));
        for (VMATH_Complex& c : a)
            c = VMATH_Complex{value(gen), trial % 3 == 0 ? 0.0 : value(gen)};
        if (trial == 0) a = cube;
        if (trial == 2) a = slow;
        if (trial == 4) a = slower;
        const long m = static_cast<long>(a.size()) - 1;
        const VMATH_Complex start =
            trial % 2 == 0 ? VMATH_Complex{0, 0} : VMATH_Complex{value(gen), value(gen)};
        const bool polish = trial % 4 == 1;
        VMATH_Complex ours = start, expected = start;
        SCOPED_TRACE(trial);
        EXPECT_EQ(F::laguer(a.data(), m, ours, 1e-8, polish),
                  referenceLaguer(a.data(), m, expected, 1e-8, polish));
        EXPECT_EQ(bitsOf(ours.re), bitsOf(expected.re));
        EXPECT_EQ(bitsOf(ours.im), bitsOf(expected.im));
    }
}

TEST(VMATH_PolyFunctions, ComplexPolyRootsSortsByRealPartRefusesAndFails) {
    VMATH_Complex z[9];
    ASSERT_EQ(F::polyRoots(toComplex({1, 0, 1}).data(), 2, z, true), 0);
    // Equal real parts keep the order they were found in: −i (found last) comes first.
    EXPECT_NEAR(z[0].im, -1.0, 1e-12);
    EXPECT_NEAR(z[1].im, 1.0, 1e-12);
    EXPECT_NEAR(z[0].re, 0.0, 1e-12);

    for (bool polish : {true, false}) {
        ASSERT_EQ(F::polyRoots(toComplex({-6, 11, -6, 1}).data(), 3, z, polish), 0);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(z[i].re, i + 1.0, 1e-12);
            EXPECT_EQ(z[i].im, 0.0);  // within 2e-8·|re| becomes exactly 0
        }
    }

    // x³ − 8: at the start value 0 both p′ and p″ vanish, so the first step turns aside.
    ASSERT_EQ(F::polyRoots(toComplex({-8, 0, 0, 1}).data(), 3, z, true), 0);
    EXPECT_NEAR(z[0].re, -1.0, 1e-12);
    EXPECT_NEAR(std::fabs(z[0].im), std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(z[1].im, -z[0].im, 1e-12);
    EXPECT_NEAR(z[2].re, 2.0, 1e-12);
    EXPECT_EQ(z[2].im, 0.0);

    // Complex coefficients: (x − i)(x − 2 − i) = x² − (2 + 2i)x + (−1 + 2i).
    const VMATH_Complex d[3] = {{-1, 2}, {-2, -2}, {1, 0}};
    ASSERT_EQ(F::polyRoots(d, 2, z, true), 0);
    EXPECT_NEAR(z[0].im, 1.0, 1e-12);
    EXPECT_NEAR(z[1].re, 2.0, 1e-12);
    EXPECT_NEAR(z[1].im, 1.0, 1e-12);

    // x⁹ − 1, the highest degree taken.
    ASSERT_EQ(F::polyRoots(toComplex({-1, 0, 0, 0, 0, 0, 0, 0, 0, 1}).data(), 9, z, false), 0);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(Cabs(z[i]), 1.0, 1e-9);
        EXPECT_TRUE(i == 0 || z[i - 1].re <= z[i].re);
    }

    const std::vector<VMATH_Complex> ones(11, VMATH_Complex{1, 0});
    EXPECT_EQ(F::polyRoots(ones.data(), 10, z, true), -1);  // degree above 9
    EXPECT_EQ(F::polyRoots(ones.data(), 0, z, true), 0);    // a constant: nothing to find

    // 0·x² + x + 1: −1 is found, then the remaining constant has no root; −1 stays.
    z[0] = VMATH_Complex{9, 9};
    EXPECT_EQ(F::polyRoots(toComplex({1, 1, 0}).data(), 2, z, false), -1);
    EXPECT_EQ(z[0].re, 9.0);
    EXPECT_NEAR(z[1].re, -1.0, 1e-12);
}

TEST(VMATH_PolyFunctions, IntervalPolyRootsFindsRealRootsInsideAndMergesNearDuplicates) {
    const std::vector<double> odd{0, -1, 0, 1}, pair{1.25, -2, 1}, apart{1.0005, -2.0005, 1};
    const struct {
        std::vector<double> a;
        double from, to;
        bool polish;
        long count;
        std::vector<double> roots;
        double tol;
    } cases[] = {
        // x³ − x, polished or not, with bounds in either order, and relTol outside still counts.
        {odd, -0.5, 2, true, 2, {0, 1}, 1e-12},
        {odd, -0.5, 2, false, 2, {0, 1}, 1e-12},
        {odd, 2, -0.5, true, 2, {0, 1}, 1e-12},
        {odd, 2, 3, true, 0, {}, 0},
        {odd, -5, 5, true, 3, {-1, 0, 1}, 1e-12},
        {odd, 1 + 5e-10, 4, true, 1, {1}, 1e-12},
        // A non-finite bound: only the split-off root 0 can be found.
        {odd, -kInf, kInf, true, 1, {0}, 0},
        {odd, kNaN, 1, true, 0, {}, 0},
        // 1 ± 0.5i: a candidate (|re| ≥ |im|) but no real root, polished or not.
        {pair, 0, 2, true, 0, {}, 0},
        {pair, 0, 2, false, 0, {}, 0},
        // 0·x² + x + 1: −1 is found, then the search on the constant fails and stops.
        {{1, 1, 0}, -5, 5, true, 1, {-1}, 1e-12},
        {std::vector<double>(11, 1.0), 0, 1, true, -1, {}, 0},  // degree 10
        {{1}, -1, 1, true, 0, {}, 0},                           // a constant
        // Roots 1 and 1.000001 merge anywhere the value is below relTol. Roots 1 and 1.0005 are
        // apart on a narrow interval (1e-5 times the width 2), merged on a wide one (times 100).
        {{1.000001, -2.000001, 1}, 0, 1.5, true, 1, {1.0000005}, 6e-7},
        {apart, 0, 2, true, 2, {1, 1.0005}, 1e-9},
        {apart, -50, 50, true, 1, {1}, 1e-9},
        // x²: the zero root is split off and found again by the search; one value remains.
        {{0, 0, 1}, -1, 1, true, 1, {0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "a[0] " << c.a[0] << ", degree " << c.a.size() - 1 << " on " << c.from
                     << " .. " << c.to << (c.polish ? " polished" : ""));
        double r[10];
        ASSERT_EQ(F::polyRoots(c.a.data(), c.a.size() - 1, r, c.from, c.to, c.polish), c.count);
        for (std::size_t i = 0; i < c.roots.size(); ++i)
            EXPECT_NEAR(r[i], c.roots[i], c.tol) << "root " << i;
    }
}

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
