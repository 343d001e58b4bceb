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

}  // namespace orvane::complex_kernels

#endif
