// Root searches on a caller's function: regula falsi on a bracket, the secant method, and a scan
// of an interval for all roots.
//
//   double parabola(double x, const double* p) { return x * x - p[0]; }
//   const double two[] = {2.0};
//   double root;
//   rCompFXEqZeroRF(&parabola, two, 0, 2, &root, 1e-12);    // 0, root close to sqrt(2)
//   rCompFXEqZeroRF(&parabola, two, 2, 3, &root, 1e-12);    // 1: no sign change
//   rCompFXEqZeroInt(&parabola, two, 1, 2, &root, 1e-12);   // 0: the secant from 1 and 2
//
//   double sine(double x, const double*) { return std::sin(x); }
//   double roots[8];
//   long n = rCompFXEqZeroAll(&sine, nullptr, -0.5, 7, 1, 0.01, roots, 8, 1e-12);
//   // n == 3: 0, pi, 2 pi, in this order
//
// rCompFXEqZeroRF keeps a bracket [a, b] with a sign change and replaces the end whose value has
// the sign of the new point's; it stops when |f(x)| <= eps (0) and gives 1 when f(a) and f(b)
// have the same strict sign. rCompFXEqZeroInt pairs the new point with the point stored before
// it (x0 at first) and stops when |f(x)| <= eps and the step is at most eps (0); a step of more
// than five times |x0 - x1| is divergence (1). `*result` always holds the last estimate.
//
// rCompFXEqZeroAll scans [a, b] from a: c bounds |f'|, so a step of |f|/c cannot pass a root and
// is taken when it is longer than the minimum step d. After a plain step of d, a local minimum of
// |f| without a sign change (a touching root) is searched with the secant method, and a sign
// change with regula falsi; after each root found the scan goes on at root + d. |f(a)| < eps
// makes a the first root. Samples that are exactly zero count for neither test, and roots may lie
// slightly beyond b when the last step passes it.
//
// Choices (so that every call stops, with bounded work, whatever the input):
// - Signs are compared, not products: values of like sign are never taken as a sign change
//   because their product underflows to zero.
// - Each call may evaluate f at most 2^27 times (134,217,728), the scan's nested searches
//   included; a search that converges within that many evaluations is never cut short.
//   rCompFXEqZeroRF and rCompFXEqZeroInt return 1 when the evaluations are spent, and at once when
//   an estimate or the function's value is NaN (every later step would be NaN as well), with the
//   last estimate in `*result`. A pole inside the bracket, a cycle of the secant, or eps < 0 thus
//   end in 1.
// - rCompFXEqZeroAll with a capacity writes at most `capacity` roots and stops scanning once
//   `roots` is full; the form without a capacity cannot check and needs room for every root the
//   scan finds (at most one per step of at least d, plus the root at a). Neither writes past the
//   last root found: estimates that are not accepted stay in a local.
// - The scan stops where it is when the evaluations are spent, returning the roots found so far.
//   It also stops when a step is lost in rounding (x + step == x), where it would stand still. A d
//   that is not positive (0, negative, NaN) scans nothing beyond the test at a; NaN borders scan
//   nothing.
// - A null function or result pointer returns -1 from rCompFXEqZeroRF and rCompFXEqZeroInt;
//   rCompFXEqZeroAll with a null function or null `roots` returns 0.
#ifndef ORVANE_MATH_ROOT_FINDING_H
#define ORVANE_MATH_ROOT_FINDING_H

#include "orvane/base/export.h"

// A root of f between a and b by regula falsi: 0 with the root in `result`, 1 when f(a) and f(b)
// have the same strict sign (nothing written) or the search does not converge.
ORVANE_API long rCompFXEqZeroRF(double (*f)(double, const double*), const double* params, double a,
                                double b, double* result, double eps);

// A root of f by the secant method from x0 and x1: 0 on convergence, 1 on divergence.
ORVANE_API long rCompFXEqZeroInt(double (*f)(double, const double*), const double* params,
                                 double x0, double x1, double* result, double eps);

// All roots found while scanning [a, b], written to `roots` in the order found; returns their
// number. `roots` must have room for every root (see Choices); prefer the form with a capacity.
ORVANE_API long rCompFXEqZeroAll(double (*f)(double, const double*), const double* params, double a,
                                 double b, double c, double d, double* roots, double eps);

// The same scan writing at most `capacity` roots; it stops once `roots` is full.
ORVANE_API long rCompFXEqZeroAll(double (*f)(double, const double*), const double* params, double a,
                                 double b, double c, double d, double* roots,
                                 unsigned long capacity, double eps);

#endif
