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

    // One token as "keyword#number", or "keyword~number" when it has no number (the number
    // passed in is then expected back unchanged).
    std::string token(VTEXT_KeywordParsingMode mode, long number) {
        char keyword[31] = "junk";
        bool hasNumber = true;
        parseKeyword(keyword, hasNumber, number, mode);
        return keyword + std::string(hasNumber ? "#" : "~") + std::to_string(number);
    }
    using VTEXT_AbstractParser::getCharacter;
    using VTEXT_AbstractParser::getIndexOfCurrentChar;
    using VTEXT_AbstractParser::getText;
    using VTEXT_AbstractParser::ungetCharacter;
};

}  // namespace

TEST(VTEXT_AbstractParser, ReadsWordsWithTheirNumbersAndOtherCharactersOneByOne) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHI";  // 35 letters
    const struct {
        std::string text;
        VTEXT_KeywordParsingMode mode;
        int count;
        long number;
        const char* read;  // the tokens, then ">" and the character that follows them
    } cases[] = {{"width12 x", SkipBlank, 1, 999, "width#12 >x"},
                 {"width12 x", KeepDelimiter, 1, 999, "width#12 > "},
                 // Any mode but KeepDelimiter skips the blank.
                 {"width12 x", static_cast<VTEXT_KeywordParsingMode>(7), 1, 999, "width#12 >x"},
                 {"dx-5;dy-2147483648", SkipBlank, 3, 999, "dx#-5 ;~999 dy#-2147483648 >"},
                 {"=3", SkipBlank, 1, 999, "=~999 >3"},
                 // A blank before a word is a token of its own, even in SkipBlank mode.
                 {" a", SkipBlank, 2, 999, " ~999 a~999 >"},
                 // Long words are cut at 30 letters, numbers after the first 20 digits.
                 {letters, SkipBlank, 2, 999, "abcdefghijklmnopqrstuvwxyzABCD~999 EFGHI~999 >"},
                 {"n0000000000000000000123", KeepDelimiter, 1, 999, "n#1 >2"},
                 // Digits beyond the 32-bit range are consumed without making up a value.
                 {"n99999999999 k", SkipBlank, 1, 7, "n~7 >k"},
                 // A minus without a number, and the end of the text.
                 {"abc-x", SkipBlank, 1, 999, "abc~999 >x"},
                 {"ab-", SkipBlank, 2, 999, "ab~999 ~999 >"},
                 {"", KeepDelimiter, 1, 5, "~5 >"}};
    for (const auto& c : cases) {
        const V_STRING text(c.text.c_str());
        TokenReader reader(text);
        std::string read;
        for (int i = 0; i < c.count; ++i)
            read += reader.token(c.mode, c.number) + " ";
        read += ">";
        if (const char next = reader.getCharacter()) read += next;
        EXPECT_EQ(read, c.read) << "'" << c.text << "' in mode " << c.mode;
    }
}
