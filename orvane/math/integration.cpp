#include "orvane/math/integration.h"

#include <cmath>
#include <limits>

#include "orvane/math/function_budget.h"

namespace {

constexpr int kMaxRefinements = 16;
constexpr unsigned long kBorderEvaluations = 10000000ul;

// The composite 3/8 sum for step h, times 0.375·h, into `estimate`. False when a panel step is
// lost in rounding.
template <class Eval>
bool compositeRule(Eval& eval, double a, double b, double h, double& estimate) {
    double sum = 0.0;
    double x = a;
    while (b - 2.0 * h > x) {
        const double f0 = eval(x);
        const double f1 = eval(x + h);
        const double f2 = eval(x + 2.0 * h);
        const double f3 = eval(x + 3.0 * h);
        sum += f0 + 3.0 * f1 + 3.0 * f2 + f3;
        const double next = x + 3.0 * h;
        if (!(next > x)) return false;
        x = next;
    }
    estimate = 0.375 * h * sum;
    return true;
}

template <class Eval>
long integrate(Eval& eval, double a, double b, double* result, double eps) {
    const double w = b - a;
    if (eps > w) return 0;
    double h = w * 0.08333333333333333;
    *result = 0.0;
    double estimate = 0.0;
    if (!compositeRule(eval, a, b, h, estimate)) throw VMATH_DivergenceIntegralSol();
    for (int refinement = 1;; ++refinement) {
        h = h / 2.0;
        if (h < 0.01 * eps || refinement > kMaxRefinements) {
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
    auto eval = [f, params](double x) { return f(x, params); };
    return integrate(eval, a, b, result, eps);
}

long rCompNIBorder(double target, double (*f)(double, const double*), const double* params,
                   double a, double b, double* result, double eps) {
    if (f == nullptr || result == nullptr) return -1;
    if (std::fabs(target) < eps) {
        *result = a;
        return 0;
    }
    orvane::FunctionBudget eval(f, params, kBorderEvaluations);
    double lo = a;
    double hi = b;
    double acc = 0.0;    // the integral from a to lo
    double piece = 0.0;  // the last integrated piece
    double mid = a;
    for (;;) {
        if (target > acc) {
            lo = mid;
        } else {
            acc -= piece;
            hi = mid;
        }
        mid = (lo + hi) * 0.5;
        const double width = std::fabs(lo - hi);
        if (!(width >= eps) || mid == lo || mid == hi || eval.spent())
            throw VMATH_DivergenceIntegralSol();
        double part = 0.0;
        integrate(eval, lo, mid, &part, 0.01 * eps);
        piece = part;
        acc += piece;
        if (std::fabs(acc - target) <= eps) {
            *result = mid;
            return 0;
        }
    }
}
