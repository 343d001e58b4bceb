// Reading and printing the numbers of the polynomial commands.
#include "poly_input.h"

#include <cmath>

#include <orvane/tools.h>

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
    if (!(std::fabs(value) < 1e15)) return formatNumber(value);
    std::string text = V_STRING::formatted("%.8f", value).str();
    // Trailing zeros go, one decimal stays: "3.00000000" is "3.0".
    while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    return text == "-0.0" ? std::string("0.0") : text;
}

}  // namespace cli
