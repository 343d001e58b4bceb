// Adaptive integration of a caller's function, and the border at which its integral reaches a
// value.
//
//   double square(double x, const double*) { return x * x; }
//   double area;
//   rSolveNI(&square, nullptr, 0, 3, &area, 1e-9);             // 0, area == 9
//   double border;
//   rCompNIBorder(9, &square, nullptr, 0, 8, &border, 1e-9);   // 0, border close to 3
//
// rSolveNI uses the composite Simpson 3/8 rule. It starts with h = (b - a) / 12, panels of width
// 3h from a while b - 2h lies beyond the panel start (four panels at first), and halves h,
// evaluating every point afresh, until two estimates differ by at most eps. It throws
// VMATH_DivergenceIntegralSol, after storing the last estimate in `result`, in the refinement in
// which h falls below 0.01·eps. When eps > b - a (b < a included) it returns 0 at once and does
// not write `result`.
//
// rCompNIBorder bisects the upper border in [a, b], integrating only the new half each time
// (rSolveNI with 0.01·eps), and returns the middle at which the integral from a is within eps of
// the target. |target| < eps gives a. It expects a non-negative integrand and a positive target,
// and throws VMATH_DivergenceIntegralSol when the bracket becomes narrower than eps.
//
// Choices (so that every call stops, with bounded work, whatever the input):
// - Each call may evaluate f at most 2^27 times (134,217,728), rCompNIBorder's nested integrals
//   included. Every computation that needs fewer evaluations runs its steps to the end: rSolveNI
//   of sqrt on [0, 1] with eps 1e-12 needs 22 refinements and 134,217,712 evaluations and returns
//   0.666666666666353. A computation that needs more ends with VMATH_DivergenceIntegralSol
//   (rSolveNI storing the last complete estimate first); only a tiny or non-positive eps, or
//   rounding noise above eps on a large integral, gets there, after about half a second for a
//   cheap f.
// - A panel step that is lost in rounding (a + 3h == a, far from zero), where the panels would
//   never reach b, also ends rSolveNI with VMATH_DivergenceIntegralSol, after storing the last
//   estimate (0 before the first).
// - A caller's function that returns NaN or infinity makes the estimates NaN; two NaN estimates
//   do not differ by more than eps, so rSolveNI returns 0 with a NaN result. NaN or infinite
//   borders behave the same way.
// - rCompNIBorder integrates an empty piece (a middle equal to lo, once the bracket is two
//   neighbouring doubles) as 0. It throws VMATH_DivergenceIntegralSol as soon as its bracket,
//   middle and accumulated integral come back unchanged (the bisection would repeat that step for
//   ever: eps <= 0, infinite borders) and when the bracket's width or eps is NaN. A reversed
//   bracket (b < a) integrates nothing and narrows until it throws.
// - A null function or result pointer returns -1 and writes nothing.
#ifndef ORVANE_MATH_INTEGRATION_H
#define ORVANE_MATH_INTEGRATION_H

#include "orvane/base/export.h"
#include "orvane/math/math_exception.h"

// The integral of f from a to b into `result`: 0 (also when eps > b - a, result unwritten).
ORVANE_API long rSolveNI(double (*f)(double, const double*), const double* params, double a,
                         double b, double* result, double eps);

// The x in [a, b] with the integral of f from a to x equal to target, within eps, into `result`: 0.
ORVANE_API long rCompNIBorder(double target, double (*f)(double, const double*),
                              const double* params, double a, double b, double* result, double eps);

#endif
