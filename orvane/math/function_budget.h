// A caller's function with a limited number of evaluations. Internal to the numeric code: not
// part of the library's interface, and not in the umbrella header.
//
// Every exported routine that calls a caller's function counts its evaluations, nested searches
// included, against one budget of kEvaluationBudget (2^27, about 134 million) per call. The
// budget only ends work that would otherwise go on for an impractical time (or for ever): any
// computation that needs fewer evaluations runs exactly as it would without one. Once the
// budget is spent the function is no longer called, every further evaluation gives NaN, and
// `exhausted()` turns true; the routine then gives up in its own way.
#ifndef ORVANE_MATH_FUNCTION_BUDGET_H
#define ORVANE_MATH_FUNCTION_BUDGET_H

#include <limits>

namespace orvane {

constexpr unsigned long kEvaluationBudget = 1ul << 27;

class FunctionBudget {
public:
    FunctionBudget(double (*f)(double, const double*), const double* params)
        : m_f(f), m_params(params) {}

    double operator()(double x) {
        if (m_left == 0) {
            m_exhausted = true;
            return std::numeric_limits<double>::quiet_NaN();
        }
        --m_left;
        return m_f(x, m_params);
    }

    // True once an evaluation was refused.
    bool exhausted() const { return m_exhausted; }

private:
    double (*m_f)(double, const double*);
    const double* m_params;
    unsigned long m_left = kEvaluationBudget;
    bool m_exhausted = false;
};

}  // namespace orvane

#endif
