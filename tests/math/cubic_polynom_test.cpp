#include <orvane/math/cubic_polynom.h>
#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "support/cubic_reference.h"
#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

void expectCoefficients(const VMATH_CubicPolynom& f, double a, double b, double c, double d) {
    EXPECT_EQ(f.a, a);
    EXPECT_EQ(f.b, b);
    EXPECT_EQ(f.c, c);
    EXPECT_EQ(f.d, d);
}

}  // namespace

TEST(VMATH_CubicPolynom, EvaluatesAndComputesCoefficientWiseWithProductsWidenedInAscendingOrder) {
    const VMATH_CubicPolynom e(1, -6, 11, -6);
    EXPECT_EQ(e(4.0), 6.0);
    EXPECT_EQ(e.calcValue(2.0), 0.0);
    EXPECT_EQ(e.firstDerivation(0.0), 11.0);  // 3x² − 12x + 11
    EXPECT_EQ(e.firstDerivation(2.0), -1.0);
    EXPECT_EQ(e.calcSecondDer(1.0), -6.0);  // 6x − 12
    EXPECT_EQ(e.calcSecondDer(3.0), 6.0);
    const VMATH_QuadraticPolynom df = e.firstDerivation();
    EXPECT_EQ(df.a, 3.0);
    EXPECT_EQ(df.b, -12.0);
    EXPECT_EQ(df.c, 11.0);

    VMATH_CubicPolynom f(1, 2, 3, 4);
    const VMATH_CubicPolynom g(10, 20, 30, 40);
    expectCoefficients(f + g, 11, 22, 33, 44);
    expectCoefficients(f - g, -9, -18, -27, -36);
    expectCoefficients(-f, -1, -2, -3, -4);
    expectCoefficients(f + 1.5, 1, 2, 3, 5.5);  // only d moves
    expectCoefficients(f - 1.5, 1, 2, 3, 2.5);
    expectCoefficients(f * -2.0, -2, -4, -6, -8);
    (f += g) += g;
    expectCoefficients(f, 21, 42, 63, 84);

    const VMATH_CubicPolynom h(1, 0, 0, -1);  // x³ − 1
    expectValues((h * VMATH_QuadraticPolynom(1, 1, 0)).coef, {0, -1, -1, 0, 1, 1}, 0);
    expectValues((VMATH_CubicPolynom(2, 3, 5, 7) * VMATH_CubicPolynom(11, 13, 17, 19)).coef,
                 {7 * 19, 7 * 17 + 5 * 19, 7 * 13 + 5 * 17 + 3 * 19,
                  7 * 11 + 5 * 13 + 3 * 17 + 2 * 19, 5 * 11 + 3 * 13 + 2 * 17, 3 * 11 + 2 * 13, 22},
                 0);
    expectValues((h * (h * h)).coef, {-1, 0, 0, 3, 0, 0, -3, 0, 0, 1}, 0);  // (x³ − 1)³
}

TEST(VMATH_CubicPolynom, FindsItsRealRootsInTheOrderOfEachCase) {
    const struct {
        double a, b, c, d;
        std::vector<double> roots;
        double tol;
    } cases[] = {
        // Three roots, ascending, also for a < 0.
        {1, -6, 11, -6, {1, 2, 3}, 1e-12},
        {-1, 6, -11, 6, {1, 2, 3}, 1e-12},
        // Q³ − R² = 0 still takes the three-root branch: the double root appears twice.
        {1, 0, -3, 2, {-2, 1, 1}, 1e-9},
        {1, -3, 3, -1, {1, 1, 1}, 0},  // a triple root: the cosine argument 0/0 is taken as 0
        // One root when the others are complex.
        {1, -3, 6, -4, {1}, 0},  // R = 0
        {1, 0, 0, -8, {2}, 1e-12},
        {2, 0, 0, 16, {-2}, 1e-12},
        // A zero constant makes 0 a root and sorts the rest.
        {1, 0, 1, 0, {0}, 0},  // x(x² + 1)
        {1, 0, 0, 0, {0, 0}, 0},
        {1, 2, 1, 0, {-1, 0}, 0},  // x(x + 1)²: exchanged
        {1, -1, 0, 0, {0, 0, 1}, 0},
        {1, 1, -2, 5e-10, {-2, 0, 1}, 0},  // x(x + 2)(x − 1)
        // A leading coefficient below relTol makes an unsorted quadratic.
        {0, 1, -3, 2, {2, 1}, 0},
        {5e-10, 1, -3, 2, {2, 1}, 0},
        {0, 0, 0, 3, {}, 0},
        {0, 1, 0, 1, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << " " << c.b << " " << c.c << " " << c.d);
        double x[3] = {kNaN, kNaN, kNaN};
        ASSERT_EQ(VMATH_CubicPolynom(c.a, c.b, c.c, c.d).findRoots(x),
                  static_cast<long>(c.roots.size()));
        for (std::size_t i = 0; i < c.roots.size(); ++i)
            EXPECT_NEAR(x[i], c.roots[i], c.tol) << "root " << i;
    }
    double x[3];
    EXPECT_EQ(VMATH_CubicPolynom(0, 0, 0, 0).findRoots(x), -1);
}

TEST(VMATH_CubicPolynom, FindRootsGivesTheStraightforwardFormulasRootsBitForBit) {
    DumpCapture quiet;  // NaN coefficients throw, and exceptions report themselves
    // Each solve as (count, the three outputs' bits), count -2 when it threw VMATH_WrongNumber.
    auto solve = [](auto&& solver) {
        double x[3] = {12345.0, 12345.0, 12345.0};
        long count = -2;
        try {
            count = solver(x);
        } catch (const VMATH_WrongNumber&) {
        }
        // A NaN's sign and payload are not fixed by the source (a compiler folding an invalid
        // operation may pick another NaN than the processor): every NaN counts as one value.
        auto bits = [](double v) { return std::isnan(v) ? bitsOf(kNaN) : bitsOf(v); };
        return std::vector<std::uint64_t>{static_cast<std::uint64_t>(count), bits(x[0]), bits(x[1]),
                                          bits(x[2])};
    };
    long mismatches = 0;
    long threw = 0;
    for (const auto& k : cubic_reference::testCubics()) {
        const VMATH_CubicPolynom f(k[0], k[1], k[2], k[3]);
        const auto got = solve([&](double* x) { return f.findRoots(x); });
        const auto expected =
            solve([&](double* x) { return cubic_reference::findRoots(k[0], k[1], k[2], k[3], x); });
        threw += expected[0] == static_cast<std::uint64_t>(-2) ? 1 : 0;
        if (got != expected && ++mismatches <= 5)
            ADD_FAILURE() << k[0] << " " << k[1] << " " << k[2] << " " << k[3];
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(threw, 0);  // the NaN cases reached sign()
}

TEST(VMATH_CubicPolynom, NonFiniteCoefficientsNeitherHangNorTrap) {
    DumpCapture dump;
    double x[3];
    EXPECT_THROW(VMATH_CubicPolynom(1, kNaN, 1, 1).findRoots(x), VMATH_WrongNumber);
    EXPECT_THROW(VMATH_CubicPolynom(kNaN, 1, 1, 1).findRoots(x), VMATH_WrongNumber);
    EXPECT_EQ(VMATH_CubicPolynom(kNaN, 1, 1, 0).findRoots(x), 3);  // 0 and two NaN
    EXPECT_EQ(x[0], 0.0);
    EXPECT_TRUE(std::isnan(x[1]) && std::isnan(x[2]));
    const long n = VMATH_CubicPolynom(kInf, 1, 1, 1).findRoots(x);
    EXPECT_TRUE(n >= 1 && n <= 3);
}
