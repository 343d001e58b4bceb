#include "orvane/units/volume_representations.h"

#include <cstddef>
#include "orvane/units/unit_texts.h"

namespace {

using orvane::units::UnitTexts;

// The unit texts, in the order of the classes below. A function-local static, so that the texts
// exist whenever they are first asked for.
UnitTexts& texts(std::size_t index) {
    static UnitTexts table[] = {
        {"mm\xFC", "mm\xFC"},
        {"cm\xFC", "cm\xFC"},
        {"dm\xFC", "dm\xFC"},
        {"m\xFC", "m\xFC"},
    };
    return table[index];
}

}  // namespace

// VLOCN_BaseVolumeClass

const VLOCN_BaseVolumeClass* VLOCN_BaseVolumeClass::s_volumeRepPtr = nullptr;

const VLOCN_BaseVolumeClass* VLOCN_BaseVolumeClass::getActual() {
    return s_volumeRepPtr;
}
void VLOCN_BaseVolumeClass::setAsActual(const VLOCN_BaseVolumeClass* rep) {
    s_volumeRepPtr = rep;
}
double VLOCN_BaseVolumeClass::getMin() {
    return -1e12;
}
double VLOCN_BaseVolumeClass::getMax() {
    return 1e12;
}
const char* VLOCN_BaseVolumeClass::getEventName() const {
    return "VolumeUnitChanged";
}
const char* VLOCN_BaseVolumeClass::getRegistryValueName() const {
    return "VolumeSettings";
}
const VLOCN_AbstractRepresentation* VLOCN_BaseVolumeClass::getCurrent() const {
    return s_volumeRepPtr;
}
void VLOCN_BaseVolumeClass::setCurrent(const VLOCN_AbstractRepresentation* rep) const {
    s_volumeRepPtr = dynamic_cast<const VLOCN_BaseVolumeClass*>(rep);
}

void VLOCN_BaseVolumeClass::setFromRegistry(long number) {
    switch (number) {
        case 401:
            VLOCN_KubikMillimeter::setAsActual();
            break;
        case 402:
            VLOCN_KubikCentimeter::setAsActual();
            break;
        case 403:
            VLOCN_KubikDecimeter::setAsActual();
            break;
        default:
            VLOCN_KubikMeter::setAsActual();
            break;
    }
}

// VLOCN_KubikMillimeter

const VLOCN_KubikMillimeter VLOCN_KubikMillimeter::s_thisRepresentation{};

const VLOCN_KubikMillimeter* VLOCN_KubikMillimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_KubikMillimeter::setAsActual() {
    VLOCN_BaseVolumeClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_KubikMillimeter::getUnitDescriptionStatic() {
    return texts(0).shortText;
}
long VLOCN_KubikMillimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_KubikMillimeter::~VLOCN_KubikMillimeter() = default;
const V_STRING& VLOCN_KubikMillimeter::getUnitDescription() const {
    return texts(0).shortText;
}
const V_STRING& VLOCN_KubikMillimeter::getUnitDescriptionLong() const {
    return texts(0).longText;
}
long VLOCN_KubikMillimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_KubikMillimeter::asString(double value) const {
    return string(value, 3);
}
bool VLOCN_KubikMillimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1.0);
}
double VLOCN_KubikMillimeter::getConversionScalar() const {
    return 1.0;
}
void VLOCN_KubikMillimeter::setUnitDescriptions(const V_STRING& shortText,
                                                const V_STRING& longText) {
    texts(0).assign(shortText, longText);
}

// VLOCN_KubikCentimeter

const VLOCN_KubikCentimeter VLOCN_KubikCentimeter::s_thisRepresentation{};

const VLOCN_KubikCentimeter* VLOCN_KubikCentimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_KubikCentimeter::setAsActual() {
    VLOCN_BaseVolumeClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_KubikCentimeter::getUnitDescriptionStatic() {
    return texts(1).shortText;
}
long VLOCN_KubikCentimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_KubikCentimeter::~VLOCN_KubikCentimeter() = default;
const V_STRING& VLOCN_KubikCentimeter::getUnitDescription() const {
    return texts(1).shortText;
}
const V_STRING& VLOCN_KubikCentimeter::getUnitDescriptionLong() const {
    return texts(1).longText;
}
long VLOCN_KubikCentimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_KubikCentimeter::asString(double value) const {
    return string(value * 0.001, 3);
}
bool VLOCN_KubikCentimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000.0);
}
double VLOCN_KubikCentimeter::getConversionScalar() const {
    return 0.001;
}
void VLOCN_KubikCentimeter::setUnitDescriptions(const V_STRING& shortText,
                                                const V_STRING& longText) {
    texts(1).assign(shortText, longText);
}

// VLOCN_KubikDecimeter

const VLOCN_KubikDecimeter VLOCN_KubikDecimeter::s_thisRepresentation{};

const VLOCN_KubikDecimeter* VLOCN_KubikDecimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_KubikDecimeter::setAsActual() {
    VLOCN_BaseVolumeClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_KubikDecimeter::getUnitDescriptionStatic() {
    return texts(2).shortText;
}
long VLOCN_KubikDecimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_KubikDecimeter::~VLOCN_KubikDecimeter() = default;
const V_STRING& VLOCN_KubikDecimeter::getUnitDescription() const {
    return texts(2).shortText;
}
const V_STRING& VLOCN_KubikDecimeter::getUnitDescriptionLong() const {
    return texts(2).longText;
}
long VLOCN_KubikDecimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_KubikDecimeter::asString(double value) const {
    return string(value * 1e-6, 4);
}
bool VLOCN_KubikDecimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000000.0);
}
double VLOCN_KubikDecimeter::getConversionScalar() const {
    return 1e-6;
}
void VLOCN_KubikDecimeter::setUnitDescriptions(const V_STRING& shortText,
                                               const V_STRING& longText) {
    texts(2).assign(shortText, longText);
}

// VLOCN_KubikMeter

const VLOCN_KubikMeter VLOCN_KubikMeter::s_thisRepresentation{};

const VLOCN_KubikMeter* VLOCN_KubikMeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_KubikMeter::setAsActual() {
    VLOCN_BaseVolumeClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_KubikMeter::getUnitDescriptionStatic() {
    return texts(3).shortText;
}
long VLOCN_KubikMeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_KubikMeter::~VLOCN_KubikMeter() = default;
const V_STRING& VLOCN_KubikMeter::getUnitDescription() const {
    return texts(3).shortText;
}
const V_STRING& VLOCN_KubikMeter::getUnitDescriptionLong() const {
    return texts(3).longText;
}
long VLOCN_KubikMeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_KubikMeter::asString(double value) const {
    return string(value * 1e-9, 4);
}
bool VLOCN_KubikMeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000000000.0);
}
double VLOCN_KubikMeter::getConversionScalar() const {
    return 1e-9;
}
void VLOCN_KubikMeter::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(3).assign(shortText, longText);
}
