#include "orvane/strings/eval_value.h"

#include <cmath>
#include <cstdint>

#include "orvane/base/dump_stream.h"

namespace {

bool s_divisionFailed = false;

void message(const char* text) {
    VSYST_DumpStream::getStdStream() << text;
}

const char* const kMessages[4][3] = {
    {"\noperator+=: illegal rhs\n", "\noperator+=: illegal lhs\n",
     "\noperator+=: illegal operands\n"},
    {"\noperator-=: illegal rhs\n", "\noperator-=: illegal lhs\n",
     "\noperator-=: illegal operands\n"},
    {"\noperator*=: illegal rhs\n", "\noperator*=: illegal lhs\n",
     "\noperator*=: illegal operands\n"},
    {"\noperator/=: illegal rhs\n", "\noperator/=: illegal lhs\n",
     "\noperator/=: illegal operands\n"},
};
enum Problem { kIllegalRhs = 0, kIllegalLhs = 1, kIllegalOperands = 2 };

bool isInteger(std::int32_t kind) {
    return kind == Signed || kind == Unsigned;
}

}  // namespace

EvalValue::EvalValue(std::uint16_t index) : m_kind(Index) {
    m_payload.bits = 0;
    m_payload.index = index;
}

EvalValue::EvalValue(long value) : m_kind(Signed) {
    m_payload.bits = 0;
    m_payload.sint = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

EvalValue::EvalValue(unsigned long value) : m_kind(Unsigned) {
    m_payload.bits = 0;
    m_payload.uint = static_cast<std::uint32_t>(value);
}

EvalValue::EvalValue(double value) : m_kind(Float) {
    m_payload.real = value;
}

EvalValue EvalValue::withKind(std::int32_t kind) {
    EvalValue v(0ul);
    v.m_kind = kind;
    return v;
}

bool EvalValue::cvtToInteger() {
    switch (m_kind) {
        case Index:
            message("\ncvtToInteger: index support not yet implemented\n");
            return false;
        case Signed:
            return true;
        case Unsigned: {
            const std::uint32_t u = m_payload.uint;
            m_payload.bits = 0;
            m_payload.sint = u > 2147483647u ? 2147483647 : static_cast<std::int32_t>(u);
            break;
        }
        case Float: {
            const double d = m_payload.real;
            m_payload.bits = 0;
            if (d > 2147483647.0) {
                m_payload.sint = 2147483647;
            } else if (d < -2147483648.0) {
                m_payload.sint = INT32_MIN;
            } else if (std::isnan(d)) {
                m_payload.sint = 0;
            } else {
                m_payload.sint = static_cast<std::int32_t>(d);  // truncates toward zero
            }
            break;
        }
        default:
            message("\ncvtToInteger: illegal type encountered\n");
            return false;
    }
    m_kind = Signed;
    return true;
}

bool EvalValue::cvtToUnsigned() {
    switch (m_kind) {
        case Index:
            message("\ncvtToUnsigned: index support not yet implemented\n");
            return false;
        case Signed: {
            const std::int32_t s = m_payload.sint;
            m_payload.bits = 0;
            m_payload.uint = s < 0 ? 0u : static_cast<std::uint32_t>(s);
            break;
        }
        case Unsigned:
            return true;
        case Float: {
            const double d = m_payload.real;
            m_payload.bits = 0;
            if (d > 4294967295.0) {
                m_payload.uint = 4294967295u;
            } else if (d < 0.0 || std::isnan(d)) {
                m_payload.uint = 0u;
            } else {
                m_payload.uint = static_cast<std::uint32_t>(d);
            }
            break;
        }
        default:
            message("\ncvtToUnsigned: illegal type encountered\n");
            return false;
    }
    m_kind = Unsigned;
    return true;
}

bool EvalValue::cvtToFloat() {
    switch (m_kind) {
        case Index:
            message("\ncvtToFloat: index support not yet implemented\n");
            return false;
        case Signed:
            m_payload.real = static_cast<double>(m_payload.sint);
            break;
        case Unsigned:
            m_payload.real = static_cast<double>(m_payload.uint);
            break;
        case Float:
            return true;
        default:
            message("\ncvtToFloat: illegal type encountered\n");
            return false;
    }
    m_kind = Float;
    return true;
}

bool EvalValue::cvtPolarToCartesian(EvalValue& radius, EvalValue& angle) {
    const bool r = radius.cvtToFloat();
    const bool a = angle.cvtToFloat();
    if (!(r && a)) {
        message("\ncvtPolarToCartesian: illegal arguments\n");
        return false;
    }
    const double len = radius.m_payload.real;
    const double phi = angle.m_payload.real;
    radius.m_payload.real = len * std::cos(phi);
    angle.m_payload.real = len * std::sin(phi);
    return true;
}

bool EvalValue::cvtPolarToCartesian(EvalValue& radius, EvalValue& angle1, EvalValue& angle2) {
    const bool r = radius.cvtToFloat();
    const bool a = angle1.cvtToFloat();
    const bool b = angle2.cvtToFloat();
    if (!(r && a && b)) {
        message("\ncvtPolarToCartesian: illegal arguments\n");
        return false;
    }
    const double len = radius.m_payload.real;
    const double phi = angle1.m_payload.real;
    const double theta = angle2.m_payload.real;
    radius.m_payload.real = len * std::cos(phi) * std::cos(theta);
    angle1.m_payload.real = len * std::sin(phi) * std::cos(theta);
    angle2.m_payload.real = len * std::sin(theta);
    return true;
}

EvalValue& EvalValue::apply(Op op, const EvalValue& rhs) {
    const auto problem = [&](Problem p) -> EvalValue& {
        message(kMessages[static_cast<int>(op)][p]);
        return *this;
    };
    if (op == Op::Div) s_divisionFailed = false;

    // Rule 2: a Float right operand makes the left one Float first.
    if (m_kind != Float && rhs.m_kind == Float) {
        if (!cvtToFloat()) return problem(kIllegalLhs);
    }
    // Rule 1: double arithmetic.
    if (m_kind == Float) {
        double r;
        if (rhs.m_kind == Signed) {
            r = static_cast<double>(rhs.m_payload.sint);
        } else if (rhs.m_kind == Unsigned) {
            r = static_cast<double>(rhs.m_payload.uint);
        } else if (rhs.m_kind == Float) {
            r = rhs.m_payload.real;
        } else {
            return problem(kIllegalRhs);
        }
        double& l = m_payload.real;
        switch (op) {
            case Op::Add:
                l += r;
                break;
            case Op::Sub:
                l -= r;
                break;
            case Op::Mul:
                l *= r;
                break;
            case Op::Div:
                l /= r;
                break;
        }
        return *this;
    }
    // Rule 4: a Signed right operand makes the left one Signed first.
    if (m_kind != Signed && rhs.m_kind == Signed) {
        if (!cvtToInteger()) return problem(kIllegalLhs);
    }
    // Rule 3: signed 32-bit arithmetic on the two bit patterns, wrapping.
    if (m_kind == Signed) {
        if (!isInteger(rhs.m_kind)) return problem(kIllegalRhs);
        const std::uint32_t lu = static_cast<std::uint32_t>(m_payload.sint);
        const std::uint32_t ru = rhs.m_payload.uint;  // same bits for Signed and Unsigned
        std::uint32_t result = 0;
        switch (op) {
            case Op::Add:
                result = lu + ru;
                break;
            case Op::Sub:
                result = lu - ru;
                break;
            case Op::Mul:
                result = lu * ru;
                break;
            case Op::Div: {
                const auto l = static_cast<std::int32_t>(lu);
                const auto r = static_cast<std::int32_t>(ru);
                if (r == 0) {
                    message("\noperator/=: division by zero\n");
                    s_divisionFailed = true;
                    return *this;
                }
                if (l == INT32_MIN && r == -1) {
                    message("\noperator/=: integer overflow\n");
                    s_divisionFailed = true;
                    return *this;
                }
                result = static_cast<std::uint32_t>(l / r);
                break;
            }
        }
        m_payload.sint = static_cast<std::int32_t>(result);
        return *this;
    }
    // Rule 5: unsigned 32-bit arithmetic, wrapping.
    if (m_kind == Unsigned) {
        if (rhs.m_kind != Unsigned) return problem(kIllegalRhs);
        std::uint32_t& l = m_payload.uint;
        const std::uint32_t r = rhs.m_payload.uint;
        switch (op) {
            case Op::Add:
                l += r;
                break;
            case Op::Sub:
                l -= r;
                break;
            case Op::Mul:
                l = static_cast<std::uint32_t>(std::uint64_t{l} * r);
                break;
            case Op::Div:
                if (r == 0) {
                    message("\noperator/=: division by zero\n");
                    s_divisionFailed = true;
                    return *this;
                }
                l /= r;
                break;
        }
        return *this;
    }
    // Rules 6 and 7: the left operand is a symbol or of an illegal kind.
    if (rhs.m_kind == Unsigned) return problem(kIllegalLhs);
    return problem(kIllegalOperands);
}

EvalValue& EvalValue::operator+=(const EvalValue& rhs) {
    return apply(Op::Add, rhs);
}
EvalValue& EvalValue::operator-=(const EvalValue& rhs) {
    return apply(Op::Sub, rhs);
}
EvalValue& EvalValue::operator*=(const EvalValue& rhs) {
    return apply(Op::Mul, rhs);
}
EvalValue& EvalValue::operator/=(const EvalValue& rhs) {
    return apply(Op::Div, rhs);
}

EvalValue EvalValue::operator-() const {
    switch (m_kind) {
        case Signed:
            if (m_payload.sint == INT32_MIN) return EvalValue(2147483648.0);
            return EvalValue(static_cast<long>(-m_payload.sint));
        case Unsigned:
            if (static_cast<double>(m_payload.uint) > 2147483647.0) {
                return EvalValue(-static_cast<double>(m_payload.uint));
            }
            return EvalValue(-static_cast<long>(m_payload.uint));
        case Float:
            return EvalValue(-m_payload.real);
        case Index:
            message("\noperator-: index support not yet implemented\n");
            return EvalValue(0l);
        default:
            message("\noperator-: illegal type encountered\n");
            return EvalValue(0l);
    }
}

bool EvalValue::lastDivisionFailed() {
    return s_divisionFailed;
}
