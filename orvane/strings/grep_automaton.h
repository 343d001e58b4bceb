// The automaton of a compiled VSTRI_Grep pattern: its states and the characters they accept.
//
// A pattern compiles into a table of states addressed by number (orvane/strings/grep.h tells how
// the matcher runs them). State 0 is the entry; its successor is the first state of the pattern.
// The last state is the final state: a null state whose successor 0 means "accept".
//
//   VSTRI_Grep grep("ab*", VSTRI_Grep::MatchCase);
//   const VSTRI_StateSet& states = grep.states();   // 0: entry, 1: 'a', 2: 'b', 3: '*', 4: final
//   states.letters(1).contains('a');                // true
#ifndef ORVANE_STRINGS_GREP_AUTOMATON_H
#define ORVANE_STRINGS_GREP_AUTOMATON_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "orvane/base/export.h"

// The characters a letter state accepts: a map of the 256 byte values, as four 64-bit words.
class VSTRI_LetterSet {
public:
    // Adds the byte `c`.
    void add(unsigned char c) { m_words[c >> 6] |= std::uint64_t{1} << (c & 63); }
    // Adds every byte of `other`.
    void addAll(const VSTRI_LetterSet& other) {
        for (unsigned int w = 0; w < 4; ++w)
            m_words[w] |= other.m_words[w];
    }
    // Whether `c` is in the set.
    bool contains(unsigned char c) const { return ((m_words[c >> 6] >> (c & 63)) & 1) != 0; }
    // The number of bytes in the set.
    std::size_t count() const {
        std::size_t n = 0;
        for (const std::uint64_t w : m_words)
            n += static_cast<std::size_t>(__builtin_popcountll(w));
        return n;
    }
    // Whether the set holds exactly one byte.
    bool single() const {
        unsigned int nonzero = 0;
        for (const std::uint64_t w : m_words) {
            if (w == 0) continue;
            if ((w & (w - 1)) != 0) return false;
            ++nonzero;
        }
        return nonzero == 1;
    }
    // The least byte in the set; 256 when it is empty.
    unsigned int first() const {
        for (unsigned int w = 0; w < 4; ++w) {
            if (m_words[w] != 0)
                return 64 * w + static_cast<unsigned int>(__builtin_ctzll(m_words[w]));
        }
        return 256;
    }
    // Bytes 64 w to 64 w + 63 of the map, w = 0 to 3: bit k for byte 64 w + k.
    std::uint64_t word(unsigned int w) const { return m_words[w]; }
    bool operator==(const VSTRI_LetterSet& other) const {
        for (unsigned int w = 0; w < 4; ++w) {
            if (m_words[w] != other.m_words[w]) return false;
        }
        return true;
    }
    bool operator!=(const VSTRI_LetterSet& other) const { return !(*this == other); }

private:
    std::uint64_t m_words[4] = {};
};

// One state of the automaton. Its letter set and its repetition bounds live in the automaton
// (VSTRI_StateSet), addressed by `detail`, so that a state takes 16 bytes and equal letter sets
// are held once.
struct VSTRI_Tripel {
    // A letter state consumes one character of its letter set; a null state moves on without
    // consuming; a repetition state counts the passes through its loop.
    enum Kind : std::uint8_t { Letter = 0, Null = 1, Repetition = 2 };

    std::uint8_t kind = Letter;        // a Kind
    bool beginAnchor = false;          // the consumed character must be the text's first
    bool endAnchor = false;            // the consumed character must be the text's last
    std::uint32_t next1 = 0;           // the successor; 0 means accept
    std::uint32_t next2 = 0;           // a second successor where the state branches (else next1)
    std::uint32_t detail = kNoDetail;  // a letter state's set, a repetition state's bounds

    // The detail of a state that has none: a letter state of no characters, say.
    static constexpr std::uint32_t kNoDetail = 0xFFFFFFFFu;
};

// The automaton: states addressed by number; 0 is the entry, the last one the final state.
class ORVANE_API VSTRI_StateSet {
public:
    // Walks the states in order of their numbers.
    using const_iterator = std::vector<VSTRI_Tripel>::const_iterator;

    // The number of states (0 when the pattern did not compile).
    std::size_t size() const { return m_states.size(); }
    // Whether there are no states.
    bool empty() const { return m_states.empty(); }
    // The state numbered `n` (below size()).
    const VSTRI_Tripel& operator[](std::size_t n) const { return m_states[n]; }
    // The state numbered `n`, to change (the compiler).
    VSTRI_Tripel& operator[](std::size_t n) { return m_states[n]; }
    // The first state.
    const_iterator begin() const { return m_states.begin(); }
    // Past the last state.
    const_iterator end() const { return m_states.end(); }

    // The characters state `n` accepts: its letter set for a letter state, none otherwise.
    const VSTRI_LetterSet& letters(std::size_t n) const {
        const VSTRI_Tripel& t = m_states[n];
        return t.kind == VSTRI_Tripel::Letter && t.detail < m_letters.size() ? m_letters[t.detail]
                                                                             : m_none;
    }
    // The bytes that no letter set tells apart form one class, numbered from 0; a step of the
    // matcher depends on the class of its byte only. Set by compact().
    std::uint32_t classCount() const { return m_classes.count; }
    // The class of byte `c`, and one byte of class `cls`.
    std::uint32_t classOf(unsigned char c) const { return m_classes.of[c]; }
    unsigned char representative(std::uint32_t cls) const { return m_classes.representative[cls]; }
    // The letter sets, by the number that a letter state's `detail` holds.
    std::size_t letterSetCount() const { return m_letters.size(); }
    const VSTRI_LetterSet& letterSet(std::uint32_t n) const { return m_letters[n]; }
    // The least and the greatest count of a repetition state; 1 for other states.
    std::uint32_t min(std::size_t n) const {
        const Bounds* b = bounds(n);
        return b != nullptr ? b->min : 1;
    }
    std::uint32_t max(std::size_t n) const {
        const Bounds* b = bounds(n);
        return b != nullptr ? b->max : 1;
    }

    // Building (the compiler): the table holds `count` states, new ones null.
    void resize(std::size_t count) { m_states.resize(count); }
    // Adds a letter set for letter states to use; its number.
    std::uint32_t addLetters(const VSTRI_LetterSet& letters);
    // Makes state `n` a letter state of the set numbered `letters`, or a repetition state of
    // `min` and `max`.
    void makeLetter(std::size_t n, std::uint32_t letters);
    void makeRepetition(std::size_t n, std::uint32_t min, std::uint32_t max);
    // Empties the automaton.
    void clear();
    // Gives back the spare room and works out the byte classes; after building.
    void compact();
    // Exchanges the contents with `other`.
    void swap(VSTRI_StateSet& other) noexcept;

private:
    struct Bounds {
        std::uint32_t min = 1;
        std::uint32_t max = 1;
    };
    const Bounds* bounds(std::size_t n) const {
        const VSTRI_Tripel& t = m_states[n];
        return t.kind == VSTRI_Tripel::Repetition && t.detail < m_bounds.size()
                   ? &m_bounds[t.detail]
                   : nullptr;
    }

    std::vector<VSTRI_Tripel> m_states;
    std::vector<VSTRI_LetterSet> m_letters;
    std::vector<Bounds> m_bounds;
    VSTRI_LetterSet m_none;
    struct Classes {
        std::uint32_t count = 1;
        std::uint8_t of[256] = {};
        unsigned char representative[256] = {};
    };
    Classes m_classes;
};

#endif
