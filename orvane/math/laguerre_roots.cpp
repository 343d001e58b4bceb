// Laguerre's method and the two general root finders of VMATH_PolyFunctions built on it.
#include <cmath>
#include <utility>

#include "orvane/math/complex_kernels.h"
#include "orvane/math/poly_functions.h"
#include "orvane/math/root_check.h"
#include "orvane/math/tolerances.h"

namespace {

namespace complex_kernels = orvane::complex_kernels;

// The working copies of the general root finders hold at most this many coefficients.
constexpr unsigned long kMaxCoefficients = 10;
constexpr long kLaguerreIterations = 100;
constexpr double kRealPartRatio = 2e-8;  // |im| ≤ this·|re| counts as a real root
constexpr double kSearchEps = 1e-8;
constexpr double kPolishEps = 1e-10;
constexpr double kMergeTol = 1e-5;
// The start values of the searches that follow a turned-aside step: e^(i·t) for t = 1 … 4.
constexpr int kOtherStarts = 4;

VMATH_Complex add(const VMATH_Complex& u, const VMATH_Complex& v) {
    return VMATH_Complex{u.re + v.re, u.im + v.im};
}
VMATH_Complex sub(const VMATH_Complex& u, const VMATH_Complex& v) {
    return VMATH_Complex{u.re - v.re, u.im - v.im};
}
VMATH_Complex mul(const VMATH_Complex& u, const VMATH_Complex& v) {
    return VMATH_Complex{u.re * v.re - u.im * v.im, u.re * v.im + u.im * v.re};
}
VMATH_Complex scale(double s, const VMATH_Complex& v) {
    return VMATH_Complex{s * v.re, s * v.im};
}

// Divides w[0 … j] by (X − x) with synthetic division; w[0 … j − 1] is the quotient afterwards.
void deflate(VMATH_Complex* w, long j, const VMATH_Complex& x) {
    VMATH_Complex b = w[j];
    for (long i = j - 1; i >= 0; --i) {
        const VMATH_Complex c = w[i];
        w[i] = b;
        b = add(mul(x, b), c);
    }
}

double horner(const double* a, unsigned long m, double x) {
    double value = a[m];
    for (unsigned long k = m; k-- > 0;)
        value = value * x + a[k];
    return value;
}

bool realEnough(const VMATH_Complex& z) {
    return std::fabs(z.im) <= kRealPartRatio * std::fabs(z.re);
}

// Laguerre's steps. `turnedAside` is set when a step had to turn aside because p′ = p″ = 0 at
// the estimate (the step m/gp would divide by zero); the result then still needs checking.
long laguerre(const VMATH_Complex* a, long m, VMATH_Complex& x, double eps, bool polish,
              bool& turnedAside) {
    if (m < 1) return -1;
    const double degree = static_cast<double>(m);
    double dxOld = complex_kernels::abs(x);
    for (long k = 1; k <= kLaguerreIterations; ++k) {
        // The value b, the derivative d and half the second derivative f at x, together.
        VMATH_Complex b = a[m];
        VMATH_Complex d{0.0, 0.0};
        VMATH_Complex f{0.0, 0.0};
        for (long j = m - 1; j >= 0; --j) {
            f = add(mul(x, f), d);
            d = add(mul(x, d), b);
            b = add(mul(x, b), a[j]);
        }
        if (complex_kernels::absBelowRelTol(b)) return 0;

        const VMATH_Complex g = complex_kernels::div(d, b);
        const VMATH_Complex g2 = mul(g, g);
        const VMATH_Complex h = sub(g2, scale(2.0, complex_kernels::div(f, b)));
        const VMATH_Complex sq =
            complex_kernels::sqrt(scale(degree - 1.0, sub(scale(degree, h), g2)));
        VMATH_Complex gp = add(g, sq);
        const VMATH_Complex gm = sub(g, sq);
        if (complex_kernels::absGreater(gm, gp)) gp = gm;

        if (gp.re == 0.0 && gp.im == 0.0 && (a[m].re != 0.0 || a[m].im != 0.0)) {
            // p′ = p″ = 0 at x, where the step m/gp would divide by zero (x³ − 8 at 0): move by
            // 1 + |x| in a direction that turns with k, and take the next step from there.
            turnedAside = true;
            const double size = 1.0 + complex_kernels::abs(x);
            x = sub(x, VMATH_Complex{size * std::cos(static_cast<double>(k)),
                                     size * std::sin(static_cast<double>(k))});
            dxOld = size;
            continue;
        }
        const VMATH_Complex dx = complex_kernels::div(VMATH_Complex{degree, 0.0}, gp);
        const VMATH_Complex x1 = sub(x, dx);
        if (complex_kernels::absBelowRelTol(sub(x, x1))) return 0;
        x = x1;
        const double cdx = complex_kernels::abs(dx);
        if (k > 6 && cdx >= dxOld) return 0;
        dxOld = cdx;
        if (!polish && cdx <= eps * complex_kernels::abs(x)) return 0;
    }
    return -1;
}

// One search for all m roots of a from `start`, deflating after each, then the polish on a and
// the sort by real part.
long searchAll(const VMATH_Complex* a, long m, const VMATH_Complex& start, VMATH_Complex* roots,
               bool polish, bool& turnedAside) {
    VMATH_Complex w[kMaxCoefficients];
    for (long i = 0; i <= m; ++i)
        w[i] = a[i];
    for (long j = m; j >= 1; --j) {
        VMATH_Complex x = start;
        if (laguerre(w, j, x, kSearchEps, false, turnedAside) != 0) return -1;
        if (realEnough(x)) x.im = 0.0;
        roots[j - 1] = x;
        deflate(w, j, x);
    }
    if (polish) {
        for (long i = 0; i < m; ++i) {
            if (laguerre(a, m, roots[i], kPolishEps, true, turnedAside) != 0) return -1;
        }
    }
    // Straight insertion by real part: a root moves left only past strictly greater real parts.
    for (long i = 1; i < m; ++i) {
        const VMATH_Complex v = roots[i];
        long j = i - 1;
        while (j >= 0 && roots[j].re > v.re) {
            roots[j + 1] = roots[j];
            --j;
        }
        roots[j + 1] = v;
    }
    return 0;
}

}  // namespace

long VMATH_PolyFunctions::laguer(const VMATH_Complex* a, long m, VMATH_Complex& x, double eps,
                                 bool polish) {
    bool turnedAside = false;
    const long status = laguerre(a, m, x, eps, polish, turnedAside);
    if (status == 0 && turnedAside && !orvane::root_check::isNearRoot(a, m, x)) return -1;
    return status;
}

long VMATH_PolyFunctions::polyRoots(const VMATH_Complex* a, unsigned long m, VMATH_Complex* roots,
                                    bool polish) {
    if (m >= kMaxCoefficients) return -1;
    const long degree = static_cast<long>(m);
    bool turnedAside = false;
    long status = searchAll(a, degree, VMATH_Complex{0.0, 0.0}, roots, polish, turnedAside);
    if (status == 0 && !orvane::root_check::areRoots(a, degree, roots, degree)) status = -1;
    // A search that had to turn aside is no longer the plain search from 0, which would have
    // failed there: it may as well start elsewhere, until one passes the check.
    for (int t = 1; status != 0 && turnedAside && t <= kOtherStarts; ++t) {
        const VMATH_Complex start{std::cos(static_cast<double>(t)),
                                  std::sin(static_cast<double>(t))};
        status = searchAll(a, degree, start, roots, polish, turnedAside);
        if (status == 0 && !orvane::root_check::areRoots(a, degree, roots, degree)) status = -1;
    }
    return status;
}

long VMATH_PolyFunctions::polyRoots(const double* a, unsigned long m, double* roots, double xFrom,
                                    double xTo, bool polish) {
    if (m >= kMaxCoefficients) return -1;
    if (m == 0) return 0;
    if (xFrom > xTo) std::swap(xFrom, xTo);
    const double r = V_Tolerances::getRelTol();

    VMATH_Complex w[kMaxCoefficients];
    VMATH_Complex P[kMaxCoefficients];
    for (unsigned long i = 0; i <= m; ++i) {
        w[i] = VMATH_Complex{a[i], 0.0};
        P[i] = w[i];
    }
    const VMATH_Complex start{(xFrom + xTo) * 0.5, 0.0};
    long n = static_cast<long>(m);
    const long degree = static_cast<long>(m);

    // Candidates with the estimate they came from, for the test without polishing.
    VMATH_Complex candidates[kMaxCoefficients];
    long count = 0;
    if (std::fabs(a[0]) < r) {
        for (unsigned long i = 0; i < m; ++i)
            w[i] = w[i + 1];
        w[m] = VMATH_Complex{0.0, 0.0};
        n = degree - 1;
        if (xFrom <= r && xTo + r >= 0.0) candidates[count++] = VMATH_Complex{0.0, 0.0};
    }

    for (long j = n; j >= 1; --j) {
        VMATH_Complex x = start;
        if (laguer(w, j, x, kSearchEps, false) != 0) break;
        if (x.re + r >= xFrom && xTo + r >= x.re && std::fabs(x.re) >= std::fabs(x.im)) {
            candidates[count++] = x;
        }
        deflate(w, j, x);
    }

    // A value is kept only where p is near a root (see root_check.h).
    long found = 0;
    auto keep = [&](double c) {
        if (orvane::root_check::isNearRoot(P, degree, VMATH_Complex{c, 0.0})) roots[found++] = c;
    };
    for (long i = 0; i < count; ++i) {
        const double c = candidates[i].re;
        if (!polish) {
            if (realEnough(candidates[i])) keep(c);
        } else if (std::fabs(horner(a, m, c)) < r) {
            keep(c);
        } else {
            VMATH_Complex z{c, 0.0};
            if (laguer(P, degree, z, kPolishEps, true) == 0 && realEnough(z) && z.re + r >= xFrom &&
                xTo + r >= z.re) {
                keep(z.re);
            }
        }
    }

    // An exchange sort, then one pass that keeps a value only if it lies more than the merge
    // tolerance above the last value kept.
    for (long i = 0; i < found; ++i) {
        for (long j = i + 1; j < found; ++j) {
            if (roots[j] < roots[i]) std::swap(roots[i], roots[j]);
        }
    }
    const double width = xTo - xFrom;
    const double t = width > 1.0 ? kMergeTol * width : kMergeTol;
    long kept = 0;
    for (long i = 0; i < found; ++i) {
        if (kept == 0 || roots[i] - roots[kept - 1] > t) roots[kept++] = roots[i];
    }
    return kept;
}
