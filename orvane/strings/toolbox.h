// The expression evaluator: what a user types into an input field, turned into numbers.
//
// `VSTRI_Toolbox::evaluate` accepts an arithmetic expression for one `long`, `unsigned long` or
// `double`, and a point entry for two or three `double` coordinates:
//
//   double v;
//   VSTRI_Toolbox::evaluate("3*(2+1.5)", v);           // true, v == 10.5
//   long n;
//   VSTRI_Toolbox::evaluate("7/2", n);                 // true, n == 3: digits are integers
//   double x = 10, y = 20;
//   VSTRI_Toolbox::evaluate("5,-5", x, y);             // (15, 15): relative to the values passed
//   VSTRI_Toolbox::evaluate("x5, y5", x, y);           // (5, 5): absolute
//   VSTRI_Toolbox::evaluate("d 2, 0", x, y);           // (7, 5): polar offset r, angle (radians)
//   VSTRI_Toolbox::evaluate("p 2, 0", x, y);           // (2, 0): polar absolute
//   evalInfo info;
//   VSTRI_Toolbox::evaluate("12 abc", v, info);        // false, info.position == 6
//
// Expressions: + - * / with the usual precedence, left-associative, parentheses, at most one sign
// per factor ('2--3' is 2 - (-3), '--3' is rejected), unsigned integer literals (digits only) and
// floating literals ('1.5', '.5', '1.', '1e3', '1.5E-2'). Integer arithmetic stays integer and
// wraps at 32 bits ('3-5' is the unsigned 4294967294, which the `long` overload clamps to
// 2147483647). Characters outside the syntax ('#', '$', ...) are skipped. A name starting with an
// upper-case letter is a symbol, which has no value: arithmetic on it writes a diagnostic and the
// output is left as it was. Lower-case words are the point keywords x, y, z, p and d only.
//
// Point entries: "a,b" or "a,b,c", where each part is relative to the coordinate passed in, or
// absolute when it starts with its letter ("x5"); an empty part adds 0. "p r,a" / "p r,a,b" sets
// the point from polar (spherical) coordinates, "d r,a" / "d r,a,b" adds such an offset.
//
// On failure `evaluate` returns false and `info.position` is the number of characters read when
// the entry was rejected (blanks and skipped characters count). The outputs are written before the
// final check that nothing follows the entry, so '1+2)' returns false with the output set to 3.
// A conversion that fails (a symbol as the result) writes its diagnostic and leaves that output
// unchanged, without failing the call.
//
// The evaluator keeps its state in process-wide statics: evaluations must not run concurrently or
// re-enter each other.
//
// Choices:
// - An integer literal above 4294967295 is rejected as a malformed number (syntax error).
// - Integer division by zero and -2147483648 / -1 reject the entry (see EvalValue), at the
//   position where the division was carried out.
// - `format` prints into a buffer as large as the value needs, so every double, however large,
//   gives its full "%28.13f" text ('1e20' gives '100000000000000000000.0'); infinities and NaN give
//   'inf', '-inf' and 'nan' (or '-nan').
// - Bytes of 128 and above are neither letters nor digits (see orvane/base/char_class.h): they are
//   skipped like any other character outside the syntax.
#ifndef ORVANE_STRINGS_TOOLBOX_H
#define ORVANE_STRINGS_TOOLBOX_H

#include <cstdint>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// Where a failed evaluation stopped: the number of characters read; 0 after a success.
struct evalInfo {
    std::int32_t position = 0;  // characters read when the entry was rejected
};

// The expression evaluator: static functions over process-wide state; an object holds nothing.
class ORVANE_API VSTRI_Toolbox {
public:
    VSTRI_Toolbox() = default;
    // Assigning changes nothing: there is nothing to copy.
    VSTRI_Toolbox& operator=(const VSTRI_Toolbox&) { return *this; }

    // Evaluates `text` as an expression (one value) or a point entry (two or three coordinates,
    // relative to the values passed in). True on success; false with `info.position` the
    // characters read when the entry was rejected. The overloads without `info` do the same.
    static bool evaluate(const V_STRING& text, long& value, evalInfo& info);
    static bool evaluate(const V_STRING& text, unsigned long& value, evalInfo& info);
    static bool evaluate(const V_STRING& text, double& value, evalInfo& info);
    static bool evaluate(const V_STRING& text, double& x, double& y, evalInfo& info);
    static bool evaluate(const V_STRING& text, double& x, double& y, double& z, evalInfo& info);

    // The same, for callers that do not need the error position.
    static bool evaluate(const V_STRING& text, long& value);
    static bool evaluate(const V_STRING& text, unsigned long& value);
    static bool evaluate(const V_STRING& text, double& value);
    static bool evaluate(const V_STRING& text, double& x, double& y);
    static bool evaluate(const V_STRING& text, double& x, double& y, double& z);

    // The shortest fixed-point text of `value` with up to 13 decimals and at least one:
    // 5 gives "5.0", 1.25 gives "1.25", 1.0/3 gives "0.3333333333333". Returns true.
    static bool format(double value, V_STRING& text);

private:
    friend class EvalScanner;
    static void increasePosition();
    static void decreasePosition();

    static long s_pos;
};

#endif
