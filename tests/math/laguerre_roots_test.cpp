#include <orvane/math/poly_functions.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <vector>

#include "support/math_checks.h"

namespace {

using F = VMATH_PolyFunctions;

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

namespace {

// How many of `found` lie within tol·max(1, |r|) of r.
long matches(const VMATH_Complex* found, long m, double re, double im, double tol) {
    long n = 0;
    for (long i = 0; i < m; ++i) {
        const double scale = std::fmax(1.0, std::hypot(re, im));
        if (std::hypot(found[i].re - re, found[i].im - im) <= tol * scale) ++n;
    }
    return n;
}

// Two random polynomials (fixed seed, roots in [−10, 10]) where Laguerre's steps end beside the
// roots: unpolished, estimates off by about 0.015; polished, a simple root found twice while a
// pair is lost.
const std::vector<double> kStrayEstimates{
    -30720.151005191245, -53397.260126323235, -5507.6647749585773, -332.3433683424455,
    -122.92781623954318, 70.65111933787496,   17.900802919364935,  1};
const std::vector<double> kTwiceFound{-369954596.44566125, -6546499.6533615328,
                                      14841678.700559892,  -724273.10968403192,
                                      -228834.28946199588, 20197.735419205877,
                                      1552.5754721464575,  -196.6956775429305,
                                      -2.6950878549793131, 1};

}  // namespace

// The complex and real cases of GSL's own tests of its polynomial solvers, in both modes: the
// same roots (double and triple roots within what the value test |p| < relTol leaves).
TEST(VMATH_PolyFunctions, FindsTheRootsOfGslsTestPolynomials) {
    const double s = std::sqrt(3.0) / 2.0;
    const struct {
        std::vector<double> a;  // ascending
        std::vector<VMATH_Complex> roots;
        double tol;
    } cases[] = {
        {{26, -20, 4}, {{2.5, -0.5}, {2.5, 0.5}}, 1e-9},
        {{25, -20, 4}, {{2.5, 0}, {2.5, 0}}, 1e-9},
        {{21, -20, 4}, {{1.5, 0}, {3.5, 0}}, 1e-9},
        {{0, 7, 4}, {{-1.75, 0}, {0, 0}}, 1e-9},
        {{-20, 0, 5}, {{-2, 0}, {2, 0}}, 1e-9},
        {{20, 0, 5}, {{0, -2}, {0, 2}}, 1e-9},
        {{-27, 0, 0, 1}, {{-1.5, -3 * s}, {-1.5, 3 * s}, {3, 0}}, 1e-9},
        {{39, 1, -1, 1}, {{-3, 0}, {2, -3}, {2, 3}}, 1e-9},
        {{-4913, 867, -51, 1}, {{17, 0}, {17, 0}, {17, 0}}, 1e-3},
        {{-6647, 1071, -57, 1}, {{17, 0}, {17, 0}, {23, 0}}, 1e-5},
        {{6647, -493, -11, 1}, {{-23, 0}, {17, 0}, {17, 0}}, 1e-5},
        {{-50065, 5087, -143, 1}, {{17, 0}, {31, 0}, {95, 0}}, 1e-9},
        {{50065, 803, -109, 1}, {{-17, 0}, {31, 0}, {95, 0}}, 1e-9},
        {{-120, 274, -225, 85, -15, 1}, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}, 1e-9},
        // x⁸ + x⁴ + 1: p′ = p″ = 0 at the start 0, and after that first root the deflated
        // quartic is nearly symmetric about 0; the search starts again elsewhere.
        {{1, 0, 0, 0, 1, 0, 0, 0, 1},
         {{-s, 0.5}, {-s, -0.5}, {-0.5, s}, {-0.5, -s}, {0.5, s}, {0.5, -s}, {s, 0.5}, {s, -0.5}},
         1e-9},
    };
    for (const auto& c : cases) {
        const long m = static_cast<long>(c.a.size()) - 1;
        std::vector<VMATH_Complex> a;
        for (double v : c.a)
            a.push_back(VMATH_Complex{v, 0});
        for (bool polish : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << "a[0] " << c.a[0] << ", degree " << m << (polish ? " polished" : ""));
            VMATH_Complex z[9];
            ASSERT_EQ(F::polyRoots(a.data(), static_cast<unsigned long>(m), z, polish), 0);
            for (const VMATH_Complex& r : c.roots) {
                const long expected = matches(c.roots.data(), m, r.re, r.im, 1e-12);
                EXPECT_EQ(matches(z, m, r.re, r.im, c.tol), expected) << r.re << " " << r.im;
            }
        }
    }
}

TEST(VMATH_PolyFunctions, FailsRatherThanReportAPointThatIsNoRootOrARootTwice) {
    for (const std::vector<double>* c : {&kStrayEstimates, &kTwiceFound}) {
        std::vector<VMATH_Complex> a;
        for (double v : *c)
            a.push_back(VMATH_Complex{v, 0});
        VMATH_Complex z[9];
        for (bool polish : {false, true})
            EXPECT_EQ(F::polyRoots(a.data(), c->size() - 1, z, polish), -1) << c->size();
    }
    // The interval search keeps only the candidate that is a root: −6.3402 and 4.9463 are
    // estimates of −6.32531 and 4.94543 off by 0.015; polishing makes all three roots.
    double r[9];
    ASSERT_EQ(F::polyRoots(kStrayEstimates.data(), 7, r, -20, 20, false), 1);
    EXPECT_NEAR(r[0], -0.6130691754, 1e-9);
    ASSERT_EQ(F::polyRoots(kStrayEstimates.data(), 7, r, -20, 20, true), 3);
    EXPECT_NEAR(r[0], -6.325308318, 1e-8);
    EXPECT_NEAR(r[2], 4.94543273, 1e-8);

    // laguer on x⁸ + x⁴ + 1 from 0 turns aside at once and ends at one of its roots.
    const std::vector<VMATH_Complex> octic = toComplex({1, 0, 0, 0, 1, 0, 0, 0, 1});
    VMATH_Complex x{0, 0};
    ASSERT_EQ(F::laguer(octic.data(), 8, x, 1e-8, false), 0);
    EXPECT_NEAR(std::hypot(x.re, x.im), 1.0, 1e-8);
}
