// The closed-form cubic solvers written out straightforwardly, which rSolveCE and
// VMATH_CubicPolynom::findRoots must match bit for bit: rSolveCE's roots of the depressed cubic
// first, then each shifted by A/3 in one final pass; findRoots' sign of R through sign().
//
//   double x[3];
//   const long n = cubic_reference::rSolveCE(1, -6, 11, -6, x);   // 3
#ifndef ORVANE_TESTS_SUPPORT_CUBIC_REFERENCE_H
#define ORVANE_TESTS_SUPPORT_CUBIC_REFERENCE_H

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <orvane/math/equation_solvers.h>

namespace cubic_reference {

inline double signedCbrt(double v) {
    if (v > 0.0) return std::pow(v, 0.3333333333333333);
    if (v < 0.0) return -std::pow(-v, 0.3333333333333333);
    if (v == 0.0) return 0.0;
    return v;
}

// The roots into x[0 … count − 1] and the count; a = 0 (either sign) is left to the caller.
inline long rSolveCE(double a, double b, double c, double d, double* x) {
    constexpr double kEps = 1e-15;
    constexpr double kThird = 0.3333333333333333;
    const double inverse = 1.0 / a;
    const double A = b * inverse;
    const double B = c * inverse;
    const double C = d * inverse;
    const double P = (B - A * A * kThird) * kThird;
    const double Q = (0.07407407407407407 * A * A * A - A * B * kThird + C) * 0.5;
    const double D = Q * Q + P * P * P;
    double y[3] = {0.0, 0.0, 0.0};
    long count;
    if (std::fabs(D) < kEps) {
        if (std::fabs(Q) < kEps) {
            count = 1;
        } else {
            const double u = signedCbrt(-Q);
            y[0] = 2.0 * u;
            y[1] = -u;
            count = 2;
        }
    } else if (D < 0.0) {
        const double r = std::sqrt(-(P * P * P));
        double cosine = -Q / r;
        if (cosine > 1.0) cosine = 1.0;
        if (cosine < -1.0) cosine = -1.0;
        const double phi = std::acos(cosine) * kThird;
        const double t = 2.0 * std::sqrt(-P);
        y[0] = t * std::cos(phi);
        y[1] = -t * std::cos(phi + 1.0471975511965976);
        y[2] = -t * std::cos(phi - 1.0471975511965976);
        count = 3;
    } else {
        const double s = std::sqrt(D);
        y[0] = signedCbrt(s - Q) - signedCbrt(s + Q);
        count = 1;
    }
    const double shift = A * kThird;
    for (long i = 0; i < count; ++i)
        x[i] = y[i] - shift;
    return count;
}

// 100 000 cubics (a, b, c, d), a never 0: the edge cases first (every case of the methods at
// its boundaries, signed zeros, scales near the ends of the range, denormals and non-finite
// coefficients), then random cubics with one and with three real roots, every fourth with a
// near-double root.
inline std::vector<std::array<double, 4>> testCubics() {
    const double kInf = std::numeric_limits<double>::infinity();
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::array<double, 4>> cubics;
    const double edges[] = {0.0,     -0.0,  1.0,    -1.0,  3.0,    -8.0, 1e-300,
                            -1e-300, 1e300, 5e-324, 1e-15, -1e-15, kInf, kNaN};
    for (double a : edges)
        for (double b : edges)
            for (double c : edges)
                for (double d : edges)
                    if (a != 0.0) cubics.push_back({a, b, c, d});  // a = 0 is the quadratic
    for (double a : {1.0, -2.0, 1e-20, 1e150})
        for (const auto& [b, c, d] : {std::array<double, 3>{-3, 3, -1},
                                      {0, -3, 2},
                                      {0, 0, 0},
                                      {-6, 11, -6},
                                      {0, -2, 0},
                                      {3, 3, 1},
                                      {3, 4, 2}})  // R = 0 with one real root
            cubics.push_back({a, a * b, a * c, a * d});
    std::mt19937_64 gen(2024);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    std::uniform_int_distribution<int> scale(-30, 30);
    while (cubics.size() < 100000) {
        const double s = std::ldexp(1.0, scale(gen));
        const double r = value(gen);
        const double a = value(gen) * s;
        // Every fourth cubic has a root r with a near-double root at r + tiny.
        if (cubics.size() % 4 == 0) {
            const double t = r + 1e-9 * value(gen);
            cubics.push_back({a, -a * (r + r + t), a * (r * r + 2 * r * t), -a * r * r * t});
        } else {
            cubics.push_back({a, value(gen) * s, value(gen) * s, value(gen) * s});
        }
    }
    return cubics;
}

// findRoots of a·x³ + b·x² + c·x + d (the relative tolerance 1e-9, its default).
inline long findRoots(double a, double b, double c, double d, double* x) {
    constexpr double r = 1e-9;
    auto orderPair = [](double& lo, double& hi) {
        if (hi < lo) {
            const double t = lo;
            lo = hi;
            hi = t;
        }
    };
    if (std::fabs(a) < r) return rSolveQE(b, c, d, &x[0], &x[1]);
    if (std::fabs(d) < r) {
        x[0] = 0.0;
        const long n = rSolveQE(a, b, c, &x[1], &x[2]);
        if (n <= 0) return 1;
        if (n == 1) {
            orderPair(x[0], x[1]);
            return 2;
        }
        orderPair(x[0], x[1]);
        orderPair(x[1], x[2]);
        orderPair(x[0], x[1]);
        return 3;
    }
    const double inverse = 1.0 / a;
    const double A = b * inverse;
    const double B = c * inverse;
    const double C = d * inverse;
    const double Q = (A * A - 3.0 * B) * 0.1111111111111111;
    const double R = (2.0 * A * A * A - 9.0 * B * A + 27.0 * C) * 0.018518518518518517;
    const double Q3 = Q * Q * Q;
    const double shift = A / 3.0;
    if (Q3 - R * R >= 0.0) {
        const double root = std::sqrt(Q3);
        double t = root != 0.0 ? R / root : 0.0;
        if (t > 1.0) t = 1.0;
        if (t < -1.0) t = -1.0;
        const double theta = std::acos(t);
        const double s = 2.0 * std::sqrt(Q);
        x[0] = -s * std::cos(theta / 3.0) - shift;
        x[1] = -s * std::cos((theta + 6.283185307179586) / 3.0) - shift;
        x[2] = -s * std::cos((theta + 12.566370614359172) / 3.0) - shift;
        orderPair(x[0], x[1]);
        orderPair(x[1], x[2]);
        orderPair(x[0], x[1]);
        return 3;
    }
    const double P = std::pow(std::fabs(R) + std::sqrt(R * R - Q3), 1.0 / 3.0);
    x[0] = -static_cast<double>(sign(R)) * (P + Q / P) - shift;
    return 1;
}

}  // namespace cubic_reference

#endif
