// Area representations: square millimetres (the internal unit) shown and read in metric and
// imperial units.
//
//   VLOCN_QuadratMeter::thisRepresentation()->asString(2500000);   // "2.5"
//   double mm2;
//   VLOCN_SquareYard::thisRepresentation()->asFloat("1.5", mm2);   // true, 1254191.04
//   VLOCN_SquareFeet::thisRepresentation()->getUnitDescriptionComposed();
//                                                                  // "square feet [sq.ft.]"
//
// | class                   | registry | short, long text    | display per mm2       | decimals |
// | VLOCN_QuadratMillimeter | 301      | mm2                 | 1                     | 3        |
// | VLOCN_QuadratCentimeter | 302      | cm2                 | 0.01                  | 3        |
// | VLOCN_QuadratDecimeter  | 303      | dm2                 | 0.0001                | 3        |
// | VLOCN_QuadratMeter      | 304      | m2                  | 1e-6                  | 4        |
// | VLOCN_QuadratKilometer  | 305      | km2                 | 1e-12                 | 6        |
// | VLOCN_SquareInch        | 306      | sq.in., sqare inch  | 0.0015500031000062    | 5        |
// | VLOCN_SquareFeet        | 307      | sq.ft., square feet | 1.0763910416709721e-5 | 6        |
// | VLOCN_SquareYard        | 308      | sq.yd., square yard | 1.1959900463010804e-6 | 6        |
//
// The metric texts end in the superscript two of code page 850, the byte 0xFD ("mm\xFD"). Trailing
// zeros are trimmed, and values below 0.01 in the display unit get three more decimals. Typed text
// is an arithmetic expression in the display unit; after a rejected text `value` may hold the
// unconverted number that the evaluator wrote before it failed.
//
// Choices: the singletons cannot be copied; the unit texts live in function-local statics, so
// they exist whenever they are first asked for, whatever the order in which the library's statics
// are built.
#ifndef ORVANE_UNITS_AREA_REPRESENTATIONS_H
#define ORVANE_UNITS_AREA_REPRESENTATIONS_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// The kind base of areas: event "AreaUnitChanged", registry value "AreaSettings", range -1e12 to
// 1e12 mm2.
class ORVANE_API VLOCN_BaseAreaClass : public VLOCN_AbstractRepresentation {
public:
    // The current area representation; null until one was made current.
    static const VLOCN_BaseAreaClass* getActual();
    // The smallest and largest value of the kind, in the internal unit: -1e12 and 1e12 mm2.
    static double getMin();
    static double getMax();
    // Makes current the representation with that registry number (301 to 308); any other number
    // makes square metres current.
    static void setFromRegistry(long number);

    const char* getEventName() const override;
    const char* getRegistryValueName() const override;

protected:
    constexpr VLOCN_BaseAreaClass() = default;
    // Makes `rep` current without registry write or event (the concrete setAsActual()).
    static void setAsActual(const VLOCN_BaseAreaClass* rep);
    const VLOCN_AbstractRepresentation* getCurrent() const override;
    void setCurrent(const VLOCN_AbstractRepresentation* rep) const override;

private:
    static const VLOCN_BaseAreaClass* s_areaRepPtr;
};

// Square millimetres (registry number 301), a stateless singleton; its figures are in the table
// above.
class ORVANE_API VLOCN_QuadratMillimeter final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_QuadratMillimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_QuadratMillimeter(const VLOCN_QuadratMillimeter&) = delete;
    VLOCN_QuadratMillimeter& operator=(const VLOCN_QuadratMillimeter&) = delete;
    ~VLOCN_QuadratMillimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_QuadratMillimeter() = default;
    static const VLOCN_QuadratMillimeter s_thisRepresentation;
    static constexpr long s_registry = 301;
};

// Square centimetres (302), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_QuadratCentimeter final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_QuadratCentimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_QuadratCentimeter(const VLOCN_QuadratCentimeter&) = delete;
    VLOCN_QuadratCentimeter& operator=(const VLOCN_QuadratCentimeter&) = delete;
    ~VLOCN_QuadratCentimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_QuadratCentimeter() = default;
    static const VLOCN_QuadratCentimeter s_thisRepresentation;
    static constexpr long s_registry = 302;
};

// Square decimetres (303), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_QuadratDecimeter final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_QuadratDecimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_QuadratDecimeter(const VLOCN_QuadratDecimeter&) = delete;
    VLOCN_QuadratDecimeter& operator=(const VLOCN_QuadratDecimeter&) = delete;
    ~VLOCN_QuadratDecimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_QuadratDecimeter() = default;
    static const VLOCN_QuadratDecimeter s_thisRepresentation;
    static constexpr long s_registry = 303;
};

// Square metres (304), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_QuadratMeter final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_QuadratMeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_QuadratMeter(const VLOCN_QuadratMeter&) = delete;
    VLOCN_QuadratMeter& operator=(const VLOCN_QuadratMeter&) = delete;
    ~VLOCN_QuadratMeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_QuadratMeter() = default;
    static const VLOCN_QuadratMeter s_thisRepresentation;
    static constexpr long s_registry = 304;
};

// Square kilometres (305), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_QuadratKilometer final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_QuadratKilometer* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_QuadratKilometer(const VLOCN_QuadratKilometer&) = delete;
    VLOCN_QuadratKilometer& operator=(const VLOCN_QuadratKilometer&) = delete;
    ~VLOCN_QuadratKilometer() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_QuadratKilometer() = default;
    static const VLOCN_QuadratKilometer s_thisRepresentation;
    static constexpr long s_registry = 305;
};

// Square inches (306), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_SquareInch final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_SquareInch* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_SquareInch(const VLOCN_SquareInch&) = delete;
    VLOCN_SquareInch& operator=(const VLOCN_SquareInch&) = delete;
    ~VLOCN_SquareInch() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_SquareInch() = default;
    static const VLOCN_SquareInch s_thisRepresentation;
    static constexpr long s_registry = 306;
};

// Square feet (307), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_SquareFeet final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_SquareFeet* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_SquareFeet(const VLOCN_SquareFeet&) = delete;
    VLOCN_SquareFeet& operator=(const VLOCN_SquareFeet&) = delete;
    ~VLOCN_SquareFeet() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_SquareFeet() = default;
    static const VLOCN_SquareFeet s_thisRepresentation;
    static constexpr long s_registry = 307;
};

// Square yards (308), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_SquareYard final : public VLOCN_BaseAreaClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_SquareYard* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_SquareYard(const VLOCN_SquareYard&) = delete;
    VLOCN_SquareYard& operator=(const VLOCN_SquareYard&) = delete;
    ~VLOCN_SquareYard() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_SquareYard() = default;
    static const VLOCN_SquareYard s_thisRepresentation;
    static constexpr long s_registry = 308;
};

#endif
