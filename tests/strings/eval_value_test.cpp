#include <gtest/gtest.h>
#include <orvane/strings/eval_value.h>

#include <cmath>
#include <sstream>
#include <string>

#include "support/dump_capture.h"

namespace {

const auto U = [](unsigned long v) { return EvalValue(v); };
const auto S = [](long v) { return EvalValue(v); };
const auto F = [](double v) { return EvalValue(v); };
const auto I = [](std::uint16_t v) { return EvalValue(v); };
const auto K = [](std::int32_t kind) { return EvalValue::withKind(kind); };

// The kind and the value held: "U3", "S-2", "F3.5", "I5", or "K9" for any other kind.
std::string shown(const EvalValue& v) {
    const std::int32_t k = v.kind();
    if (k < Index || k > Float) return "K" + std::to_string(k);
    std::ostringstream out;
    out.precision(17);
    out << "ISUF"[k];
    if (k == Index) out << v.index();
    if (k == Signed) out << v.asSigned();
    if (k == Unsigned) out << v.asUnsigned();
    if (k == Float) out << v.asDouble();
    return out.str();
}

// One operation, what it leaves in the value, what it writes to the dump stream and, for a
// division, whether lastDivisionFailed() reports it.
struct Operation {
    EvalValue lhs;
    char op;
    EvalValue rhs;
    const char* result;
    const char* dump = "";
    bool failed = false;
};

// One conversion ('i' to Signed, 'u' to Unsigned, 'f' to Float or '-' negation).
struct Conversion {
    EvalValue value;
    char to;
    const char* result;
    const char* dump = "";
};

}  // namespace

TEST(EvalValue, CalculatesByThePromotionRulesAndReportsIllegalOperands) {
    const Operation cases[] = {
        // Unsigned arithmetic wraps modulo 2^32 and divides truncating.
        {U(3), '-', U(5), "U4294967294"},
        {U(65536), '*', U(65537), "U65536"},
        // A Float right operand makes the left one Float; Signed stays Signed.
        {U(7), '/', F(2.0), "F3.5"},
        {S(-5), '+', U(3), "S-2"},
        {F(1.5), '*', S(-2), "F-3"},
        // Unsigned left, Signed right: clamped to Signed first (2147483647 + 1 wraps).
        {U(3000000000u), '+', S(1), "S-2147483648"},
        {S(2147483647), '*', S(2), "S-2"},
        // An unsigned divisor above 2^31-1 acts as a negative one (-2).
        {S(-7), '/', U(4294967294u), "S3"},
        // Illegal operands leave the left operand as it was; an Index is converted first.
        {I(5), '+', U(1), "I5", "\noperator+=: illegal lhs\n"},
        {I(5), '-', I(2), "I5", "\noperator-=: illegal operands\n"},
        {I(5), '*', S(2), "I5",
         "\ncvtToInteger: index support not yet implemented\n\noperator*=: illegal lhs\n"},
        {I(5), '/', F(2.0), "I5",
         "\ncvtToFloat: index support not yet implemented\n\noperator/=: illegal lhs\n"},
        {U(1), '+', I(0), "U1", "\noperator+=: illegal rhs\n"},
        {S(1), '-', K(9), "S1", "\noperator-=: illegal rhs\n"},
        {F(1), '*', I(0), "F1", "\noperator*=: illegal rhs\n"},
        {K(-1), '+', U(1), "K-1", "\noperator+=: illegal lhs\n"},
        {K(-1), '/', I(1), "K-1", "\noperator/=: illegal operands\n"},
        // Integer division that cannot be done leaves the value and says so; Float follows IEEE.
        {U(7), '/', U(0), "U7", "\noperator/=: division by zero\n", true},
        {S(-2147483647 - 1), '/', S(-1), "S-2147483648", "\noperator/=: integer overflow\n", true},
        {S(5), '/', U(0), "S5", "\noperator/=: division by zero\n", true},
    };
    for (const Operation& c : cases) {
        DumpCapture dump;
        EvalValue v = c.lhs;
        if (c.op == '+') v += c.rhs;
        if (c.op == '-') v -= c.rhs;
        if (c.op == '*') v *= c.rhs;
        if (c.op == '/') v /= c.rhs;
        const std::string name = shown(c.lhs) + " " + c.op + " " + shown(c.rhs);
        EXPECT_EQ(shown(v), c.result) << name;
        EXPECT_EQ(dump.text(), c.dump) << name;
        if (c.op == '/') {
            EXPECT_EQ(EvalValue::lastDivisionFailed(), c.failed) << name;
        }
    }
}

TEST(EvalValue, ConvertsAndNegatesWithClampingAndTruncation) {
    const Conversion cases[] = {
        {U(4294967294u), 'i', "S2147483647"},
        {U(4294967294u), 'f', "F4294967294"},
        {F(1e20), 'i', "S2147483647"},
        {F(-1e20), 'i', "S-2147483648"},
        {F(-2.7), 'i', "S-2"},
        {F(NAN), 'i', "S0"},
        {F(NAN), 'u', "U0"},
        {F(-0.5), 'u', "U0"},
        {S(-3), 'u', "U0"},
        {F(3.99), 'u', "U3"},
        {F(1e10), 'u', "U4294967295"},
        // Negation gives the kind that holds the result.
        {U(5), '-', "S-5"},
        {U(3000000000u), '-', "F-3000000000"},
        {S(-2147483647 - 1), '-', "F2147483648"},
        // What cannot be converted stays as it was and is reported.
        {I(1), 'i', "I1", "\ncvtToInteger: index support not yet implemented\n"},
        {I(1), 'u', "I1", "\ncvtToUnsigned: index support not yet implemented\n"},
        {I(1), 'f', "I1", "\ncvtToFloat: index support not yet implemented\n"},
        {I(1), '-', "S0", "\noperator-: index support not yet implemented\n"},
        {K(4), 'i', "K4", "\ncvtToInteger: illegal type encountered\n"},
        {K(4), 'u', "K4", "\ncvtToUnsigned: illegal type encountered\n"},
        {K(4), 'f', "K4", "\ncvtToFloat: illegal type encountered\n"},
        {K(7), '-', "S0", "\noperator-: illegal type encountered\n"},
    };
    for (const Conversion& c : cases) {
        DumpCapture dump;
        EvalValue v = c.value;
        bool ok = true;
        if (c.to == 'i') ok = v.cvtToInteger();
        if (c.to == 'u') ok = v.cvtToUnsigned();
        if (c.to == 'f') ok = v.cvtToFloat();
        if (c.to == '-') v = -c.value;
        const std::string name = shown(c.value) + " to " + c.to;
        EXPECT_EQ(shown(v), c.result) << name;
        EXPECT_EQ(ok, *c.dump == '\0' || c.to == '-') << name;
        EXPECT_EQ(dump.text(), c.dump) << name;
    }
}
