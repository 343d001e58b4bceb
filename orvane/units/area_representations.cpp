#include "orvane/units/area_representations.h"

#include <cstddef>
#include "orvane/units/unit_texts.h"

namespace {

using orvane::units::UnitTexts;

// The unit texts, in the order of the classes below. A function-local static, so that the texts
// exist whenever they are first asked for.
UnitTexts& texts(std::size_t index) {
    static UnitTexts table[] = {
        {"mm\xFD", "mm\xFD"},      {"cm\xFD", "cm\xFD"},      {"dm\xFD", "dm\xFD"},
        {"m\xFD", "m\xFD"},        {"km\xFD", "km\xFD"},      {"sq.in.", "sqare inch"},
        {"sq.ft.", "square feet"}, {"sq.yd.", "square yard"},
    };
    return table[index];
}

}  // namespace

// VLOCN_BaseAreaClass

const VLOCN_BaseAreaClass* VLOCN_BaseAreaClass::s_areaRepPtr = nullptr;

const VLOCN_BaseAreaClass* VLOCN_BaseAreaClass::getActual() {
    return s_areaRepPtr;
}
void VLOCN_BaseAreaClass::setAsActual(const VLOCN_BaseAreaClass* rep) {
    s_areaRepPtr = rep;
}
double VLOCN_BaseAreaClass::getMin() {
    return -1e12;
}
double VLOCN_BaseAreaClass::getMax() {
    return 1e12;
}
const char* VLOCN_BaseAreaClass::getEventName() const {
    return "AreaUnitChanged";
}
const char* VLOCN_BaseAreaClass::getRegistryValueName() const {
    return "AreaSettings";
}
const VLOCN_AbstractRepresentation* VLOCN_BaseAreaClass::getCurrent() const {
    return s_areaRepPtr;
}
void VLOCN_BaseAreaClass::setCurrent(const VLOCN_AbstractRepresentation* rep) const {
    s_areaRepPtr = dynamic_cast<const VLOCN_BaseAreaClass*>(rep);
}

void VLOCN_BaseAreaClass::setFromRegistry(long number) {
    switch (number) {
        case 301:
            VLOCN_QuadratMillimeter::setAsActual();
            break;
        case 302:
            VLOCN_QuadratCentimeter::setAsActual();
            break;
        case 303:
            VLOCN_QuadratDecimeter::setAsActual();
            break;
        case 305:
            VLOCN_QuadratKilometer::setAsActual();
            break;
        case 306:
            VLOCN_SquareInch::setAsActual();
            break;
        case 307:
            VLOCN_SquareFeet::setAsActual();
            break;
        case 308:
            VLOCN_SquareYard::setAsActual();
            break;
        default:
            VLOCN_QuadratMeter::setAsActual();
            break;
    }
}

// VLOCN_QuadratMillimeter

const VLOCN_QuadratMillimeter VLOCN_QuadratMillimeter::s_thisRepresentation{};

const VLOCN_QuadratMillimeter* VLOCN_QuadratMillimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_QuadratMillimeter::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_QuadratMillimeter::getUnitDescriptionStatic() {
    return texts(0).shortText;
}
long VLOCN_QuadratMillimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_QuadratMillimeter::~VLOCN_QuadratMillimeter() = default;
const V_STRING& VLOCN_QuadratMillimeter::getUnitDescription() const {
    return texts(0).shortText;
}
const V_STRING& VLOCN_QuadratMillimeter::getUnitDescriptionLong() const {
    return texts(0).longText;
}
long VLOCN_QuadratMillimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_QuadratMillimeter::asString(double value) const {
    return string(value, 3);
}
bool VLOCN_QuadratMillimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1.0);
}
double VLOCN_QuadratMillimeter::getConversionScalar() const {
    return 1.0;
}
void VLOCN_QuadratMillimeter::setUnitDescriptions(const V_STRING& shortText,
                                                  const V_STRING& longText) {
    texts(0).assign(shortText, longText);
}

// VLOCN_QuadratCentimeter

const VLOCN_QuadratCentimeter VLOCN_QuadratCentimeter::s_thisRepresentation{};

const VLOCN_QuadratCentimeter* VLOCN_QuadratCentimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_QuadratCentimeter::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_QuadratCentimeter::getUnitDescriptionStatic() {
    return texts(1).shortText;
}
long VLOCN_QuadratCentimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_QuadratCentimeter::~VLOCN_QuadratCentimeter() = default;
const V_STRING& VLOCN_QuadratCentimeter::getUnitDescription() const {
    return texts(1).shortText;
}
const V_STRING& VLOCN_QuadratCentimeter::getUnitDescriptionLong() const {
    return texts(1).longText;
}
long VLOCN_QuadratCentimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_QuadratCentimeter::asString(double value) const {
    return string(value * 0.01, 3);
}
bool VLOCN_QuadratCentimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 100.0);
}
double VLOCN_QuadratCentimeter::getConversionScalar() const {
    return 0.01;
}
void VLOCN_QuadratCentimeter::setUnitDescriptions(const V_STRING& shortText,
                                                  const V_STRING& longText) {
    texts(1).assign(shortText, longText);
}

// VLOCN_QuadratDecimeter

const VLOCN_QuadratDecimeter VLOCN_QuadratDecimeter::s_thisRepresentation{};

const VLOCN_QuadratDecimeter* VLOCN_QuadratDecimeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_QuadratDecimeter::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_QuadratDecimeter::getUnitDescriptionStatic() {
    return texts(2).shortText;
}
long VLOCN_QuadratDecimeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_QuadratDecimeter::~VLOCN_QuadratDecimeter() = default;
const V_STRING& VLOCN_QuadratDecimeter::getUnitDescription() const {
    return texts(2).shortText;
}
const V_STRING& VLOCN_QuadratDecimeter::getUnitDescriptionLong() const {
    return texts(2).longText;
}
long VLOCN_QuadratDecimeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_QuadratDecimeter::asString(double value) const {
    return string(value * 0.0001, 3);
}
bool VLOCN_QuadratDecimeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 10000.0);
}
double VLOCN_QuadratDecimeter::getConversionScalar() const {
    return 0.0001;
}
void VLOCN_QuadratDecimeter::setUnitDescriptions(const V_STRING& shortText,
                                                 const V_STRING& longText) {
    texts(2).assign(shortText, longText);
}

// VLOCN_QuadratMeter

const VLOCN_QuadratMeter VLOCN_QuadratMeter::s_thisRepresentation{};

const VLOCN_QuadratMeter* VLOCN_QuadratMeter::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_QuadratMeter::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_QuadratMeter::getUnitDescriptionStatic() {
    return texts(3).shortText;
}
long VLOCN_QuadratMeter::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_QuadratMeter::~VLOCN_QuadratMeter() = default;
const V_STRING& VLOCN_QuadratMeter::getUnitDescription() const {
    return texts(3).shortText;
}
const V_STRING& VLOCN_QuadratMeter::getUnitDescriptionLong() const {
    return texts(3).longText;
}
long VLOCN_QuadratMeter::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_QuadratMeter::asString(double value) const {
    return string(value * 1e-6, 4);
}
bool VLOCN_QuadratMeter::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1000000.0);
}
double VLOCN_QuadratMeter::getConversionScalar() const {
    return 1e-6;
}
void VLOCN_QuadratMeter::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(3).assign(shortText, longText);
}

// VLOCN_QuadratKilometer

const VLOCN_QuadratKilometer VLOCN_QuadratKilometer::s_thisRepresentation{};

const VLOCN_QuadratKilometer* VLOCN_QuadratKilometer::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_QuadratKilometer::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_QuadratKilometer::getUnitDescriptionStatic() {
    return texts(4).shortText;
}
long VLOCN_QuadratKilometer::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_QuadratKilometer::~VLOCN_QuadratKilometer() = default;
const V_STRING& VLOCN_QuadratKilometer::getUnitDescription() const {
    return texts(4).shortText;
}
const V_STRING& VLOCN_QuadratKilometer::getUnitDescriptionLong() const {
    return texts(4).longText;
}
long VLOCN_QuadratKilometer::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_QuadratKilometer::asString(double value) const {
    return string(value * 1e-12, 6);
}
bool VLOCN_QuadratKilometer::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 1e12);
}
double VLOCN_QuadratKilometer::getConversionScalar() const {
    return 1e-12;
}
void VLOCN_QuadratKilometer::setUnitDescriptions(const V_STRING& shortText,
                                                 const V_STRING& longText) {
    texts(4).assign(shortText, longText);
}

// VLOCN_SquareInch

const VLOCN_SquareInch VLOCN_SquareInch::s_thisRepresentation{};

const VLOCN_SquareInch* VLOCN_SquareInch::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_SquareInch::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_SquareInch::getUnitDescriptionStatic() {
    return texts(5).shortText;
}
long VLOCN_SquareInch::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_SquareInch::~VLOCN_SquareInch() = default;
const V_STRING& VLOCN_SquareInch::getUnitDescription() const {
    return texts(5).shortText;
}
const V_STRING& VLOCN_SquareInch::getUnitDescriptionLong() const {
    return texts(5).longText;
}
long VLOCN_SquareInch::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_SquareInch::asString(double value) const {
    return string(value * 0.0015500031000062, 5);
}
bool VLOCN_SquareInch::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 645.16);
}
double VLOCN_SquareInch::getConversionScalar() const {
    return 0.0015500031000062;
}
void VLOCN_SquareInch::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(5).assign(shortText, longText);
}

// VLOCN_SquareFeet

const VLOCN_SquareFeet VLOCN_SquareFeet::s_thisRepresentation{};

const VLOCN_SquareFeet* VLOCN_SquareFeet::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_SquareFeet::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_SquareFeet::getUnitDescriptionStatic() {
    return texts(6).shortText;
}
long VLOCN_SquareFeet::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_SquareFeet::~VLOCN_SquareFeet() = default;
const V_STRING& VLOCN_SquareFeet::getUnitDescription() const {
    return texts(6).shortText;
}
const V_STRING& VLOCN_SquareFeet::getUnitDescriptionLong() const {
    return texts(6).longText;
}
long VLOCN_SquareFeet::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_SquareFeet::asString(double value) const {
    return string(value * 1.0763910416709721e-5, 6);
}
bool VLOCN_SquareFeet::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 92903.04000000001);
}
double VLOCN_SquareFeet::getConversionScalar() const {
    return 1.0763910416709721e-5;
}
void VLOCN_SquareFeet::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(6).assign(shortText, longText);
}

// VLOCN_SquareYard

const VLOCN_SquareYard VLOCN_SquareYard::s_thisRepresentation{};

const VLOCN_SquareYard* VLOCN_SquareYard::thisRepresentation() {
    return &s_thisRepresentation;
}
void VLOCN_SquareYard::setAsActual() {
    VLOCN_BaseAreaClass::setAsActual(&s_thisRepresentation);
}
const V_STRING& VLOCN_SquareYard::getUnitDescriptionStatic() {
    return texts(7).shortText;
}
long VLOCN_SquareYard::getUnitRegistryNumberStatic() {
    return s_registry;
}
VLOCN_SquareYard::~VLOCN_SquareYard() = default;
const V_STRING& VLOCN_SquareYard::getUnitDescription() const {
    return texts(7).shortText;
}
const V_STRING& VLOCN_SquareYard::getUnitDescriptionLong() const {
    return texts(7).longText;
}
long VLOCN_SquareYard::getUnitRegistryNumber() const {
    return s_registry;
}
V_STRING VLOCN_SquareYard::asString(double value) const {
    return string(value * 1.1959900463010804e-6, 6);
}
bool VLOCN_SquareYard::asFloat(const V_STRING& text, double& value) const {
    return evaluateInPlace(text, value, 836127.36);
}
double VLOCN_SquareYard::getConversionScalar() const {
    return 1.1959900463010804e-6;
}
void VLOCN_SquareYard::setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) {
    texts(7).assign(shortText, longText);
}
