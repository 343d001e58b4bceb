// The library's string: a value type that owns single-byte text.
//
// Every text the library takes or gives is a V_STRING. It converts implicitly from `const char*`,
// so a literal can be passed wherever a V_STRING is expected.
//
//   V_STRING s("12");
//   s += " mm";                          // "12 mm"
//   V_STRING t = V_STRING::formatted("%.2f", 1.5);   // "1.50"
//   long n;
//   V_STRING("42").convert(n);           // true, n == 42
//
// Counts and positions are `unsigned long`; the count 0xFFFFFFFF (`V_STRING::npos`) means "as far
// as the text goes".
//
// Choices:
// - A null `const char*` makes an empty string.
// - `V_STRING(text, count)` copies at most `count` bytes and stops early at a NUL.
// - A start beyond the end (substring constructor, `substr`) gives an empty string; a count that
//   reaches past the end is cut at the end.
// - `operator[]` on a const string gives '\0' for any index at or beyond `length()`; on a mutable
//   string such an index throws VSYST_Exception, since there is no byte to hand out.
// - A NUL written in with `operator[]` keeps `length()` unchanged; `data()` and `convert` then see
//   the text only up to that NUL.
// - `convert` accepts optional blanks, an optional sign and decimal digits, followed by optional
//   blanks, and a value within the 32-bit signed range of the library's `long` values; anything
//   else returns false and leaves the output unchanged.
// - Allocation failure throws VSYST_OutOfMemory.
#ifndef ORVANE_BASE_V_STRING_H
#define ORVANE_BASE_V_STRING_H

#include <string>

#include "orvane/base/export.h"

class ORVANE_API V_STRING {
public:
    static constexpr unsigned long npos = 0xFFFFFFFFul;

    V_STRING() = default;
    V_STRING(const char* text, unsigned long count = npos);  // NOLINT: implicit by design
    V_STRING(const V_STRING& other, unsigned long start, unsigned long count);
    V_STRING(char c, unsigned long count);
    V_STRING(const V_STRING& other);
    V_STRING(V_STRING&& other) noexcept = default;
    ~V_STRING() = default;

    V_STRING& operator=(const V_STRING& other);
    V_STRING& operator=(V_STRING&& other) noexcept = default;
    V_STRING& operator=(const char* text);
    V_STRING& operator+=(const V_STRING& other);
    V_STRING& operator+=(const char* text);
    V_STRING& operator+=(char c);

    bool operator==(const V_STRING& other) const { return m_text == other.m_text; }
    bool operator!=(const V_STRING& other) const { return !(*this == other); }

    char& operator[](unsigned long index);
    char operator[](unsigned long index) const;

    unsigned long length() const { return static_cast<unsigned long>(m_text.size()); }
    bool isEmpty() const { return m_text.empty(); }
    const char* data() const { return m_text.c_str(); }

    // The `n` characters from `pos` on (fewer at the end of the text).
    V_STRING substr(unsigned long pos, unsigned long n = npos) const;

    // printf rules; an invalid format gives an empty string.
    static V_STRING formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Parses the text as a decimal integer; true and `value` set on success.
    bool convert(long& value) const;

    // The text as a standard string (up to `length()`, NULs written in included).
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

ORVANE_API V_STRING operator+(const V_STRING& lhs, const V_STRING& rhs);

#endif
