// The representation framework: how internal values become display text and typed text becomes
// internal values.
//
// Values are kept in one internal unit per kind: lengths in millimetres, areas in square
// millimetres, volumes in cubic millimetres, angles in radians. A representation shows such a
// value in one display unit and reads typed text back. Representations are stateless singletons
// reached through their class's static `thisRepresentation()`; every kind (angle, length, area,
// volume) has one current representation, the display unit the whole application uses:
//
//   const VLOCN_AbstractRepresentation* m = VLOCN_MeterConversion::thisRepresentation();
//   m->asString(1234.5);                 // "1.2345"
//   double mm;
//   m->asFloat("1.5+1", mm);             // true, mm == 2500
//   m->getUnitDescriptionComposed();     // "m [m]"
//   m->setAsActualRep();                 // current length unit now metres: stored, announced
//
// The kind bases (VLOCN_BaseAngleClass, VLOCN_BaseLengthClass, VLOCN_BaseAreaClass,
// VLOCN_BaseVolumeClass) keep the current representation of their kind; VLOCN_Scalar is the
// representation of unit-less numbers and is always its own current representation.
//
// Choices:
// - `isActualRep()` while the kind has no current representation yet is false.
// - `setAsActualRep()` while the kind has no current representation yet makes this
//   representation current like any other change: it writes the registry value and fires the
//   kind's event once.
// - `setAsActualRep()` skips the registry write when the registry value name is null and the
//   event when the event name is null (only a representation of the caller's own can have such
//   names). A failed registry write is not reported. An exception thrown by a listener passes
//   through; the change is made by then.
// - `string(value, precision)` trims trailing zeros only from a text that holds a decimal point,
//   so a precision of 0 keeps "10" whole; a negative precision counts as 0. Both formatting
//   functions build their text in a buffer as large as the value needs (infinities and NaN give
//   "inf", "-inf", "nan").
#ifndef ORVANE_UNITS_ABSTRACT_REPRESENTATION_H
#define ORVANE_UNITS_ABSTRACT_REPRESENTATION_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// The interface of every unit representation: unit texts, formatting, parsing, and the current
// representation of the kind.
class ORVANE_API VLOCN_AbstractRepresentation {
public:
    constexpr VLOCN_AbstractRepresentation() = default;
    // A representation holds no data: copying and assigning copy nothing.
    constexpr VLOCN_AbstractRepresentation(const VLOCN_AbstractRepresentation&) {}
    VLOCN_AbstractRepresentation& operator=(const VLOCN_AbstractRepresentation&) { return *this; }

    virtual ~VLOCN_AbstractRepresentation();
    // The short unit text, for example "mm".
    virtual const V_STRING& getUnitDescription() const = 0;
    // The long unit text, for example "square feet".
    virtual const V_STRING& getUnitDescriptionLong() const = 0;
    // The number stored in the registry while this representation is current (201 for mm).
    virtual long getUnitRegistryNumber() const = 0;
    // The internal value as text in this unit.
    virtual V_STRING asString(double value) const = 0;
    // The typed text as internal value; false when the text is rejected (see the concrete class
    // for what `value` holds then).
    virtual bool asFloat(const V_STRING& text, double& value) const = 0;
    // display = internal × this factor.
    virtual double getConversionScalar() const = 0;
    // Replaces both unit texts of the concrete class (they are static data of the class).
    virtual void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) = 0;
    // The name of the kind's change event, for example "LengthUnitChanged".
    virtual const char* getEventName() const = 0;
    // The registry value that holds the kind's current representation, for example
    // "LengthSettings".
    virtual const char* getRegistryValueName() const = 0;

    // "long text [short text]", for example "square feet [sq.ft.]".
    V_STRING getUnitDescriptionComposed() const;
    // True when this representation is the current one of its kind.
    bool isActualRep() const;
    // Makes this representation the current one of its kind: stores its registry number under the
    // kind's registry value (standard key 8), then fires the kind's named event with a null data
    // pointer; listeners already see the new current representation. Does nothing when this
    // representation is current already.
    void setAsActualRep() const;

protected:
    // The kind's current representation (may be null).
    virtual const VLOCN_AbstractRepresentation* getCurrent() const = 0;
    // Makes `rep` the kind's current representation; `rep` of another kind stores null.
    virtual void setCurrent(const VLOCN_AbstractRepresentation* rep) const = 0;

    // Number formatting of the concrete classes. Without precision: "%.9g", or for
    // 1e-9 < |value| < 0.01 "%.12f" with trailing zeros removed. With precision: "%.*f" with
    // `precision` decimals (precision + 3 for 1e-9 < |value| < 0.01), trailing zeros and a
    // trailing point removed.
    static V_STRING string(double value);
    static V_STRING string(double value, int precision);

    // Unit input, the evaluator's number times `factor`. In place: `value` receives the
    // evaluated number directly, so after a rejection it may hold an unconverted number.
    static bool evaluateInPlace(const V_STRING& text, double& value, double factor);
    // Into a temporary: `value` changes only when the text is accepted.
    static bool evaluateIntoTemporary(const V_STRING& text, double& value, double factor);
};

#endif
