#include "orvane/units/feet_inch_representation.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "orvane/base/char_class.h"
#include "orvane/units/unit_texts.h"

namespace {

constexpr double kInchesPerMillimeter = 0.03937007874015748;
constexpr double kFeetPerMillimeter = 0.0032808398950131233;
constexpr double kHalfSixteenthInFeet = 0.0026041666666666665;  // 1/384 foot
constexpr double kFeetPerInch = 0.08333333333333333;
constexpr double kMillimetersPerFoot = 304.8;
constexpr double kMillimetersPerInch = 25.4;
constexpr std::size_t kLongestText = 1023;

// The unit texts, a function-local static so that they exist whenever first asked for.
orvane::units::UnitTexts& texts() {
    static orvane::units::UnitTexts t{"ft./in.", "ft./in."};
    return t;
}

// A number of the notation: its digits as typed and the sign given by a '-' before it.
struct Number {
    std::uint32_t value = 0;
    std::int32_t sign = 1;
};

// The feet-and-inch parser. It reads the text reversed, so that it meets the inch or feet mark
// first and the feet last.
class FeetInchParser {
public:
    explicit FeetInchParser(const std::string& text) : m_text(text.rbegin(), text.rend()) {}

    bool parse(FeetInchTupel& t) {
        skipSpace();
        if (m_pos >= m_text.size()) return false;
        const char c = m_text[m_pos++];
        if (c == '\'') {
            Number n;
            if (!number(n) || !atEnd()) return false;
            t.feet = n.value;
            t.sign = n.sign;
            return true;
        }
        if (c != '"') return false;
        Number n1;
        if (!number(n1)) return false;
        if (n1.sign < 0) {
            t.inches = n1.value;
            return tail(t);
        }
        if (atEnd()) {
            t.sign = 1;
            t.inches = n1.value;
            return true;
        }
        if (!next('/')) {
            t.inches = n1.value;
            return tail(t);
        }
        // n1 is the denominator of a fraction.
        if (n1.value == 0) return false;
        ++m_pos;
        Number n2;
        if (!number(n2)) return false;
        t.numerator = n2.value;
        t.denominator = n1.value;
        if (atEnd()) {
            t.sign = n2.sign;
            return true;
        }
        if (n2.sign < 0) return feetPart(t);
        Number n3;  // whole inches
        if (!number(n3)) return false;
        if (n3.sign < 0) {
            t.inches = n3.value;
            return tail(t);
        }
        if (!atEnd()) return false;
        t.sign = 1;
        t.inches = n3.value;
        return true;
    }

private:
    void skipSpace() {
        while (m_pos < m_text.size() && orvane::chars::isSpace(m_text[m_pos]))
            ++m_pos;
    }
    bool atEnd() {
        skipSpace();
        return m_pos >= m_text.size();
    }
    bool next(char c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    // Digits (the first met is the lowest place, so the number reads as typed), then an
    // optional '-' that makes it negative. 32-bit unsigned arithmetic, wrapping.
    bool number(Number& n) {
        skipSpace();
        std::uint32_t value = 0;
        std::uint32_t place = 1;
        bool digits = false;
        while (m_pos < m_text.size() && orvane::chars::isDigit(m_text[m_pos])) {
            value += static_cast<std::uint32_t>(m_text[m_pos] - '0') * place;
            place *= 10u;
            digits = true;
            ++m_pos;
        }
        if (!digits) return false;
        skipSpace();
        n.value = value;
        n.sign = 1;
        if (next('-')) {
            n.sign = -1;
            ++m_pos;
        }
        return true;
    }

    bool feetPart(FeetInchTupel& t) {
        if (!next('\'')) return false;
        ++m_pos;
        Number n;
        if (!number(n) || !atEnd()) return false;
        t.feet = n.value;
        t.sign = n.sign;
        return true;
    }

    bool tail(FeetInchTupel& t) {
        if (atEnd()) {
            t.sign = -1;
            return true;
        }
        return feetPart(t);
    }

    std::string m_text;
    std::size_t m_pos = 0;
};

bool parseFeetInch(const V_STRING& text, FeetInchTupel& t) {
    if (text.length() > kLongestText) return false;
    t = FeetInchTupel();
    return FeetInchParser(text.str()).parse(t);
}

}  // namespace

const VLOCN_FeetInchRepresentation VLOCN_FeetInchRepresentation::s_thisRepresentation{};

const VLOCN_FeetInchRepresentation* VLOCN_FeetInchRepresentation::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_FeetInchRepresentation::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_FeetInchRepresentation::getUnitDescriptionStatic() {
    return texts().shortText;
}
long VLOCN_FeetInchRepresentation::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_FeetInchRepresentation::~VLOCN_FeetInchRepresentation() = default;
const V_STRING& VLOCN_FeetInchRepresentation::getUnitDescription() const {
    return texts().shortText;
}
const V_STRING& VLOCN_FeetInchRepresentation::getUnitDescriptionLong() const {
    return texts().longText;
}
long VLOCN_FeetInchRepresentation::getUnitRegistryNumber() const {
    return s_registry;
}
double VLOCN_FeetInchRepresentation::getConversionScalar() const {
    return kInchesPerMillimeter;
}
void VLOCN_FeetInchRepresentation::setUnitDescriptions(const V_STRING& shortText,
                                                       const V_STRING& longText) {
    texts().assign(shortText, longText);
}

V_STRING VLOCN_FeetInchRepresentation::asString(double value) const {
    const bool negative = value < 0;
    if (negative) value = -value;
    double t = value * kFeetPerMillimeter + kHalfSixteenthInFeet;
    V_STRING text(negative ? "-" : "");
    if (!(t < 4294967296.0)) {  // too many feet for 32 bits, or not a number
        text += string(value * kInchesPerMillimeter);
        text += "\"";
        return text;
    }
    const auto feet = static_cast<std::uint32_t>(t);
    t = (t - feet) * 12.0;
    const auto inches = static_cast<std::uint32_t>(t);
    t = (t - inches) * 16.0;
    std::uint32_t numerator = static_cast<std::uint32_t>(t);
    std::uint32_t denominator = 16;
    do {
        if (numerator % 2 != 0) break;
        denominator /= 2;
        numerator /= 2;
    } while (denominator != 0);

    if (feet != 0) text += V_STRING::formatted("%u'-", static_cast<unsigned>(feet));
    if (feet != 0 || inches != 0 || numerator == 0) {
        text += V_STRING::formatted("%u", static_cast<unsigned>(inches));
        if (numerator != 0) {
            text += V_STRING::formatted(" %u/%u", static_cast<unsigned>(numerator),
                                        static_cast<unsigned>(denominator));
        }
    } else {
        text += V_STRING::formatted("%u/%u", static_cast<unsigned>(numerator),
                                    static_cast<unsigned>(denominator));
    }
    text += "\"";
    return text;
}

bool VLOCN_FeetInchRepresentation::asFloat(const V_STRING& text, double& value) const {
    FeetInchTupel t;
    if (parseFeetInch(text, t)) {
        double feet = static_cast<double>(t.feet) + static_cast<double>(t.inches) * kFeetPerInch;
        if (t.denominator != 0) {
            feet += (static_cast<double>(t.numerator) / static_cast<double>(t.denominator)) *
                    kFeetPerInch;
        }
        value = feet * (t.sign < 0 ? -kMillimetersPerFoot : kMillimetersPerFoot);
        return true;
    }
    return evaluateInPlace(text, value, kMillimetersPerInch);
}

bool VLOCN_FeetInchRepresentation::stringToTupel(const V_STRING& text, long& feet,
                                                 unsigned long& inches, unsigned long& denominator,
                                                 unsigned long& numerator) {
    feet = 0;
    inches = 0;
    denominator = 0;
    numerator = 0;
    FeetInchTupel t;
    if (!parseFeetInch(text, t)) return false;
    feet = static_cast<long>(t.feet);
    inches = t.inches;
    denominator = t.denominator;
    numerator = t.numerator;
    return true;
}
