#include <gtest/gtest.h>
#include <orvane/units/scalar.h>

TEST(VLOCN_Scalar, ShowsAndReadsPlainNumbers) {
    const VLOCN_Scalar* s = VLOCN_Scalar::thisRepresentation();
    EXPECT_EQ(s->asString(3.14159265).str(), "3.1416");
    EXPECT_EQ(s->asString(0.000123).str(), "0.000123");
    EXPECT_EQ(s->asString(-2).str(), "-2");
    double v = 0;
    EXPECT_TRUE(s->asFloat("2*1.5", v));
    EXPECT_EQ(v, 3.0);
    EXPECT_TRUE(s->asFloat("7/2", v));
    EXPECT_EQ(v, 3.0);
    EXPECT_FALSE(s->asFloat("", v));
    v = 5;
    EXPECT_FALSE(s->asFloat("1+2)", v));
    EXPECT_EQ(v, 3.0);  // evaluated in place before the trailing ')' was rejected
}

