// The polynomial toolbox: real roots of low-degree equations, extreme values of a cubic or quartic
// on an interval, all complex roots of a polynomial up to degree 9 (Laguerre's method), the real
// roots of such a polynomial in an interval, and products of coefficient arrays.
//
// Coefficient arrays (double* or VMATH_Complex*) are in ascending order: element i is the
// coefficient of x^i, so a polynomial of degree m has m + 1 elements. VMATH_Polynom<4> is ascending
// as well; VMATH_CubicPolynom has its fields highest power first.
//
//   double x;
//   VMATH_PolyFunctions::solveLinear(2, -4, x);               // 1, x = 2
//   double lo, hi, xLo, xHi;
//   VMATH_PolyFunctions::calcCubicMinMax(VMATH_CubicPolynom(1, 0, -3, 0), -1.5, 1.5, lo, hi,
//                                        xLo, xHi);           // −2 at 1, 2 at −1
//   VMATH_Complex a[] = {{1, 0}, {0, 0}, {1, 0}}, z[2];       // x² + 1
//   VMATH_PolyFunctions::polyRoots(a, 2, z, true);            // 0: z = (−i, i)
//   double c[] = {0, -1, 0, 1}, r[3];                         // x³ − x
//   VMATH_PolyFunctions::polyRoots(c, 3, r, -0.5, 2, true);   // 2: r = (0, 1)
//   VMATH_Polynom<4> q{{4, 0, -5, 0, 1}};                     // x⁴ − 5x² + 4
//   double r4[4];
//   VMATH_PolyFunctions::polyRoots(q, r4);                    // 4: −2, −1, 1, 2
//
// "Zero" means below V_Tolerances::getRelTol() (1e-9) here, except in solveQuadratic, which is
// rSolveQE and uses 1e-15. Every routine stops on every input: the iterations are bounded
// (laguer 100 steps, the Newton search 50), and the root finders refuse degrees above 9 with −1.
//
// Choices:
// - Input arrays are taken as pointers to const: the functions never write them.
// - laguer with a degree m below 1 returns −1 at once and leaves x as it was (a constant has no
//   root to improve).
// - Where p′ and p″ both vanish at the estimate (x³ − 8 at the start value 0), Laguerre's step
//   m/gp divides by zero and every later value would be NaN, so the search would fail on such
//   common input. laguer then turns aside: it moves the estimate by 1 + |x| in the direction
//   (cos k, sin k) of the iteration number k, without the stopping tests, and goes on. A
//   polynomial whose leading coefficient is exactly 0 gets no such step: it has fewer roots than
//   its degree says. A search that turned aside reports 0 only if it ends near a root in the
//   sense of the check below; otherwise it returns −1, as the plain steps would have.
// - Every success is checked before it is reported. A value z counts as a root of p = a[0 … m]
//   when |p(z)| ≤ relTol + relTol·S′(|z|) + 1e-6·S(|z|), with S(t) = Σ |a_k|·t^k: the search's
//   own value test, what a last step below relTol can leave, and one part in a million of the
//   size of the terms of p(z). The complex polyRoots returns −1 when one of its roots fails that
//   test or when two of them are certified (Smale's α-test, α ≤ 0.02) to approximate one simple
//   root, so a simple root is never reported twice while another is lost. Roots at a multiple
//   root or in a tight cluster are not certified and pass. Laguerre's steps can end at a point
//   that is no root, and polishing can pull two estimates onto one root: of a million random
//   polynomials of degree 2 to 9 with roots in [−10, 10], 133 unpolished and 67 polished
//   searches did, and give −1 instead of a wrong list. The interval polyRoots drops a
//   candidate that fails the value test.
// - When the complex polyRoots' search from 0 had to turn aside and its result fails the check
//   (x⁸ + x⁴ + 1: the deflated quartic is nearly symmetric about 0), it searches again from the
//   start values e^(i·t), t = 1 … 4, and returns the first result that passes, or −1. A search
//   that never turned aside is not repeated. After −1, `roots` holds the last search's values.
// - The interval polyRoots without polishing appends the candidates whose Laguerre estimate is
//   real within the test that polishing applies (|im| ≤ 2e-8·|re|), then sorts and merges as with
//   polishing. Appending every candidate would report the real part of a complex pair such as
//   1 ± 0.5i as a root, because a candidate needs only |re| ≥ |im|.
// - The interval polyRoots reads bounds given in either order as the same interval, and treats a
//   polynomial of degree 0 as having no roots (it returns 0 and writes nothing). An infinite or
//   NaN bound makes the start value of the search non-finite: only the root 0 can then be found.
// - calcCubicMinMax and calcPolyMinMax also read bounds in either order as the same interval.
// - multiplyPolynomials computes each result coefficient completely before writing it, from the
//   highest down, so `result` may be the same array as `a` or `b` if it has room for the product.
//   The sums are formed in the same order as the plain double loop over i, then j.
// - findPolynomialRootNewton is provided for VMATH_Polynom<9> as well, with the same steps.
// - Routines built on the closed-form solvers (solveQuadratic, solveCubic, calcCubicMinMax,
//   calcPolyMinMax, the quartic polyRoots) pass NaN on as those do: NaN results, or
//   VMATH_WrongNumber from sign(). Laguerre, Newton, the two general polyRoots and
//   multiplyPolynomials never throw: NaN and infinite coefficients end in −1, in a count of the
//   roots found before the search stopped, or in NaN values.
#ifndef ORVANE_MATH_POLY_FUNCTIONS_H
#define ORVANE_MATH_POLY_FUNCTIONS_H

#include "orvane/base/export.h"
#include "orvane/math/complex_number.h"
#include "orvane/math/cubic_polynom.h"
#include "orvane/math/polynom.h"

// The polynomial toolbox: static functions only, never instantiated.
class ORVANE_API VMATH_PolyFunctions {
public:
    VMATH_PolyFunctions() = delete;

    // a·x + b = 0: 1 with x = −b/a when |a| ≥ relTol; else 0 when |b| ≥ relTol (no root), else −1
    // (every x). x is written only when 1 is returned.
    static long solveLinear(double a, double b, double& x);

    // Exactly rSolveQE(a, b, c, &x1, &x2).
    static long solveQuadratic(double a, double b, double c, double& x1, double& x2);

    // The real roots of f, the same procedure as f.findRoots(x); x has room for 3 values.
    static long solveCubic(const VMATH_CubicPolynom& f, double* x);

    // The smallest and largest value of f on [x1, x2] (and where they occur): the end values and
    // the values at the critical points inside the interval (give or take relTol).
    static void calcCubicMinMax(const VMATH_CubicPolynom& f, double x1, double x2, double& min,
                                double& max);
    static void calcCubicMinMax(const VMATH_CubicPolynom& f, double x1, double x2, double& min,
                                double& max, double& xMin, double& xMax);

    // The same for the quartic p; with |p[4]| < relTol the cubic's answer.
    static void calcPolyMinMax(const VMATH_Polynom<4>& p, double x1, double x2, double& min,
                               double& max);
    static void calcPolyMinMax(const VMATH_Polynom<4>& p, double x1, double x2, double& min,
                               double& max, double& xMin, double& xMax);

    // Laguerre's method on the degree-m polynomial a[0 … m]: improves the estimate x in place.
    // Returns 0 when it stops normally (|p(x)| < relTol, a step below relTol, a step that stopped
    // shrinking after 6 iterations, or, without polishing, a step at most eps·|x|), −1 after 100
    // iterations with x the last estimate.
    static long laguer(const VMATH_Complex* a, long m, VMATH_Complex& x, double eps, bool polish);

    // All m complex roots of a[0 … m] into roots[0 … m − 1], sorted by real part (equal real parts
    // keep the order they were found in). An imaginary part at most 2e-8 times the real part is
    // set to 0. Returns 0, or −1 when m > 9, when a Laguerre search fails (the roots found before
    // stay in `roots`) or when the roots found fail the check under Choices.
    static long polyRoots(const VMATH_Complex* a, unsigned long m, VMATH_Complex* roots,
                          bool polish);

    // The real roots of a[0 … m] in [xFrom, xTo] (give or take relTol) into roots, which needs room
    // for m values: ascending, with values closer than 1e-5 (times the interval's width when it
    // exceeds 1) merged into the first. Returns their number, or −1 when m ≥ 10.
    static long polyRoots(const double* a, unsigned long m, double* roots, double xFrom, double xTo,
                          bool polish);

    // Newton's method from x0 until |p(x)| ≤ tol: 1 with root set, or −1 after 50 steps (root is
    // then the last estimate) or when the iteration oscillates between two values whose midpoint
    // is not a root.
    static long findPolynomialRootNewton(const VMATH_Polynom<4>& p, double x0, double& root,
                                         double tol);
    static long findPolynomialRootNewton(const VMATH_Polynom<9>& p, double x0, double& root,
                                         double tol);

    // The real roots of the quartic p into roots (room for 4), ascending; their number, or −1 when
    // a Newton search fails. Roots where p only touches zero (a double root at a critical point)
    // are not reported. With |p[4]| < relTol it is solveCubic of the cubic part, with that
    // function's counts and order.
    static long polyRoots(const VMATH_Polynom<4>& p, double* roots);

    // The product of a (degree na) and b (degree nb) into result[0 … na + nb].
    static void multiplyPolynomials(const double* a, unsigned long na, const double* b,
                                    unsigned long nb, double* result);
};

#endif
