#include <orvane/math/poly_functions.h>
#include <orvane/math/root_check.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>
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
    for (int trial = 0; trial < 1000; ++trial) {
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

// In an interval, a candidate is real when |im| ≤ 2e-8·|re|: (x − 5000)² + s² has its pair
// 5000 ± s·i, real for s = 5e-5 and not for s = 5e-4. Real roots more than 1e-5 apart (times the
// width beyond 1) are kept apart.
TEST(VMATH_PolyFunctions, IntervalRootsTellRealFromComplexAndMergeOnlyWithinTheTolerance) {
    double roots[3];
    for (bool polish : {false, true}) {
        SCOPED_TRACE(polish);
        for (const auto& [s, count] : {std::pair{5e-5, 1L}, std::pair{5e-4, 0L}}) {
            const double a[] = {2.5e7 + s * s, -1e4, 1.0};
            EXPECT_EQ(F::polyRoots(a, 2, roots, 0, 1e4, polish), count) << s;
        }
        // (x − 0.3)(x − 0.30005)(x + 0.5)
        const double p = 0.3, q = 0.30005, r = -0.5;
        const double cubic[] = {-p * q * r, p * q + p * r + q * r, -(p + q + r), 1.0};
        ASSERT_EQ(F::polyRoots(cubic, 3, roots, 0, 1, polish), 2);
        EXPECT_NEAR(roots[0], p, 1e-6);
        EXPECT_NEAR(roots[1], q, 1e-6);
    }
}

// A value whose α-test gives 0.034 is not certified, so it and the root 1 beside it are not taken
// for one simple root of (x − 1)(x − 1.01); one at α = 0.019 is, and the set names a root twice.
TEST(RootCheck, CertifiesOnlyUpToAlphaTwoHundredths) {
    const std::vector<VMATH_Complex> a = toComplex({1.01, -2.01, 1.0});
    const VMATH_Complex uncertified[] = {{1.0 + 3.1e-4, 0.0}, {1.0, 0.0}};
    EXPECT_TRUE(orvane::root_check::areRoots(a.data(), 2, uncertified, 2));
    const VMATH_Complex certified[] = {{1.0 + 1.8e-4, 0.0}, {1.0, 0.0}};
    EXPECT_FALSE(orvane::root_check::areRoots(a.data(), 2, certified, 2));
}
