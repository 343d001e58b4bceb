// The C library's qsort is included first on purpose: the two-argument overload must live beside
// it.
#include <cstdlib>

#include <orvane/math/equation_solvers.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/dump_capture.h"

namespace {

constexpr double kUnset = 12345.0;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(rSolveQE, LinearAndDegenerateCases) {
    double x1 = kUnset, x2 = kUnset;
    EXPECT_EQ(rSolveQE(0, 0, 0, &x1, &x2), -1);
    EXPECT_EQ(rSolveQE(0, 0, 5, &x1, &x2), 0);
    EXPECT_EQ(rSolveQE(5e-16, 5e-16, 5e-16, &x1, &x2), -1);  // all below 1e-15
    EXPECT_EQ(x1, kUnset);
    EXPECT_EQ(rSolveQE(0, 2, -4, &x1, &x2), 1);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, kUnset);
    EXPECT_EQ(rSolveQE(0, 1e-15, 1, &x1, &x2), 1);  // |b| = eps is not zero
    EXPECT_DOUBLE_EQ(x1, -1e15);
}

TEST(rSolveQE, ZeroConstantAndPureQuadratic) {
    double x1 = kUnset, x2 = kUnset;
    EXPECT_EQ(rSolveQE(2, 6, 0, &x1, &x2), 2);
    EXPECT_EQ(x1, 0.0);
    EXPECT_EQ(x2, -3.0);
    x2 = kUnset;
    EXPECT_EQ(rSolveQE(1, 0, 0, &x1, &x2), 1);
    EXPECT_EQ(x1, 0.0);
    EXPECT_EQ(x2, kUnset);
    EXPECT_EQ(rSolveQE(1, 0, -4, &x1, &x2), 2);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, -2.0);
    x1 = x2 = kUnset;
    EXPECT_EQ(rSolveQE(1, 0, 4, &x1, &x2), 0);
    EXPECT_EQ(x1, kUnset);
}

TEST(rSolveQE, GeneralCaseGivesTheLargerRootFirst) {
    double x1 = kUnset, x2 = kUnset;
    EXPECT_EQ(rSolveQE(1, -3, 2, &x1, &x2), 2);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, 1.0);
    EXPECT_EQ(rSolveQE(1, 3, 2, &x1, &x2), 2);
    EXPECT_EQ(x1, -2.0);
    EXPECT_EQ(x2, -1.0);
    // The stable form keeps the small root accurate where the textbook one cancels.
    EXPECT_EQ(rSolveQE(1, -1e8, 1, &x1, &x2), 2);
    EXPECT_DOUBLE_EQ(x1, 1e8);
    EXPECT_DOUBLE_EQ(x2, 1e-8);
    x2 = kUnset;
    EXPECT_EQ(rSolveQE(1, 2, 1, &x1, &x2), 1);
    EXPECT_EQ(x1, -1.0);
    EXPECT_EQ(x2, kUnset);
    EXPECT_EQ(rSolveQE(1, 1, 1, &x1, &x2), 0);
}

TEST(rSolveQE, NaNInTheGeneralCaseThrowsThroughSign) {
    DumpCapture dump;
    double x1 = 0, x2 = 0;
    EXPECT_THROW(rSolveQE(1, kNaN, 1, &x1, &x2), VMATH_WrongNumber);
    EXPECT_EQ(dump.text(), "[\n]\n");
    EXPECT_EQ(rSolveQE(kNaN, 1, 1, &x1, &x2), 2);  // a NaN only in a gives NaN roots
    EXPECT_TRUE(std::isnan(x1));
}

TEST(cSolveQE, RealComplexAndDegenerateRoots) {
    _complex x1{kUnset, kUnset}, x2{kUnset, kUnset};
    EXPECT_EQ(cSolveQE(1, 0, 1, &x1, &x2), 2);
    EXPECT_EQ(x1.x, 0.0);
    EXPECT_EQ(x1.y, 1.0);
    EXPECT_EQ(x2.x, 0.0);
    EXPECT_EQ(x2.y, -1.0);
    EXPECT_EQ(cSolveQE(1, 2, 1, &x1, &x2), 1);
    EXPECT_EQ(x1.x, -1.0);
    EXPECT_EQ(x1.y, 0.0);
    EXPECT_EQ(x2.x, 0.0);  // cleared though no root goes there
    EXPECT_EQ(x2.y, 0.0);
    // Textbook order: (s - b)/2a first.
    EXPECT_EQ(cSolveQE(1, -3, 2, &x1, &x2), 2);
    EXPECT_EQ(x1.x, 2.0);
    EXPECT_EQ(x2.x, 1.0);
    EXPECT_EQ(cSolveQE(-1, 3, -2, &x1, &x2), 2);
    EXPECT_EQ(x1.x, 1.0);
    EXPECT_EQ(x2.x, 2.0);
    EXPECT_EQ(cSolveQE(2, 2, 1, &x1, &x2), 2);  // -0.5 +- 0.5i
    EXPECT_EQ(x1.x, -0.5);
    EXPECT_EQ(x1.y, 0.5);
    EXPECT_EQ(x2.y, -0.5);
}

TEST(cSolveQE, LinearCasesAndNoSpecialZeroConstant) {
    _complex x1{kUnset, kUnset}, x2{kUnset, kUnset};
    EXPECT_EQ(cSolveQE(0, 2, -4, &x1, &x2), 1);
    EXPECT_EQ(x1.x, 2.0);
    EXPECT_EQ(x1.y, 0.0);
    EXPECT_EQ(cSolveQE(0, 0, 3, &x1, &x2), 0);
    EXPECT_EQ(x1.x, 0.0);
    EXPECT_EQ(cSolveQE(0, 0, 0, &x1, &x2), -1);
    // c = 0 goes through the general formula: x1 = (|b| - b)/2a.
    EXPECT_EQ(cSolveQE(2, 6, 0, &x1, &x2), 2);
    EXPECT_EQ(x1.x, 0.0);
    EXPECT_EQ(x2.x, -3.0);
    EXPECT_EQ(cSolveQE(1, kNaN, 1, &x1, &x2), 2);  // no throw for NaN
    EXPECT_TRUE(std::isnan(x1.x));
    EXPECT_EQ(cSolveQE(kNaN, 2, -4, &x1, &x2), 1);  // a NaN a is not >= eps: the linear case
    EXPECT_EQ(x1.x, 2.0);
}

TEST(rSolveCE, ThreeDistinctRootsInTrigonometricOrder) {
    double x1 = kUnset, x2 = kUnset, x3 = kUnset;
    EXPECT_EQ(rSolveCE(1, -6, 11, -6, &x1, &x2, &x3), 3);
    EXPECT_NEAR(x1, 3.0, 1e-12);
    EXPECT_NEAR(x2, 2.0, 1e-12);
    EXPECT_NEAR(x3, 1.0, 1e-12);
    // 2x³ - 2x: phi = pi/6, so the roots come as t·cos(pi/6), -t·cos(pi/2), -t·cos(-pi/6).
    EXPECT_EQ(rSolveCE(2, 0, -2, 0, &x1, &x2, &x3), 3);
    EXPECT_NEAR(x1, 1.0, 1e-12);
    EXPECT_NEAR(x2, 0.0, 1e-12);
    EXPECT_NEAR(x3, -1.0, 1e-12);
}

TEST(rSolveCE, SingleDoubleAndTripleRoots) {
    double x1 = kUnset, x2 = kUnset, x3 = kUnset;
    EXPECT_EQ(rSolveCE(1, 0, 0, -8, &x1, &x2, &x3), 1);
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_EQ(rSolveCE(1, 0, 0, 8, &x1, &x2, &x3), 1);
    EXPECT_NEAR(x1, -2.0, 1e-12);
    EXPECT_EQ(rSolveCE(1, 0, 0, 0, &x1, &x2, &x3), 1);
    EXPECT_EQ(x1, 0.0);
    EXPECT_EQ(rSolveCE(1, -3, 3, -1, &x1, &x2, &x3), 1);  // (x - 1)³
    EXPECT_NEAR(x1, 1.0, 1e-12);
    EXPECT_EQ(rSolveCE(1, 0, -3, 2, &x1, &x2, &x3), 2);  // (x + 2)(x - 1)²
    EXPECT_NEAR(x1, -2.0, 1e-12);
    EXPECT_NEAR(x2, 1.0, 1e-12);
    EXPECT_EQ(rSolveCE(-2, 0, 6, -4, &x1, &x2, &x3), 2);  // scaled by -2: same roots
    EXPECT_NEAR(x1, -2.0, 1e-12);
    EXPECT_NEAR(x2, 1.0, 1e-12);
}

TEST(rSolveCE, ZeroLeadingCoefficientSolvesTheQuadratic) {
    double x1 = kUnset, x2 = kUnset, x3 = kUnset;
    EXPECT_EQ(rSolveCE(0, 1, -3, 2, &x1, &x2, &x3), 2);
    EXPECT_EQ(x1, 2.0);
    EXPECT_EQ(x2, 1.0);
    EXPECT_EQ(x3, kUnset);
    EXPECT_EQ(rSolveCE(-0.0, 0, 0, 0, &x1, &x2, &x3), -1);
    EXPECT_EQ(rSolveCE(0, 0, 0, 1, &x1, &x2, &x3), 0);
    // A tiny but non-zero leading coefficient is still a cubic.
    EXPECT_EQ(rSolveCE(1e-20, -6e-20, 11e-20, -6e-20, &x1, &x2, &x3), 3);
    EXPECT_NEAR(x3, 1.0, 1e-9);
}

TEST(rSolveCE, NonFiniteCoefficientsGiveNaNRootsWithoutThrowing) {
    double x1 = 0, x2 = 0, x3 = 0;
    EXPECT_EQ(rSolveCE(1, kNaN, 0, 0, &x1, &x2, &x3), 1);
    EXPECT_TRUE(std::isnan(x1));
    EXPECT_EQ(rSolveCE(1, 0, 0, kInf, &x1, &x2, &x3), 1);
    EXPECT_FALSE(std::isfinite(x1));
}

TEST(sign, SignOfEveryKindOfDouble) {
    EXPECT_EQ(sign(-0.0), 0);
    EXPECT_EQ(sign(0.0), 0);
    EXPECT_EQ(sign(kInf), 1);
    EXPECT_EQ(sign(-kInf), -1);
    EXPECT_EQ(sign(std::numeric_limits<double>::denorm_min()), 1);
    EXPECT_EQ(sign(-std::numeric_limits<double>::denorm_min()), -1);
    EXPECT_EQ(sign(-3.5), -1);
    DumpCapture dump;
    EXPECT_THROW(sign(kNaN), VMATH_WrongNumber);
    EXPECT_THROW(sign(std::numeric_limits<double>::signaling_NaN()), VMATH_WrongNumber);
    EXPECT_THROW(sign(-kNaN), VMATH_Exception);
}

TEST(qsort, SortsAscendingBesideTheCLibraryQsort) {
    double v[] = {3, -1, 2};
    qsort(v, 3);
    EXPECT_EQ(v[0], -1.0);
    EXPECT_EQ(v[1], 2.0);
    EXPECT_EQ(v[2], 3.0);
    double w[] = {5, -kInf, 0, kInf, -2.5, 5};
    qsort(w, 6u);
    const double sorted[] = {-kInf, -2.5, 0, 5, 5, kInf};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w[i], sorted[i]);
    double one = 7;
    qsort(&one, 1);
    qsort(nullptr, 0);
    qsort(nullptr, 5);
    EXPECT_EQ(one, 7.0);
    double partial[] = {4, 3, 2, 1};
    qsort(partial, 2);  // only the first n values
    EXPECT_EQ(partial[0], 3.0);
    EXPECT_EQ(partial[2], 2.0);

    // The four-argument C function is still reached by its own arguments.
    int ints[] = {3, 1, 2};
    qsort(ints, 3, sizeof(int), [](const void* a, const void* b) {
        return *static_cast<const int*>(a) - *static_cast<const int*>(b);
    });
    EXPECT_EQ(ints[0], 1);
    EXPECT_EQ(ints[2], 3);
    std::qsort(ints, 3, sizeof(int), [](const void* a, const void* b) {
        return *static_cast<const int*>(b) - *static_cast<const int*>(a);
    });
    EXPECT_EQ(ints[0], 3);
}
