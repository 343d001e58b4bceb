// The tagged numbers the expression evaluator computes with.
//
// An EvalValue is a symbol reference (`Index`), a signed or an unsigned 32-bit integer, or a
// double. Literals keep the kind they were written in (digits alone are unsigned, a point or an
// exponent makes a double); arithmetic promotes between kinds by fixed rules; the result is
// converted to the kind the caller asked for.
//
//   EvalValue a(3ul), b(5ul);
//   a -= b;                  // Unsigned 4294967294: unsigned arithmetic wraps
//   a.cvtToInteger();        // Signed 2147483647: clamped
//   EvalValue c(7ul);
//   c /= EvalValue(2.0);     // Float 3.5
//
// No operation throws. An operation that cannot be carried out writes one diagnostic line to the
// standard dump stream ("\noperator+=: illegal lhs\n", "\ncvtToFloat: index support not yet
// implemented\n", ...) and leaves the left operand as it was.
//
// Choices:
// - Integer division by zero, and Signed -2147483648 divided by -1, cannot be carried out: the
//   operator writes "\noperator/=: division by zero\n" or "\noperator/=: integer overflow\n",
//   leaves the left operand unchanged and reports the failure through `lastDivisionFailed()`, so
//   that the evaluator rejects the entry. Float division follows IEEE rules (1/0.0 is infinity).
// - A Float that is NaN converts to Signed 0 and to Unsigned 0.
#ifndef ORVANE_STRINGS_EVAL_VALUE_H
#define ORVANE_STRINGS_EVAL_VALUE_H

#include <cstdint>

#include "orvane/base/export.h"

// The kinds of EvalValue.
enum EvalValueKind : std::int32_t {
    Index = 0,
    Signed = 1,
    Unsigned = 2,
    Float = 3,
};

// A number of the expression evaluator: symbol index, signed or unsigned 32-bit integer, or
// double, with the evaluator's promotion rules.
class ORVANE_API EvalValue {
public:
    // A symbol reference: an index into the evaluator's symbol table.
    explicit EvalValue(std::uint16_t index);
    explicit EvalValue(long value);           // Signed, taken modulo 2^32
    explicit EvalValue(unsigned long value);  // Unsigned, taken modulo 2^32
    explicit EvalValue(double value);         // Float
    // Plain copies of kind and payload.
    EvalValue(const EvalValue& other) = default;
    EvalValue& operator=(const EvalValue& other) = default;

    // A value of any kind number, including illegal ones; the payload is zero.
    static EvalValue withKind(std::int32_t kind);

    // The kind (an EvalValueKind, or the illegal number given to withKind).
    std::int32_t kind() const { return m_kind; }
    // The payload read as the given kind; meaningful only for a value of that kind.
    std::uint16_t index() const { return m_payload.index; }
    std::int32_t asSigned() const { return m_payload.sint; }
    std::uint32_t asUnsigned() const { return m_payload.uint; }
    double asDouble() const { return m_payload.real; }

    // Converts in place to Signed, Unsigned or Float, clamping to the 32-bit range (a negative
    // value becomes Unsigned 0, NaN becomes 0). False, with a diagnostic and the value
    // unchanged, for a symbol index or an illegal kind.
    bool cvtToInteger();
    bool cvtToUnsigned();
    bool cvtToFloat();

    // (radius, angle) in radians become (x, y) in place.
    static bool cvtPolarToCartesian(EvalValue& radius, EvalValue& angle);
    // (radius, angle1, angle2) in radians become (x, y, z) in place.
    static bool cvtPolarToCartesian(EvalValue& radius, EvalValue& angle1, EvalValue& angle2);

    // Arithmetic with promotion: a Float on either side makes it double arithmetic, else a
    // Signed makes it signed 32-bit, else unsigned 32-bit; integers wrap. An operation that
    // cannot be carried out writes a diagnostic and leaves this value unchanged.
    EvalValue& operator+=(const EvalValue& rhs);
    EvalValue& operator-=(const EvalValue& rhs);
    EvalValue& operator*=(const EvalValue& rhs);
    EvalValue& operator/=(const EvalValue& rhs);
    // The negated value: Signed for an integer that fits, Float otherwise (-(-2147483648) is
    // 2147483648.0); a symbol gives Signed 0 with a diagnostic.
    EvalValue operator-() const;

    // True when the last integer division (of any value) could not be carried out; reset by every
    // division.
    static bool lastDivisionFailed();

private:
    enum class Op { Add, Sub, Mul, Div };
    EvalValue& apply(Op op, const EvalValue& rhs);

    std::int32_t m_kind;
    union Payload {
        std::uint16_t index;
        std::int32_t sint;
        std::uint32_t uint;
        double real;
        std::uint64_t bits;
    } m_payload;
};

#endif
