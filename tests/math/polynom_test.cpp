#include <orvane/math/polynom.h>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(VMATH_Polynom, StartsAtZeroRefusesIndicesOutsideItsCoefficientsAndEvaluatesByHorner) {
    const VMATH_Polynom<3> zero;
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(zero[i], 0.0);
    EXPECT_EQ(zero(7.5), 0.0);

    VMATH_Polynom<4> p{{4, 0, -5}};  // the higher powers stay 0
    EXPECT_EQ(p[2], -5.0);
    EXPECT_EQ(p[4], 0.0);
    p[4] = 1.0;  // x⁴ − 5x² + 4
    EXPECT_EQ(p.coef[4], 1.0);
    EXPECT_EQ(p(2.0), 0.0);

    const VMATH_Polynom<4>& view = p;
    EXPECT_THROW(p[5], std::out_of_range);
    EXPECT_THROW(p[-1], std::out_of_range);
    EXPECT_THROW(view[5], std::out_of_range);
    EXPECT_EQ(view[4], 1.0);

    EXPECT_EQ(p.calcValue(-1.0), 0.0);
    EXPECT_EQ(p(3.0), 40.0);
    EXPECT_EQ(p.firstDerivation(1.0), -6.0);  // 4x³ − 10x
    EXPECT_EQ(p.firstDerivation(2.0), 12.0);
    EXPECT_EQ(p.firstDerivation(0.0), 0.0);

    const VMATH_Polynom<0> constant{{3.0}};
    EXPECT_EQ(constant(100.0), 3.0);
    EXPECT_EQ(constant.firstDerivation(100.0), 0.0);
    const VMATH_Polynom<9> x9{{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
    EXPECT_EQ(x9(2.0), 512.0);
    EXPECT_EQ(x9.firstDerivation(2.0), 9.0 * 256.0);
}
