#include <orvane/math/cubic_polynom.h>
#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "support/cubic_reference.h"
#include "support/dump_capture.h"
#include "support/math_checks.h"

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
