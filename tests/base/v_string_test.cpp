#include <gtest/gtest.h>
#include <orvane/base/exception.h>
#include <orvane/base/v_string.h>

#include "support/dump_capture.h"

TEST(V_STRING, BuildsFromTextCountsCharactersAndSubstrings) {
    EXPECT_EQ(V_STRING().length(), 0ul);
    EXPECT_STREQ(V_STRING().data(), "");
    EXPECT_STREQ(V_STRING(static_cast<const char*>(nullptr)).data(), "");
    EXPECT_STREQ(V_STRING("abcdef", 3).data(), "abc");
    EXPECT_STREQ(V_STRING("ab", 10).data(), "ab");  // stops at the NUL
    EXPECT_STREQ(V_STRING('x', 3).data(), "xxx");

    const V_STRING s("abcdef");
    EXPECT_STREQ(V_STRING(s, 0, V_STRING::npos).data(), "abcdef");
    EXPECT_STREQ(V_STRING(s, 2, 3).data(), "cde");
    EXPECT_STREQ(V_STRING(s, 4, 100).data(), "ef");
    EXPECT_STREQ(V_STRING(s, 6, 1).data(), "");
    EXPECT_STREQ(V_STRING(s, 99, 1).data(), "");
    EXPECT_STREQ(s.substr(1, 2).data(), "bc");
    EXPECT_STREQ(s.substr(3).data(), "def");
}

TEST(V_STRING, ConvertsDecimalIntegersOnly) {
    long n = 99;
    EXPECT_TRUE(V_STRING("42").convert(n));
    EXPECT_EQ(n, 42);
    EXPECT_TRUE(V_STRING("  -17 ").convert(n));
    EXPECT_EQ(n, -17);
    EXPECT_TRUE(V_STRING("+2147483647").convert(n));
    EXPECT_EQ(n, 2147483647);
    EXPECT_TRUE(V_STRING("-2147483648").convert(n));
    EXPECT_EQ(n, -2147483648L);

    n = 5;
    for (const char* bad : {"", " ", "-", "12a", "1.5", "0x10", "2147483648", "-2147483649",
                            "99999999999999999999999"}) {
        EXPECT_FALSE(V_STRING(bad).convert(n)) << bad;
        EXPECT_EQ(n, 5) << bad;
    }

    V_STRING cut("123456");
    cut[3] = '\0';  // a NUL written in ends the number
    EXPECT_TRUE(cut.convert(n));
    EXPECT_EQ(n, 123);
    EXPECT_EQ(cut.length(), 6ul);
}
