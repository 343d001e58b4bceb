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
// - rSolveNI refines at most 16 times (262144 panels, about two million evaluations in all); the
//   17th halving is treated like a step below 0.01·eps: the last estimate is stored and
//   VMATH_DivergenceIntegralSol thrown. Without the limit a tiny or non-positive eps (or rounding
//   noise above eps on a large integral) would double the work without end.
// - A panel step that is lost in rounding (a + 3h == a, far from zero) also ends rSolveNI with
//   VMATH_DivergenceIntegralSol, after storing the last estimate (0 before the first).
// - A caller's function that returns NaN or infinity makes the estimates NaN; two NaN estimates
//   do not differ by more than eps, so rSolveNI returns 0 with a NaN result. NaN or infinite
//   borders behave the same way.
// - rCompNIBorder also throws VMATH_DivergenceIntegralSol when the bracket cannot be halved any
//   more (its middle equals a border: eps <= 0, infinite borders), when its width or eps is NaN,
//   and when it has spent ten million evaluations of the function in all. A reversed bracket (b <
//   a) integrates nothing and narrows until it throws.
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
