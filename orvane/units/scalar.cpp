#include "orvane/units/scalar.h"

namespace {

// The one empty description, a function-local static so that it exists whenever first asked for.
const V_STRING& emptyDescription() {
    static const V_STRING text;
    return text;
}

}  // namespace

const VLOCN_Scalar VLOCN_Scalar::s_thisRepresentation{};

const VLOCN_Scalar* VLOCN_Scalar::thisRepresentation() {
    return &s_thisRepresentation;
}
const V_STRING& VLOCN_Scalar::getUnitDescriptionStatic() {
    return emptyDescription();
}
VLOCN_Scalar::~VLOCN_Scalar() = default;
const V_STRING& VLOCN_Scalar::getUnitDescription() const {
    return emptyDescription();
}
const V_STRING& VLOCN_Scalar::getUnitDescriptionLong() const {
    return emptyDescription();
}
long VLOCN_Scalar::getUnitRegistryNumber() const {
    return 0;
}
V_STRING VLOCN_Scalar::asString(double value) const {
    return string(value, 4);
}
bool VLOCN_Scalar::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1.0);
}
double VLOCN_Scalar::getConversionScalar() const {
    return 1.0;
}
void VLOCN_Scalar::setUnitDescriptions(const V_STRING&, const V_STRING&) {}
const char* VLOCN_Scalar::getEventName() const {
    return nullptr;
}
const char* VLOCN_Scalar::getRegistryValueName() const {
    return nullptr;
}
const VLOCN_AbstractRepresentation* VLOCN_Scalar::getCurrent() const {
    return this;
}
void VLOCN_Scalar::setCurrent(const VLOCN_AbstractRepresentation*) const {}
