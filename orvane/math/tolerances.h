// The library-wide numeric tolerances.
//
// Floating-point values in the numeric code are compared against a small set of fixed tolerances
// instead of being tested for exact equality. The values never change while the process runs.
//
//   V_Tolerances::isEqual(1.0, 1.0 + 5e-10);   // true: the difference is below relTol (1e-9)
//   V_Tolerances::isEqual(1e12, 1e12 + 1e-6);  // false: the test is absolute, whatever the size
//   double t = V_Tolerances::getPointTol();    // 0.001, a length in millimetres
//
// | getter              | value | meaning                                                  |
// |---------------------|-------|----------------------------------------------------------|
// | getRelTol()         | 1e-9  | general tolerance, always on an absolute difference      |
// | getPointTolSquare() | 1e-6  | the square of the point tolerance                        |
// | getPointTol()       | 0.001 | point tolerance (a length)                               |
// | getAngleTol()       | 1e-6  | angle tolerance                                          |
//
// Choices: the values are compile-time constants, so they are in place before any static object
// of the library or of a caller is built (the constant ranges of VMATH_SimpleRange copy relTol
// during that start-up).
#ifndef ORVANE_MATH_TOLERANCES_H
#define ORVANE_MATH_TOLERANCES_H

#include "orvane/base/export.h"

// The fixed tolerances of the numeric code (see the table above).
class ORVANE_API V_Tolerances {
public:
    // The values of the table above.
    static constexpr double getRelTol() { return relTol; }
    static constexpr double getPointTolSquare() { return ptTolSqr; }
    static constexpr double getPointTol() { return ptTol; }
    static constexpr double getAngleTol() { return angleTol; }

    // True exactly when |a - b| < relTol (strict, absolute). False when either value is NaN.
    static bool isEqual(double a, double b);

private:
    static constexpr double relTol = 1e-9;
    static constexpr double ptTolSqr = 1e-6;
    static constexpr double ptTol = 0.001;
    static constexpr double angleTol = 1e-6;
};

#endif
