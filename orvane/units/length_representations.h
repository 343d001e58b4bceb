// Length representations: millimetres (the internal unit) shown and read in metric and imperial
// units.
//
//   VLOCN_BaseLengthClass::setFromRegistry(204);                  // metres current
//   const VLOCN_BaseLengthClass* len = VLOCN_BaseLengthClass::getActual();
//   len->asString(1234.5);                                        // "1.2345"
//   VLOCN_InchConversion::thisRepresentation()->asString(25.4);   // "1"
//   double mm;
//   VLOCN_MilesConversion::thisRepresentation()->asFloat("2.5", mm);   // true, 4023360
//
// | class                        | registry | text    | display per mm        | shown with    |
// | VLOCN_MillimeterConversion   | 201      | mm      | 1                     | 3 decimals    |
// | VLOCN_CentimeterConversion   | 202      | cm      | 0.1                   | 4 decimals    |
// | VLOCN_DecimeterConversion    | 203      | dm      | 0.01                  | 3 decimals    |
// | VLOCN_MeterConversion        | 204      | m       | 0.001                 | 4 decimals    |
// | VLOCN_KilometerConversion    | 205      | km      | 1e-6                  | 6 decimals    |
// | VLOCN_FeetInchRepresentation | 206      | ft./in. | see feet_inch_representation.h        |
// | VLOCN_InchConversion         | 207      | in.     | 0.03937007874015748   | 9 significant |
// | VLOCN_FeetConversion         | 208      | ft.     | 0.0032808398950131233 | 9 significant |
// | VLOCN_MilesConversion        | 209      | mi.     | 6.21371192237334e-7   | 9 significant |
//
// Trailing zeros are trimmed ("1000 mm" in metres is "1"); values below 0.01 in the display unit
// get three more decimals (5 mm in metres is "0.005"). Typed text is an arithmetic expression in
// the display unit (see VSTRI_Toolbox::evaluate): '1.5+1' in metres is 2500 mm, '1/2' is 0
// (whole numbers divide as integers), '1.0/2' is 500. After a rejected text `value` may hold the
// unconverted number that the evaluator wrote before it failed.
//
// Choices: the singletons cannot be copied; the unit texts live in function-local statics, so
// they exist whenever they are first asked for, whatever the order in which the library's statics
// are built.
#ifndef ORVANE_UNITS_LENGTH_REPRESENTATIONS_H
#define ORVANE_UNITS_LENGTH_REPRESENTATIONS_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// The kind base of lengths: event "LengthUnitChanged", registry value "LengthSettings", range
// -1e12 to 1e12 mm.
class ORVANE_API VLOCN_BaseLengthClass : public VLOCN_AbstractRepresentation {
public:
    // The current length representation; null until one was made current.
    static const VLOCN_BaseLengthClass* getActual();
    // The smallest and largest value of the kind, in the internal unit: -1e12 and 1e12 mm.
    static double getMin();
    static double getMax();
    // Makes current the representation with that registry number (201 to 209); any other number
    // makes metres current.
    static void setFromRegistry(long number);

    const char* getEventName() const override;
    const char* getRegistryValueName() const override;

protected:
    constexpr VLOCN_BaseLengthClass() = default;
    // Makes `rep` current without registry write or event (the concrete setAsActual()).
    static void setAsActual(const VLOCN_BaseLengthClass* rep);
    const VLOCN_AbstractRepresentation* getCurrent() const override;
    void setCurrent(const VLOCN_AbstractRepresentation* rep) const override;

private:
    static const VLOCN_BaseLengthClass* s_lengthRepPtr;
};

// Millimetres (registry number 201), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_MillimeterConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_MillimeterConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_MillimeterConversion(const VLOCN_MillimeterConversion&) = delete;
    VLOCN_MillimeterConversion& operator=(const VLOCN_MillimeterConversion&) = delete;
    ~VLOCN_MillimeterConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_MillimeterConversion() = default;
    static const VLOCN_MillimeterConversion s_thisRepresentation;
    static constexpr long s_registry = 201;
};

// Centimetres (202), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_CentimeterConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_CentimeterConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_CentimeterConversion(const VLOCN_CentimeterConversion&) = delete;
    VLOCN_CentimeterConversion& operator=(const VLOCN_CentimeterConversion&) = delete;
    ~VLOCN_CentimeterConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_CentimeterConversion() = default;
    static const VLOCN_CentimeterConversion s_thisRepresentation;
    static constexpr long s_registry = 202;
};

// Decimetres (203), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_DecimeterConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_DecimeterConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_DecimeterConversion(const VLOCN_DecimeterConversion&) = delete;
    VLOCN_DecimeterConversion& operator=(const VLOCN_DecimeterConversion&) = delete;
    ~VLOCN_DecimeterConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_DecimeterConversion() = default;
    static const VLOCN_DecimeterConversion s_thisRepresentation;
    static constexpr long s_registry = 203;
};

// Metres (204), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_MeterConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_MeterConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_MeterConversion(const VLOCN_MeterConversion&) = delete;
    VLOCN_MeterConversion& operator=(const VLOCN_MeterConversion&) = delete;
    ~VLOCN_MeterConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_MeterConversion() = default;
    static const VLOCN_MeterConversion s_thisRepresentation;
    static constexpr long s_registry = 204;
};

// Kilometres (205), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_KilometerConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_KilometerConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_KilometerConversion(const VLOCN_KilometerConversion&) = delete;
    VLOCN_KilometerConversion& operator=(const VLOCN_KilometerConversion&) = delete;
    ~VLOCN_KilometerConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_KilometerConversion() = default;
    static const VLOCN_KilometerConversion s_thisRepresentation;
    static constexpr long s_registry = 205;
};

// Inches (207), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_InchConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_InchConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_InchConversion(const VLOCN_InchConversion&) = delete;
    VLOCN_InchConversion& operator=(const VLOCN_InchConversion&) = delete;
    ~VLOCN_InchConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_InchConversion() = default;
    static const VLOCN_InchConversion s_thisRepresentation;
    static constexpr long s_registry = 207;
};

// Feet (208), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_FeetConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_FeetConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_FeetConversion(const VLOCN_FeetConversion&) = delete;
    VLOCN_FeetConversion& operator=(const VLOCN_FeetConversion&) = delete;
    ~VLOCN_FeetConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_FeetConversion() = default;
    static const VLOCN_FeetConversion s_thisRepresentation;
    static constexpr long s_registry = 208;
};

// Miles (209), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_MilesConversion final : public VLOCN_BaseLengthClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_MilesConversion* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_MilesConversion(const VLOCN_MilesConversion&) = delete;
    VLOCN_MilesConversion& operator=(const VLOCN_MilesConversion&) = delete;
    ~VLOCN_MilesConversion() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_MilesConversion() = default;
    static const VLOCN_MilesConversion s_thisRepresentation;
    static constexpr long s_registry = 209;
};

#endif
