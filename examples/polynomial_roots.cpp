// The roots of a polynomial: every complex root of x^3 - 8, then the real roots of
// x^3 - 6x^2 + 11x - 6.
#include <orvane/tools.h>

#include <cstdio>

int main() {
    // Coefficients from the constant term up: -8 + 0x + 0x^2 + 1x^3.
    const VMATH_Complex cube[] = {{-8, 0}, {0, 0}, {0, 0}, {1, 0}};
    VMATH_Complex roots[3];
    if (VMATH_PolyFunctions::polyRoots(cube, 3, roots, true) != 0) return 1;
    for (const VMATH_Complex& z : roots)
        std::printf("%+.6f %+.6fi\n", z.re, z.im);

    double x1, x2, x3;
    const long real = rSolveCE(1, -6, 11, -6, &x1, &x2, &x3);
    std::printf("%ld real roots: %.6f %.6f %.6f\n", real, x1, x2, x3);
    return real == 3 ? 0 : 1;
}
