// Internal to the library's unit representations: the pair of replaceable unit texts that every
// concrete representation keeps as static data of its class. Not part of the interface.
//
//   UnitTexts& texts() { static UnitTexts t{"mm", "mm"}; return t; }   // built on first use
//   texts().assign("Millimeter", "millimetre");
#ifndef ORVANE_UNITS_UNIT_TEXTS_H
#define ORVANE_UNITS_UNIT_TEXTS_H

#include <utility>

#include "orvane/base/v_string.h"

namespace orvane::units {

struct UnitTexts {
    V_STRING shortText;
    V_STRING longText;

    // Copies both texts before storing either, so that a failed copy changes nothing (also when
    // the arguments are these very texts).
    void assign(const V_STRING& newShort, const V_STRING& newLong) {
        V_STRING s(newShort);
        V_STRING l(newLong);
        shortText = std::move(s);
        longText = std::move(l);
    }
};

}  // namespace orvane::units

#endif
