// A stretch of the real line that carries its own tolerance.
//
// A VMATH_SimpleRange holds minimum, maximum and tolerance. The default range is empty: minimum
// DBL_MAX, maximum -DBL_MAX, so that its length is negative and nothing is inside it. Borders are
// ordered with the range's tolerance: values closer than the tolerance stay in the given order.
//
//   VMATH_SimpleRange r(0, 10, 0.5);
//   r.setMax(0.4);                            // refused: not beyond the minimum by the tolerance
//   r.isInside(10.5, VMATH_SimpleRange::eClosed);    // true: within the tolerance
//   r.isInside(10.0, VMATH_SimpleRange::eOpenMax);   // false: the open border takes t off
//   VMATH_SimpleRange u = r.calcUnion(VMATH_SimpleRange(8, 20, 0));   // [0, 20], tolerance 0.5
//   VMATH_SimpleRange(1.05, 1.0, 0.1);        // keeps minimum 1.05, maximum 1.0
//
// Containment of a value, t = this range's tolerance (an unknown type gives false):
//
// | type | lower test          | upper test         |
// |------|---------------------|--------------------|
// | 0    | x >= minimum - t    | x <= maximum + t   |
// | 1    | x > minimum + t     | x <= maximum + t   |
// | 2    | x >= minimum - t    | x < maximum - t    |
// | 3    | x > minimum + t     | x < maximum - t    |
//
// Unions and intersections take a border of the other range only where it lies beyond this
// range's border by more than this range's tolerance, carry this range's tolerance, and exchange
// the borders when the new minimum lies above the new maximum by more than the tolerance.
// `calcSimpleUnion` and `calcSimpleIntersection` make no overlap test; `calcUnion` and
// `calcIntersection` first ask `overlaps` and give the no-result range for ranges apart.
//
// Constants, built at load time with tolerance relTol (1e-9): `zero` [0, 0], `full` and `max`
// [-DBL_MAX, DBL_MAX].
//
// Choices:
// - The no-result range of `calcUnion` and `calcIntersection` is the empty range (minimum
//   DBL_MAX, maximum -DBL_MAX, tolerance relTol), not the full one: nothing is inside it, it
//   overlaps nothing, and a caller sees it by `getRange() < 0`. The full range would claim that
//   two ranges apart share the whole real line.
// - `isInside(other, type1, type2)` tests both borders of `other` with type2; type1 is accepted
//   and not read, as callers of this interface expect.
// - `getTolerance()` reads the tolerance.
// - The one-argument constructor is explicit, so a double never turns into a range by accident.
// - Comparisons with NaN are false, so a NaN border or value is inside nothing and is never
//   taken by setMin or setMax.
#ifndef ORVANE_MATH_SIMPLE_RANGE_H
#define ORVANE_MATH_SIMPLE_RANGE_H

#include <cfloat>

#include "orvane/base/export.h"

// A range [minimum, maximum] with its own tolerance; empty when minimum lies above maximum.
class ORVANE_API VMATH_SimpleRange {
public:
    // A fixed underlying type, so that any int value (also one above 3) is a valid argument.
    enum eRangeType : int { eClosed = 0, eOpenMin = 1, eOpenMax = 2, eOpen = 3 };

    static const VMATH_SimpleRange zero;  // [0, 0], tolerance relTol
    static const VMATH_SimpleRange full;  // [-DBL_MAX, DBL_MAX], tolerance relTol
    static const VMATH_SimpleRange max;   // [-DBL_MAX, DBL_MAX], tolerance relTol

    // The empty range with tolerance tol.
    constexpr explicit VMATH_SimpleRange(double tol = 0)
        : minimum(DBL_MAX), maximum(-DBL_MAX), tolerance(tol) {}
    // minimum = b, maximum = a when a - tol > b; otherwise minimum = a, maximum = b.
    constexpr VMATH_SimpleRange(double a, double b, double tol)
        : minimum(a - tol > b ? b : a), maximum(a - tol > b ? a : b), tolerance(tol) {}

    // The constructor's ordering rule with this range's tolerance.
    void setBorders(double a, double b);
    // minimum = x only if maximum > x + tolerance.
    void setMin(double x);
    void setMinimalBorder(double x) { setMin(x); }
    // maximum = x only if x - tolerance > minimum.
    void setMax(double x);
    void setMaximalBorder(double x) { setMax(x); }
    // The borders are not re-examined.
    void setTolerance(double tol) { tolerance = tol; }

    // The borders (each under two names) and the tolerance.
    double getMin() const { return minimum; }
    double getMinimalBorder() const { return minimum; }
    double getMax() const { return maximum; }
    double getMaximalBorder() const { return maximum; }
    double getTolerance() const { return tolerance; }
    // maximum - minimum (negative for the empty range).
    double getRange() const { return maximum - minimum; }
    double length() const { return maximum - minimum; }
    // The middle between the borders.
    double getCenter() const { return (minimum + maximum) * 0.5; }

    // Whether x lies in the range with the border type 0 to 3 (see the table above).
    bool isInside(double x, eRangeType type) const;
    // Both borders of `other` inside by isInside(border, type2).
    bool isInside(const VMATH_SimpleRange& other, eRangeType type1, eRangeType type2) const;
    // False when one range lies beyond the other by more than this range's tolerance.
    bool overlaps(const VMATH_SimpleRange& other) const;

    // The union of both ranges, with this range's tolerance; no overlap test.
    VMATH_SimpleRange calcSimpleUnion(const VMATH_SimpleRange& other) const;
    // The union, or the empty no-result range when the ranges do not overlap.
    VMATH_SimpleRange calcUnion(const VMATH_SimpleRange& other) const;
    // The common part of both ranges, with this range's tolerance; no overlap test.
    VMATH_SimpleRange calcSimpleIntersection(const VMATH_SimpleRange& other) const;
    // The common part, or the empty no-result range when the ranges do not overlap.
    VMATH_SimpleRange calcIntersection(const VMATH_SimpleRange& other) const;

    // Exact comparison of both borders; tolerances are not compared.
    bool operator==(const VMATH_SimpleRange& other) const;
    bool operator!=(const VMATH_SimpleRange& other) const { return !(*this == other); }

protected:
    // Stores both borders with no test and no ordering.
    void setLimitsRaw(double low, double high);

private:
    // The result of calcUnion and calcIntersection for ranges that do not overlap.
    static const VMATH_SimpleRange s_noResult;

    // A range with this tolerance from new borders, exchanged when low lies above high by more
    // than the tolerance.
    VMATH_SimpleRange ordered(double low, double high) const;

    double minimum;
    double maximum;
    double tolerance;
};

#endif
