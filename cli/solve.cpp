// orvane-tools solve: the real (or complex) roots of a quadratic or cubic equation.
#include <cstdio>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "number_input.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools solve quadratic [--complex] A B C\n"
    "       orvane-tools solve cubic A B C D\n"
    "\n"
    "Solves A·x² + B·x + C = 0 or A·x³ + B·x² + C·x + D = 0 in closed form and prints the roots,\n"
    "one per line, in the order the solver gives them. They are not sorted: the quadratic gives\n"
    "the root of larger magnitude first in the general case, but 0 first when C is 0. A double\n"
    "root is printed once.\n"
    "\n"
    "Each coefficient is a real number, written as an expression: '1.5', '-3', '2*0.25', '1/3'\n"
    "(integer literals are read as floating ones, so '1/3' is a third).\n"
    "\n"
    "  --complex   (quadratic) print the roots as complex numbers, 'RE + IMi'\n"
    "\n"
    "Without a real root the answer is 'no real root'; when every coefficient is zero it is\n"
    "'every x is a root'. A cubic with A = 0 is solved as the quadratic of B, C and D.\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools solve quadratic 1 -3 2\n"
    "  x1 = 2.0\n"
    "  x2 = 1.0\n"
    "  $ orvane-tools solve quadratic 1 -3 0\n"
    "  x1 = 0.0\n"
    "  x2 = 3.0\n"
    "  $ orvane-tools solve quadratic --complex 1 0 1\n"
    "  x1 = 0.0 + 1.0i\n"
    "  x2 = 0.0 - 1.0i\n"
    "  $ orvane-tools solve cubic 1 -6 11 -6\n"
    "  x1 = 3.0\n"
    "  x2 = 2.0\n"
    "  x3 = 1.0\n";

const char* const kNames[] = {"A", "B", "C", "D"};

// Reads the coefficients; false after reporting the first one that is no number.
bool readCoefficients(const std::vector<std::string>& texts, double* values) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!readNumber("solve", std::string("coefficient ") + kNames[i], texts[i], values[i]))
            return false;
    }
    return true;
}

// The answer lines shared by every count: false when the count says there are no roots to list.
bool printSpecialCount(long count) {
    if (count == -1) {
        std::printf("every x is a root\n");
        return true;
    }
    if (count == 0) {
        std::printf("no real root\n");
        return true;
    }
    return false;
}

std::string complexText(const _complex& z) {
    // formatNumber shows -0 as 0.0, so a zero imaginary part reads "+ 0.0i" whatever its sign.
    return formatNumber(z.x) + (z.y < 0 ? " - " : " + ") + formatNumber(z.y < 0 ? -z.y : z.y) + "i";
}

int run(const Args& args) {
    if (args.positional.empty())
        return usageError("solve", "needs 'quadratic' or 'cubic' (see --help)");
    const std::string kind = args.positional[0];
    const std::vector<std::string> texts(args.positional.begin() + 1, args.positional.end());
    double c[4] = {0, 0, 0, 0};

    if (kind == "quadratic") {
        if (texts.size() != 3)
            return usageError("solve", "quadratic needs three coefficients A B C");
        if (!readCoefficients(texts, c)) return kRejected;
        if (args.has("--complex")) {
            _complex z[2];
            const long count = cSolveQE(c[0], c[1], c[2], &z[0], &z[1]);
            if (count == 0) {
                std::printf("no root\n");
                return kOk;
            }
            if (printSpecialCount(count)) return kOk;
            for (long i = 0; i < count; ++i)
                std::printf("x%ld = %s\n", i + 1, complexText(z[i]).c_str());
            return kOk;
        }
        double x[2];
        const long count = rSolveQE(c[0], c[1], c[2], &x[0], &x[1]);
        if (printSpecialCount(count)) return kOk;
        for (long i = 0; i < count; ++i)
            std::printf("x%ld = %s\n", i + 1, formatNumber(x[i]).c_str());
        return kOk;
    }
    if (kind == "cubic") {
        if (args.has("--complex")) return usageError("solve", "--complex is for quadratics only");
        if (texts.size() != 4) return usageError("solve", "cubic needs four coefficients A B C D");
        if (!readCoefficients(texts, c)) return kRejected;
        double x[3];
        const long count = rSolveCE(c[0], c[1], c[2], c[3], &x[0], &x[1], &x[2]);
        if (printSpecialCount(count)) return kOk;
        for (long i = 0; i < count; ++i)
            std::printf("x%ld = %s\n", i + 1, formatNumber(x[i]).c_str());
        return kOk;
    }
    return usageError("solve", "unknown equation '" + kind + "' (quadratic or cubic)");
}

}  // namespace

const Command kSolveCommand = {
    "solve", "roots of a quadratic or cubic equation", kUsageText, &run, {{"--complex", false}},
};

}  // namespace cli
