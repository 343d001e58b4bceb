#include "orvane/math/simple_range.h"

#include "orvane/math/tolerances.h"

const VMATH_SimpleRange VMATH_SimpleRange::zero(0.0, 0.0, V_Tolerances::getRelTol());
const VMATH_SimpleRange VMATH_SimpleRange::full(-DBL_MAX, DBL_MAX, V_Tolerances::getRelTol());
const VMATH_SimpleRange VMATH_SimpleRange::max(-DBL_MAX, DBL_MAX, V_Tolerances::getRelTol());
const VMATH_SimpleRange VMATH_SimpleRange::s_noResult(V_Tolerances::getRelTol());

void VMATH_SimpleRange::setBorders(double a, double b) {
    if (a - tolerance > b) {
        minimum = b;
        maximum = a;
    } else {
        minimum = a;
        maximum = b;
    }
}

void VMATH_SimpleRange::setMin(double x) {
    if (maximum > x + tolerance) minimum = x;
}

void VMATH_SimpleRange::setMax(double x) {
    if (x - tolerance > minimum) maximum = x;
}

void VMATH_SimpleRange::setLimitsRaw(double low, double high) {
    minimum = low;
    maximum = high;
}

bool VMATH_SimpleRange::isInside(double x, eRangeType type) const {
    const double t = tolerance;
    switch (type) {
        case eClosed:
            return x >= minimum - t && x <= maximum + t;
        case eOpenMin:
            return x > minimum + t && x <= maximum + t;
        case eOpenMax:
            return x >= minimum - t && x < maximum - t;
        case eOpen:
            return x > minimum + t && x < maximum - t;
    }
    return false;
}

bool VMATH_SimpleRange::isInside(const VMATH_SimpleRange& other, eRangeType /*type1*/,
                                 eRangeType type2) const {
    return isInside(other.maximum, type2) && isInside(other.minimum, type2);
}

bool VMATH_SimpleRange::overlaps(const VMATH_SimpleRange& other) const {
    if (minimum > other.maximum + tolerance) return false;
    if (other.minimum > maximum + tolerance) return false;
    return true;
}

VMATH_SimpleRange VMATH_SimpleRange::ordered(double low, double high) const {
    VMATH_SimpleRange result(tolerance);
    if (low - tolerance > high)
        result.setLimitsRaw(high, low);
    else
        result.setLimitsRaw(low, high);
    return result;
}

VMATH_SimpleRange VMATH_SimpleRange::calcSimpleUnion(const VMATH_SimpleRange& other) const {
    const double high = other.maximum > maximum + tolerance ? other.maximum : maximum;
    const double low = minimum - tolerance > other.minimum ? other.minimum : minimum;
    return ordered(low, high);
}

VMATH_SimpleRange VMATH_SimpleRange::calcUnion(const VMATH_SimpleRange& other) const {
    return overlaps(other) ? calcSimpleUnion(other) : s_noResult;
}

VMATH_SimpleRange VMATH_SimpleRange::calcSimpleIntersection(const VMATH_SimpleRange& other) const {
    const double high = maximum - tolerance > other.maximum ? other.maximum : maximum;
    const double low = other.minimum > minimum + tolerance ? other.minimum : minimum;
    return ordered(low, high);
}

VMATH_SimpleRange VMATH_SimpleRange::calcIntersection(const VMATH_SimpleRange& other) const {
    return overlaps(other) ? calcSimpleIntersection(other) : s_noResult;
}

bool VMATH_SimpleRange::operator==(const VMATH_SimpleRange& other) const {
    return minimum == other.minimum && maximum == other.maximum;
}
