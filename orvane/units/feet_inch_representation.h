// The feet-and-inch length representation: millimetres shown as feet, whole inches and a reduced
// fraction of an inch down to sixteenths, written like 5'-3 1/2".
//
//   const VLOCN_FeetInchRepresentation* fi = VLOCN_FeetInchRepresentation::thisRepresentation();
//   fi->asString(1612.9);           // "5'-3 1/2\""
//   fi->asString(12.7);             // "1/2\""
//   double mm;
//   fi->asFloat("5'-3 1/2\"", mm);  // true, mm == 1612.9 (within rounding)
//   fi->asFloat("2*6", mm);         // true, mm == 304.8: no mark, so an expression in inches
//   long feet;
//   unsigned long inches, den, num;
//   VLOCN_FeetInchRepresentation::stringToTupel("-5'-3 1/2\"", feet, inches, den, num);
//                                   // true: 5, 3, 2, 1 (the sign is not reported)
//
// Formatting rounds to the nearest sixteenth (halves upward), reduces the fraction (8/16 is 1/2)
// and writes the feet only when there are any: 0 is 0", 304.8 is 1'-0", -0.1 is -0".
//
// Typed text (white space allowed between all parts):
//   5'  -5'                  feet
//   3"  -3"                  inches
//   5'3"  5'-3"  -5'-3"      feet and inches (a '-' after the feet mark is a separator)
//   1/2"  -1/2"  3 1/2"      fractions of an inch; a blank must part whole inches and fraction
//   5'-1/2"  5'-3 1/2"       feet, inches and fraction; here the '-' after the feet is required
// Rejected by this notation: 5'3 1/2", 3-1/2", a denominator 0 (1/0"), and every text whose last
// character (blanks aside) is no inch or feet mark. Such a text is then read as an expression in
// inches ("12" is 304.8 mm, "2*6" too); if that fails too, asFloat returns false and `value` holds
// whatever the evaluator left in it; so 3-1/2" reads as 3 - 1/2 inches, which is 3 (whole numbers
// divide as integers). Digits run together: 31/2" is 31/2 inches. Numbers are read as 32-bit
// unsigned values and wrap beyond 4294967295.
//
// Choices:
// - Feet are printed as an unsigned number ("%u"), which reads like "%d" for every value up to
//   2147483647 feet and stays positive above.
// - A value whose feet do not fit into 32 bits, and infinities and NaN, are shown as a decimal
//   number of inches with the inch mark ("3.93700787e+18\"", "inf\"", "nan\""), a text that this
//   representation reads back.
// - Texts of 1024 characters or more are not read as feet and inches (they still go to the
//   evaluator, which rejects nothing merely for its length).
#ifndef ORVANE_UNITS_FEET_INCH_REPRESENTATION_H
#define ORVANE_UNITS_FEET_INCH_REPRESENTATION_H

#include <cstdint>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/units/length_representations.h"

// A length decomposed into feet, whole inches and a fraction of an inch.
struct FeetInchTupel {
    std::int32_t sign = 1;          // +1 or -1
    std::uint32_t feet = 0;         // whole feet
    std::uint32_t inches = 0;       // whole inches
    std::uint32_t numerator = 0;    // numerator of the inch fraction
    std::uint32_t denominator = 0;  // 0: no fraction
};

// Feet and inches with sixteenths (registry number 206), a stateless singleton.
class ORVANE_API VLOCN_FeetInchRepresentation final : public VLOCN_BaseLengthClass {
public:
    // The singleton.
    static const VLOCN_FeetInchRepresentation* thisRepresentation();
    // Makes this representation current, without registry write or event.
    static void setAsActual();
    // The short unit text ("ft./in.") and the registry number (206), without an object.
    static const V_STRING& getUnitDescriptionStatic();
    static long getUnitRegistryNumberStatic();

    // Sets the four outputs to 0, then reads `text` in the feet-and-inch notation; on success
    // stores the parts (feet as a magnitude) and returns true, otherwise returns false with the
    // zeros in place. No expression fallback.
    static bool stringToTupel(const V_STRING& text, long& feet, unsigned long& inches,
                              unsigned long& denominator, unsigned long& numerator);

    VLOCN_FeetInchRepresentation(const VLOCN_FeetInchRepresentation&) = delete;
    VLOCN_FeetInchRepresentation& operator=(const VLOCN_FeetInchRepresentation&) = delete;
    ~VLOCN_FeetInchRepresentation() override;
    const V_STRING& getUnitDescription() const override;
    const V_STRING& getUnitDescriptionLong() const override;
    long getUnitRegistryNumber() const override;
    V_STRING asString(double value) const override;
    bool asFloat(const V_STRING& text, double& value) const override;
    // The inch factor, 0.03937007874015748.
    double getConversionScalar() const override;
    void setUnitDescriptions(const V_STRING& shortText, const V_STRING& longText) override;

private:
    constexpr VLOCN_FeetInchRepresentation() = default;
    static const VLOCN_FeetInchRepresentation s_thisRepresentation;
    static constexpr long s_registry = 206;
};

#endif
