#include <orvane/strings/css_cursor.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// The items a cursor walks through, at most 100 of them, each in brackets: "[a][]" is "a" and an
// empty item, "" is no item at all.
std::string items(const char* text, bool skip, char separator = ';') {
    const V_STRING owned(text);
    VSTRI_CSSCursor cursor(owned, separator, skip);
    std::string found;
    int count = 0;
    for (cursor.reset(); cursor.isValid() && count < 100; cursor.next(), ++count)
        found += "[" + std::string(cursor.getString().data()) + "]";
    return found;
}

}  // namespace

TEST(VSTRI_CSSCursor, WalksThroughTheItemsKeepingOrSkippingEmptyOnes) {
    // A text, its items kept whole, and without the empty ones.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"a;b;c", "[a][b][c]", "[a][b][c]"},
        {"a;b;", "[a][b]", "[a][b]"},
        {"whole text", "[whole text]", "[whole text]"},
        {"", "", ""},
        {"a;;b", "[a][][b]", "[a][b]"},
        {";a", "[][a]", "[a]"},
        {";;", "[][]", "[]"},
        {";", "[]", "[]"},
        {"a;;", "[a][]", "[a][]"},
        {"a;", "[a]", "[a]"}};
    for (const auto& [text, kept, skipped] : cases) {
        EXPECT_EQ(items(text, false), kept) << "'" << text << "'";
        EXPECT_EQ(items(text, true), skipped) << "'" << text << "' skipping";
    }
    EXPECT_EQ(items("1,2", false, ','), "[1][2]");

    const V_STRING text("a;;b");
    VSTRI_CSSCursor cursor(text, ';', false);
    cursor.reset();
    EXPECT_FALSE(cursor.isEmptyString());
    cursor.next();
    EXPECT_TRUE(cursor.isValid() && cursor.isEmptyString());
    cursor.next();
    EXPECT_TRUE(!cursor.isEmptyString() && cursor.getString() == V_STRING("b"));
}

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
