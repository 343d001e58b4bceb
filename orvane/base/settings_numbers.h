// How the settings file writes and reads numbers. Internal to the settings file: not part of the
// library's interface, and not in the umbrella header.
//
//   formatDouble(0.1);              // "0.10000000000000001"
//   double d;
//   parseDouble("nan(0x1)", d);     // true: the signalling NaN with mantissa 1, bit for bit
//
// Integers are decimal. Doubles have 17 significant digits, so every finite double reads back
// exactly; a NaN other than the plain quiet one is written with its mantissa bits. Both
// directions use the C locale, whatever locale the program has chosen.
#ifndef ORVANE_BASE_SETTINGS_NUMBERS_H
#define ORVANE_BASE_SETTINGS_NUMBERS_H

#include <string>
#include <string_view>

namespace orvane::settings {

std::string formatLong(long value);
// "%.17g" in the C locale; "nan", "-nan", or "nan(0x<mantissa in hex>)" for any other NaN.
std::string formatDouble(double value);

// An optional sign and decimal digits whose value fits a long, and nothing else.
bool parseLong(std::string_view text, long& value);
// What strtod reads in the C locale when the whole text is the number, and "nan(0x<hex>)" as
// exactly that NaN. `value` is left alone on failure.
bool parseDouble(std::string_view text, double& value);

}  // namespace orvane::settings

#endif
