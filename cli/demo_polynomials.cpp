// The demo's section on polynomials and their roots.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "demo.h"
#include "number_input.h"
#include "poly_input.h"

namespace cli {

namespace {

std::string complexText(const VMATH_Complex& z) {
    if (z.im == 0.0) return rootText(z.re);
    return rootText(z.re) + (z.im < 0 ? " - " : " + ") + rootText(z.im < 0 ? -z.im : z.im) + " i";
}

}  // namespace

void demoPolynomials() {
    double x[4];
    const long n = VMATH_CubicPolynom(1, -6, 11, -6).findRoots(x);
    std::printf("x^3 - 6x^2 + 11x - 6 in closed form: %ld roots", n);
    for (long i = 0; i < n; ++i)
        std::printf("%s %s", i == 0 ? ":" : ",", formatNumber(x[i]).c_str());
    std::printf("\n");

    const VMATH_Complex cube[4] = {{-8, 0}, {0, 0}, {0, 0}, {1, 0}};
    VMATH_Complex z[3];
    if (VMATH_PolyFunctions::polyRoots(cube, 3, z, true) == 0) {
        std::printf("x^3 - 8 by Laguerre's method, every complex root:\n");
        for (const VMATH_Complex& root : z)
            std::printf("  %s\n", complexText(root).c_str());
    }

    const double odd[4] = {0, -1, 0, 1};
    double r[3];
    const long inside = VMATH_PolyFunctions::polyRoots(odd, 3, r, -0.5, 2, true);
    std::printf("x^3 - x has %ld real roots in [-0.5, 2]:", inside);
    for (long i = 0; i < inside; ++i)
        std::printf(" %s", rootText(r[i]).c_str());
    std::printf("\n");

    const long crossing = VMATH_PolyFunctions::polyRoots(VMATH_Polynom<4>{{4, 0, -5, 0, 1}}, x);
    const long touching = VMATH_PolyFunctions::polyRoots(VMATH_Polynom<4>{{1, 0, -2, 0, 1}}, x);
    std::printf(
        "The quartic finder reports where the curve crosses zero: x^4 - 5x^2 + 4 has %ld roots,\n"
        "(x^2 - 1)^2 only touches zero and gets %ld.\n",
        crossing, touching);

    double lo, hi, xLo, xHi;
    VMATH_PolyFunctions::calcCubicMinMax(VMATH_CubicPolynom(1, 0, -3, 0), -1.5, 1.5, lo, hi, xLo,
                                         xHi);
    std::printf("x^3 - 3x on [-1.5, 1.5]: min %s at x = %s, max %s at x = %s\n",
                formatNumber(lo).c_str(), formatNumber(xLo).c_str(), formatNumber(hi).c_str(),
                formatNumber(xHi).c_str());
}

}  // namespace cli
