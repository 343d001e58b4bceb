#include "orvane/math/poly_functions.h"

#include <cmath>
#include <utility>

#include "orvane/math/complex_kernels.h"
#include "orvane/math/equation_solvers.h"
#include "orvane/math/tolerances.h"

namespace {

namespace complex_kernels = orvane::complex_kernels;

// The working copies of the general root finders hold at most this many coefficients.
constexpr unsigned long kMaxCoefficients = 10;
constexpr long kLaguerreIterations = 100;
constexpr long kNewtonIterations = 50;
constexpr double kRealPartRatio = 2e-8;  // |im| ≤ this·|re| counts as a real root
constexpr double kSearchEps = 1e-8;
constexpr double kPolishEps = 1e-10;
constexpr double kMergeTol = 1e-5;
constexpr double kQuarticNewtonTol = 1e-10;
constexpr double kQuarticOuterOffset = 2.0;

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

// Both minmax routines start from the end values and then look at the critical points.
struct Extremes {
    double min;
    double max;
    double xMin;
    double xMax;

    template <class F>
    Extremes(const F& f, double x1, double x2) : min(f(x1)), max(f(x2)), xMin(x1), xMax(x2) {
        if (min > max) {
            std::swap(min, max);
            std::swap(xMin, xMax);
        }
    }

    template <class F>
    void consider(const F& f, double c, double x1, double x2) {
        const double r = V_Tolerances::getRelTol();
        if (!(c + r >= x1 && x2 + r >= c)) return;
        const double v = f(c);
        if (min > v) {
            min = v;
            xMin = c;
        }
        if (v > max) {
            max = v;
            xMax = c;
        }
    }
};

// The smallest and largest value of f on [x1, x2] (the ends in either order) among the ends and
// the n critical points c, with where they are taken.
template <class F>
void extremesAmong(const F& f, double x1, double x2, const double* c, long n, double& min,
                   double& max, double& xMin, double& xMax) {
    if (x1 > x2) std::swap(x1, x2);
    Extremes e(f, x1, x2);
    for (long i = 0; i < n; ++i)
        e.consider(f, c[i], x1, x2);
    min = e.min;
    max = e.max;
    xMin = e.xMin;
    xMax = e.xMax;
}

template <int N>
long newton(const VMATH_Polynom<N>& p, double x0, double& root, double tol) {
    double x = x0;
    double previous = x0;
    double fx = p(x);
    double xn = x0;
    for (long step = 0; step < kNewtonIterations; ++step) {
        xn = x - fx / p.firstDerivation(x);
        if (xn == previous) {
            root = (x + previous) * 0.5;
            return std::fabs(p(root)) <= tol ? 1 : -1;
        }
        fx = p(xn);
        if (std::fabs(fx) <= tol) {
            root = xn;
            return 1;
        }
        previous = x;
        x = xn;
    }
    root = xn;
    return -1;
}

}  // namespace

long VMATH_PolyFunctions::solveLinear(double a, double b, double& x) {
    const double r = V_Tolerances::getRelTol();
    if (std::fabs(a) >= r) {
        x = -b / a;
        return 1;
    }
    return std::fabs(b) >= r ? 0 : -1;
}

long VMATH_PolyFunctions::solveQuadratic(double a, double b, double c, double& x1, double& x2) {
    return rSolveQE(a, b, c, &x1, &x2);
}

long VMATH_PolyFunctions::solveCubic(const VMATH_CubicPolynom& f, double* x) {
    return f.findRoots(x);
}

void VMATH_PolyFunctions::calcCubicMinMax(const VMATH_CubicPolynom& f, double x1, double x2,
                                          double& min, double& max) {
    double xMin, xMax;
    calcCubicMinMax(f, x1, x2, min, max, xMin, xMax);
}

void VMATH_PolyFunctions::calcCubicMinMax(const VMATH_CubicPolynom& f, double x1, double x2,
                                          double& min, double& max, double& xMin, double& xMax) {
    double c[2];
    const long n = rSolveQE(3.0 * f.a, 2.0 * f.b, f.c, &c[0], &c[1]);
    extremesAmong(f, x1, x2, c, n, min, max, xMin, xMax);
}

void VMATH_PolyFunctions::calcPolyMinMax(const VMATH_Polynom<4>& p, double x1, double x2,
                                         double& min, double& max) {
    double xMin, xMax;
    calcPolyMinMax(p, x1, x2, min, max, xMin, xMax);
}

void VMATH_PolyFunctions::calcPolyMinMax(const VMATH_Polynom<4>& p, double x1, double x2,
                                         double& min, double& max, double& xMin, double& xMax) {
    const double* k = p.coef;
    if (std::fabs(k[4]) < V_Tolerances::getRelTol()) {
        calcCubicMinMax(VMATH_CubicPolynom(k[3], k[2], k[1], k[0]), x1, x2, min, max, xMin, xMax);
        return;
    }
    double c[3];
    const long n = solveCubic(VMATH_CubicPolynom(4.0 * k[4], 3.0 * k[3], 2.0 * k[2], k[1]), c);
    extremesAmong(p, x1, x2, c, n, min, max, xMin, xMax);
}

long VMATH_PolyFunctions::laguer(const VMATH_Complex* a, long m, VMATH_Complex& x, double eps,
                                 bool polish) {
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

long VMATH_PolyFunctions::polyRoots(const VMATH_Complex* a, unsigned long m, VMATH_Complex* roots,
                                    bool polish) {
    if (m >= kMaxCoefficients) return -1;
    VMATH_Complex w[kMaxCoefficients];
    for (unsigned long i = 0; i <= m; ++i)
        w[i] = a[i];

    const long degree = static_cast<long>(m);
    for (long j = degree; j >= 1; --j) {
        VMATH_Complex x{0.0, 0.0};
        if (laguer(w, j, x, kSearchEps, false) != 0) return -1;
        if (realEnough(x)) x.im = 0.0;
        roots[j - 1] = x;
        deflate(w, j, x);
    }

    if (polish) {
        for (long i = 0; i < degree; ++i) {
            if (laguer(a, degree, roots[i], kPolishEps, true) != 0) return -1;
        }
    }

    // Straight insertion by real part: a root moves left only past strictly greater real parts.
    for (long i = 1; i < degree; ++i) {
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

    // Candidates with the estimate they came from, for the test without polishing.
    VMATH_Complex candidates[kMaxCoefficients];
    long count = 0;
    if (std::fabs(a[0]) < r) {
        for (unsigned long i = 0; i < m; ++i)
            w[i] = w[i + 1];
        w[m] = VMATH_Complex{0.0, 0.0};
        n = static_cast<long>(m) - 1;
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

    long found = 0;
    for (long i = 0; i < count; ++i) {
        const double c = candidates[i].re;
        if (!polish) {
            if (realEnough(candidates[i])) roots[found++] = c;
        } else if (std::fabs(horner(a, m, c)) < r) {
            roots[found++] = c;
        } else {
            VMATH_Complex z{c, 0.0};
            if (laguer(P, static_cast<long>(m), z, kPolishEps, true) == 0 && realEnough(z) &&
                z.re + r >= xFrom && xTo + r >= z.re) {
                roots[found++] = z.re;
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

long VMATH_PolyFunctions::findPolynomialRootNewton(const VMATH_Polynom<4>& p, double x0,
                                                   double& root, double tol) {
    return newton(p, x0, root, tol);
}

long VMATH_PolyFunctions::findPolynomialRootNewton(const VMATH_Polynom<9>& p, double x0,
                                                   double& root, double tol) {
    return newton(p, x0, root, tol);
}

long VMATH_PolyFunctions::polyRoots(const VMATH_Polynom<4>& p, double* roots) {
    const double* k = p.coef;
    if (std::fabs(k[4]) < V_Tolerances::getRelTol()) {
        return solveCubic(VMATH_CubicPolynom(k[3], k[2], k[1], k[0]), roots);
    }
    double c[3];
    const long n = VMATH_CubicPolynom(4.0 * k[4], 3.0 * k[3], 2.0 * k[2], k[1]).findRoots(c);
    if (n < 1) return 0;

    const bool opensUp = k[4] > 0.0;
    const bool opensDown = k[4] < 0.0;
    long found = 0;
    auto search = [&](double x0) {
        double root = x0;
        if (findPolynomialRootNewton(p, x0, root, kQuarticNewtonTol) != 1) return false;
        roots[found++] = root;
        return true;
    };

    const double first = p(c[0]);
    if ((opensDown && first > 0.0) || (opensUp && first < 0.0)) {
        if (!search(c[0] - kQuarticOuterOffset)) return -1;
    }
    double previous = first;
    for (long i = 1; i < n; ++i) {
        const double value = p(c[i]);
        if (value * previous < 0.0) {
            if (!search((c[i - 1] + c[i]) * 0.5)) return -1;
        }
        previous = value;
    }
    const double last = p(c[n - 1]);
    if ((opensUp && last < 0.0) || (opensDown && last > 0.0)) {
        if (!search(c[n - 1] + kQuarticOuterOffset)) return -1;
    }
    return found;
}

void VMATH_PolyFunctions::multiplyPolynomials(const double* a, unsigned long na, const double* b,
                                              unsigned long nb, double* result) {
    // result[k] = Σ a[i]·b[k − i] over the valid i, ascending: the order in which a loop over i,
    // then j, adds the terms. Each result[k] reads only a[0 … k] and b[0 … k], so computing from
    // the top down lets result share its storage with a or b.
    const unsigned long top = na + nb;
    for (unsigned long k = top + 1; k-- > 0;) {
        const unsigned long iFirst = k > nb ? k - nb : 0;
        const unsigned long iLast = k < na ? k : na;
        double sum = 0.0;
        for (unsigned long i = iFirst; i <= iLast; ++i)
            sum += a[i] * b[k - i];
        result[k] = sum;
    }
}
