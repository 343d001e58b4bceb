// Reading and printing the numbers of the polynomial commands.
#include "poly_input.h"

#include <cmath>

#include "number_input.h"

namespace cli {

bool readCoefficients(const char* command, const std::vector<std::string>& words,
                      std::vector<double>& ascending) {
    std::vector<double> values;
    for (std::size_t i = 0; i < words.size(); ++i) {
        double value = 0.0;
        const std::string what = "coefficient " + std::to_string(i + 1);
        if (!readNumber(command, what, words[i], value)) return false;
        values.push_back(value);
    }
    ascending.assign(values.rbegin(), values.rend());
    while (!ascending.empty() && ascending.back() == 0.0)
        ascending.pop_back();
    return true;
}

std::string rootText(double value) {
    const double scaled = value * 1e8;
    // Beyond 2^52 a double has no fractional digits left to round away.
    if (std::fabs(scaled) < 4503599627370496.0) return formatNumber(std::round(scaled) / 1e8);
    return formatNumber(value);
}

}  // namespace cli
