// One entry to every unit representation by a numeric code, and the localisation of unit texts.
//
//   const VLOCN_AbstractRepresentation* in = VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_INCH);
//   in->asString(25.4);                                              // "1"
//   VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_ACTUAL);                   // the current length unit
//   VLOCN_Unit::setLocalization(VLOCN_Unit::AREA_SQ_INCH, "sq in", "square inch");
//
// A code's bits 12 to 15 name the kind (1 angle, 2 length, 3 area, 4 volume); its low twelve bits
// are 0 for the kind's current representation and a running number otherwise. The codes are not
// the registry numbers: for lengths, inch, feet and miles come before feet-and-inch (0x2006 to
// 0x2009), while their registry numbers put feet-and-inch first (206 to 209).
//
// Choices: REPS has `int` as its fixed underlying type, so any int converts to it; every value
// that is not in the table gives null and is ignored by setLocalization.
#ifndef ORVANE_UNITS_UNIT_H
#define ORVANE_UNITS_UNIT_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/abstract_representation.h"

// The facade by code: static functions only; an object holds nothing.
class ORVANE_API VLOCN_Unit {
public:
    // The codes: the kind in bits 12 to 15, 0 in the low bits for the kind's current
    // representation.
    enum REPS : int {
        SCALAR = 0x0000,
        ANGLE_ACTUAL = 0x1000,
        ANGLE_RAD = 0x1001,
        ANGLE_DEG = 0x1002,
        ANGLE_GON = 0x1003,
        LENGTH_ACTUAL = 0x2000,
        LENGTH_MM = 0x2001,
        LENGTH_CM = 0x2002,
        LENGTH_DM = 0x2003,
        LENGTH_M = 0x2004,
        LENGTH_KM = 0x2005,
        LENGTH_INCH = 0x2006,
        LENGTH_FEET = 0x2007,
        LENGTH_MILES = 0x2008,
        LENGTH_FEET_INCH = 0x2009,
        AREA_ACTUAL = 0x3000,
        AREA_MM2 = 0x3001,
        AREA_CM2 = 0x3002,
        AREA_DM2 = 0x3003,
        AREA_M2 = 0x3004,
        AREA_KM2 = 0x3005,
        AREA_SQ_INCH = 0x3006,
        AREA_SQ_FEET = 0x3007,
        AREA_SQ_YARD = 0x3008,
        VOLUME_ACTUAL = 0x4000,
        VOLUME_MM3 = 0x4001,
        VOLUME_CM3 = 0x4002,
        VOLUME_DM3 = 0x4003,
        VOLUME_M3 = 0x4004,
    };

    VLOCN_Unit() = default;
    // Assigning changes nothing: there is nothing to copy.
    VLOCN_Unit& operator=(const VLOCN_Unit&) { return *this; }

    // The singleton of the code; for ANGLE_ACTUAL, LENGTH_ACTUAL, AREA_ACTUAL and VOLUME_ACTUAL
    // the kind's current representation at the time of the call (null while there is none).
    // Null for every code not in the table.
    static const VLOCN_AbstractRepresentation* getRep(REPS code);

    // Replaces the short and long text of the code's representation; nothing for a code without
    // one. The scalar keeps its empty texts.
    static void setLocalization(REPS code, const V_STRING& shortText, const V_STRING& longText);
};

#endif
