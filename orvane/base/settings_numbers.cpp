#include "orvane/base/settings_numbers.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "orvane/base/char_class.h"
#include "orvane/base/exception.h"

namespace orvane::settings {
namespace {

// The C locale for number texts, whatever locale the program has chosen.
locale_t cLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (c == static_cast<locale_t>(nullptr)) throw VSYST_OutOfMemory();
    return c;
}

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kExponentBits = std::uint64_t{0x7ff} << 52;
constexpr std::uint64_t kMantissaBits = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;

// "nan(0x<hex>)", optionally signed, with a mantissa of 1 to 52 bits: that NaN exactly. (The C
// library's own reading of this form always sets the quiet bit.)
bool parseNanWithMantissa(std::string_view text, double& value) {
    std::uint64_t bits = kExponentBits;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-') bits |= kSignBit;
        text.remove_prefix(1);
    }
    if (text.size() < 8 || text.back() != ')') return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (orvane::chars::toLower(text[i]) != "nan"[i]) return false;
    }
    if (text[3] != '(' || text[4] != '0' || orvane::chars::toLower(text[5]) != 'x') return false;
    const std::string_view digits = text.substr(6, text.size() - 7);
    std::uint64_t mantissa = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), mantissa, 16);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return false;
    if (mantissa == 0 || mantissa > kMantissaBits) return false;
    bits |= mantissa;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

}  // namespace

std::string formatLong(long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string formatDouble(double value) {
    if (std::isnan(value)) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        std::string text = (bits & kSignBit) != 0 ? "-nan" : "nan";
        const std::uint64_t mantissa = bits & kMantissaBits;
        if (mantissa != kQuietBit) {
            char digits[16];
            const auto result = std::to_chars(digits, digits + sizeof digits, mantissa, 16);
            text += "(0x";
            text.append(digits, result.ptr);
            text += ')';
        }
        return text;
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

bool parseLong(std::string_view text, long& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || !orvane::chars::isDigit(text.front())) return false;
    }
    long parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

bool parseDouble(std::string_view text, double& value) {
    if (text.empty() || orvane::chars::isSpace(text.front())) return false;
    if (parseNanWithMantissa(text, value)) return true;
    const std::string terminated(text);  // a NUL inside ends the number early and fails below
    char* end = nullptr;
    const double parsed = ::strtod_l(terminated.c_str(), &end, cLocale());
    if (end != terminated.c_str() + terminated.size()) return false;
    value = parsed;  // out of range: infinity or zero, as strtod gives
    return true;
}

}  // namespace orvane::settings
