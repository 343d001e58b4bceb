#include "orvane/math/root_check.h"

#include <cmath>

#include "orvane/math/tolerances.h"

namespace orvane::root_check {

namespace {

constexpr long kMaxDegree = 9;
constexpr double kRelativeResidual = 1e-6;
constexpr double kAlphaBound = 0.02;
constexpr double kSeparation = 0.14;

// |z|: the plain square root of the squares where neither can overflow or underflow, hypot
// otherwise.
double modulus(const VMATH_Complex& z) {
    const double a = std::fabs(z.re);
    const double b = std::fabs(z.im);
    const double big = a > b ? a : b;
    const double small = a > b ? b : a;
    if (big < 0x1p500 && (small > 0x1p-500 || small == 0.0)) return std::sqrt(a * a + b * b);
    return std::hypot(a, b);
}

VMATH_Complex mulAdd(const VMATH_Complex& x, const VMATH_Complex& b, const VMATH_Complex& c) {
    return VMATH_Complex{x.re * b.re - x.im * b.im + c.re, x.re * b.im + x.im * b.re + c.im};
}

// The Taylor coefficients of a at z: after `passes` passes of synthetic division, c[k] is
// p⁽ᵏ⁾(z)/k! for k < passes.
void taylor(const VMATH_Complex* a, long m, const VMATH_Complex& z, long passes, VMATH_Complex* c) {
    for (long i = 0; i <= m; ++i)
        c[i] = a[i];
    for (long k = 0; k < passes && k < m; ++k) {
        for (long j = m - 1; j >= k; --j)
            c[j] = mulAdd(z, c[j + 1], c[j]);
    }
}

// Smale's α-test at z: `certified` when α = β·γ ≤ kAlphaBound.
struct Certificate {
    bool certified = false;
    double beta = 0.0;
    double gamma = 0.0;
};

Certificate certify(const VMATH_Complex* a, long m, const VMATH_Complex& z) {
    Certificate cert;
    VMATH_Complex c[kMaxDegree + 1];
    taylor(a, m, z, m, c);
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

// True when z and w are certified approximations of one simple root.
bool sameSimpleRoot(const VMATH_Complex* a, long m, const VMATH_Complex& z,
                    const VMATH_Complex& w) {
    const Certificate cz = certify(a, m, z);
    if (!cz.certified) return false;
    const Certificate cw = certify(a, m, w);
    if (!cw.certified) return false;
    const double apart = modulus(VMATH_Complex{z.re - w.re, z.im - w.im});
    const double gamma = std::fmax(cz.gamma, cw.gamma);
    return (apart + 2.0 * cz.beta + 2.0 * cw.beta) * gamma < kSeparation;
}

// p, p′ and p″/2 at z together (Horner), with S(|z|) and S′(|z|) from the coefficients' moduli.
struct Local {
    VMATH_Complex value{0.0, 0.0};
    VMATH_Complex slope{0.0, 0.0};
    VMATH_Complex half{0.0, 0.0};
    double size = 0.0;
    double sizeSlope = 0.0;
};

Local evaluate(const VMATH_Complex* a, const double* sizes, long m, const VMATH_Complex& z) {
    const double t = modulus(z);
    Local l;
    l.value = a[m];
    l.size = sizes[m];
    for (long k = m - 1; k >= 0; --k) {
        l.half = mulAdd(z, l.half, l.slope);
        l.slope = mulAdd(z, l.slope, l.value);
        l.value = mulAdd(z, l.value, a[k]);
        l.sizeSlope = l.sizeSlope * t + l.size;
        l.size = l.size * t + sizes[k];
    }
    return l;
}

bool nearRoot(const Local& l) {
    const double r = V_Tolerances::getRelTol();
    const double residual = modulus(l.value);
    return std::isfinite(residual) && residual <= r + r * l.sizeSlope + kRelativeResidual * l.size;
}

void moduli(const VMATH_Complex* a, long m, double* sizes) {
    for (long k = 0; k <= m; ++k)
        sizes[k] = modulus(a[k]);
}

double squared(const VMATH_Complex& z) {
    return z.re * z.re + z.im * z.im;
}

// γ ≥ |c_2/c_1| at every value, so a pair with |z − w|·|c_2/c_1| ≥ kSeparation at z or at w is
// never flagged; only the rare pairs closer than that take the full certificate. The prefilter
// compares squares, (kSeparation·|c_1/c_2|)²; where one is not finite it lets the pair through.
double reach(const Local& l) {
    const double n1 = squared(l.slope);
    const double n2 = squared(l.half);
    if (!(std::isfinite(n1) && std::isfinite(n2) && n2 > 0.0)) return INFINITY;
    return kSeparation * kSeparation * (n1 / n2);
}

bool namesTwice(const VMATH_Complex* a, long m, const VMATH_Complex* roots, long count,
                const double* reaches) {
    for (long i = 0; i < count; ++i) {
        for (long j = i + 1; j < count; ++j) {
            const double apart =
                squared(VMATH_Complex{roots[i].re - roots[j].re, roots[i].im - roots[j].im});
            if (apart >= reaches[i] || apart >= reaches[j]) continue;
            if (sameSimpleRoot(a, m, roots[i], roots[j])) return true;
        }
    }
    return false;
}

}  // namespace

bool isNearRoot(const VMATH_Complex* a, long m, const VMATH_Complex& z) {
    if (m < 0 || m > kMaxDegree) return false;
    double sizes[kMaxDegree + 1];
    moduli(a, m, sizes);
    return nearRoot(evaluate(a, sizes, m, z));
}

bool areRoots(const VMATH_Complex* a, long m, const VMATH_Complex* roots, long count) {
    if (m < 0 || m > kMaxDegree || count > kMaxDegree) return false;
    double sizes[kMaxDegree + 1];
    moduli(a, m, sizes);
    double reaches[kMaxDegree];
    for (long i = 0; i < count; ++i) {
        const Local l = evaluate(a, sizes, m, roots[i]);
        if (!nearRoot(l)) return false;
        reaches[i] = reach(l);
    }
    return m < 2 || !namesTwice(a, m, roots, count, reaches);
}

}  // namespace orvane::root_check
