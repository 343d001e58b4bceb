// A real polynomial of fixed degree N, coefficients in ascending order.
//
// VMATH_Polynom<N> holds the N + 1 coefficients of p(x) = coef[0] + coef[1]·x + … + coef[N]·x^N:
// element i is the coefficient of x^i, the opposite order from VMATH_QuadraticPolynom and
// VMATH_CubicPolynom, whose fields run from the highest power down. The products of those two
// classes return this type, and the polynomial toolbox takes a VMATH_Polynom<4> as a quartic.
//
//   VMATH_Polynom<4> p{{4, 0, -5, 0, 1}};   // x⁴ − 5x² + 4
//   p[4];                                  // 1: the coefficient of x⁴
//   p(2.0);                                // 0: the value, by Horner's scheme
//   p.firstDerivation(1.0);                // −6: 4x³ − 10x at 1
//   VMATH_Polynom<2> zero;                 // every coefficient 0
//
// It is an aggregate with value semantics: copying copies every coefficient.
//
// Choices:
// - Every coefficient starts at 0, so a default-made polynomial is the zero polynomial and a brace
//   list shorter than N + 1 leaves the higher powers 0.
// - The library provides element access, the value and the value of the first derivative for every
//   degree, not only for the degrees it uses itself.
// - operator[] checks its index: an index outside 0 … N throws std::out_of_range (a standard
//   exception, like std::vector::at) instead of reading or writing outside the object. The array
//   `coef` is public for code that wants unchecked access.
// - NaN and infinite coefficients give the floating-point results of Horner's scheme; nothing is
//   thrown for them.
#ifndef ORVANE_MATH_POLYNOM_H
#define ORVANE_MATH_POLYNOM_H

#include <stdexcept>

// The polynomial coef[0] + coef[1]·x + … + coef[N]·x^N, a plain value.
template <int N>
struct VMATH_Polynom {
    static_assert(N >= 0, "the degree of a polynomial is not negative");

    static constexpr int degree = N;  // the highest power N

    // coef[i] is the coefficient of x^i.
    double coef[N + 1] = {};

    // coef[i], checked: an index outside 0 … N throws std::out_of_range.
    double& operator[](int i) {
        checkIndex(i);
        return coef[i];
    }
    double operator[](int i) const {
        checkIndex(i);
        return coef[i];
    }

    // p(x) by Horner's scheme.
    double calcValue(double x) const {
        double value = coef[N];
        for (int k = N - 1; k >= 0; --k)
            value = value * x + coef[k];
        return value;
    }
    double operator()(double x) const { return calcValue(x); }

    // p′(x) by Horner's scheme on the derivative: N·coef[N], then k·coef[k] + d·x for k = N − 1
    // down to 1. A constant has the derivative 0.
    double firstDerivation(double x) const {
        if (N == 0) return 0.0;
        double d = N * coef[N];
        for (int k = N - 1; k >= 1; --k)
            d = k * coef[k] + d * x;
        return d;
    }

private:
    static void checkIndex(int i) {
        if (i < 0 || i > N)
            throw std::out_of_range("VMATH_Polynom: coefficient index out of range");
    }
};

#endif
