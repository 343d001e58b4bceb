// Fuzzes the unit input of every representation (the feet-and-inch parser first among them) and
// checks that what a representation shows reads back as about the same value.
// Input layout: 1 byte representation selector, 8 bytes of a value to show, then the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <orvane/tools.h>

#include "fuzz_support.h"

namespace {

const VLOCN_Unit::REPS kCodes[] = {
    VLOCN_Unit::SCALAR,           VLOCN_Unit::ANGLE_RAD,    VLOCN_Unit::ANGLE_DEG,
    VLOCN_Unit::ANGLE_GON,        VLOCN_Unit::LENGTH_MM,    VLOCN_Unit::LENGTH_CM,
    VLOCN_Unit::LENGTH_DM,        VLOCN_Unit::LENGTH_M,     VLOCN_Unit::LENGTH_KM,
    VLOCN_Unit::LENGTH_INCH,      VLOCN_Unit::LENGTH_FEET,  VLOCN_Unit::LENGTH_MILES,
    VLOCN_Unit::LENGTH_FEET_INCH, VLOCN_Unit::AREA_MM2,     VLOCN_Unit::AREA_CM2,
    VLOCN_Unit::AREA_DM2,         VLOCN_Unit::AREA_M2,      VLOCN_Unit::AREA_KM2,
    VLOCN_Unit::AREA_SQ_INCH,     VLOCN_Unit::AREA_SQ_FEET, VLOCN_Unit::AREA_SQ_YARD,
    VLOCN_Unit::VOLUME_MM3,       VLOCN_Unit::VOLUME_CM3,   VLOCN_Unit::VOLUME_DM3,
    VLOCN_Unit::VOLUME_M3,
};
constexpr std::size_t kCount = sizeof kCodes / sizeof kCodes[0];

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void check(bool condition) {
    if (!condition) std::abort();
}

// The feet-and-inch parser on its own: a rejection reports zeros; an acceptance is a length that
// asFloat gives with the sign of the text.
void checkFeetInch(const V_STRING& text) {
    long feet = -1;
    unsigned long inches = 1, denominator = 1, numerator = 1;
    const bool ok =
        VLOCN_FeetInchRepresentation::stringToTupel(text, feet, inches, denominator, numerator);
    if (!ok) {
        check(feet == 0 && inches == 0 && denominator == 0 && numerator == 0);
        return;
    }
    check(feet >= 0 && feet <= 0xFFFFFFFFL && inches <= 0xFFFFFFFFul && numerator <= 0xFFFFFFFFul);
    double value = 0;
    check(VLOCN_FeetInchRepresentation::thisRepresentation()->asFloat(text, value));
    double expected = static_cast<double>(feet) + static_cast<double>(inches) / 12.0;
    if (denominator != 0) {
        expected += static_cast<double>(numerator) / static_cast<double>(denominator) / 12.0;
    }
    expected *= 304.8;
    check(std::isfinite(value));
    check(std::fabs(std::fabs(value) - expected) <= 1e-9 * expected + 1e-9);
}

// What `rep` shows of `v` reads back within the precision of the text.
void checkRoundTrip(const VLOCN_AbstractRepresentation* rep, VLOCN_Unit::REPS code, double v) {
    const V_STRING shown = rep->asString(v);
    check(shown.length() > 0);
    if (!std::isfinite(v) || std::fabs(v) > 1e12) return;
    // Whole-number texts beyond 32 bits are not literals the evaluator reads.
    if (std::fabs(v * rep->getConversionScalar()) >= 4e9) return;
    double back = 0;
    check(rep->asFloat(shown, back));
    double tolerance;
    switch (code) {
        case VLOCN_Unit::LENGTH_FEET_INCH:
            tolerance = 0.79375 + 1e-6;
            break;
        case VLOCN_Unit::ANGLE_RAD:
            tolerance = 0.00005 + 1e-12;
            break;
        case VLOCN_Unit::ANGLE_DEG:
        case VLOCN_Unit::ANGLE_GON:
            tolerance = 0.005 / rep->getConversionScalar() + 1e-12;
            break;
        case VLOCN_Unit::LENGTH_INCH:
        case VLOCN_Unit::LENGTH_FEET:
        case VLOCN_Unit::LENGTH_MILES:  // nine significant digits
            tolerance = std::fabs(v) * 1e-8 + 1e-9 / rep->getConversionScalar();
            break;
        default:  // at least three decimals in the display unit
            tolerance = 0.0005 / rep->getConversionScalar() * (1 + 1e-9);
            break;
    }
    check(std::fabs(back - v) <= tolerance + std::fabs(v) * 1e-12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discardDiagnostics();

    if (size < 9) return 0;
    const VLOCN_Unit::REPS code = kCodes[data[0] % kCount];
    double shownValue;
    std::memcpy(&shownValue, data + 1, sizeof shownValue);
    const std::string bytes(reinterpret_cast<const char*>(data + 9), size - 9);
    const V_STRING text(bytes.c_str());
    const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);

    checkFeetInch(text);

    // Angles read into a temporary: a rejected text leaves the value alone.
    double value = shownValue;
    const bool ok = rep->asFloat(text, value);
    const bool isAngle = code == VLOCN_Unit::ANGLE_RAD || code == VLOCN_Unit::ANGLE_DEG ||
                         code == VLOCN_Unit::ANGLE_GON;
    if (!ok && isAngle) check(sameBits(value, shownValue));

    checkRoundTrip(rep, code, shownValue);
    return 0;
}
