// The library's one set of single-byte character tests.
//
// The library's text is single-byte. Wherever it classifies a character (the expression
// evaluator's scanner, the regular-expression engine, the feet-and-inch parser) it uses these
// tests, which do not depend on the C locale.
//
//   orvane::chars::isLetter('A');    // true
//   orvane::chars::isLetter('\xE4');  // false: bytes of 128 and above are no letters
//
// Choices: only ASCII counts. Letters are A-Z and a-z, digits 0-9, lower-case letters a-z,
// upper-case A-Z, and space is blank (0x20), tab, newline, vertical tab, form feed and carriage
// return. No byte of 128 and above is a letter, a digit or space, whatever the code page, so a
// text classifies the same on every machine.
#ifndef ORVANE_BASE_CHAR_CLASS_H
#define ORVANE_BASE_CHAR_CLASS_H

#include "orvane/base/export.h"

namespace orvane::chars {

// '0' to '9'.
constexpr bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
// 'a' to 'z'.
constexpr bool isLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
// 'A' to 'Z'.
constexpr bool isUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
// An ASCII letter, either case.
constexpr bool isLetter(unsigned char c) {
    return isLower(c) || isUpper(c);
}
// An ASCII letter or digit.
constexpr bool isLetterOrDigit(unsigned char c) {
    return isLetter(c) || isDigit(c);
}
// Blank, tab, newline, vertical tab, form feed or carriage return.
constexpr bool isSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
// Blank or tab.
constexpr bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t';
}
// The lower-case letter for 'A' to 'Z'; every other byte as it is.
constexpr unsigned char toLower(unsigned char c) {
    return isUpper(c) ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
// The upper-case letter for 'a' to 'z'; every other byte as it is.
constexpr unsigned char toUpper(unsigned char c) {
    return isLower(c) ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// The same tests for a plain `char`, which may be signed.
constexpr bool isDigit(char c) {
    return isDigit(static_cast<unsigned char>(c));
}
constexpr bool isLower(char c) {
    return isLower(static_cast<unsigned char>(c));
}
constexpr bool isUpper(char c) {
    return isUpper(static_cast<unsigned char>(c));
}
constexpr bool isLetter(char c) {
    return isLetter(static_cast<unsigned char>(c));
}
constexpr bool isLetterOrDigit(char c) {
    return isLetterOrDigit(static_cast<unsigned char>(c));
}
constexpr bool isSpace(char c) {
    return isSpace(static_cast<unsigned char>(c));
}
constexpr bool isBlank(char c) {
    return isBlank(static_cast<unsigned char>(c));
}
constexpr char toLower(char c) {
    return static_cast<char>(toLower(static_cast<unsigned char>(c)));
}
constexpr char toUpper(char c) {
    return static_cast<char>(toUpper(static_cast<unsigned char>(c)));
}

}  // namespace orvane::chars

#endif
