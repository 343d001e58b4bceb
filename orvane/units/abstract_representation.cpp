#include "orvane/units/abstract_representation.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

#include "orvane/base/registry_key.h"
#include "orvane/events/named_event.h"
#include "orvane/strings/toolbox.h"

namespace {

// Removes trailing '0' characters; with `dropPoint`, also a '.' left at the end.
V_STRING trimmed(const V_STRING& text, bool dropPoint) {
    const std::string& s = text.str();
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == '0')
        --end;
    if (dropPoint && end > 0 && s[end - 1] == '.') --end;
    return V_STRING(text, 0, static_cast<unsigned long>(end));
}

// Reads a text that is nothing but a plain decimal number: digits with one '.' and at least one
// digit ("1.5", "2.", ".25"), or at most 9 digits alone ("1612"). The evaluator reads such a
// text as a single literal (strtod in the C locale, or an exact 32-bit whole number) and returns
// it unchanged; std::from_chars rounds to the same double without the evaluator's set-up. Any
// other text (a sign, a blank, an operator, an exponent, a longer text) returns false and goes
// to the evaluator.
bool plainNumber(const V_STRING& text, double& number) {
    constexpr std::size_t kLongest = 64;  // well inside the evaluator's 126-character literals
    const std::string& s = text.str();
    if (s.empty() || s.size() > kLongest) return false;
    std::size_t points = 0;
    for (const char c : s) {
        if (c == '.') {
            ++points;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    if (points > 1 || s.size() == points) return false;  // two points, or a lone "."
    if (points == 0 && s.size() > 9) return false;       // a whole number past 32 bits
    const char* end = s.data() + s.size();
    const std::from_chars_result read = std::from_chars(s.data(), end, number);
    return read.ec == std::errc() && read.ptr == end;
}

bool isSmall(double value) {
    const double a = std::fabs(value);
    return a > 1e-9 && a < 0.01;
}

}  // namespace

VLOCN_AbstractRepresentation::~VLOCN_AbstractRepresentation() = default;

V_STRING VLOCN_AbstractRepresentation::getUnitDescriptionComposed() const {
    V_STRING text = getUnitDescriptionLong();
    text += " [";
    text += getUnitDescription();
    text += "]";
    return text;
}

bool VLOCN_AbstractRepresentation::isActualRep() const {
    const VLOCN_AbstractRepresentation* current = getCurrent();
    return current != nullptr && current->getUnitRegistryNumber() == getUnitRegistryNumber();
}

void VLOCN_AbstractRepresentation::setAsActualRep() const {
    const VLOCN_AbstractRepresentation* current = getCurrent();
    if (current != nullptr && current->getUnitRegistryNumber() == getUnitRegistryNumber()) return;
    if (const char* valueName = getRegistryValueName()) {
        VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, false);
        key.setIntValue(valueName, getUnitRegistryNumber());
    }
    setCurrent(this);
    if (const char* eventName = getEventName()) {
        const VSHSI_NamedEvent event(eventName);
        event.DispatchEvent(nullptr);
    }
}

V_STRING VLOCN_AbstractRepresentation::string(double value) {
    if (!isSmall(value)) return V_STRING::formatted("%.9g", value);
    return trimmed(V_STRING::formatted("%.12f", value), false);
}

V_STRING VLOCN_AbstractRepresentation::string(double value, int precision) {
    if (precision < 0) precision = 0;
    const int decimals = isSmall(value) ? precision + 3 : precision;
    const V_STRING text = V_STRING::formatted("%.*f", decimals, value);
    if (text.str().find('.') == std::string::npos) return text;
    return trimmed(text, true);
}

bool VLOCN_AbstractRepresentation::evaluateInPlace(const V_STRING& text, double& value,
                                                   double factor) {
    double number = 0.0;
    if (plainNumber(text, number)) {
        value = number;
        value *= factor;
        return true;
    }
    evalInfo info;
    if (!VSTRI_Toolbox::evaluate(text, value, info)) return false;
    value *= factor;
    return true;
}

bool VLOCN_AbstractRepresentation::evaluateIntoTemporary(const V_STRING& text, double& value,
                                                         double factor) {
    double number = 0.0;
    if (plainNumber(text, number)) {
        value = number * factor;
        return true;
    }
    evalInfo info;
    if (!VSTRI_Toolbox::evaluate(text, number, info)) return false;
    value = number * factor;
    return true;
}
