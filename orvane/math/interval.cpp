#include "orvane/math/interval.h"

#include <cfloat>

#include "orvane/base/dump_stream.h"
#include "orvane/math/tolerances.h"

const VMATH_Interval VMATH_Interval::maximal(-DBL_MAX, DBL_MAX);
const VMATH_Interval VMATH_Interval::zero(0.0, 0.0);

void VMATH_Interval::setBorders(double a, double b) {
    *this = VMATH_Interval(a, b);
}

void VMATH_Interval::setMinimalBorder(double x) {
    if (maxBorder > x) minBorder = x;
}

void VMATH_Interval::setMaximalBorder(double x) {
    if (x > minBorder) maxBorder = x;
}

void VMATH_Interval::setMinimalBorderToInfinity() {
    minBorder = -DBL_MAX;
}

void VMATH_Interval::setMaximalBorderToInfinity() {
    maxBorder = DBL_MAX;
}

void VMATH_Interval::getBorders(double& min, double& max) const {
    min = minBorder;
    max = maxBorder;
}

bool VMATH_Interval::isInside(double x, long type) const {
    const double t = V_Tolerances::getPointTol();
    switch (type) {
        case 1:
            return x >= minBorder + t && x < maxBorder + t;
        case 2:
            return x >= minBorder - t && x < maxBorder - t;
        case 3:
            return x > minBorder + t && x <= maxBorder - t;
        default:
            return x > minBorder - t && x < maxBorder + t;
    }
}

bool VMATH_Interval::isInside(double x, VMATH_eIntervalType type) const {
    const double r = V_Tolerances::getRelTol();
    switch (type) {
        case eClosed:
            return x + r >= minBorder && maxBorder >= x - r;
        case eOpenMin:
            return x - r > minBorder && maxBorder >= x - r;
        case eOpenMax:
            return x + r >= minBorder && maxBorder > x + r;
        case eOpen:
            return x - r > minBorder && maxBorder > x + r;
    }
    return false;
}

bool VMATH_Interval::isInside(const VMATH_Interval& other) const {
    const double t = V_Tolerances::getPointTol();
    return other.maxBorder > minBorder - t && maxBorder + t > other.maxBorder &&
           other.minBorder > minBorder - t && maxBorder + t > other.minBorder;
}

bool VMATH_Interval::operator>(const VMATH_Interval& other) const {
    return isInside(other);
}

bool VMATH_Interval::operator<(const VMATH_Interval& other) const {
    return other.isInside(*this);
}

bool VMATH_Interval::operator==(const VMATH_Interval& other) const {
    const double t = V_Tolerances::getPointTol();
    const double dMax = maxBorder - other.maxBorder;
    const double dMin = minBorder - other.minBorder;
    return (dMax < 0 ? -dMax : dMax) < t && (dMin < 0 ? -dMin : dMin) < t;
}

VMATH_Interval VMATH_Interval::calcUnion(const VMATH_Interval& other) const {
    VMATH_Interval hull(*this);
    if (other.minBorder < hull.minBorder) hull.minBorder = other.minBorder;
    if (other.maxBorder > hull.maxBorder) hull.maxBorder = other.maxBorder;
    return hull;
}

bool VMATH_Interval::calcIntersection(const VMATH_Interval& other, VMATH_Interval& out) const {
    if (minBorder > other.maxBorder || other.minBorder > maxBorder) return false;
    const double low = minBorder > other.minBorder ? minBorder : other.minBorder;
    const double high = maxBorder < other.maxBorder ? maxBorder : other.maxBorder;
    out.minBorder = low;
    out.maxBorder = high;
    return true;
}

void VMATH_Interval::dump(const V_STRING& name) const {
    const V_STRING text = V_STRING::formatted("Interval : [ %0.2f, %0.2f ]", minBorder, maxBorder);
    VSYST_DumpStream& stream = VSYST_DumpStream::getStdStream();
    stream << "\n";
    if (!name.isEmpty()) stream << name << ": ";
    stream << text << "\n";
}

void VMATH_Interval::serializeAsMember(V_ASArchiveOut& ar) const {
    ar.writeDouble(maxBorder);
    ar.writeDouble(minBorder);
}

void VMATH_Interval::deserializeAsMember(V_ASArchiveIn& ar) {
    const double max = ar.readDouble();
    const double min = ar.readDouble();
    maxBorder = max;
    minBorder = min;
}
