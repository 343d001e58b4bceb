// A caller's function with a limited number of evaluations. Internal to the numeric code: not
// part of the library's interface, and not in the umbrella header.
//
// The searches that nest other searches count every evaluation against one budget, so their
// total work stays bounded whatever the function does. Once the budget is spent, the function is
// no longer called and every evaluation gives NaN, which ends the nested searches; the caller
// then asks `spent()` and stops.
#ifndef ORVANE_MATH_FUNCTION_BUDGET_H
#define ORVANE_MATH_FUNCTION_BUDGET_H

#include <limits>

namespace orvane {

class FunctionBudget {
public:
    FunctionBudget(double (*f)(double, const double*), const double* params,
                   unsigned long evaluations)
        : m_f(f), m_params(params), m_left(evaluations) {}

    double operator()(double x) {
        if (m_left == 0) return std::numeric_limits<double>::quiet_NaN();
        --m_left;
        return m_f(x, m_params);
    }

    bool spent() const { return m_left == 0; }

private:
    double (*m_f)(double, const double*);
    const double* m_params;
    unsigned long m_left;
};

}  // namespace orvane

#endif
