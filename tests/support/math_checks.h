// What the numeric tests share: the non-finite values, sample functions of the solvers' signature
// that count their calls, a check of a row of computed values, the bits of a double and complex
// copies of real coefficients.
//
//   g_calls = 0;
//   EXPECT_EQ(rSolveNI(&notANumber, nullptr, 0, 1, &result, 1e-9), 0);
//   EXPECT_EQ(g_calls, 48);
//   expectValues(roots, {-1, 0, 1}, 1e-12);
//   EXPECT_EQ(bitsOf(ours), bitsOf(expected));   // tells -0 from +0, compares NaNs
#ifndef ORVANE_TESTS_SUPPORT_MATH_CHECKS_H
#define ORVANE_TESTS_SUPPORT_MATH_CHECKS_H

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <vector>

#include <orvane/math/complex_number.h>

inline const double kNaN = std::numeric_limits<double>::quiet_NaN();
inline const double kInf = std::numeric_limits<double>::infinity();

// How often the sample functions were called since a test last set it to 0.
inline long g_calls = 0;

// x² − p[0], or x² when there are no parameters.
inline double square(double x, const double* p) {
    ++g_calls;
    return x * x - (p == nullptr ? 0.0 : p[0]);
}

inline double constantOne(double, const double*) {
    ++g_calls;
    return 1.0;
}

inline double notANumber(double, const double*) {
    ++g_calls;
    return kNaN;
}

// actual[i] is within tol of the i-th expected value, for each expected value.
inline void expectValues(const double* actual, std::initializer_list<double> expected, double tol) {
    const double* a = actual;
    for (double e : expected) {
        EXPECT_NEAR(*a, e, tol) << "value " << a - actual;
        ++a;
    }
}

// The bits of v, so that a comparison tells -0 from +0 and NaNs from each other.
inline std::uint64_t bitsOf(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// Real values as complex numbers with imaginary part 0.
inline std::vector<VMATH_Complex> toComplex(std::initializer_list<double> real) {
    std::vector<VMATH_Complex> out;
    for (double v : real)
        out.push_back(VMATH_Complex{v, 0.0});
    return out;
}

#endif
