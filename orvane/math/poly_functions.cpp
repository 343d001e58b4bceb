#include "orvane/math/poly_functions.h"

#include <cmath>
#include <utility>

#include "orvane/math/equation_solvers.h"
#include "orvane/math/tolerances.h"

namespace {

constexpr long kNewtonIterations = 50;
constexpr double kQuarticNewtonTol = 1e-10;
constexpr double kQuarticOuterOffset = 2.0;

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
