#include "orvane/units/abstract_representation.h"

#include <cmath>

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
    evalInfo info;
    if (!VSTRI_Toolbox::evaluate(text, value, info)) return false;
    value *= factor;
    return true;
}

bool VLOCN_AbstractRepresentation::evaluateIntoTemporary(const V_STRING& text, double& value,
                                                         double factor) {
    double number = 0.0;
    evalInfo info;
    if (!VSTRI_Toolbox::evaluate(text, number, info)) return false;
    value = number * factor;
    return true;
}
