// orvane-tools minmax: the extreme values of a cubic or quartic on an interval.
#include <cstdio>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "number_input.h"
#include "poly_input.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools minmax --from A --to B C_m ... C_1 C_0\n"
    "\n"
    "Prints the smallest and the largest value of C_m*x^m + ... + C_1*x + C_0 on [A, B] and\n"
    "where each occurs. The coefficients run from the highest power down; at most five are\n"
    "taken (a quartic), fewer give a cubic or lower. Each coefficient, and A and B, is a real\n"
    "number written as an expression ('1/3' is a third).\n"
    "\n"
    "  --from A   one end of the interval\n"
    "  --to B     the other end\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools minmax --from -1.5 --to 1.5 1 0 -3 0\n"
    "  min -2.0 at x = 1.0\n"
    "  max 2.0 at x = -1.0\n"
    "  $ orvane-tools minmax --from -2 --to 2 1 0 -2 0 0\n"
    "  min -1.0 at x = -1.0\n"
    "  max 8.0 at x = 2.0\n"
    "\n"
    "The candidates are the two ends and the points inside where the derivative is 0; of equal\n"
    "values the first found is shown. A coefficient or bound that is not a finite number, and\n"
    "more than five coefficients, are rejected (exit 1).\n";

int run(const Args& args) {
    if (!args.has("--from") || !args.has("--to")) {
        return usageError("minmax", "needs --from A and --to B");
    }
    if (args.positional.empty()) return usageError("minmax", "needs coefficients (see --help)");
    if (args.positional.size() > 5) {
        std::fprintf(stderr, "orvane-tools minmax: %zu coefficients: at most 5 (a quartic)\n",
                     args.positional.size());
        return kRejected;
    }

    std::vector<double> ascending;
    double from = 0.0, to = 0.0;
    if (!readCoefficients("minmax", args.positional, ascending) ||
        !readNumber("minmax", "--from", args.value("--from"), from) ||
        !readNumber("minmax", "--to", args.value("--to"), to)) {
        return kRejected;
    }
    VMATH_Polynom<4> p;
    for (std::size_t i = 0; i < ascending.size(); ++i)
        p.coef[i] = ascending[i];

    double min = 0.0, max = 0.0, xMin = 0.0, xMax = 0.0;
    try {
        VMATH_PolyFunctions::calcPolyMinMax(p, from, to, min, max, xMin, xMax);
    } catch (const VMATH_Exception&) {
        std::fprintf(stderr, "orvane-tools minmax: the coefficients are out of range\n");
        return kRejected;
    }
    std::printf("min %s at x = %s\n", formatNumber(min).c_str(), formatNumber(xMin).c_str());
    std::printf("max %s at x = %s\n", formatNumber(max).c_str(), formatNumber(xMax).c_str());
    return kOk;
}

}  // namespace

const Command kMinmaxCommand = {
    "minmax",
    "the extreme values of a cubic or quartic on an interval",
    kUsageText,
    &run,
    {{"--from", true}, {"--to", true}},
};

}  // namespace cli
