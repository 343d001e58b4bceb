#include "orvane/math/integration.h"

#include <cmath>
#include <cstring>

#include "orvane/math/function_budget.h"

namespace {

using orvane::FunctionBudget;

// The composite 3/8 sum for step h, times 0.375·h, into `estimate`. False when a panel step is
// lost in rounding (the panels would never reach b) or the evaluations are spent.
bool compositeRule(FunctionBudget& eval, double a, double b, double h, double& estimate) {
    double sum = 0.0;
    double x = a;
    while (b - 2.0 * h > x) {
        const double f0 = eval(x);
        const double f1 = eval(x + h);
        const double f2 = eval(x + 2.0 * h);
        const double f3 = eval(x + 3.0 * h);
        sum += f0 + 3.0 * f1 + 3.0 * f2 + f3;
        const double next = x + 3.0 * h;
        if (!(next > x) || eval.exhausted()) return false;
        x = next;
    }
    estimate = 0.375 * h * sum;
    return true;
}

long integrate(FunctionBudget& eval, double a, double b, double* result, double eps) {
    const double w = b - a;
    if (eps > w) return 0;
    double h = w * 0.08333333333333333;
    *result = 0.0;
    double estimate = 0.0;
    if (!compositeRule(eval, a, b, h, estimate)) throw VMATH_DivergenceIntegralSol();
    for (;;) {
        h = h / 2.0;
        if (h < 0.01 * eps) {
            *result = estimate;
            throw VMATH_DivergenceIntegralSol();
        }
        const double previous = estimate;
        if (!compositeRule(eval, a, b, h, estimate)) {
            *result = previous;
            throw VMATH_DivergenceIntegralSol();
        }
        if (!(std::fabs(previous - estimate) > eps)) break;
    }
    *result = estimate;
    return 0;
}

}  // namespace

long rSolveNI(double (*f)(double, const double*), const double* params, double a, double b,
              double* result, double eps) {
    if (f == nullptr || result == nullptr) return -1;
    FunctionBudget eval(f, params);
    return integrate(eval, a, b, result, eps);
}

long rCompNIBorder(double target, double (*f)(double, const double*), const double* params,
                   double a, double b, double* result, double eps) {
    if (f == nullptr || result == nullptr) return -1;
    if (std::fabs(target) < eps) {
        *result = a;
        return 0;
    }
    FunctionBudget eval(f, params);
    double lo = a;
    double hi = b;
    double acc = 0.0;    // the integral from a to lo
    double piece = 0.0;  // the last integrated piece
    double mid = a;
    // lo, hi, mid and acc after the test of the bracket fix every later step: when they come
    // back unchanged (bit for bit, so that a NaN integral counts too), the bisection would go
    // round for ever.
    double seen[4] = {std::nan(""), 0.0, 0.0, 0.0};
    for (;;) {
        if (target > acc) {
            lo = mid;
        } else {
            acc -= piece;
            hi = mid;
        }
        mid = (lo + hi) * 0.5;
        if (!(std::fabs(lo - hi) >= eps)) throw VMATH_DivergenceIntegralSol();
        const double state[4] = {lo, hi, mid, acc};
        if (std::memcmp(seen, state, sizeof state) == 0) throw VMATH_DivergenceIntegralSol();
        std::memcpy(seen, state, sizeof state);
        double part = 0.0;  // an empty piece (mid == lo) integrates to 0
        integrate(eval, lo, mid, &part, 0.01 * eps);
        piece = part;
        acc += piece;
        if (std::fabs(acc - target) <= eps) {
            *result = mid;
            return 0;
        }
    }
}
