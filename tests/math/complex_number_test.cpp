#include <orvane/math/complex_kernels.h>
#include <orvane/math/complex_number.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "support/math_checks.h"

namespace {

// `actual` is `expected`: exactly, or else to within four units in the last place.
void expectComplex(VMATH_Complex actual, VMATH_Complex expected, bool exact) {
    if (exact) {
        EXPECT_EQ(actual.re, expected.re);
        EXPECT_EQ(actual.im, expected.im);
    } else {
        EXPECT_DOUBLE_EQ(actual.re, expected.re);
        EXPECT_DOUBLE_EQ(actual.im, expected.im);
    }
}

}  // namespace

TEST(VMATH_Complex, CsqrtGivesThePrincipalRootTreatsTinyComponentsAsZeroAndDoesNotOverflow) {
    const struct {
        VMATH_Complex z, root;
        bool exact;
    } cases[] = {
        {{3.0, 4.0}, {2.0, 1.0}, false},
        {{-3.0, 4.0}, {1.0, 2.0}, false},  // |y| > |x|: the other scaling branch, x < 0
        {{-3.0, -4.0}, {1.0, -2.0}, false},
        {{0.0, 2.0}, {1.0, 1.0}, false},
        {{-4.0, 0.0}, {0.0, 2.0}, true},  // the negative real axis: positive imaginary
        {{-4.0, -0.0}, {0.0, 2.0}, true},
        {{5e-10, -5e-10}, {0.0, 0.0}, true},
        {{0.0, 0.0}, {0.0, 0.0}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.z.re << " " << c.z.im);
        expectComplex(Csqrt(c.z), c.root, c.exact);
    }
    EXPECT_GT(Csqrt({4e-18, 1e-9}).re, 0.0);  // only one small component: an ordinary root

    VMATH_Complex r = Csqrt({DBL_MAX, DBL_MAX});
    // sqrt(1 + i) = 1.0986841134678100 + 0.4550898605622274i
    EXPECT_NEAR(r.re / std::sqrt(DBL_MAX), 1.0986841134678100, 1e-14);
    EXPECT_NEAR(r.im / std::sqrt(DBL_MAX), 0.4550898605622274, 1e-14);
    r = Csqrt({-1e300, 1e-300});
    EXPECT_DOUBLE_EQ(r.im, 1e150);
}

TEST(VMATH_Complex, CabsAndCdivScaleAndCabsIgnoresTinyComponents) {
    EXPECT_EQ(Cabs({1e-10, 7.0}), 7.0);
    EXPECT_EQ(Cabs({7.0, -1e-10}), 7.0);
    EXPECT_DOUBLE_EQ(Cabs({3.0, 4.0}), 5.0);
    EXPECT_DOUBLE_EQ(Cabs({1e300, 1e300}), std::sqrt(2.0) * 1e300);
    EXPECT_EQ(Cabs({0.0, 0.0}), 0.0);

    expectComplex(Cdiv({1.0, 0.0}, {0.0, 1.0}), {0.0, -1.0}, true);
    expectComplex(Cdiv({11.0, 2.0}, {3.0, -4.0}), {1.0, 2.0}, false);
    expectComplex(Cdiv({-5.0, 10.0}, {1.0, 2.0}), {3.0, 4.0}, false);  // |im| > |re| branch
    expectComplex(Cdiv({1e300, 1e300}, {1e300, 1e300}), {1.0, 0.0}, false);
    const VMATH_Complex q = Cdiv({1.0, 1.0}, {0.0, 0.0});
    EXPECT_FALSE(std::isfinite(q.re));
    EXPECT_FALSE(std::isfinite(q.im));
}

// The shortcuts the Laguerre iteration takes must answer exactly as the two moduli would: every
// pair of components from a list of borders (relTol, sqrt(2) ratios, subnormals, overflow,
// infinities, NaN), and random pairs whose moduli are close.
TEST(VMATH_Complex, ModulusShortcutsAnswerAsTheModuliDo) {
    namespace kernels = orvane::complex_kernels;
    const double big = DBL_MAX / 1.4142;
    const double values[] = {0.0,    -0.0,         5e-324,    1e-300, 9.999999e-10,
                             1e-9,   1.0000001e-9, 1.4142e-9, 1.0,    -1.4142135623730951,
                             1.4143, 1.41421357,   DBL_MAX,   -big,   kInf,
                             -kInf,  kNaN};
    std::vector<VMATH_Complex> all;
    for (double re : values)
        for (double im : values)
            all.push_back(VMATH_Complex{re, im});
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_real_distribution<double> ratio(1.40, 1.43);
    for (int k = 0; k < 2000; ++k) {
        const double scale = std::pow(10.0, 12.0 * unit(gen) - 4.0);
        all.push_back(VMATH_Complex{scale * unit(gen), scale * unit(gen)});
        all.push_back(VMATH_Complex{scale * ratio(gen), 0.0});
    }
    long fails = 0;
    for (const VMATH_Complex& u : all) {
        fails += kernels::absBelowRelTol(u) != (Cabs(u) < 1e-9);
        for (std::size_t j = 0; j < all.size(); j += (&u - all.data()) % 7 + 1) {
            const VMATH_Complex& v = all[j];
            if (kernels::absGreater(u, v) != (Cabs(u) > Cabs(v))) {
                ++fails;
                ADD_FAILURE() << u.re << "," << u.im << " vs " << v.re << "," << v.im;
            }
            if (fails > 5) FAIL() << "and more";
        }
    }
    EXPECT_EQ(fails, 0);
}
