#include "orvane/math/tolerances.h"

#include <cmath>

bool V_Tolerances::isEqual(double a, double b) {
    return std::fabs(a - b) < relTol;
}
