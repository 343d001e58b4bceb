#include "orvane/strings/grep_start_filter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The letter states that run at one position before anything is consumed there, from the
// entries on through null and repetition states, both successors followed (the matcher may drop
// some of these ways, never add one). Keeps its scratch space from one position to the next, so
// that following a long literal costs its length, not its length times the automaton's size.
class LettersAhead {
public:
    explicit LettersAhead(const VSTRI_StateSet& states)
        : m_states(states), m_seenAt(states.size(), 0) {}

    // The letter states reached from `entries`, into `letters`. False when the accepting state 0
    // can be reached that way: then the pattern can end there without consuming.
    bool operator()(const std::vector<std::uint32_t>& entries,
                    std::vector<std::uint32_t>& letters) {
        ++m_now;
        m_stack.assign(entries.begin(), entries.end());
        while (!m_stack.empty()) {
            const std::uint32_t s = m_stack.back();
            m_stack.pop_back();
            if (s == 0 || s >= m_states.size()) return false;
            if (m_seenAt[s] == m_now) continue;
            m_seenAt[s] = m_now;
            const VSTRI_Tripel& t = m_states[s];
            if (t.kind == VSTRI_Tripel::Letter) {
                letters.push_back(s);
            } else {
                m_stack.push_back(t.next1);
                m_stack.push_back(t.next2);
            }
        }
        return true;
    }

private:
    const VSTRI_StateSet& m_states;
    std::vector<std::uint64_t> m_seenAt;  // the walk in which a state was last seen
    std::uint64_t m_now = 0;
    std::vector<std::uint32_t> m_stack;
};

// Whether the automaton is a plain chain of `letters` letter states from the entry to the final
// state, through null states that do not branch: no repetition, no choice. Only then does every
// attempt that meets the letters reach the end of the pattern (the walk above follows every way
// through repetitions, also those that a repetition's minimum closes).
bool plainChain(const VSTRI_StateSet& states, std::size_t letters) {
    const std::size_t last = states.size() - 1;
    std::uint32_t s = states[0].next1;
    for (std::size_t seen = 0, steps = 0; steps <= states.size(); ++steps) {
        if (s == 0 || s >= states.size()) return false;
        const VSTRI_Tripel& t = states[s];
        if (t.next1 != t.next2 || t.kind == VSTRI_Tripel::Repetition) return false;
        if (s == last) return seen == letters && t.next1 == 0;
        if (t.kind == VSTRI_Tripel::Letter) ++seen;
        s = t.next1;
    }
    return false;
}

// How common a byte is in ordinary text, higher for more common: the blank, then the lower-case
// letters by their frequency in English prose, then the capitals, digits and punctuation; control
// bytes and bytes above 127 are the rarest. A literal is looked for by its least common byte.
int commonness(unsigned char c) {
    static const char kByFrequency[] = " etaoinsrhldcumfpgwybvkxjqz";
    if (c == 0) return 0;
    if (const char* at = std::strchr(kByFrequency, c))
        return 400 - static_cast<int>(at - kByFrequency);
    if (c >= 'A' && c <= 'Z') return 300 - (c - 'A');
    if (c >= '0' && c <= '9') return 250;
    if (c == '.' || c == ',' || c == '\n' || c == '-' || c == '\'') return 260;
    if (c > 32 && c < 127) return 200;
    return 100;
}

#if defined(__SSE2__)
// The first-byte test on sixteen bytes at a time, for first bytes in up to four ranges: a byte is
// in a range when (byte - low) <= (high - low), unsigned. Bit k of the result for byte k.
class RangeTest {
public:
    RangeTest(const unsigned char* low, const unsigned char* high, unsigned int ranges)
        : m_ranges(ranges) {
        for (unsigned int r = 0; r < ranges; ++r) {
            m_low[r] = _mm_set1_epi8(static_cast<char>(low[r]));
            m_width[r] = _mm_set1_epi8(static_cast<char>(high[r] - low[r]));
        }
    }
    unsigned int operator()(const unsigned char* bytes) const {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        __m128i in = _mm_setzero_si128();
        for (unsigned int r = 0; r < m_ranges; ++r) {
            const __m128i offset = _mm_sub_epi8(block, m_low[r]);
            in = _mm_or_si128(in, _mm_cmpeq_epi8(_mm_min_epu8(offset, m_width[r]), offset));
        }
        return static_cast<unsigned int>(_mm_movemask_epi8(in));
    }

private:
    unsigned int m_ranges;
    __m128i m_low[4];
    __m128i m_width[4];
};
#endif

}  // namespace

void VSTRI_StartFilter::build(const VSTRI_StateSet& states) {
    *this = VSTRI_StartFilter();
    if (states.empty()) return;
    // The letter states that may consume byte k of a match, k = 0, 1, ...: those reached from the
    // entry, then from the states the previous ones lead to. The test of byte k + 1 holds only
    // while no letter state of byte k is followed by its repetition: such a repetition may end
    // the attempt with its saved end without anything consuming the next byte.
    std::vector<std::uint32_t> ahead{states[0].next1};
    // Past the first kDepth bytes the chain goes on only while it is the literal: one letter
    // state of one byte at each step.
    bool literal = true;
    bool anchored = false;  // a letter of the literal carries an anchor
    LettersAhead lettersAhead(states);
    std::vector<std::uint32_t> letters;
    for (std::size_t k = 0;; ++k) {
        // The literal has led to the final state: it is the whole pattern.
        if (literal && k > 0 && ahead.size() == 1 && ahead[0] + 1 == states.size()) {
            m_whole = !anchored && plainChain(states, k);
            break;
        }
        letters.clear();
        if (!lettersAhead(ahead, letters)) break;
        if (k < kDepth) {
            for (const std::uint32_t s : letters)
                m_bytes[k].addAll(states.letters(s));
            m_depth = static_cast<std::uint8_t>(k + 1);
        }
        literal = literal && letters.size() == 1 && states.letters(letters[0]).single();
        if (literal) {
            m_literal.push_back(static_cast<unsigned char>(states.letters(letters[0]).first()));
            anchored = anchored || states[letters[0]].beginAnchor || states[letters[0]].endAnchor;
        }
        if (!literal && k + 1 >= kDepth) break;
        ahead.clear();
        for (const std::uint32_t s : letters) {
            if (states[s].next2 == s + 1 && s + 1 < states.size() &&
                states[s + 1].kind == VSTRI_Tripel::Repetition) {
                ahead.clear();
                break;
            }
            ahead.push_back(states[s].next1);
        }
        if (ahead.empty()) break;
    }
    m_literal.shrink_to_fit();
    for (std::size_t k = 1; k < m_literal.size(); ++k) {
        if (commonness(m_literal[k]) < commonness(m_literal[m_rare]))
            m_rare = static_cast<std::uint32_t>(k);
    }
    if (m_depth == 0) return;

    unsigned int ranges = 0;
    for (unsigned int c = 0; c < 256; ++c) {
        if (!m_bytes[0].contains(static_cast<unsigned char>(c))) continue;
        if (c > 0 && m_bytes[0].contains(static_cast<unsigned char>(c - 1))) {
            if (ranges <= 4) m_high[ranges - 1] = static_cast<unsigned char>(c);
            continue;
        }
        if (ranges < 4) m_low[ranges] = m_high[ranges] = static_cast<unsigned char>(c);
        ++ranges;
    }
    m_ranges = static_cast<std::uint8_t>(ranges <= 4 ? ranges : 0);
}

inline bool VSTRI_StartFilter::follows(const unsigned char* bytes, std::uint32_t at,
                                       std::uint32_t length, std::size_t checked) const {
    for (std::size_t k = checked; k < m_depth; ++k) {
        if (at + k >= length || !m_bytes[k].contains(bytes[at + k])) return false;
    }
    return m_literal.size() <= std::max<std::size_t>(checked, m_depth) ||
           literalFollows(bytes, at, length, checked);
}

bool VSTRI_StartFilter::literalFollows(const unsigned char* bytes, std::uint32_t at,
                                       std::uint32_t length, std::size_t checked) const {
    const std::size_t size = m_literal.size();
    const std::size_t from = std::max<std::size_t>(checked, m_depth);
    return length - at >= size &&
           std::memcmp(bytes + at + from, m_literal.data() + from, size - from) == 0;
}

std::uint32_t VSTRI_StartFilter::nextLiteral(const unsigned char* bytes, std::uint32_t from,
                                             std::uint32_t length) const {
    const std::size_t size = m_literal.size();
    if (length < from || length - from < size) return length;
    // The literal's rarest byte, found with memchr, then the whole literal around it. When the
    // rare byte turns out common in this text (more than one false hit in 32 bytes), memmem
    // takes over: it is linear whatever the text.
    const std::uint32_t last = length - static_cast<std::uint32_t>(size);  // the last start
    std::uint32_t i = from;
    std::uint32_t misses = 0;
    while (i <= last) {
        if (misses > 8 + (i - from) / 32) {
            const void* hit = memmem(bytes + i, length - i, m_literal.data(), size);
            if (hit == nullptr) return length;
            i = static_cast<std::uint32_t>(static_cast<const unsigned char*>(hit) - bytes);
            if (follows(bytes, i, length, size)) return i;
            ++i;
            continue;
        }
        const void* hit = std::memchr(bytes + i + m_rare, m_literal[m_rare], last - i + 1);
        if (hit == nullptr) return length;
        i = static_cast<std::uint32_t>(static_cast<const unsigned char*>(hit) - bytes) - m_rare;
        if (std::memcmp(bytes + i, m_literal.data(), size) == 0 && follows(bytes, i, length, size))
            return i;
        ++misses;
        ++i;
    }
    return length;
}

std::uint32_t VSTRI_StartFilter::next(const char* text, std::uint32_t from,
                                      std::uint32_t length) const {
    if (m_depth == 0) return from;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (m_literal.size() >= 2) return nextLiteral(bytes, from, length);
    std::uint32_t i = from;
    if (m_ranges == 1 && m_low[0] == m_high[0]) {
        // One byte: the C library's search.
        while (i < length) {
            const void* hit = std::memchr(bytes + i, m_low[0], length - i);
            if (hit == nullptr) return length;
            i = static_cast<std::uint32_t>(static_cast<const unsigned char*>(hit) - bytes);
            if (follows(bytes, i, length, 1)) return i;
            ++i;
        }
        return length;
    }
#if defined(__SSE2__)
    if (m_ranges > 0) {
        const RangeTest inRange(m_low, m_high, m_ranges);
        for (; i < length && length - i >= 16; i += 16) {  // no wrap-around near 4 GiB
            for (unsigned int mask = inRange(bytes + i); mask != 0; mask &= mask - 1) {
                const std::uint32_t at = i + static_cast<std::uint32_t>(__builtin_ctz(mask));
                if (follows(bytes, at, length, 1)) return at;
            }
        }
    }
#endif
    for (; i < length; ++i) {
        if (m_bytes[0].contains(bytes[i]) && follows(bytes, i, length, 1)) return i;
    }
    return length;
}

std::uint64_t VSTRI_StartFilter::mask(const char* text, std::uint32_t from,
                                      std::uint32_t length) const {
    if (from >= length) return 0;
    const std::uint32_t span = length - from < 64 ? length - from : 64;
    const std::uint64_t inside = span == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << span) - 1;
    if (m_depth == 0) return inside;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::uint64_t first = 0;
    std::uint32_t k = 0;
#if defined(__SSE2__)
    if (m_ranges > 0) {
        const RangeTest inRange(m_low, m_high, m_ranges);
        for (; k + 16 <= span; k += 16)
            first |= static_cast<std::uint64_t>(inRange(bytes + from + k)) << k;
    }
#endif
    for (; k < span; ++k) {
        if (m_bytes[0].contains(bytes[from + k])) first |= std::uint64_t{1} << k;
    }
    if (m_depth == 1 && m_literal.size() <= 1) return first;
    std::uint64_t result = 0;
    for (std::uint64_t rest = first; rest != 0; rest &= rest - 1) {
        const auto at = static_cast<std::uint32_t>(__builtin_ctzll(rest));
        if (follows(bytes, from + at, length, 1)) result |= std::uint64_t{1} << at;
    }
    return result;
}
