// A cubic polynomial a·x³ + b·x² + c·x + d: evaluation, derivatives, arithmetic, products and its
// real roots.
//
// The fields run from the highest power down. Products widen to a VMATH_Polynom<N>, whose
// coefficients run from the lowest power up.
//
//   VMATH_CubicPolynom f(1, -6, 11, -6);   // (x − 1)(x − 2)(x − 3)
//   f(4.0);                                // 6
//   f.firstDerivation();                   // the quadratic 3x² − 12x + 11
//   double x[3];
//   f.findRoots(x);                        // 3: x = (1, 2, 3), ascending
//   VMATH_Polynom<6> p = f * f;            // p[0] = 36 … p[6] = 1
//
// findRoots solves in closed form. With |a| below V_Tolerances::getRelTol() it is the quadratic
// b·x² + c·x + d (rSolveQE's count and order, unsorted); with |d| below it, 0 is a root and the
// quadratic factor gives the others; otherwise Cardano's method in trigonometric form gives three
// roots (repeated roots count, ascending) or one.
//
// Choices:
// - The constructor is explicit, so a bare number never turns into a cubic by accident
//   (`f - 2.0` subtracts 2 from d).
// - A triple root makes Q = R = 0 in the trigonometric branch, where the cosine argument R/√Q³ is
//   0/0; it is then taken as 0. The three roots are −A/3 either way, so this only avoids NaN.
// - NaN coefficients give NaN roots or throw VMATH_WrongNumber from sign() (directly, or through
//   rSolveQE), as the closed-form solvers do. Nothing loops. Coefficients of such different size
//   that the normalised values overflow or underflow (a = 1e300 with b, c, d = 1) can give NaN
//   roots as well.
#ifndef ORVANE_MATH_CUBIC_POLYNOM_H
#define ORVANE_MATH_CUBIC_POLYNOM_H

#include "orvane/base/export.h"
#include "orvane/math/polynom.h"
#include "orvane/math/quadratic_polynom.h"

// The cubic a·x³ + b·x² + c·x + d, a plain value with public coefficients.
struct ORVANE_API VMATH_CubicPolynom {
    double a;  // coefficient of x³
    double b;  // coefficient of x²
    double c;  // coefficient of x
    double d;  // constant term

    // The cubic with these coefficients, highest power first; all 0 by default.
    explicit VMATH_CubicPolynom(double a = 0, double b = 0, double c = 0, double d = 0);

    // x·((a·x + b)·x + c) + d.
    double calcValue(double x) const;
    double operator()(double x) const;

    // x·(3·a·x + 2·b) + c.
    double firstDerivation(double x) const;
    // 6·a·x + 2·b.
    double calcSecondDer(double x) const;
    // The derivative polynomial 3a·x² + 2b·x + c.
    VMATH_QuadraticPolynom firstDerivation() const;

    // Coefficient-wise arithmetic.
    VMATH_CubicPolynom& operator+=(const VMATH_CubicPolynom& f);
    VMATH_CubicPolynom operator+(const VMATH_CubicPolynom& f) const;
    VMATH_CubicPolynom operator-(const VMATH_CubicPolynom& f) const;
    VMATH_CubicPolynom operator-() const;
    // Add s to, or subtract it from, d only.
    VMATH_CubicPolynom operator+(double s) const;
    VMATH_CubicPolynom operator-(double s) const;
    // Every coefficient times f.
    VMATH_CubicPolynom operator*(double f) const;

    // Products, in ascending order: element i is the sum of the products of the factors'
    // coefficients whose powers add up to i.
    VMATH_Polynom<5> operator*(VMATH_QuadraticPolynom q) const;
    VMATH_Polynom<6> operator*(VMATH_CubicPolynom f) const;
    VMATH_Polynom<9> operator*(VMATH_Polynom<6> p) const;

    // The real roots into x, which must have room for 3 values; returns their number. rSolveQE's
    // counts pass through in the quadratic case (−1 when a, b, c, d all vanish, 0 when none); else
    // 1, 2 or 3 with the roots ascending (a double root counts twice in the three-root branch).
    long findRoots(double* x) const;
};

#endif
