// Reading and printing the numbers of the polynomial commands.
#include "poly_input.h"

#include <cmath>
#include <cstdio>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

bool readNumber(const char* command, const std::string& text, double& value) {
    evalInfo info;
    double result = 0.0;
    if (!VSTRI_Toolbox::evaluate(text.c_str(), result, info)) {
        reportRejected(command, text, info.position);
        return false;
    }
    if (!std::isfinite(result)) {
        std::fprintf(stderr, "orvane-tools %s: '%s' is not a finite number\n", command,
                     text.c_str());
        return false;
    }
    value = result;
    return true;
}

bool readCoefficients(const char* command, const std::vector<std::string>& words,
                      std::vector<double>& ascending) {
    std::vector<double> values;
    for (const std::string& word : words) {
        double value = 0.0;
        if (!readNumber(command, word, value)) return false;
        values.push_back(value);
    }
    ascending.assign(values.rbegin(), values.rend());
    while (!ascending.empty() && ascending.back() == 0.0)
        ascending.pop_back();
    return true;
}

std::string numberText(double value) {
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    const std::string printed = text.data();
    return printed == "-0.0" ? std::string("0.0") : printed;
}

std::string rootText(double value) {
    const double scaled = value * 1e8;
    // Beyond 2^52 a double has no fractional digits left to round away.
    if (std::fabs(scaled) < 4503599627370496.0) return numberText(std::round(scaled) / 1e8);
    return numberText(value);
}

}  // namespace cli
