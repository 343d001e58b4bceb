// The representation of unit-less numbers.
//
// VLOCN_Scalar has no kind: it is always its own current representation and never touches the
// registry or the events. It shows numbers with up to four decimals and reads expressions as they
// are.
//
//   const VLOCN_Scalar* s = VLOCN_Scalar::thisRepresentation();
//   s->asString(3.14159265);   // "3.1416"
//   s->asString(0.000123);     // "0.000123": below 0.01, three more decimals
//   double v;
//   s->asFloat("2*1.5", v);    // true, v == 3
//   s->isActualRep();          // always true; setAsActualRep() does nothing
//
// Its texts are empty and cannot be replaced (setUnitDescriptions does nothing); its registry
// number is 0 and its event and registry value names are null. Unlike the other representations
// it can be built and copied freely; every instance behaves the same.
#ifndef ORVANE_UNITS_SCALAR_H
#define ORVANE_UNITS_SCALAR_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// Unit-less numbers: up to four decimals, no unit text, always current.
class ORVANE_API VLOCN_Scalar final : public VLOCN_AbstractRepresentation {
public:
    constexpr VLOCN_Scalar() = default;
    // Copies hold nothing and behave like the original.
    constexpr VLOCN_Scalar(const VLOCN_Scalar& other) : VLOCN_AbstractRepresentation(other) {}
    VLOCN_Scalar& operator=(const VLOCN_Scalar&) { return *this; }

    // The library's own instance.
    static const VLOCN_Scalar* thisRepresentation();
    // The empty text.
    static const V_STRING& getUnitDescriptionStatic();

    ~VLOCN_Scalar() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;  // 0
    V_STRING asString(double value) const override;
    // Evaluates straight into `value` (see VSTRI_Toolbox::evaluate).
    bool asFloat(const V_STRING& text, double& value) const override;
    double getConversionScalar() const override;  // 1.0
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;
    const char* getEventName() const override;          // null
    const char* getRegistryValueName() const override;  // null

protected:
    const VLOCN_AbstractRepresentation* getCurrent() const override;          // this object
    void setCurrent(const VLOCN_AbstractRepresentation* rep) const override;  // nothing

private:
    static const VLOCN_Scalar s_thisRepresentation;
};

#endif
