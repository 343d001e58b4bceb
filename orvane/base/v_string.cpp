#include "orvane/base/v_string.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "orvane/base/char_class.h"
#include "orvane/base/exception.h"

namespace {

// strnlen for a count that may be "unlimited"; a plain memchr over 4 GiB could read past the text.
std::size_t boundedLength(const char* text, unsigned long count) {
    std::size_t n = 0;
    while (n < count && text[n] != '\0')
        ++n;
    return n;
}

}  // namespace

V_STRING::V_STRING(const char* text, unsigned long count) {
    if (text == nullptr) return;
    const std::size_t n = boundedLength(text, count);
    orvane::allocating([&] { m_text.assign(text, n); });
}

V_STRING::V_STRING(const V_STRING& other, unsigned long start, unsigned long count) {
    if (start >= other.m_text.size()) return;
    orvane::allocating([&] { m_text = other.m_text.substr(start, count); });
}

V_STRING::V_STRING(char c, unsigned long count) {
    orvane::allocating([&] { m_text.assign(count, c); });
}

V_STRING::V_STRING(const V_STRING& other) {
    orvane::allocating([&] { m_text = other.m_text; });
}

V_STRING& V_STRING::operator=(const V_STRING& other) {
    if (this != &other) orvane::allocating([&] { m_text = other.m_text; });
    return *this;
}

V_STRING& V_STRING::operator=(const char* text) {
    // `text` may point into this string: build the copy first.
    std::string copy;
    if (text != nullptr)
        copy = orvane::allocating([&] { return std::string(text, boundedLength(text, npos)); });
    m_text.swap(copy);
    return *this;
}

V_STRING& V_STRING::operator+=(const V_STRING& other) {
    orvane::allocating([&] { m_text.append(other.m_text); });
    return *this;
}

V_STRING& V_STRING::operator+=(const char* text) {
    if (text == nullptr) return *this;
    // `text` may point into this string, which the append can move.
    std::string copy =
        orvane::allocating([&] { return std::string(text, boundedLength(text, npos)); });
    orvane::allocating([&] { m_text.append(copy); });
    return *this;
}

V_STRING& V_STRING::operator+=(char c) {
    orvane::allocating([&] { m_text.push_back(c); });
    return *this;
}

char& V_STRING::operator[](unsigned long index) {
    if (index >= m_text.size())
        throw VSYST_Exception("V_STRING: index beyond the end of the text.");
    return m_text[index];
}

char V_STRING::operator[](unsigned long index) const {
    return index < m_text.size() ? m_text[index] : '\0';
}

V_STRING V_STRING::substr(unsigned long pos, unsigned long n) const {
    return V_STRING(*this, pos, n);
}

V_STRING V_STRING::formatted(const char* format, ...) {
    V_STRING result;
    if (format == nullptr) return result;
    char small[128];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(again);
        return result;
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        va_end(again);
        result.m_text.assign(small, static_cast<std::size_t>(needed));
        return result;
    }
    try {
        std::vector<char> big(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, again);
        va_end(again);
        result.m_text.assign(big.data(), static_cast<std::size_t>(needed));
    } catch (const std::bad_alloc&) {
        va_end(again);
        throw VSYST_OutOfMemory();
    }
    return result;
}

bool V_STRING::convert(long& value) const {
    const char* p = m_text.c_str();  // stops at a NUL written in by operator[]
    while (orvane::chars::isBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!orvane::chars::isDigit(*p)) return false;
    std::int64_t magnitude = 0;
    const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : std::int64_t{INT32_MAX};
    while (orvane::chars::isDigit(*p)) {
        magnitude = magnitude * 10 + (*p++ - '0');
        if (magnitude > limit) return false;
    }
    while (orvane::chars::isBlank(*p))
        ++p;
    if (*p != '\0') return false;
    value = static_cast<long>(negative ? -magnitude : magnitude);
    return true;
}

V_STRING operator+(const V_STRING& lhs, const V_STRING& rhs) {
    V_STRING result(lhs);
    result += rhs;
    return result;
}
