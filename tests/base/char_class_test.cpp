#include <gtest/gtest.h>
#include <orvane/base/char_class.h>

TEST(CharClass, ClassifiesAsciiAndNoHighByte) {
    using namespace orvane::chars;
    EXPECT_TRUE(isLetter('a') && isLetter('Z') && isLower('q') && isUpper('Q'));
    EXPECT_FALSE(isLetter('0') || isLetter('_') || isLower('Q') || isUpper('q'));
    EXPECT_TRUE(isDigit('0') && isDigit('9') && !isDigit('a'));
    EXPECT_TRUE(isSpace(' ') && isSpace('\t') && isSpace('\r') && !isSpace('x'));
    EXPECT_TRUE(isBlank('\t') && !isBlank('\n'));
    EXPECT_EQ(toLower('A'), 'a');
    EXPECT_EQ(toUpper('z'), 'Z');
    EXPECT_EQ(toLower('1'), '1');
    for (int c = 128; c < 256; ++c) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_FALSE(isLetter(u) || isDigit(u) || isSpace(u)) << c;
        EXPECT_EQ(toLower(u), u);
        EXPECT_FALSE(isLetter(static_cast<char>(c)));  // signed char too
    }
}
