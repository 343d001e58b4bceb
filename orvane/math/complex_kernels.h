// The arithmetic behind Csqrt, Cabs and Cdiv, inline. Internal to the numeric code: not part of
// the library's interface, and not in the umbrella header.
//
// The exported functions of complex_number.h call these, and so does the Laguerre iteration of
// the polynomial toolbox, which calls them several times per step: there the compiler can inline
// them and share the work two divisions by the same divisor have in common. Both uses run the
// same code, so they give the same bits.
#ifndef ORVANE_MATH_COMPLEX_KERNELS_H
#define ORVANE_MATH_COMPLEX_KERNELS_H

#include <cmath>

#include "orvane/math/complex_number.h"
#include "orvane/math/tolerances.h"

namespace orvane::complex_kernels {

// The principal square root; components below relTol in modulus count as zero.
inline VMATH_Complex sqrt(const VMATH_Complex& z) {
    const double x = z.re;
    const double y = z.im;
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double tol = V_Tolerances::getRelTol();
    if (ay < tol && ax < tol) return VMATH_Complex{0.0, 0.0};
    double w;
    if (ax >= ay) {
        const double r = ay / ax;
        w = std::sqrt(ax) * std::sqrt(0.5 * (1.0 + std::sqrt(1.0 + r * r)));
    } else {
        const double r = ax / ay;
        w = std::sqrt(ay) * std::sqrt(0.5 * (r + std::sqrt(1.0 + r * r)));
    }
    if (x >= 0.0) return VMATH_Complex{w, y / (2.0 * w)};
    const double im = y >= 0.0 ? w : -w;
    return VMATH_Complex{y / (2.0 * im), im};
}

// The modulus, scaled by the larger component; a component below relTol counts as zero.
inline double abs(const VMATH_Complex& z) {
    const double a = std::fabs(z.re);
    const double b = std::fabs(z.im);
    const double tol = V_Tolerances::getRelTol();
    if (a < tol) return b;
    if (b < tol) return a;
    if (a > b) {
        const double r = b / a;
        return a * std::sqrt(1.0 + r * r);
    }
    const double r = a / b;
    return b * std::sqrt(1.0 + r * r);
}

// a / b by Smith's method.
inline VMATH_Complex div(const VMATH_Complex& a, const VMATH_Complex& b) {
    if (std::fabs(b.re) >= std::fabs(b.im)) {
        const double r = b.im / b.re;
        const double d = b.re + r * b.im;
        return VMATH_Complex{(a.re + r * a.im) / d, (a.im - r * a.re) / d};
    }
    const double r = b.re / b.im;
    const double d = b.im + r * b.re;
    return VMATH_Complex{(a.re * r + a.im) / d, (a.im * r - a.re) / d};
}

// abs(z) < limit for limit = relTol, without the division and the square root when a component
// alone reaches the limit: abs() is then at least that component, so the answer is false.
inline bool absBelowRelTol(const VMATH_Complex& z) {
    const double limit = V_Tolerances::getRelTol();
    if (std::fabs(z.re) >= limit || std::fabs(z.im) >= limit) return false;
    return abs(z) < limit;
}

// abs(u) > abs(v), deciding from the larger components alone when they differ by more than a
// factor sqrt(2). For finite z with larger component m, abs(z) lies between m and m·sqrt(2) (up
// to a few units of rounding, or infinity on overflow) when m reaches relTol, and is at most m
// below it; kBound exceeds sqrt(2) by far more than that rounding. Close moduli, NaN and
// infinities take the two moduli.
inline bool absGreater(const VMATH_Complex& u, const VMATH_Complex& v) {
    constexpr double kBound = 1.4143;
    const double ur = std::fabs(u.re);
    const double ui = std::fabs(u.im);
    const double vr = std::fabs(v.re);
    const double vi = std::fabs(v.im);
    if (std::isfinite(ur + ui + vr + vi)) {
        const double tol = V_Tolerances::getRelTol();
        const double mu = ur > ui ? ur : ui;
        const double mv = vr > vi ? vr : vi;
        if (mu >= tol && mu > kBound * mv) return true;
        if (mv >= tol && mv > kBound * mu) return false;
    }
    return abs(u) > abs(v);
}

}  // namespace orvane::complex_kernels

#endif
