// Where a match of a compiled VSTRI_Grep pattern can begin: the positions a search must try.
//
// The filter is worked out once from the automaton; a search then asks it for the next position
// that may begin a match and skips the others, which are exactly the positions where an attempt
// would fail at once or after a few bytes.
#ifndef ORVANE_STRINGS_GREP_START_FILTER_H
#define ORVANE_STRINGS_GREP_START_FILTER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "orvane/strings/grep_automaton.h"

// Where a match can begin, worked out from a compiled automaton: the bytes a match must begin
// with and, as far as the automaton allows the test, the bytes that must follow them (up to four
// bytes in all), and the literal text every match begins with where the pattern starts with one
// (a chain of single characters that neither branch nor repeat, "abc" in 'abcd*'). The search
// tries only the positions that pass, which gives the same matches as trying every position.
//
// A literal of two bytes or more is found by its least common byte in ordinary text (the C
// library's memchr, which uses the widest vector unit the processor has), each hit checked
// against the whole literal; where that byte turns out common in the text, the C library's
// memmem takes over, which is linear whatever the text. Checking a candidate costs at most the
// literal's length, so a search whose attempts overlap on a periodic literal ('aaaa' in
// "aaaaaa") does work proportional to the text times the literal's length.
class VSTRI_StartFilter {
public:
    // Works out the filter of `states`; none for a pattern that can match without consuming.
    void build(const VSTRI_StateSet& states);
    // The 0-based index, from `from` on, of the first byte of `text` (`length` bytes) where a
    // match may begin; `length` when there is none. Every position when there is no filter.
    std::uint32_t next(const char* text, std::uint32_t from, std::uint32_t length) const;
    // Whether the pattern is its literal and nothing else (no anchors): then its matches are the
    // literal's occurrences, each as long as the literal.
    bool wholeLiteral() const { return m_whole; }
    // The literal every match begins with (may be empty).
    const std::vector<unsigned char>& literal() const { return m_literal; }
    // The same for the 64 bytes from `from` on, as a mask: bit k is set when a match may begin at
    // the 0-based index from + k (bits at or past `length` are clear).
    std::uint64_t mask(const char* text, std::uint32_t from, std::uint32_t length) const;

private:
    static constexpr std::size_t kDepth = 4;
    // Whether the bytes from `at` on pass the tests after the first `checked` ones.
    bool follows(const unsigned char* bytes, std::uint32_t at, std::uint32_t length,
                 std::size_t checked) const;
    // Whether the literal's bytes past the first `checked` ones and the depth follow at `at`.
    bool literalFollows(const unsigned char* bytes, std::uint32_t at, std::uint32_t length,
                        std::size_t checked) const;
    // The first index from `from` on where the literal occurs and the other tests pass.
    std::uint32_t nextLiteral(const unsigned char* bytes, std::uint32_t from,
                              std::uint32_t length) const;

    // A match's byte k is in m_bytes[k], for k below m_depth (0: no filter).
    std::uint8_t m_depth = 0;
    VSTRI_LetterSet m_bytes[kDepth];
    // The first bytes as at most four ranges [low, high] (m_ranges 0: more than four ranges).
    std::uint8_t m_ranges = 0;
    unsigned char m_low[4] = {};
    unsigned char m_high[4] = {};
    // The literal every match begins with (may be empty).
    std::vector<unsigned char> m_literal;
    // The index in the literal of its least common byte.
    std::uint32_t m_rare = 0;
    bool m_whole = false;
};

#endif
