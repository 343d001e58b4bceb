// Volume representations: cubic millimetres (the internal unit) shown and read in metric units.
//
//   VLOCN_KubikMeter::thisRepresentation()->asString(1e9);          // "1"
//   double mm3;
//   VLOCN_KubikDecimeter::thisRepresentation()->asFloat("1.5", mm3); // true, 1500000
//
// | class                 | registry | text | display per mm3 | decimals |
// | VLOCN_KubikMillimeter | 401      | mm3  | 1               | 3        |
// | VLOCN_KubikCentimeter | 402      | cm3  | 0.001           | 3        |
// | VLOCN_KubikDecimeter  | 403      | dm3  | 1e-6            | 4        |
// | VLOCN_KubikMeter      | 404      | m3   | 1e-9            | 4        |
//
// The texts end in the superscript three of code page 850, the byte 0xFC ("mm\xFC"). Trailing
// zeros are trimmed, and values below 0.01 in the display unit get three more decimals. Typed text
// is an arithmetic expression in the display unit; after a rejected text `value` may hold the
// unconverted number that the evaluator wrote before it failed.
//
// Choices: the singletons cannot be copied; the unit texts live in function-local statics, so
// they exist whenever they are first asked for, whatever the order in which the library's statics
// are built.
#ifndef ORVANE_UNITS_VOLUME_REPRESENTATIONS_H
#define ORVANE_UNITS_VOLUME_REPRESENTATIONS_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// The kind base of volumes: event "VolumeUnitChanged", registry value "VolumeSettings", range
// -1e12 to 1e12 mm3.
class ORVANE_API VLOCN_BaseVolumeClass : public VLOCN_AbstractRepresentation {
public:
    // The current volume representation; null until one was made current.
    static const VLOCN_BaseVolumeClass* getActual();
    // The smallest and largest value of the kind, in the internal unit: -1e12 and 1e12 mm3.
    static double getMin();
    static double getMax();
    // 401, 402 and 403 make cubic milli-, centi- and decimetres current; every other number cubic
    // metres.
    static void setFromRegistry(long number);

    const char* getEventName() const override;
    const char* getRegistryValueName() const override;

protected:
    constexpr VLOCN_BaseVolumeClass() = default;
    // Makes `rep` current without registry write or event (the concrete setAsActual()).
    static void setAsActual(const VLOCN_BaseVolumeClass* rep);
    const VLOCN_AbstractRepresentation* getCurrent() const override;
    void setCurrent(const VLOCN_AbstractRepresentation* rep) const override;

private:
    static const VLOCN_BaseVolumeClass* s_volumeRepPtr;
};

// Cubic millimetres (registry number 401), a stateless singleton; its figures are in the table
// above.
class ORVANE_API VLOCN_KubikMillimeter final : public VLOCN_BaseVolumeClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_KubikMillimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_KubikMillimeter(const VLOCN_KubikMillimeter&) = delete;
    VLOCN_KubikMillimeter& operator=(const VLOCN_KubikMillimeter&) = delete;
    ~VLOCN_KubikMillimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_KubikMillimeter() = default;
    static const VLOCN_KubikMillimeter s_thisRepresentation;
    static constexpr long s_registry = 401;
};

// Cubic centimetres (402), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_KubikCentimeter final : public VLOCN_BaseVolumeClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_KubikCentimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_KubikCentimeter(const VLOCN_KubikCentimeter&) = delete;
    VLOCN_KubikCentimeter& operator=(const VLOCN_KubikCentimeter&) = delete;
    ~VLOCN_KubikCentimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_KubikCentimeter() = default;
    static const VLOCN_KubikCentimeter s_thisRepresentation;
    static constexpr long s_registry = 402;
};

// Cubic decimetres (403), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_KubikDecimeter final : public VLOCN_BaseVolumeClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_KubikDecimeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_KubikDecimeter(const VLOCN_KubikDecimeter&) = delete;
    VLOCN_KubikDecimeter& operator=(const VLOCN_KubikDecimeter&) = delete;
    ~VLOCN_KubikDecimeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_KubikDecimeter() = default;
    static const VLOCN_KubikDecimeter s_thisRepresentation;
    static constexpr long s_registry = 403;
};

// Cubic metres (404), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_KubikMeter final : public VLOCN_BaseVolumeClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_KubikMeter* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_KubikMeter(const VLOCN_KubikMeter&) = delete;
    VLOCN_KubikMeter& operator=(const VLOCN_KubikMeter&) = delete;
    ~VLOCN_KubikMeter() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_KubikMeter() = default;
    static const VLOCN_KubikMeter s_thisRepresentation;
    static constexpr long s_registry = 404;
};

#endif
