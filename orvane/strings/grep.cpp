#include "orvane/strings/grep.h"

#include <utility>

#include "orvane/base/exception.h"
#include "orvane/strings/grep_compiler.h"
#include "orvane/strings/grep_search.h"

VSTRI_Grep::VSTRI_Grep(const V_STRING& pattern, CaseSensitive caseSensitive) {
    assign(pattern, caseSensitive);
}

VSTRI_Grep::VSTRI_Grep(const VSTRI_Grep& other)
    : m_pattern(other.m_pattern),
      m_caseSensitive(other.m_caseSensitive),
      m_compiled(other.m_compiled),
      m_states(orvane::allocating([&] { return other.m_states; })),
      m_filter(orvane::allocating([&] { return other.m_filter; })) {}

VSTRI_Grep& VSTRI_Grep::operator=(const VSTRI_Grep& other) {
    if (this == &other) return *this;
    VSTRI_Grep copy(other);
    m_pattern = std::move(copy.m_pattern);
    m_caseSensitive = copy.m_caseSensitive;
    m_compiled = copy.m_compiled;
    m_states.swap(copy.m_states);
    m_filter = std::move(copy.m_filter);
    return *this;
}

VSTRI_Grep::~VSTRI_Grep() = default;

VSTRI_Grep& VSTRI_Grep::assign(const V_STRING& pattern, CaseSensitive caseSensitive) {
    const bool sensitive = caseSensitive != IgnoreCase;
    V_STRING text(pattern);
    VSTRI_StateSet states;
    bool compiled =
        orvane::allocating([&] { return orvane::grep::compile(text, sensitive, states); });
    if (!compiled) states.clear();
    VSTRI_StartFilter filter;
    orvane::allocating([&] { filter.build(states); });
    m_pattern = std::move(text);
    m_caseSensitive = sensitive;
    m_compiled = compiled;
    m_states.swap(states);
    m_filter = std::move(filter);
    return *this;
}

bool VSTRI_Grep::operator==(const VSTRI_Grep& other) const {
    return m_pattern == other.m_pattern && m_caseSensitive == other.m_caseSensitive;
}

bool VSTRI_Grep::match(const V_STRING& text, VSTRI_MatchingList& list, unsigned long start,
                       SearchMode mode) const {
    return search(text, &list, start, mode);
}

bool VSTRI_Grep::match(const V_STRING& text, unsigned long start, SearchMode mode) const {
    return search(text, nullptr, start, mode);
}

bool VSTRI_Grep::search(const V_STRING& text, VSTRI_MatchingList* list, unsigned long start,
                        SearchMode mode) const {
    if (!m_compiled || m_states.empty()) return false;
    return orvane::allocating([&] {
        return orvane::grep::search(m_states, m_filter, text, list, start, mode == FirstMatch);
    });
}
