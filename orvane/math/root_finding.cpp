#include "orvane/math/root_finding.h"

#include <climits>
#include <cmath>

#include "orvane/math/function_budget.h"

namespace {

using orvane::FunctionBudget;

bool sameStrictSign(double u, double v) {
    return (u > 0.0 && v > 0.0) || (u < 0.0 && v < 0.0);
}

// Both searches end with 1 at the first NaN: from there every step would give NaN again. NaN is
// also what an evaluation gives once the budget is spent.
long falsePosition(FunctionBudget& eval, double a, double b, double* result, double eps) {
    double fa = eval(a);
    double fb = eval(b);
    if (sameStrictSign(fa, fb)) return 1;
    for (;;) {
        const double x = (a * fb - b * fa) / (fb - fa);
        *result = x;
        if (std::isnan(x)) return 1;
        const double fx = eval(x);
        if (std::isnan(fx)) return 1;
        if (sameStrictSign(fa, fx)) {
            a = x;
            fa = fx;
        } else {
            b = x;
            fb = fx;
        }
        if (std::fabs(fx) <= eps) return 0;
    }
}

long secant(FunctionBudget& eval, double x0, double x1, double* result, double eps) {
    const double f0 = eval(x0);
    const double f1 = eval(x1);
    const double limit = 5.0 * std::fabs(x0 - x1);
    double xA = x0, fA = f0;  // the pair in use
    double xB = x1, fB = f1;
    double xs = x0, fs = f0;  // the stored point
    for (;;) {
        const double x = (xA * fB - xB * fA) / (fB - fA);
        *result = x;
        if (std::isnan(x)) return 1;
        const double fx = eval(x);
        const double move = std::fabs(x - xs);
        if (move > limit) return 1;
        if (std::isnan(fx)) return 1;
        xA = x;
        fA = fx;
        xB = xs;
        fB = fs;
        xs = x;
        fs = fx;
        if (std::fabs(fx) <= eps && move <= eps) return 0;
    }
}

}  // namespace

long rCompFXEqZeroRF(double (*f)(double, const double*), const double* params, double a, double b,
                     double* result, double eps) {
    if (f == nullptr || result == nullptr) return -1;
    FunctionBudget eval(f, params);
    return falsePosition(eval, a, b, result, eps);
}

long rCompFXEqZeroInt(double (*f)(double, const double*), const double* params, double x0,
                      double x1, double* result, double eps) {
    if (f == nullptr || result == nullptr) return -1;
    FunctionBudget eval(f, params);
    return secant(eval, x0, x1, result, eps);
}

long rCompFXEqZeroAll(double (*f)(double, const double*), const double* params, double a, double b,
                      double c, double d, double* roots, double eps) {
    return rCompFXEqZeroAll(f, params, a, b, c, d, roots, ULONG_MAX, eps);
}

long rCompFXEqZeroAll(double (*f)(double, const double*), const double* params, double a, double b,
                      double c, double d, double* roots, unsigned long capacity, double eps) {
    if (f == nullptr || roots == nullptr || capacity == 0) return 0;
    FunctionBudget eval(f, params);
    unsigned long k = 0;
    double x = a;
    double F = eval(a);
    if (std::fabs(F) < eps) roots[k++] = a;
    if (!(b > a) || !(d > 0.0) || k == capacity) return static_cast<long>(k);

    double xp = a, Fp = F;    // the previous sample
    double xpp = a, Fpp = F;  // the one before
    while (b > x && !eval.exhausted()) {
        const double jump = std::fabs(F) / c;
        const bool rootFree = jump > d;
        const double next = x + (rootFree ? jump : d);
        if (!(next > x)) break;
        x = next;
        F = eval(x);
        if (!rootFree && sameStrictSign(Fp, F) && std::fabs(F) > std::fabs(Fp) &&
            std::fabs(Fpp) > std::fabs(Fp)) {
            double r = 0.0;
            if (secant(eval, xp, x, &r, eps) == 0 && r > xpp && r < x) {
                roots[k++] = r;
                if (k == capacity) break;
                x = r + d;
                F = eval(x);
            }
        }
        if ((Fp > 0.0 && F < 0.0) || (Fp < 0.0 && F > 0.0)) {
            double r = 0.0;
            if (falsePosition(eval, xp, x, &r, eps) == 0) {
                roots[k++] = r;
                if (k == capacity) break;
                x = r + d;
                F = eval(x);
            }
        }
        xpp = xp;
        Fpp = Fp;
        xp = x;
        Fp = F;
    }
    return static_cast<long>(k);
}
