// A closed stretch of the real line compared with the library's point tolerance.
//
// A VMATH_Interval keeps its maximal border first and its minimal border second, and always
// maxBorder >= minBorder: the constructor and setBorders order their arguments, and the single
// setters refuse a value that would break the order.
//
//   VMATH_Interval i(5, 2);                 // [2, 5]
//   i.setMinimalBorder(5);                  // refused: not below the maximal border
//   i.isInside(5.0005, 0L);                 // true: within ptTol (0.001) of the border
//   i.isInside(5.0, VMATH_Interval::eOpenMax);   // false: the open border, with relTol
//   VMATH_Interval out;
//   i.calcIntersection(VMATH_Interval(5, 9), out);   // true, out == [5, 5]
//   i.dump("clip");                         // "\nclip: Interval : [ 2.00, 5.00 ]\n" on the dump
//   stream
//
// Border types (both isInside overloads): 0 closed, 1 open at the minimal border, 2 open at the
// maximal border, 3 open at both. The `long` overload works with ptTol and mixes strict and
// non-strict tests (type 0 and any unknown value count as closed); the enumeration overload works
// with relTol and gives false for an unknown value:
//
// | type | isInside(x, long), t = ptTol      | isInside(x, VMATH_eIntervalType), r = relTol |
// |------|-----------------------------------|----------------------------------------------|
// | 0    | x > min - t   and x < max + t     | x + r >= min  and max >= x - r               |
// | 1    | x >= min + t  and x < max + t     | x - r > min   and max >= x - r               |
// | 2    | x >= min - t  and x < max - t     | x + r >= min  and max > x + r                |
// | 3    | x > min + t   and x <= max - t    | x - r > min   and max > x + r                |
//
// Serialised form: the maximal border, then the minimal border, each as 8 little-endian bytes of
// an IEEE 754 double.
//
// Choices:
// - `dump(name)` writes "\n<name>: Interval : [ <min>, <max> ]\n" to the standard dump stream
//   with the borders as "%0.2f" (the name and its colon left out when the name is empty). The
//   text is formatted into a buffer as large as it needs, so the `maximal` interval prints its
//   309 digits before the point without overflow.
// - `deserializeAsMember` reads both doubles before it stores them: when the archive runs out it
//   throws and the interval keeps its borders. As with the stored form, the two values are not
//   checked for order.
// - The constructor is explicit, so a double never turns into an interval by accident.
#ifndef ORVANE_MATH_INTERVAL_H
#define ORVANE_MATH_INTERVAL_H

#include "orvane/base/archive.h"
#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// A closed interval [min, max] of doubles whose tests allow the point or relative tolerance.
class ORVANE_API VMATH_Interval {
public:
    // A fixed underlying type, so that any int value (also one above 3) is a valid argument.
    enum VMATH_eIntervalType : int { eClosed = 0, eOpenMin = 1, eOpenMax = 2, eOpen = 3 };

    // [-DBL_MAX, DBL_MAX] and [0, 0].
    static const VMATH_Interval maximal;
    static const VMATH_Interval zero;

    // The larger of a and b becomes the maximal border.
    constexpr explicit VMATH_Interval(double a = 0, double b = 0)
        : maxBorder(a > b ? a : b), minBorder(a > b ? b : a) {}

    // Sets both borders; the larger of a and b becomes the maximal border.
    void setBorders(double a, double b);
    // Takes x only if it stays below the maximal border (strictly); otherwise changes nothing.
    void setMinimalBorder(double x);
    // Takes x only if it stays above the minimal border (strictly); otherwise changes nothing.
    void setMaximalBorder(double x);
    void setMinimalBorderToInfinity();  // -DBL_MAX
    void setMaximalBorderToInfinity();  // DBL_MAX

    // The borders, the length max - min, and the middle.
    void getBorders(double& min, double& max) const;
    double getMinimalBorder() const { return minBorder; }
    double getMaximalBorder() const { return maxBorder; }
    double getRange() const { return maxBorder - minBorder; }
    double getCenter() const { return (minBorder + maxBorder) * 0.5; }

    // Whether x lies in the interval with the border type 0 to 3; see the table above for the
    // tolerance each overload uses.
    bool isInside(double x, long type) const;
    bool isInside(double x, VMATH_eIntervalType type) const;
    // True when `other` lies within this interval, both borders within ptTol (strict tests).
    bool isInside(const VMATH_Interval& other) const;

    // `other` lies within this interval (isInside(other)).
    bool operator>(const VMATH_Interval& other) const;
    // This interval lies within `other`.
    bool operator<(const VMATH_Interval& other) const;
    // Both borders differ by less than ptTol.
    bool operator==(const VMATH_Interval& other) const;

    // The hull of both intervals; a gap between them is included.
    VMATH_Interval calcUnion(const VMATH_Interval& other) const;
    // False, `out` untouched, when the intervals are disjoint (exact comparisons); otherwise `out`
    // is the common part (a single point when they touch) and true.
    bool calcIntersection(const VMATH_Interval& other, VMATH_Interval& out) const;

    // Writes the interval to the standard dump stream (see Choices).
    void dump(const V_STRING& name) const;

    // Writes the maximal, then the minimal border, 8 little-endian bytes each.
    void serializeAsMember(V_ASArchiveOut& ar) const;
    // Reads the two borders back; throws V_ASArchiveException, keeping the borders, when the
    // archive runs out.
    void deserializeAsMember(V_ASArchiveIn& ar);

private:
    double maxBorder;
    double minBorder;
};

#endif
