// The demo's section on the numerics: equations, integrals, roots and matrices.
#include <cmath>
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "demo.h"
#include "number_input.h"

namespace cli {

namespace {

double sine(double x, const double*) {
    return std::sin(x);
}

}  // namespace

void demoNumerics() {
    double x[3];
    long n = rSolveQE(1, -3, 2, &x[0], &x[1]);
    std::printf("x² - 3x + 2 = 0: %ld roots, %s and %s (larger magnitude first)\n", n,
                formatNumber(x[0]).c_str(), formatNumber(x[1]).c_str());
    _complex z[2];
    cSolveQE(1, 0, 1, &z[0], &z[1]);
    std::printf("x² + 1 = 0 in complex numbers: %s + %si and %s - %si\n",
                formatNumber(z[0].x).c_str(), formatNumber(z[0].y).c_str(),
                formatNumber(z[1].x).c_str(), formatNumber(-z[1].y).c_str());
    n = rSolveCE(1, -6, 11, -6, &x[0], &x[1], &x[2]);
    std::printf("x³ - 6x² + 11x - 6 = 0: %ld roots, %s, %s and %s\n", n, formatNumber(x[0]).c_str(),
                formatNumber(x[1]).c_str(), formatNumber(x[2]).c_str());

    const double pi = 3.14159265358979323846;
    double area = 0;
    rSolveNI(&sine, nullptr, 0, pi, &area, 1e-12);
    std::printf("\nThe integral of sin from 0 to pi (adaptive Simpson 3/8, eps 1e-12): %s\n",
                formatNumber(area).c_str());
    double roots[8];
    n = rCompFXEqZeroAll(&sine, nullptr, -0.5, 7, 1, 0.01, roots, 8ul, 1e-12);
    std::printf("The roots of sin between -0.5 and 7, found by a scan:");
    for (long i = 0; i < n; ++i)
        std::printf(" %s", formatNumber(roots[i]).c_str());
    std::printf("\n");

    VMATH_Matrix m(2);
    m.At(0, 0) = 4;
    m.At(0, 1) = 7;
    m.At(1, 0) = 2;
    m.At(1, 1) = 6;
    VMATH_Matrix inverse(2);
    m.inverse_matrix(inverse);
    std::printf("\nThe inverse of [[4, 7], [2, 6]]: [[%s, %s], [%s, %s]]\n",
                formatNumber(inverse.At(0, 0)).c_str(), formatNumber(inverse.At(0, 1)).c_str(),
                formatNumber(inverse.At(1, 0)).c_str(), formatNumber(inverse.At(1, 1)).c_str());
    VMATH_Matrix singular(2);
    singular.At(0, 0) = 1;
    singular.At(0, 1) = 2;
    singular.At(1, 0) = 2;
    singular.At(1, 1) = 4;
    std::printf("[[1, 2], [2, 4]] is %s\n",
                singular.inverse_matrix(inverse) == 0 ? "invertible" : "singular");
}

}  // namespace cli
