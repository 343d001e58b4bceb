// A quadratic polynomial a·x² + b·x + c: evaluation, derivatives, arithmetic and real roots.
//
// The fields run from the highest power down. The product of two quadratics is a quartic
// VMATH_Polynom<4>, whose coefficients run from the lowest power up.
//
//   VMATH_QuadraticPolynom q(1, -3, 2);    // x² − 3x + 2
//   q(0.5);                                // 0.75
//   q.firstDerivation(1.0);                // −1
//   double x[2];
//   q.findRoots(x);                        // 2: x = (2, 1), the larger magnitude first
//   VMATH_Polynom<4> p = q * VMATH_QuadraticPolynom(1, 0, -1);   // p[0] = −2 … p[4] = 1
//
// Choices:
// - The constructor is explicit, so a bare number never turns into a quadratic by accident:
//   `q + 2.0` adds 2 to c, and `VMATH_QuadraticPolynom q = 5.0;` does not compile (it would have
//   meant 5x²).
// - findRoots passes NaN coefficients on to rSolveQE: NaN roots, or VMATH_WrongNumber when b is
//   NaN in its general case.
#ifndef ORVANE_MATH_QUADRATIC_POLYNOM_H
#define ORVANE_MATH_QUADRATIC_POLYNOM_H

#include "orvane/base/export.h"
#include "orvane/math/polynom.h"

// The quadratic a·x² + b·x + c, a plain value with public coefficients.
struct ORVANE_API VMATH_QuadraticPolynom {
    double a;  // coefficient of x²
    double b;  // coefficient of x
    double c;  // constant term

    // The quadratic with these coefficients, highest power first; all 0 by default.
    explicit VMATH_QuadraticPolynom(double a = 0, double b = 0, double c = 0);

    // x·(a·x + b) + c.
    double calcValue(double x) const;
    double operator()(double x) const;

    // 2·a·x + b.
    double firstDerivation(double x) const;
    // 2·a; x is not used.
    double calcSecondDer(double x) const;

    // Coefficient-wise arithmetic.
    VMATH_QuadraticPolynom& operator+=(const VMATH_QuadraticPolynom& q);
    VMATH_QuadraticPolynom operator+(const VMATH_QuadraticPolynom& q) const;
    VMATH_QuadraticPolynom operator-(const VMATH_QuadraticPolynom& q) const;
    VMATH_QuadraticPolynom operator-() const;
    // Adds s to c only.
    VMATH_QuadraticPolynom operator+(double s) const;
    // Every coefficient times f.
    VMATH_QuadraticPolynom operator*(double f) const;

    // The product, in ascending order: element i is the coefficient of x^i.
    VMATH_Polynom<4> operator*(VMATH_QuadraticPolynom q) const;

    // The real roots: rSolveQE(a, b, c, &x[0], &x[1]) with its count (−1, 0, 1 or 2) and its root
    // order. x must have room for 2 values; only the first `count` are written.
    long findRoots(double* x) const;
};

#endif
