// The automaton of a compiled VSTRI_Grep pattern: its states and the characters they accept.
//
// A pattern compiles into a table of states addressed by number (orvane/strings/grep.h tells how
// the matcher runs them). State 0 is the entry; its successor is the first state of the pattern.
// The last state is the final state: a null state whose successor 0 means "accept".
//
//   VSTRI_Grep grep("ab*", VSTRI_Grep::MatchCase);
//   const VSTRI_StateSet& states = grep.states();   // 0: entry, 1: 'a', 2: 'b', 3: '*', 4: final
//   states[1].letters.contains('a');                // true
#ifndef ORVANE_STRINGS_GREP_AUTOMATON_H
#define ORVANE_STRINGS_GREP_AUTOMATON_H

#include <bitset>
#include <cstdint>
#include <vector>

// The characters a letter state accepts: a map of the 256 byte values.
class VSTRI_LetterSet {
public:
    // Adds the byte `c`.
    void add(unsigned char c) { m_members.set(c); }
    // Adds every byte of `other`.
    void addAll(const VSTRI_LetterSet& other) { m_members |= other.m_members; }
    // Whether `c` is in the set.
    bool contains(unsigned char c) const { return m_members.test(c); }
    // The number of bytes in the set.
    std::size_t count() const { return m_members.count(); }

private:
    std::bitset<256> m_members;
};

// One state of the automaton.
struct VSTRI_Tripel {
    // A letter state consumes one character of `letters`; a null state moves on without
    // consuming; a repetition state counts the passes through its loop.
    enum Kind : std::uint8_t { Letter = 0, Null = 1, Repetition = 2 };

    std::uint8_t kind = Letter;  // a Kind
    VSTRI_LetterSet letters;     // the characters a letter state accepts
    bool beginAnchor = false;    // the consumed character must be the text's first
    bool endAnchor = false;      // the consumed character must be the text's last
    std::uint32_t next1 = 0;     // the successor; 0 means accept
    std::uint32_t next2 = 0;     // a second successor where the state branches (else next1)
    std::uint32_t min = 1;       // the least count of a repetition; 1 for other states
    std::uint32_t max = 1;       // the greatest count of a repetition; 1 for other states
};

// The automaton: states addressed by number; 0 is the entry, the last one the final state.
using VSTRI_StateSet = std::vector<VSTRI_Tripel>;

#endif
