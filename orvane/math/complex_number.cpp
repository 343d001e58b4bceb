#include "orvane/math/complex_number.h"

#include <cmath>

#include "orvane/math/tolerances.h"

VMATH_Complex Csqrt(const VMATH_Complex& z) {
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

double Cabs(const VMATH_Complex& z) {
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

VMATH_Complex Cdiv(const VMATH_Complex& a, const VMATH_Complex& b) {
    if (std::fabs(b.re) >= std::fabs(b.im)) {
        const double r = b.im / b.re;
        const double d = b.re + r * b.im;
        return VMATH_Complex{(a.re + r * a.im) / d, (a.im - r * a.re) / d};
    }
    const double r = b.re / b.im;
    const double d = b.im + r * b.re;
    return VMATH_Complex{(a.re * r + a.im) / d, (a.im * r - a.re) / d};
}
