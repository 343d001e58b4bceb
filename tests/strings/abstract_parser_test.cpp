#include <orvane/strings/abstract_parser.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A parser that exposes the reading operations to the tests.
class TokenReader : public VTEXT_AbstractParser {
public:
    explicit TokenReader(const V_STRING& text) : VTEXT_AbstractParser(text) {}
    bool parse() override { return true; }
    void reset() override {}

    struct Token {
        std::string keyword;
        bool hasNumber;
        long number;
    };
    Token token(VTEXT_KeywordParsingMode mode, long number = 999) {
        char keyword[31] = "junk";
        bool hasNumber = true;
        parseKeyword(keyword, hasNumber, number, mode);
        return {keyword, hasNumber, number};
    }
    using VTEXT_AbstractParser::getCharacter;
    using VTEXT_AbstractParser::getIndexOfCurrentChar;
    using VTEXT_AbstractParser::getText;
    using VTEXT_AbstractParser::ungetCharacter;
};

}  // namespace

TEST(VTEXT_AbstractParser, ReadsCharactersWithOneStepOfPushBack) {
    const V_STRING text("ab");
    TokenReader reader(text);
    EXPECT_EQ(reader.getIndexOfCurrentChar(), -1);
    reader.ungetCharacter();
    EXPECT_EQ(reader.getIndexOfCurrentChar(), -1);
    EXPECT_EQ(reader.getCharacter(), 'a');
    EXPECT_EQ(reader.getIndexOfCurrentChar(), 0);
    reader.ungetCharacter();
    EXPECT_EQ(reader.getCharacter(), 'a');
    EXPECT_EQ(reader.getCharacter(), 'b');
    EXPECT_EQ(reader.getCharacter(), '\0');
    EXPECT_EQ(reader.getCharacter(), '\0');
    EXPECT_EQ(reader.getIndexOfCurrentChar(), 3);
    EXPECT_EQ(&reader.getText(), &text);
}

TEST(VTEXT_AbstractParser, ReadsAWordWithItsNumber) {
    const V_STRING text("width12 x");
    TokenReader skip(text);
    auto t = skip.token(SkipBlank);
    EXPECT_EQ(t.keyword, "width");
    EXPECT_TRUE(t.hasNumber);
    EXPECT_EQ(t.number, 12);
    EXPECT_EQ(skip.getCharacter(), 'x');

    TokenReader keep(text);
    t = keep.token(KeepDelimiter);
    EXPECT_EQ(t.keyword, "width");
    EXPECT_EQ(t.number, 12);
    EXPECT_EQ(keep.getCharacter(), ' ');

    TokenReader other(text);  // any mode but KeepDelimiter skips the blank
    other.token(static_cast<VTEXT_KeywordParsingMode>(7));
    EXPECT_EQ(other.getCharacter(), 'x');

    const V_STRING signed_("dx-5;dy-2147483648");
    TokenReader reader(signed_);
    t = reader.token(SkipBlank);
    EXPECT_EQ(t.keyword, "dx");
    EXPECT_TRUE(t.hasNumber);
    EXPECT_EQ(t.number, -5);
    EXPECT_EQ(reader.token(SkipBlank).keyword, ";");
    t = reader.token(SkipBlank);
    EXPECT_EQ(t.keyword, "dy");
    EXPECT_EQ(t.number, -2147483648L);
}

TEST(VTEXT_AbstractParser, ReadsOtherCharactersOneByOne) {
    const V_STRING text("=3");
    TokenReader reader(text);
    auto t = reader.token(SkipBlank);
    EXPECT_EQ(t.keyword, "=");
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(t.number, 999);
    EXPECT_EQ(reader.getCharacter(), '3');

    // A blank before a word is a token of its own, even in SkipBlank mode.
    const V_STRING blank(" a");
    TokenReader blanks(blank);
    EXPECT_EQ(blanks.token(SkipBlank).keyword, " ");
    EXPECT_EQ(blanks.token(SkipBlank).keyword, "a");
}

TEST(VTEXT_AbstractParser, CutsLongWordsAndNumbers) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHI";  // 35 letters
    const V_STRING text(letters.c_str());
    TokenReader reader(text);
    auto t = reader.token(SkipBlank);
    EXPECT_EQ(t.keyword, letters.substr(0, 30));
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(reader.token(SkipBlank).keyword, "EFGHI");

    const V_STRING digits("n0000000000000000000123");  // 22 digits
    TokenReader numbers(digits);
    t = numbers.token(KeepDelimiter);
    EXPECT_EQ(t.keyword, "n");
    EXPECT_TRUE(t.hasNumber);
    EXPECT_EQ(t.number, 1);  // the first 20 digits
    EXPECT_EQ(numbers.getCharacter(), '2');

    // Digits beyond the 32-bit range are consumed without making up a value.
    const V_STRING huge("n99999999999 k");
    TokenReader big(huge);
    t = big.token(SkipBlank, 7);
    EXPECT_EQ(t.keyword, "n");
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(t.number, 7);
    EXPECT_EQ(big.getCharacter(), 'k');
}

TEST(VTEXT_AbstractParser, HandlesAMinusWithoutNumberAndTheEnd) {
    const V_STRING text("abc-x");
    TokenReader reader(text);
    auto t = reader.token(SkipBlank);
    EXPECT_EQ(t.keyword, "abc");
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(reader.getCharacter(), 'x');

    const V_STRING dangling("ab-");
    TokenReader end(dangling);
    t = end.token(KeepDelimiter);
    EXPECT_EQ(t.keyword, "ab");
    EXPECT_FALSE(t.hasNumber);

    t = end.token(SkipBlank);
    EXPECT_EQ(t.keyword, "");
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(t.number, 999);

    const V_STRING empty("");
    TokenReader nothing(empty);
    t = nothing.token(KeepDelimiter, 5);
    EXPECT_EQ(t.keyword, "");
    EXPECT_FALSE(t.hasNumber);
    EXPECT_EQ(t.number, 5);
}
