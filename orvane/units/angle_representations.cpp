#include "orvane/units/angle_representations.h"

#include <cmath>
#include <cstddef>
#include "orvane/units/unit_texts.h"

namespace {

using orvane::units::UnitTexts;

constexpr double kTwoPi = 6.283185307179586;
constexpr double kTwoPiLessTolerance = 6.283184307179586;  // 2 pi - 1e-6

// The unit texts, in the order of the classes below. A function-local static, so that the texts
// exist whenever they are first asked for.
UnitTexts& texts(std::size_t index) {
    static UnitTexts table[] = {
        {"rad", "rad"},
        {"deg", "deg"},
        {"gon", "gon"},
    };
    return table[index];
}

}  // namespace

// VLOCN_BaseAngleClass

const VLOCN_BaseAngleClass* VLOCN_BaseAngleClass::s_angleRepPtr = nullptr;

const VLOCN_BaseAngleClass* VLOCN_BaseAngleClass::getActual() {
    return s_angleRepPtr;
}
void VLOCN_BaseAngleClass::setAsActual(const VLOCN_BaseAngleClass* rep) {
    s_angleRepPtr = rep;
}
double VLOCN_BaseAngleClass::getMin() {
    return -kTwoPi;
}
double VLOCN_BaseAngleClass::getMax() {
    return kTwoPi;
}
const char* VLOCN_BaseAngleClass::getEventName() const {
    return "AngleUnitChanged";
}
const char* VLOCN_BaseAngleClass::getRegistryValueName() const {
    return "AngleSettings";
}
const VLOCN_AbstractRepresentation* VLOCN_BaseAngleClass::getCurrent() const {
    return s_angleRepPtr;
}
void VLOCN_BaseAngleClass::setCurrent(const VLOCN_AbstractRepresentation* rep) const {
    s_angleRepPtr = dynamic_cast<const VLOCN_BaseAngleClass*>(rep);
}

void VLOCN_BaseAngleClass::setFromRegistry(long number) {
    switch (number) {
        case 101:
            VLOCN_AngleRad::setAsActual();
            break;
        case 103:
            VLOCN_AngleGon::setAsActual();
            break;
        default:
            VLOCN_AngleDeg::setAsActual();
            break;
    }
}

double VLOCN_BaseAngleClass::map2PI(double a) {
    return std::fmod(a, kTwoPi);
}

double VLOCN_BaseAngleClass::map4PI(double a) {
    if (a > kTwoPiLessTolerance) return std::fmod(a, kTwoPi) + kTwoPi;
    if (a < -kTwoPiLessTolerance) return std::fmod(a, kTwoPi) - kTwoPi;
    return a;
}

double VLOCN_BaseAngleClass::mapRange0to2PI(double a) {
    return a < 0 ? a + kTwoPi : a;
}

// VLOCN_AngleRad

const VLOCN_AngleRad VLOCN_AngleRad::s_thisRepresentation{};

const VLOCN_AngleRad* VLOCN_AngleRad::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_AngleRad::setAsActual() {
    VLOCN_BaseAngleClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_AngleRad::getUnitDescriptionStatic() {
    return texts(0).shortText;
}
long VLOCN_AngleRad::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_AngleRad::~VLOCN_AngleRad() = default;
const V_STRING& VLOCN_AngleRad::getUnitDescription() const {
    return texts(0).shortText;
}
const V_STRING& VLOCN_AngleRad::getUnitDescriptionLong() const {
    return texts(0).longText;
}
long VLOCN_AngleRad::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_AngleRad::asString(double value) const {
    return V_STRING::formatted("%.4f", value);
}
bool VLOCN_AngleRad::asFloat(const V_STRING& text, double& value) const {
    return evaluateIntoTemporary(text, value, 1.0);
}
double VLOCN_AngleRad::getConversionScalar() const {
    return 1.0;
}
void VLOCN_AngleRad::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(0).assign(shortText, longText);
}

// VLOCN_AngleDeg

const VLOCN_AngleDeg VLOCN_AngleDeg::s_thisRepresentation{};

const VLOCN_AngleDeg* VLOCN_AngleDeg::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_AngleDeg::setAsActual() {
    VLOCN_BaseAngleClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_AngleDeg::getUnitDescriptionStatic() {
    return texts(1).shortText;
}
long VLOCN_AngleDeg::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_AngleDeg::~VLOCN_AngleDeg() = default;
const V_STRING& VLOCN_AngleDeg::getUnitDescription() const {
    return texts(1).shortText;
}
const V_STRING& VLOCN_AngleDeg::getUnitDescriptionLong() const {
    return texts(1).longText;
}
long VLOCN_AngleDeg::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_AngleDeg::asString(double value) const {
    return V_STRING::formatted("%.2f", value * 57.29577951308232);
}
bool VLOCN_AngleDeg::asFloat(const V_STRING& text, double& value) const {
    return evaluateIntoTemporary(text, value, 0.017453292519943295);
}
double VLOCN_AngleDeg::getConversionScalar() const {
    return 57.29577951308232;
}
void VLOCN_AngleDeg::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(1).assign(shortText, longText);
}

// VLOCN_AngleGon

const VLOCN_AngleGon VLOCN_AngleGon::s_thisRepresentation{};

const VLOCN_AngleGon* VLOCN_AngleGon::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_AngleGon::setAsActual() {
    VLOCN_BaseAngleClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_AngleGon::getUnitDescriptionStatic() {
    return texts(2).shortText;
}
long VLOCN_AngleGon::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_AngleGon::~VLOCN_AngleGon() = default;
const V_STRING& VLOCN_AngleGon::getUnitDescription() const {
    return texts(2).shortText;
}
const V_STRING& VLOCN_AngleGon::getUnitDescriptionLong() const {
    return texts(2).longText;
}
long VLOCN_AngleGon::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_AngleGon::asString(double value) const {
    return V_STRING::formatted("%.2f", value * 63.66197723675814);
}
bool VLOCN_AngleGon::asFloat(const V_STRING& text, double& value) const {
    return evaluateIntoTemporary(text, value, 0.015707963267948967);
}
double VLOCN_AngleGon::getConversionScalar() const {
    return 63.66197723675814;
}
void VLOCN_AngleGon::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(2).assign(shortText, longText);
}
