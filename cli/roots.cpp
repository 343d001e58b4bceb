// orvane-tools roots: the roots of a polynomial of degree up to 9.
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
    "Usage: orvane-tools roots [--no-polish] C_m ... C_1 C_0\n"
    "       orvane-tools roots --real --from A --to B [--no-polish] C_m ... C_1 C_0\n"
    "\n"
    "Finds the roots of C_m*x^m + ... + C_1*x + C_0 with Laguerre's method. The coefficients\n"
    "run from the highest power down, as the polynomial is written; the degree is at most 9.\n"
    "Each coefficient, and A and B, is a real number written as an expression ('1/3', '2*-1.5',\n"
    "'-4'); integer literals are read as floating ones, so '1/3' is a third.\n"
    "\n"
    "  (default)     every complex root, one a line, by ascending real part: 'RE' for a real\n"
    "                root, 'RE + IM i' or 'RE - IM i' otherwise\n"
    "  --real        only the real roots in [A, B], ascending; roots closer than 1e-5 (times\n"
    "                the width of the interval when it exceeds 1) are printed once\n"
    "  --from A      the lower end of the interval (with --real)\n"
    "  --to B        the upper end of the interval (with --real)\n"
    "  --no-polish   skip the final refinement of each root on the whole polynomial\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools roots 1 -6 11 -6\n"
    "  1.0\n"
    "  2.0\n"
    "  3.0\n"
    "  $ orvane-tools roots 1 0 1\n"
    "  0.0 - 1.0 i\n"
    "  0.0 + 1.0 i\n"
    "  $ orvane-tools roots --real --from -0.5 --to 2 1 0 -1 0\n"
    "  0.0\n"
    "  1.0\n"
    "  $ orvane-tools roots 1/3 1\n"
    "  -3.0\n"
    "\n"
    "Roots are printed rounded to 8 decimals. The search stops once the value of the\n"
    "polynomial is below 1e-9 in magnitude, so a root is only as exact as that allows: a simple\n"
    "root of a polynomial with coefficients near 1 is exact to about 8 decimals, a multiple root\n"
    "much less ((x^2 - 1)^2, 'roots 1 0 -2 0 1', gives -1.00001424, -0.99998576, 0.99998494 and\n"
    "1.00001506), and so is a root of a polynomial whose values are large near it.\n"
    "\n"
    "Leading zero coefficients lower the degree. A coefficient that is not a finite number, a\n"
    "degree above 9 and the zero polynomial are rejected (exit 1),\n"
    "as is a polynomial whose root search fails: Laguerre's method did not converge, or what\n"
    "it found did not pass the check that every value is a root and no simple root is counted\n"
    "twice. Nothing is printed then but the reason.\n";

int tooHigh(unsigned long degree) {
    std::fprintf(stderr, "orvane-tools roots: degree %lu is above 9\n", degree);
    return kRejected;
}

int notConverged(unsigned long degree, bool polish) {
    std::fprintf(stderr,
                 "orvane-tools roots: the search for the %lu complex roots%s failed: Laguerre's "
                 "method did not converge, or what it found were not all roots\n",
                 degree, polish ? " (polished)" : "");
    return kRejected;
}

void printComplexRoot(const VMATH_Complex& z) {
    const std::string re = rootText(z.re);
    const std::string im = rootText(z.im < 0 ? -z.im : z.im);
    if (im == "0.0") {
        std::printf("%s\n", re.c_str());
    } else {
        std::printf("%s %c %s i\n", re.c_str(), z.im < 0 ? '-' : '+', im.c_str());
    }
}

int allRoots(const std::vector<double>& ascending, bool polish) {
    const unsigned long degree = static_cast<unsigned long>(ascending.size() - 1);
    std::vector<VMATH_Complex> a;
    for (double c : ascending)
        a.push_back(VMATH_Complex{c, 0.0});
    std::vector<VMATH_Complex> roots(degree + 1, VMATH_Complex{0.0, 0.0});
    if (VMATH_PolyFunctions::polyRoots(a.data(), degree, roots.data(), polish) != 0) {
        return degree > 9 ? tooHigh(degree) : notConverged(degree, polish);
    }
    if (degree == 0) std::printf("no roots\n");
    for (unsigned long i = 0; i < degree; ++i)
        printComplexRoot(roots[i]);
    return kOk;
}

int realRoots(const std::vector<double>& ascending, double from, double to, bool polish) {
    const unsigned long degree = static_cast<unsigned long>(ascending.size() - 1);
    std::vector<double> roots(degree + 1, 0.0);
    const long n =
        VMATH_PolyFunctions::polyRoots(ascending.data(), degree, roots.data(), from, to, polish);
    if (n < 0) return tooHigh(degree);
    if (n == 0) {
        std::printf("no real roots in [%s, %s]\n", formatNumber(from).c_str(),
                    formatNumber(to).c_str());
    }
    for (long i = 0; i < n; ++i)
        std::printf("%s\n", rootText(roots[static_cast<std::size_t>(i)]).c_str());
    return kOk;
}

int run(const Args& args) {
    const bool real = args.has("--real");
    const bool bounded = args.has("--from") || args.has("--to");
    if (real && !(args.has("--from") && args.has("--to"))) {
        return usageError("roots", "--real needs --from A and --to B");
    }
    if (!real && bounded) return usageError("roots", "--from and --to go with --real");
    if (args.positional.empty()) return usageError("roots", "needs coefficients (see --help)");

    std::vector<double> ascending;
    if (!readCoefficients("roots", args.positional, ascending)) return kRejected;
    double from = 0.0, to = 0.0;
    if (real && (!readNumber("roots", "--from", args.value("--from"), from) ||
                 !readNumber("roots", "--to", args.value("--to"), to))) {
        return kRejected;
    }
    if (ascending.empty()) {
        std::fprintf(stderr, "orvane-tools roots: every number is a root of the zero polynomial\n");
        return kRejected;
    }
    const bool polish = !args.has("--no-polish");
    return real ? realRoots(ascending, from, to, polish) : allRoots(ascending, polish);
}

}  // namespace

const Command kRootsCommand = {
    "roots",
    "the roots of a polynomial up to degree 9",
    kUsageText,
    &run,
    {{"--real", false}, {"--from", true}, {"--to", true}, {"--no-polish", false}},
};

}  // namespace cli
