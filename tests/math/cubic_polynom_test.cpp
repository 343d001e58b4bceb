#include <orvane/math/cubic_polynom.h>
#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "support/cubic_reference.h"
#include "support/dump_capture.h"
#include "support/math_checks.h"

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
