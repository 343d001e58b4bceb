#include "orvane/strings/css_cursor.h"

namespace {

constexpr long kMaxLength = 2147483646L;

}  // namespace

VSTRI_CSSCursor::VSTRI_CSSCursor(const V_STRING& text, char separator, bool skipSeparators)
    : m_text(text), m_separator(separator), m_skipSeparators(skipSeparators) {}

void VSTRI_CSSCursor::reset() {
    setPos(0);
}

void VSTRI_CSSCursor::next() {
    setPos(static_cast<long>(m_end) + 1);
}

void VSTRI_CSSCursor::setPos(long position) {
    const long n = m_text.length() > static_cast<unsigned long>(kMaxLength)
                       ? kMaxLength
                       : static_cast<long>(m_text.length());
    if (position < 0 || position >= n) {
        m_begin = 0;
        m_end = -1;
        return;
    }
    long begin = position;
    if (m_skipSeparators) {
        while (begin < n && m_text[static_cast<unsigned long>(begin)] == m_separator)
            ++begin;
    }
    long end = begin;
    bool metSeparator = false;
    while (end < n) {
        if (m_text[static_cast<unsigned long>(end)] == m_separator) {
            metSeparator = true;
            break;
        }
        ++end;
    }
    // An item that ends with the text reaches one past it, so that `next` leaves the text.
    if (!metSeparator) ++end;
    m_begin = static_cast<std::int32_t>(begin);
    m_end = static_cast<std::int32_t>(end);
}

V_STRING VSTRI_CSSCursor::getString() const {
    if (!isValid()) return V_STRING();
    return V_STRING(m_text, static_cast<unsigned long>(m_begin),
                    static_cast<unsigned long>(m_end - m_begin));
}

bool VSTRI_CSSCursor::seek(unsigned index, VSTRI_CSSCursor& copy) const {
    copy.reset();
    if (!copy.isValid()) return false;
    for (unsigned i = 0; i < index; ++i) {
        copy.next();
        if (!copy.isValid()) return false;
    }
    return true;
}

bool VSTRI_CSSCursor::isValidIndex(unsigned index) const {
    VSTRI_CSSCursor copy(*this);
    return seek(index, copy);
}

V_STRING VSTRI_CSSCursor::getStringByIndex(unsigned index) const {
    return getStringByIndex(index, V_STRING());
}

V_STRING VSTRI_CSSCursor::getStringByIndex(unsigned index, const V_STRING& fallback) const {
    VSTRI_CSSCursor copy(*this);
    return seek(index, copy) ? copy.getString() : fallback;
}
