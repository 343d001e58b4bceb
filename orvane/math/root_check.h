// Checks on what a polynomial root search reports. Internal to the numeric code: not part of the
// library's interface, and not in the umbrella header; areRoots is exported only so that the tests
// can probe the certificate's bounds directly.
//
// Laguerre's method can stop at a point that is no root (a step that stopped shrinking, far from
// any root), and polishing can pull two estimates onto one root while another root is lost. The
// root finders run these checks before they report a success.
//
// A point z is near a root of p = a[0 … m] when
//
//   |p(z)| ≤ relTol + relTol·S′(|z|) + 1e-6·S(|z|),   S(t) = Σ |a_k|·t^k,
//
// that is, within the search's own value test (|p| < relTol), plus what a last step below relTol
// can leave (relTol times a bound of |p′|), plus one part in a million of the size of the terms
// that make up p(z), for the rounding that deflation leaves in the coefficients.
//
// A root set names a simple root twice when two of its values are certified approximations of one
// simple root. The certificate is Smale's α-test: with the Taylor coefficients c_k = p⁽ᵏ⁾(z)/k!,
// β = |c_0/c_1| and γ = max over k ≥ 2 of |c_k/c_1|^(1/(k−1)), α = β·γ ≤ 0.02 proves that a
// simple root ζ lies within 2β of z and that no other root lies within 0.1434/γ of ζ (the
// γ-theorem's 0.1771/γ(ζ), with γ(ζ) ≤ 1.2354·γ(z) at that distance). Two values z, w so
// certified with |z − w| + 2β_z + 2β_w below 0.14/max(γ_z, γ_w) therefore approximate the same
// simple root. Values at a multiple root or in a tight cluster are never certified (c_1 is nearly
// 0 there, γ large), so a double root reported twice passes.
#ifndef ORVANE_MATH_ROOT_CHECK_H
#define ORVANE_MATH_ROOT_CHECK_H

#include "orvane/base/export.h"
#include "orvane/math/complex_number.h"

namespace orvane::root_check {

// True when z is near a root of a[0 … m] in the sense above (false for NaN or an infinite value).
bool isNearRoot(const VMATH_Complex* a, long m, const VMATH_Complex& z);

// True when every one of roots[0 … count − 1] is near a root of a and no two of them are
// certified approximations of one simple root.
ORVANE_API bool areRoots(const VMATH_Complex* a, long m, const VMATH_Complex* roots, long count);

}  // namespace orvane::root_check

#endif
