#include <orvane/strings/css_cursor.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The items a cursor walks through, at most `limit` of them.
std::vector<std::string> items(const char* text, bool skip, char separator = ';') {
    const V_STRING owned(text);
    VSTRI_CSSCursor cursor(owned, separator, skip);
    std::vector<std::string> found;
    for (cursor.reset(); cursor.isValid() && found.size() < 100; cursor.next())
        found.push_back(cursor.getString().data());
    return found;
}

using Items = std::vector<std::string>;

}  // namespace

TEST(VSTRI_CSSCursor, WalksThroughTheItems) {
    EXPECT_EQ(items("a;b;c", false), (Items{"a", "b", "c"}));
    EXPECT_EQ(items("alpha;beta", true), (Items{"alpha", "beta"}));
    EXPECT_EQ(items("a;b;", false), (Items{"a", "b"}));
    EXPECT_EQ(items("whole text", false), (Items{"whole text"}));
    EXPECT_EQ(items("1,2", false, ','), (Items{"1", "2"}));
    EXPECT_EQ(items("", false), Items{});
    EXPECT_EQ(items("", true), Items{});
}

TEST(VSTRI_CSSCursor, KeepsOrSkipsEmptyItems) {
    EXPECT_EQ(items("a;;b", false), (Items{"a", "", "b"}));
    EXPECT_EQ(items("a;;b", true), (Items{"a", "b"}));
    EXPECT_EQ(items(";a", false), (Items{"", "a"}));
    EXPECT_EQ(items(";a", true), (Items{"a"}));
    EXPECT_EQ(items(";;", false), (Items{"", ""}));
    EXPECT_EQ(items(";;", true), (Items{""}));
    EXPECT_EQ(items(";", true), (Items{""}));
    EXPECT_EQ(items("a;;", true), (Items{"a", ""}));
    EXPECT_EQ(items("a;", true), (Items{"a"}));
    EXPECT_EQ(items("a;;", false), (Items{"a", ""}));

    const V_STRING text("a;;b");
    VSTRI_CSSCursor cursor(text, ';', false);
    cursor.reset();
    EXPECT_FALSE(cursor.isEmptyString());
    cursor.next();
    EXPECT_TRUE(cursor.isValid());
    EXPECT_TRUE(cursor.isEmptyString());
    cursor.next();
    EXPECT_FALSE(cursor.isEmptyString());
    EXPECT_EQ(cursor.getString(), V_STRING("b"));
}

TEST(VSTRI_CSSCursor, IsInvalidUntilResetAndAfterTheLastItem) {
    const V_STRING text("a;b");
    VSTRI_CSSCursor cursor(text, ';', false);
    EXPECT_FALSE(cursor.isValid());
    EXPECT_EQ(cursor.getString(), V_STRING(""));
    cursor.reset();
    EXPECT_TRUE(cursor.isValid());
    cursor.next();
    cursor.next();
    EXPECT_FALSE(cursor.isValid());
    EXPECT_EQ(cursor.getString(), V_STRING(""));
    // Stepping on from an invalid position starts again with the first item.
    cursor.next();
    EXPECT_EQ(cursor.getString(), V_STRING("a"));
}

TEST(VSTRI_CSSCursor, FetchesItemsByIndex) {
    const V_STRING text("a;b;c");
    VSTRI_CSSCursor cursor(text, ';', false);
    EXPECT_TRUE(cursor.isValidIndex(0));
    EXPECT_TRUE(cursor.isValidIndex(2));
    EXPECT_FALSE(cursor.isValidIndex(3));
    EXPECT_FALSE(cursor.isValidIndex(4000000000u));
    EXPECT_EQ(cursor.getStringByIndex(1), V_STRING("b"));
    EXPECT_EQ(cursor.getStringByIndex(3), V_STRING(""));
    EXPECT_EQ(cursor.getStringByIndex(3, "none"), V_STRING("none"));
    EXPECT_EQ(cursor.getStringByIndex(2, "none"), V_STRING("c"));
    // Lookups by index do not move the cursor.
    EXPECT_FALSE(cursor.isValid());

    const V_STRING empty("");
    VSTRI_CSSCursor nothing(empty, ';', true);
    nothing.reset();
    EXPECT_FALSE(nothing.isValid());
    EXPECT_FALSE(nothing.isValidIndex(0));
    EXPECT_EQ(nothing.getStringByIndex(0, "fallback"), V_STRING("fallback"));

    const V_STRING gaps(";;x;;y");
    VSTRI_CSSCursor skipping(gaps, ';', true);
    EXPECT_EQ(skipping.getStringByIndex(1), V_STRING("y"));
    VSTRI_CSSCursor keeping(gaps, ';', false);
    EXPECT_EQ(keeping.getStringByIndex(2), V_STRING("x"));
    EXPECT_EQ(keeping.getStringByIndex(4), V_STRING("y"));
}
