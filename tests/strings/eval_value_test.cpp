#include <gtest/gtest.h>
#include <orvane/strings/eval_value.h>

#include <cmath>

#include "support/dump_capture.h"

namespace {

EvalValue U(unsigned long v) {
    return EvalValue(v);
}
EvalValue S(long v) {
    return EvalValue(v);
}
EvalValue F(double v) {
    return EvalValue(v);
}
EvalValue I(std::uint16_t v) {
    return EvalValue(v);
}

}  // namespace

TEST(EvalValue, UnsignedArithmeticWrapsAndDividesTruncating) {
    EvalValue v = U(3);
    v -= U(5);
    EXPECT_EQ(v.kind(), Unsigned);
    EXPECT_EQ(v.asUnsigned(), 4294967294u);
    EvalValue toInt = v, toFloat = v;
    EXPECT_TRUE(toInt.cvtToInteger());
    EXPECT_EQ(toInt.asSigned(), 2147483647);
    EXPECT_TRUE(toFloat.cvtToFloat());
    EXPECT_EQ(toFloat.asDouble(), 4294967294.0);

    EvalValue d = U(7);
    d /= U(2);
    EXPECT_EQ(d.kind(), Unsigned);
    EXPECT_EQ(d.asUnsigned(), 3u);
    EvalValue m = U(65536);
    m *= U(65537);
    EXPECT_EQ(m.asUnsigned(), 65536u);  // modulo 2^32
}

TEST(EvalValue, PromotesBetweenKindsByTheFixedRules) {
    EvalValue f = U(7);
    f /= F(2.0);  // a Float right operand makes the left one Float
    EXPECT_EQ(f.kind(), Float);
    EXPECT_EQ(f.asDouble(), 3.5);

    EvalValue s = S(-5);
    s += U(3);  // Signed stays Signed
    EXPECT_EQ(s.kind(), Signed);
    EXPECT_EQ(s.asSigned(), -2);

    EvalValue big = U(3000000000u);
    big += S(1);  // Unsigned left, Signed right: clamped to Signed first
    EXPECT_EQ(big.kind(), Signed);
    EXPECT_EQ(big.asSigned(), -2147483648);  // 2147483647 + 1 wraps

    EvalValue neg = S(-7);
    neg /= U(4294967294u);  // an unsigned divisor above 2^31-1 acts as a negative one (-2)
    EXPECT_EQ(neg.asSigned(), 3);

    EvalValue wrap = S(2147483647);
    wrap *= S(2);
    EXPECT_EQ(wrap.asSigned(), -2);

    EvalValue fl = F(1.5);
    fl *= S(-2);
    EXPECT_EQ(fl.asDouble(), -3.0);
}

TEST(EvalValue, ReportsIllegalOperandsAndKeepsTheLeftOperand) {
    DumpCapture dump;
    EvalValue sym = I(5);
    sym += U(1);
    EXPECT_EQ(dump.take(), "\noperator+=: illegal lhs\n");
    EXPECT_EQ(sym.kind(), Index);
    EXPECT_EQ(sym.index(), 5);

    sym -= I(2);
    EXPECT_EQ(dump.take(), "\noperator-=: illegal operands\n");
    sym *= S(2);  // the Index is first converted with cvtToInteger
    EXPECT_EQ(dump.take(),
              "\ncvtToInteger: index support not yet implemented\n\noperator*=: illegal lhs\n");
    sym /= F(2.0);
    EXPECT_EQ(dump.take(),
              "\ncvtToFloat: index support not yet implemented\n\noperator/=: illegal lhs\n");

    EvalValue u = U(1);
    u += I(0);
    EXPECT_EQ(dump.take(), "\noperator+=: illegal rhs\n");
    EvalValue s = S(1);
    s -= EvalValue::withKind(9);
    EXPECT_EQ(dump.take(), "\noperator-=: illegal rhs\n");
    EvalValue f = F(1);
    f *= I(0);
    EXPECT_EQ(dump.take(), "\noperator*=: illegal rhs\n");
    EXPECT_EQ(f.asDouble(), 1.0);

    EvalValue bad = EvalValue::withKind(-1);
    bad += U(1);
    EXPECT_EQ(dump.take(), "\noperator+=: illegal lhs\n");
    bad /= I(1);
    EXPECT_EQ(dump.take(), "\noperator/=: illegal operands\n");
}

TEST(EvalValue, ConvertsWithClampingAndTruncation) {
    DumpCapture dump;
    const auto toInt = [](EvalValue v) {
        EXPECT_TRUE(v.cvtToInteger());
        return v.asSigned();
    };
    const auto toUns = [](EvalValue v) {
        EXPECT_TRUE(v.cvtToUnsigned());
        return v.asUnsigned();
    };
    EXPECT_EQ(toInt(F(1e20)), 2147483647);
    EXPECT_EQ(toInt(F(-1e20)), -2147483648);
    EXPECT_EQ(toInt(F(-2.7)), -2);
    EXPECT_EQ(toInt(F(NAN)), 0);
    EXPECT_EQ(toUns(F(-0.5)), 0u);
    EXPECT_EQ(toUns(S(-3)), 0u);
    EXPECT_EQ(toUns(F(1e10)), 4294967295u);
    EXPECT_EQ(toUns(F(3.99)), 3u);
    EXPECT_EQ(dump.text(), "");

    EvalValue sym = I(1);
    EXPECT_FALSE(sym.cvtToInteger());
    EXPECT_FALSE(sym.cvtToUnsigned());
    EXPECT_FALSE(sym.cvtToFloat());
    EXPECT_EQ(sym.kind(), Index);
    EXPECT_EQ(dump.take(),
              "\ncvtToInteger: index support not yet implemented\n"
              "\ncvtToUnsigned: index support not yet implemented\n"
              "\ncvtToFloat: index support not yet implemented\n");
    EvalValue bad = EvalValue::withKind(4);
    EXPECT_FALSE(bad.cvtToInteger() || bad.cvtToUnsigned() || bad.cvtToFloat());
    EXPECT_EQ(dump.take(),
              "\ncvtToInteger: illegal type encountered\n"
              "\ncvtToUnsigned: illegal type encountered\n"
              "\ncvtToFloat: illegal type encountered\n");
}

TEST(EvalValue, NegatesIntoTheKindThatHoldsTheResult) {
    DumpCapture dump;
    EvalValue n = -U(5);
    EXPECT_EQ(n.kind(), Signed);
    EXPECT_EQ(n.asSigned(), -5);
    n = -U(3000000000u);
    EXPECT_EQ(n.kind(), Float);
    EXPECT_EQ(n.asDouble(), -3000000000.0);
    n = -S(-2147483647 - 1);
    EXPECT_EQ(n.kind(), Float);
    EXPECT_EQ(n.asDouble(), 2147483648.0);
    n = -F(0.5);
    EXPECT_EQ(n.asDouble(), -0.5);
    EXPECT_EQ(dump.text(), "");
    n = -I(1);
    EXPECT_EQ(n.kind(), Signed);
    EXPECT_EQ(n.asSigned(), 0);
    n = -EvalValue::withKind(7);
    EXPECT_EQ(dump.text(),
              "\noperator-: index support not yet implemented\n"
              "\noperator-: illegal type encountered\n");
}

TEST(EvalValue, IntegerDivisionThatCannotBeDoneLeavesTheValueAndSaysSo) {
    DumpCapture dump;
    EvalValue u = U(7);
    u /= U(0);
    EXPECT_TRUE(EvalValue::lastDivisionFailed());
    EXPECT_EQ(u.asUnsigned(), 7u);
    EvalValue s = S(-2147483647 - 1);
    s /= S(-1);
    EXPECT_TRUE(EvalValue::lastDivisionFailed());
    EXPECT_EQ(s.asSigned(), -2147483647 - 1);
    EvalValue z = S(5);
    z /= U(0);
    EXPECT_TRUE(EvalValue::lastDivisionFailed());
    EXPECT_EQ(dump.take(),
              "\noperator/=: division by zero\n\noperator/=: integer overflow\n"
              "\noperator/=: division by zero\n");
    EvalValue ok = S(9);
    ok /= S(-2);
    EXPECT_FALSE(EvalValue::lastDivisionFailed());
    EXPECT_EQ(ok.asSigned(), -4);
    EvalValue inf = F(1);
    inf /= U(0);  // IEEE division
    EXPECT_FALSE(EvalValue::lastDivisionFailed());
    EXPECT_TRUE(std::isinf(inf.asDouble()));
}

TEST(EvalValue, ConvertsPolarToCartesian) {
    DumpCapture dump;
    EvalValue r = U(2), a = U(0);
    EXPECT_TRUE(EvalValue::cvtPolarToCartesian(r, a));
    EXPECT_EQ(r.asDouble(), 2.0);
    EXPECT_EQ(a.asDouble(), 0.0);
    r = F(2);
    a = F(M_PI / 2);
    EXPECT_TRUE(EvalValue::cvtPolarToCartesian(r, a));
    EXPECT_NEAR(r.asDouble(), 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(a.asDouble(), 2.0);

    EvalValue r3 = F(2), a3 = F(0), b3 = F(M_PI / 2);
    EXPECT_TRUE(EvalValue::cvtPolarToCartesian(r3, a3, b3));
    EXPECT_NEAR(r3.asDouble(), 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(b3.asDouble(), 2.0);
    EXPECT_EQ(dump.text(), "");

    EvalValue rr = U(3), sym = I(0);
    EXPECT_FALSE(EvalValue::cvtPolarToCartesian(rr, sym));
    EXPECT_EQ(rr.kind(), Float);  // the one that converted stays converted
    EXPECT_EQ(rr.asDouble(), 3.0);
    EXPECT_EQ(dump.text(),
              "\ncvtToFloat: index support not yet implemented\n"
              "\ncvtPolarToCartesian: illegal arguments\n");
}
