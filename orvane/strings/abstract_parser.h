// The base of small keyword parsers: reads a text character by character with one step of
// push-back, and reads keyword tokens.
//
// A derived parser implements `parse` (and `reset`) with the protected reading operations. The
// text is not copied: it must outlive the parser.
//
//   class SizeParser : public VTEXT_AbstractParser {
//   public:
//       using VTEXT_AbstractParser::VTEXT_AbstractParser;
//       bool parse() override {
//           char word[31];
//           bool hasNumber;
//           long n = 0;
//           parseKeyword(word, hasNumber, n, SkipBlank);   // "width12 x": "width", 12
//           return hasNumber;
//       }
//       void reset() override {}
//   };
//
// `parseKeyword` reads one token: a word of up to 30 letters, optionally followed by a signed
// number of up to 20 digits ("dx-5" is "dx" and -5), or a single other character ("=").
//
// Choices:
// - Letters and digits are those of orvane/base/char_class.h (ASCII only); the blank that
//   `SkipBlank` consumes after a token is the space character alone.
// - `getIndexOfCurrentChar` returns a plain `long` (a const-qualified return type means nothing).
// - The index stops growing at 2147483647, so reading on and on past the end never overflows it.
// - A number whose digits do not fit the 32-bit range of V_STRING::convert (with its sign) is
//   consumed but gives `hasNumber` false and leaves `number` unchanged: no value is made up.
// - A null `keyword` reads the token as usual and stores no text.
#ifndef ORVANE_STRINGS_ABSTRACT_PARSER_H
#define ORVANE_STRINGS_ABSTRACT_PARSER_H

#include <cstdint>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// What `parseKeyword` does with the character that ended a word or number.
enum VTEXT_KeywordParsingMode : int {
    SkipBlank = 0,      // consumes it if it is a blank (any value other than 1 acts the same)
    KeepDelimiter = 1,  // leaves it for the next read
};

// The base of keyword parsers: a read position in a text the caller keeps, with push-back.
class ORVANE_API VTEXT_AbstractParser {
public:
    // Reads `text`, which is not copied and must outlive the parser; nothing is read yet.
    explicit VTEXT_AbstractParser(const V_STRING& text);
    VTEXT_AbstractParser(const VTEXT_AbstractParser&) = delete;
    VTEXT_AbstractParser& operator=(const VTEXT_AbstractParser&) = delete;
    virtual ~VTEXT_AbstractParser();

    // Parses the text; true on success. Supplied by the derived parser.
    virtual bool parse() = 0;

protected:
    // Hooks around nested parsing; they do nothing here.
    virtual void pushSettings();
    virtual void popSettings();

public:
    // Returns the derived parser to its initial settings. Supplied by the derived parser.
    virtual void reset() = 0;

protected:
    // Advances and returns the character there, or 0 at and past the end of the text.
    char getCharacter();
    // Steps back one character, unless nothing has been read.
    void ungetCharacter();
    // The position of the character read last; -1 before the first read.
    long getIndexOfCurrentChar() const { return m_index; }
    // The text being read.
    const V_STRING& getText() const { return m_text; }

    // Reads one token into `keyword` (room for at least 31 characters): a word of up to 30
    // letters with an optional signed number after it (then `hasNumber` is true and `number` the
    // value), or one other character. At the end of the text `keyword` is empty, `hasNumber` false
    // and `number` untouched.
    void parseKeyword(char* keyword, bool& hasNumber, long& number, VTEXT_KeywordParsingMode mode);

private:
    const V_STRING& m_text;
    std::int32_t m_index = -1;
};

#endif
