// Closed-form solvers for quadratic and cubic equations, a NaN-rejecting sign and a double sort.
//
//   double x1, x2, x3;
//   rSolveQE(1, -3, 2, &x1, &x2);          // 2: x1 = 2, x2 = 1 (larger magnitude first)
//   _complex z1, z2;
//   cSolveQE(1, 0, 1, &z1, &z2);           // 2: z1 = 0 + 1i, z2 = 0 - 1i
//   rSolveCE(1, -6, 11, -6, &x1, &x2, &x3);   // 3: 3, 2, 1 (to rounding, unsorted)
//   sign(-0.0);                            // 0
//   double v[] = {3, -1, 2};
//   qsort(v, 3);                           // {-1, 2, 3}
//
// Every test for zero compares a modulus with the fixed eps = 1e-15 (|v| < 1e-15 counts as zero).
// Root counts: 0 means no (real) solution, -1 means every x solves the equation (all
// coefficients vanish). Only the first `count` outputs are written by rSolveQE.
//
// `qsort(double*, unsigned int)` is an overload of the C library's four-argument qsort; code that
// includes <cstdlib> calls either one by its arguments.
//
// Choices:
// - rSolveCE with a leading coefficient of exactly zero (+0 or -0) is the quadratic
//   b·x² + c·x + d = 0: it returns what rSolveQE(b, c, d, x1, x2) returns (-1, 0, 1 or 2) and
//   leaves x3 unwritten. Any other leading coefficient, however small, takes the cubic form, which
//   does not depend on the scale of the coefficients.
// - In the three-root case of rSolveCE the cosine argument -Q/r is clamped to [-1, 1]; rounding
//   can push it just outside when the coefficients are large, which would otherwise give NaN.
// - cSolveQE and rSolveCE never throw: NaN coefficients give NaN roots (a NaN leading coefficient
//   of cSolveQE is not >= eps, so it takes the linear case). rSolveQE throws VMATH_WrongNumber
//   when its general case meets a NaN b (through sign).
// - qsort with a null array or fewer than two values does nothing.
#ifndef ORVANE_MATH_EQUATION_SOLVERS_H
#define ORVANE_MATH_EQUATION_SOLVERS_H

#include "orvane/base/c_complex.h"
#include "orvane/base/export.h"
#include "orvane/math/math_exception.h"

// Real roots of a·x² + b·x + c = 0: -1, 0, 1 or 2. With two roots in the general case, x1 is
// the one of larger magnitude.
ORVANE_API long rSolveQE(double a, double b, double c, double* x1, double* x2);

// Roots of a·x² + b·x + c = 0 as complex numbers: -1, 0, 1 or 2. Both outputs are first set to
// 0 + 0i, so an output that receives no root reads zero.
ORVANE_API long cSolveQE(double a, double b, double c, _complex* x1, _complex* x2);

// Real roots of a·x³ + b·x² + c·x + d = 0 by Cardano's method: 1, 2 or 3 (a double root counts
// once). All three pointers must be valid; values past the count are not meaningful. The roots
// are not sorted.
ORVANE_API long rSolveCE(double a, double b, double c, double d, double* x1, double* x2,
                         double* x3);

// -1 for negative x (-inf and negative denormals included), 0 for +0 and -0, +1 for positive x.
// Throws VMATH_WrongNumber for a NaN.
ORVANE_API long sign(double x);

// Sorts the n values ascending in place. A NaN compares equal to everything; equal values may
// change their order.
ORVANE_API void qsort(double* v, unsigned int n);

#endif
