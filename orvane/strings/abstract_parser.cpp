#include "orvane/strings/abstract_parser.h"

#include <cstdint>
#include <string>

#include "orvane/base/char_class.h"

namespace {

constexpr std::size_t kMaxLetters = 30;
constexpr std::size_t kMaxDigits = 20;

}  // namespace

VTEXT_AbstractParser::VTEXT_AbstractParser(const V_STRING& text) : m_text(text) {}

VTEXT_AbstractParser::~VTEXT_AbstractParser() = default;

void VTEXT_AbstractParser::pushSettings() {}

void VTEXT_AbstractParser::popSettings() {}

char VTEXT_AbstractParser::getCharacter() {
    if (m_index < INT32_MAX) ++m_index;
    // The const operator[] of V_STRING gives '\0' at and past the end.
    return m_text[static_cast<unsigned long>(m_index)];
}

void VTEXT_AbstractParser::ungetCharacter() {
    if (m_index >= 0) --m_index;
}

void VTEXT_AbstractParser::parseKeyword(char* keyword, bool& hasNumber, long& number,
                                        VTEXT_KeywordParsingMode mode) {
    char word[kMaxLetters + 1] = {};
    char* out = keyword != nullptr ? keyword : word;
    out[0] = '\0';
    hasNumber = false;

    char c = getCharacter();
    if (c == '\0') return;
    if (!orvane::chars::isLetter(c)) {
        out[0] = c;
        out[1] = '\0';
        return;
    }
    std::size_t letters = 0;
    out[letters++] = c;
    c = getCharacter();
    while (letters < kMaxLetters && orvane::chars::isLetter(c)) {
        out[letters++] = c;
        c = getCharacter();
    }
    out[letters] = '\0';

    bool negative = false;
    if (c == '-') {
        negative = true;
        c = getCharacter();
        if (c == '\0') return;
    }
    if (orvane::chars::isDigit(c)) {
        // The sign goes into the text, so that the whole 32-bit range converts.
        std::string digits = negative ? "-" : "";
        std::size_t count = 0;
        while (count < kMaxDigits && orvane::chars::isDigit(c)) {
            digits += c;
            ++count;
            c = getCharacter();
        }
        long value = 0;
        if (V_STRING(digits.c_str()).convert(value)) {
            number = value;
            hasNumber = true;
        }
    }
    if (mode == KeepDelimiter || c != ' ') ungetCharacter();
}
