#include "orvane/math/complex_number.h"

#include "orvane/math/complex_kernels.h"

VMATH_Complex Csqrt(const VMATH_Complex& z) {
    return orvane::complex_kernels::sqrt(z);
}

double Cabs(const VMATH_Complex& z) {
    return orvane::complex_kernels::abs(z);
}

VMATH_Complex Cdiv(const VMATH_Complex& a, const VMATH_Complex& b) {
    return orvane::complex_kernels::div(a, b);
}
