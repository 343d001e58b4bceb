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

// An owned, single-byte text of any length; the library's text type.
class ORVANE_API V_STRING {
public:
    // The count that means "up to the end of the text".
    static constexpr unsigned long npos = 0xFFFFFFFFul;

    V_STRING() = default;
    // At most `count` bytes of `text`, stopping at a NUL; null gives "". Implicit by design.
    V_STRING(const char* text, unsigned long count = npos);  // NOLINT: implicit by design
    // The `count` bytes of `other` from `start` on, cut at its end; "" when `start` is past it.
    V_STRING(const V_STRING& other, unsigned long start, unsigned long count);
    // `count` copies of `c`.
    V_STRING(char c, unsigned long count);
    // Copies and moves; a failed copy throws VSYST_OutOfMemory.
    V_STRING(const V_STRING& other);
    V_STRING(V_STRING&& other) noexcept = default;
    ~V_STRING() = default;

    // Replaces the text; `text` may point into this string, and null gives "".
    V_STRING& operator=(const V_STRING& other);
    V_STRING& operator=(V_STRING&& other) noexcept = default;
    V_STRING& operator=(const char* text);
    // Appends; null appends nothing.
    V_STRING& operator+=(const V_STRING& other);
    V_STRING& operator+=(const char* text);
    V_STRING& operator+=(char c);

    // Equal when the bytes up to `length()` are, NULs written in included.
    bool operator==(const V_STRING& other) const { return m_text == other.m_text; }
    bool operator!=(const V_STRING& other) const { return !(*this == other); }

    // The byte at `index`; throws VSYST_Exception when `index` is not below `length()`.
    char& operator[](unsigned long index);
    // The byte at `index`, or '\0' at or past the end.
    char operator[](unsigned long index) const;

    // The number of bytes, NULs written in included.
    unsigned long length() const { return static_cast<unsigned long>(m_text.size()); }
    // True for the text "".
    bool isEmpty() const { return m_text.empty(); }
    // The text, NUL-terminated; valid until the string changes.
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

// The two texts joined.
ORVANE_API V_STRING operator+(const V_STRING& lhs, const V_STRING& rhs);

#endif
