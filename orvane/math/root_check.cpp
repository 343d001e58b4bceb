#include "orvane/math/root_check.h"

#include <cmath>

#include "orvane/math/tolerances.h"

namespace orvane::root_check {

namespace {

constexpr long kMaxDegree = 9;
constexpr double kRelativeResidual = 1e-6;
constexpr double kAlphaBound = 0.02;
constexpr double kSeparation = 0.14;

double modulus(const VMATH_Complex& z) {
    return std::hypot(z.re, z.im);
}

VMATH_Complex mulAdd(const VMATH_Complex& x, const VMATH_Complex& b, const VMATH_Complex& c) {
    return VMATH_Complex{x.re * b.re - x.im * b.im + c.re, x.re * b.im + x.im * b.re + c.im};
}

// Smale's α-test at z: `certified` when α = β·γ ≤ kAlphaBound.
struct Certificate {
    bool certified = false;
    double beta = 0.0;
    double gamma = 0.0;
};

Certificate certify(const VMATH_Complex* a, long m, const VMATH_Complex& z) {
    Certificate cert;
    if (m < 1 || m > kMaxDegree) return cert;
    // Repeated synthetic division: pass k leaves c[k] = p⁽ᵏ⁾(z)/k!.
    VMATH_Complex c[kMaxDegree + 1];
    for (long i = 0; i <= m; ++i)
        c[i] = a[i];
    for (long k = 0; k < m; ++k) {
        for (long j = m - 1; j >= k; --j)
            c[j] = mulAdd(z, c[j + 1], c[j]);
    }
    const double slope = modulus(c[1]);
    if (!(slope > 0.0)) return cert;
    cert.beta = modulus(c[0]) / slope;
    for (long k = 2; k <= m; ++k) {
        const double g = std::pow(modulus(c[k]) / slope, 1.0 / static_cast<double>(k - 1));
        if (!(g >= 0.0)) return cert;  // NaN
        if (g > cert.gamma) cert.gamma = g;
    }
    cert.certified = cert.beta * cert.gamma <= kAlphaBound && std::isfinite(cert.beta);
    return cert;
}

}  // namespace

bool isNearRoot(const VMATH_Complex* a, long m, const VMATH_Complex& z) {
    const double t = modulus(z);
    VMATH_Complex value = a[m];
    double size = modulus(a[m]);  // S(t)
    double slope = 0.0;           // S′(t)
    for (long k = m - 1; k >= 0; --k) {
        value = mulAdd(z, value, a[k]);
        slope = slope * t + size;
        size = size * t + modulus(a[k]);
    }
    const double r = V_Tolerances::getRelTol();
    const double residual = modulus(value);
    return std::isfinite(residual) && residual <= r + r * slope + kRelativeResidual * size;
}

bool namesASimpleRootTwice(const VMATH_Complex* a, long m, const VMATH_Complex* roots, long count) {
    if (count < 2 || count > kMaxDegree) return false;
    Certificate cert[kMaxDegree];
    for (long i = 0; i < count; ++i)
        cert[i] = certify(a, m, roots[i]);
    for (long i = 0; i < count; ++i) {
        for (long j = i + 1; j < count; ++j) {
            if (!cert[i].certified || !cert[j].certified) continue;
            const double apart =
                modulus(VMATH_Complex{roots[i].re - roots[j].re, roots[i].im - roots[j].im});
            const double gamma = std::fmax(cert[i].gamma, cert[j].gamma);
            if ((apart + 2.0 * cert[i].beta + 2.0 * cert[j].beta) * gamma < kSeparation)
                return true;
        }
    }
    return false;
}

bool areRoots(const VMATH_Complex* a, long m, const VMATH_Complex* roots, long count) {
    for (long i = 0; i < count; ++i) {
        if (!isNearRoot(a, m, roots[i])) return false;
    }
    return !namesASimpleRootTwice(a, m, roots, count);
}

}  // namespace orvane::root_check
