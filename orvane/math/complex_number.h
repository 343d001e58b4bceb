// A plain complex number and the three helpers the polynomial root finders use.
//
//   VMATH_Complex z{3.0, 4.0};          // 3 + 4i: re first, im second
//   VMATH_Complex r = Csqrt(z);         // (2, 1), the principal root
//   double m = Cabs(z);                 // 5
//   VMATH_Complex q = Cdiv({1, 0}, {0, 1});   // (0, -1)
//
// Components whose modulus is below V_Tolerances::getRelTol() count as zero in Csqrt and Cabs:
// Csqrt of (5e-10, -5e-10) is exactly (0, 0), Cabs of (1e-10, 7) is exactly 7. Both scale by the
// larger component, so neither squares a large component directly and neither overflows on
// finite input whose result is finite.
//
// Choices: Cdiv does not test for a zero divisor; dividing by (0, 0) gives the floating-point
// results of a division by zero (infinities or NaN) and throws nothing. NaN components give NaN
// results.
#ifndef ORVANE_MATH_COMPLEX_NUMBER_H
#define ORVANE_MATH_COMPLEX_NUMBER_H

#include "orvane/base/export.h"

// Two doubles, real part then imaginary part; no constructor, no invariants.
struct VMATH_Complex {
    double re;  // real part
    double im;  // imaginary part
};

// The principal square root of z: its real part is never negative; on the negative real axis
// (im = +0 or -0) the root is (0, +sqrt(|re|)).
ORVANE_API VMATH_Complex Csqrt(const VMATH_Complex& z);

// The modulus of z.
ORVANE_API double Cabs(const VMATH_Complex& z);

// The quotient a / b by Smith's method.
ORVANE_API VMATH_Complex Cdiv(const VMATH_Complex& a, const VMATH_Complex& b);

#endif
