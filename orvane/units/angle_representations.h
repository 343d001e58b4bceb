// Angle representations: radians (the internal unit) shown and read in radians, degrees and gon,
// and the folding of angles into standard ranges.
//
//   VLOCN_AngleDeg::thisRepresentation()->asString(1.5707963267948966);   // "90.00"
//   double rad;
//   VLOCN_AngleGon::thisRepresentation()->asFloat("100", rad);            // true, pi/2
//   VLOCN_BaseAngleClass::map2PI(-7.0);                                   // -0.7168146928204138
//
// | class          | registry | text | display per radian | shown with |
// | VLOCN_AngleRad | 101      | rad  | 1                  | "%.4f"     |
// | VLOCN_AngleDeg | 102      | deg  | 57.29577951308232  | "%.2f"     |
// | VLOCN_AngleGon | 103      | gon  | 63.66197723675814  | "%.2f"     |
//
// Angle texts are printed as they are, without trimming ("90.00", "1.5708"). Typed text is an
// arithmetic expression in the display unit ("3*30" degrees is pi/2); a rejected text leaves the
// caller's value as it was.
//
// Choices: the singletons cannot be copied; the unit texts live in function-local statics, so
// they exist whenever they are first asked for, whatever the order in which the library's statics
// are built.
#ifndef ORVANE_UNITS_ANGLE_REPRESENTATIONS_H
#define ORVANE_UNITS_ANGLE_REPRESENTATIONS_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// The kind base of angles: event "AngleUnitChanged", registry value "AngleSettings", range
// -2 pi to 2 pi.
class ORVANE_API VLOCN_BaseAngleClass : public VLOCN_AbstractRepresentation {
public:
    // The current angle representation; null until one was made current.
    static const VLOCN_BaseAngleClass* getActual();
    // The smallest and largest value of the kind, in the internal unit: -2 pi and 2 pi.
    static double getMin();
    static double getMax();
    // 101 makes radians current, 103 gon, every other number degrees.
    static void setFromRegistry(long number);

    // fmod(a, 2 pi): the remainder with the sign of a.
    static double map2PI(double a);
    // Beyond 2 pi - 1e-6 (or below its negative): fmod(a, 2 pi) + 2 pi (or - 2 pi); else a.
    static double map4PI(double a);
    // a + 2 pi when a is negative (once: -7 stays negative), else a.
    static double mapRange0to2PI(double a);

protected:
    constexpr VLOCN_BaseAngleClass() = default;
    // Makes `rep` current without registry write or event (the concrete setAsActual()).
    static void setAsActual(const VLOCN_BaseAngleClass* rep);
    const char* getEventName() const override;
    const char* getRegistryValueName() const override;
    const VLOCN_AbstractRepresentation* getCurrent() const override;
    void setCurrent(const VLOCN_AbstractRepresentation* rep) const override;

private:
    static const VLOCN_BaseAngleClass* s_angleRepPtr;
};

// Radians (registry number 101), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_AngleRad final : public VLOCN_BaseAngleClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_AngleRad* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_AngleRad(const VLOCN_AngleRad&) = delete;
    VLOCN_AngleRad& operator=(const VLOCN_AngleRad&) = delete;
    ~VLOCN_AngleRad() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_AngleRad() = default;
    static const VLOCN_AngleRad s_thisRepresentation;
    static constexpr long s_registry = 101;
};

// Degrees (102), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_AngleDeg final : public VLOCN_BaseAngleClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_AngleDeg* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_AngleDeg(const VLOCN_AngleDeg&) = delete;
    VLOCN_AngleDeg& operator=(const VLOCN_AngleDeg&) = delete;
    ~VLOCN_AngleDeg() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_AngleDeg() = default;
    static const VLOCN_AngleDeg s_thisRepresentation;
    static constexpr long s_registry = 102;
};

// Gon (103), a stateless singleton; its figures are in the table above.
class ORVANE_API VLOCN_AngleGon final : public VLOCN_BaseAngleClass {
public:
    // The singleton, and three statics that need no object: setAsActual() makes it current
    // without registry write or event; then the short unit text and the registry number.
    static const VLOCN_AngleGon* thisRepresentation();
    static void setAsActual();
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    VLOCN_AngleGon(const VLOCN_AngleGon&) = delete;
    VLOCN_AngleGon& operator=(const VLOCN_AngleGon&) = delete;
    ~VLOCN_AngleGon() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_AngleGon() = default;
    static const VLOCN_AngleGon s_thisRepresentation;
    static constexpr long s_registry = 103;
};

#endif
