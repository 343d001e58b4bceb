#include "orvane/units/length_representations.h"

#include <cstddef>

#include "orvane/units/feet_inch_representation.h"
#include "orvane/units/unit_texts.h"

namespace {

using orvane::units::UnitTexts;

constexpr double kInchesPerMillimeter = 0.03937007874015748;

// The unit texts, in the order of the classes below. A function-local static, so that the texts
// exist whenever they are first asked for.
UnitTexts& texts(std::size_t index) {
    static UnitTexts table[] = {
        {"mm", "mm"}, {"cm", "cm"},   {"dm", "dm"},   {"m", "m"},
        {"km", "km"}, {"in.", "in."}, {"ft.", "ft."}, {"mi.", "mi."},
    };
    return table[index];
}

}  // namespace

// VLOCN_BaseLengthClass

const VLOCN_BaseLengthClass* VLOCN_BaseLengthClass::s_lengthRepPtr = nullptr;

const VLOCN_BaseLengthClass* VLOCN_BaseLengthClass::getActual() {
    return s_lengthRepPtr;
}
void VLOCN_BaseLengthClass::setAsActual(const VLOCN_BaseLengthClass* rep) {
    s_lengthRepPtr = rep;
}
double VLOCN_BaseLengthClass::getMin() {
    return -1e12;
}
double VLOCN_BaseLengthClass::getMax() {
    return 1e12;
}

void VLOCN_BaseLengthClass::setFromRegistry(long number) {
    switch (number) {
        case 201:
            VLOCN_MillimeterConversion::setAsActual();
            break;
        case 202:
            VLOCN_CentimeterConversion::setAsActual();
            break;
        case 203:
            VLOCN_DecimeterConversion::setAsActual();
            break;
        case 205:
            VLOCN_KilometerConversion::setAsActual();
            break;
        case 206:
            VLOCN_FeetInchRepresentation::setAsActual();
            break;
        case 207:
            VLOCN_InchConversion::setAsActual();
            break;
        case 208:
            VLOCN_FeetConversion::setAsActual();
            break;
        case 209:
            VLOCN_MilesConversion::setAsActual();
            break;
        default:
            VLOCN_MeterConversion::setAsActual();
            break;
    }
}

const char* VLOCN_BaseLengthClass::getEventName() const {
    return "LengthUnitChanged";
}
const char* VLOCN_BaseLengthClass::getRegistryValueName() const {
    return "LengthSettings";
}
const VLOCN_AbstractRepresentation* VLOCN_BaseLengthClass::getCurrent() const {
    return s_lengthRepPtr;
}
void VLOCN_BaseLengthClass::setCurrent(const VLOCN_AbstractRepresentation* rep) const {
    s_lengthRepPtr = dynamic_cast<const VLOCN_BaseLengthClass*>(rep);
}

// VLOCN_MillimeterConversion

const VLOCN_MillimeterConversion VLOCN_MillimeterConversion::s_thisRepresentation{};

const VLOCN_MillimeterConversion* VLOCN_MillimeterConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_MillimeterConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_MillimeterConversion::getUnitDescriptionStatic() {
    return texts(0).shortText;
}
long VLOCN_MillimeterConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_MillimeterConversion::~VLOCN_MillimeterConversion() = default;
const V_STRING& VLOCN_MillimeterConversion::getUnitDescription() const {
    return texts(0).shortText;
}
const V_STRING& VLOCN_MillimeterConversion::getUnitDescriptionLong() const {
    return texts(0).longText;
}
long VLOCN_MillimeterConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_MillimeterConversion::asString(double value) const {
    return string(value, 3);
}
bool VLOCN_MillimeterConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1.0);
}
double VLOCN_MillimeterConversion::getConversionScalar() const {
    return 1.0;
}
void VLOCN_MillimeterConversion::setUnitDescriptions(const V_STRING& shortText,
                                                     const V_STRING& longText) {
    texts(0).assign(shortText, longText);
}

// VLOCN_CentimeterConversion

const VLOCN_CentimeterConversion VLOCN_CentimeterConversion::s_thisRepresentation{};

const VLOCN_CentimeterConversion* VLOCN_CentimeterConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_CentimeterConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_CentimeterConversion::getUnitDescriptionStatic() {
    return texts(1).shortText;
}
long VLOCN_CentimeterConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_CentimeterConversion::~VLOCN_CentimeterConversion() = default;
const V_STRING& VLOCN_CentimeterConversion::getUnitDescription() const {
    return texts(1).shortText;
}
const V_STRING& VLOCN_CentimeterConversion::getUnitDescriptionLong() const {
    return texts(1).longText;
}
long VLOCN_CentimeterConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_CentimeterConversion::asString(double value) const {
    return string(value * 0.1, 4);
}
bool VLOCN_CentimeterConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 10.0);
}
double VLOCN_CentimeterConversion::getConversionScalar() const {
    return 0.1;
}
void VLOCN_CentimeterConversion::setUnitDescriptions(const V_STRING& shortText,
                                                     const V_STRING& longText) {
    texts(1).assign(shortText, longText);
}

// VLOCN_DecimeterConversion

const VLOCN_DecimeterConversion VLOCN_DecimeterConversion::s_thisRepresentation{};

const VLOCN_DecimeterConversion* VLOCN_DecimeterConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_DecimeterConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_DecimeterConversion::getUnitDescriptionStatic() {
    return texts(2).shortText;
}
long VLOCN_DecimeterConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_DecimeterConversion::~VLOCN_DecimeterConversion() = default;
const V_STRING& VLOCN_DecimeterConversion::getUnitDescription() const {
    return texts(2).shortText;
}
const V_STRING& VLOCN_DecimeterConversion::getUnitDescriptionLong() const {
    return texts(2).longText;
}
long VLOCN_DecimeterConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_DecimeterConversion::asString(double value) const {
    return string(value * 0.01, 3);
}
bool VLOCN_DecimeterConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 100.0);
}
double VLOCN_DecimeterConversion::getConversionScalar() const {
    return 0.01;
}
void VLOCN_DecimeterConversion::setUnitDescriptions(const V_STRING& shortText,
                                                    const V_STRING& longText) {
    texts(2).assign(shortText, longText);
}

// VLOCN_MeterConversion

const VLOCN_MeterConversion VLOCN_MeterConversion::s_thisRepresentation{};

const VLOCN_MeterConversion* VLOCN_MeterConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_MeterConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_MeterConversion::getUnitDescriptionStatic() {
    return texts(3).shortText;
}
long VLOCN_MeterConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_MeterConversion::~VLOCN_MeterConversion() = default;
const V_STRING& VLOCN_MeterConversion::getUnitDescription() const {
    return texts(3).shortText;
}
const V_STRING& VLOCN_MeterConversion::getUnitDescriptionLong() const {
    return texts(3).longText;
}
long VLOCN_MeterConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_MeterConversion::asString(double value) const {
    return string(value * 0.001, 4);
}
bool VLOCN_MeterConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000.0);
}
double VLOCN_MeterConversion::getConversionScalar() const {
    return 0.001;
}
void VLOCN_MeterConversion::setUnitDescriptions(const V_STRING& shortText,
                                                const V_STRING& longText) {
    texts(3).assign(shortText, longText);
}

// VLOCN_KilometerConversion

const VLOCN_KilometerConversion VLOCN_KilometerConversion::s_thisRepresentation{};

const VLOCN_KilometerConversion* VLOCN_KilometerConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_KilometerConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_KilometerConversion::getUnitDescriptionStatic() {
    return texts(4).shortText;
}
long VLOCN_KilometerConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_KilometerConversion::~VLOCN_KilometerConversion() = default;
const V_STRING& VLOCN_KilometerConversion::getUnitDescription() const {
    return texts(4).shortText;
}
const V_STRING& VLOCN_KilometerConversion::getUnitDescriptionLong() const {
    return texts(4).longText;
}
long VLOCN_KilometerConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_KilometerConversion::asString(double value) const {
    return string(value * 1e-6, 6);
}
bool VLOCN_KilometerConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000000.0);
}
double VLOCN_KilometerConversion::getConversionScalar() const {
    return 1e-6;
}
void VLOCN_KilometerConversion::setUnitDescriptions(const V_STRING& shortText,
                                                    const V_STRING& longText) {
    texts(4).assign(shortText, longText);
}

// VLOCN_InchConversion

const VLOCN_InchConversion VLOCN_InchConversion::s_thisRepresentation{};

const VLOCN_InchConversion* VLOCN_InchConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_InchConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_InchConversion::getUnitDescriptionStatic() {
    return texts(5).shortText;
}
long VLOCN_InchConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_InchConversion::~VLOCN_InchConversion() = default;
const V_STRING& VLOCN_InchConversion::getUnitDescription() const {
    return texts(5).shortText;
}
const V_STRING& VLOCN_InchConversion::getUnitDescriptionLong() const {
    return texts(5).longText;
}
long VLOCN_InchConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_InchConversion::asString(double value) const {
    return string(value * kInchesPerMillimeter);
}
bool VLOCN_InchConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 25.4);
}
double VLOCN_InchConversion::getConversionScalar() const {
    return kInchesPerMillimeter;
}
void VLOCN_InchConversion::setUnitDescriptions(const V_STRING& shortText,
                                               const V_STRING& longText) {
    texts(5).assign(shortText, longText);
}

// VLOCN_FeetConversion

const VLOCN_FeetConversion VLOCN_FeetConversion::s_thisRepresentation{};

const VLOCN_FeetConversion* VLOCN_FeetConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_FeetConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_FeetConversion::getUnitDescriptionStatic() {
    return texts(6).shortText;
}
long VLOCN_FeetConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_FeetConversion::~VLOCN_FeetConversion() = default;
const V_STRING& VLOCN_FeetConversion::getUnitDescription() const {
    return texts(6).shortText;
}
const V_STRING& VLOCN_FeetConversion::getUnitDescriptionLong() const {
    return texts(6).longText;
}
long VLOCN_FeetConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_FeetConversion::asString(double value) const {
    return string(value * 0.0032808398950131233);
}
bool VLOCN_FeetConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 304.8);
}
double VLOCN_FeetConversion::getConversionScalar() const {
    return 0.0032808398950131233;
}
void VLOCN_FeetConversion::setUnitDescriptions(const V_STRING& shortText,
                                               const V_STRING& longText) {
    texts(6).assign(shortText, longText);
}

// VLOCN_MilesConversion

const VLOCN_MilesConversion VLOCN_MilesConversion::s_thisRepresentation{};

const VLOCN_MilesConversion* VLOCN_MilesConversion::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_MilesConversion::setAsActual() {
    VLOCN_BaseLengthClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_MilesConversion::getUnitDescriptionStatic() {
    return texts(7).shortText;
}
long VLOCN_MilesConversion::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_MilesConversion::~VLOCN_MilesConversion() = default;
const V_STRING& VLOCN_MilesConversion::getUnitDescription() const {
    return texts(7).shortText;
}
const V_STRING& VLOCN_MilesConversion::getUnitDescriptionLong() const {
    return texts(7).longText;
}
long VLOCN_MilesConversion::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_MilesConversion::asString(double value) const {
    return string(value * 6.21371192237334e-7);
}
bool VLOCN_MilesConversion::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1609344.0);
}
double VLOCN_MilesConversion::getConversionScalar() const {
    return 6.21371192237334e-7;
}
void VLOCN_MilesConversion::setUnitDescriptions(const V_STRING& shortText,
                                                const V_STRING& longText) {
    texts(7).assign(shortText, longText);
}
