#include <orvane/strings/css_cursor.h>

#include <gtest/gtest.h>

TEST(VSTRI_CSSCursor, FetchesItemsByIndex) {
    const V_STRING text("a;b;c");
    VSTRI_CSSCursor cursor(text, ';', false);
    EXPECT_TRUE(cursor.isValidIndex(0) && cursor.isValidIndex(2));
    EXPECT_FALSE(cursor.isValidIndex(3) || cursor.isValidIndex(4000000000u));
    EXPECT_EQ(cursor.getStringByIndex(1), V_STRING("b"));
    EXPECT_EQ(cursor.getStringByIndex(3), V_STRING(""));
    EXPECT_EQ(cursor.getStringByIndex(3, "none"), V_STRING("none"));
    EXPECT_EQ(cursor.getStringByIndex(2, "none"), V_STRING("c"));
    // Lookups by index do not move the cursor.
    EXPECT_FALSE(cursor.isValid());

    const V_STRING empty("");
    VSTRI_CSSCursor nothing(empty, ';', true);
    nothing.reset();
    EXPECT_FALSE(nothing.isValid() || nothing.isValidIndex(0));
    EXPECT_EQ(nothing.getStringByIndex(0, "fallback"), V_STRING("fallback"));

    const V_STRING gaps(";;x;;y");
    VSTRI_CSSCursor skipping(gaps, ';', true);
    EXPECT_EQ(skipping.getStringByIndex(1), V_STRING("y"));
    VSTRI_CSSCursor keeping(gaps, ';', false);
    EXPECT_EQ(keeping.getStringByIndex(2), V_STRING("x"));
    EXPECT_EQ(keeping.getStringByIndex(4), V_STRING("y"));
}
