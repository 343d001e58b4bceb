#include "orvane/strings/grep_automaton.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

std::uint32_t VSTRI_StateSet::addLetters(const VSTRI_LetterSet& letters) {
    m_letters.push_back(letters);
    return static_cast<std::uint32_t>(m_letters.size() - 1);
}

void VSTRI_StateSet::makeLetter(std::size_t n, std::uint32_t letters) {
    m_states[n].kind = VSTRI_Tripel::Letter;
    m_states[n].detail = letters;
}

void VSTRI_StateSet::makeRepetition(std::size_t n, std::uint32_t min, std::uint32_t max) {
    m_bounds.push_back({min, max});
    m_states[n].kind = VSTRI_Tripel::Repetition;
    m_states[n].detail = static_cast<std::uint32_t>(m_bounds.size() - 1);
}

void VSTRI_StateSet::clear() {
    m_states.clear();
    m_letters.clear();
    m_bounds.clear();
    m_classes = Classes();
}

void VSTRI_StateSet::compact() {
    m_states.shrink_to_fit();
    m_letters.shrink_to_fit();
    m_bounds.shrink_to_fit();
    // Two bytes are in one class when every letter set holds both or neither. Each set in turn
    // splits the classes it touches: its members move to a new class per old class. Class numbers
    // are handed out without reuse and made dense again when they run high, and at the end.
    std::uint32_t cls[256] = {};
    std::uint32_t classes = 1;
    // One set adds at most 256 numbers, and they are made dense again from kRenumber on.
    constexpr std::uint32_t kRenumber = 768;
    // Per class below `classes`: the set that last split it, plus 1, and the class its members
    // moved to.
    std::uint32_t splitAt[kRenumber + 256];
    std::uint32_t splitInto[kRenumber + 256];
    splitAt[0] = 0;
    const auto renumber = [&] {
        std::uint32_t map[kRenumber + 256];
        std::fill(map, map + classes, 0xFFFFFFFFu);
        std::uint32_t next = 0;
        for (unsigned int c = 0; c < 256; ++c) {
            if (map[cls[c]] == 0xFFFFFFFFu) map[cls[c]] = next++;
            cls[c] = map[cls[c]];
        }
        std::fill(splitAt, splitAt + next, 0u);
        classes = next;
    };
    for (std::size_t k = 0; k < m_letters.size(); ++k) {
        if (classes > kRenumber) renumber();
        const auto mark = static_cast<std::uint32_t>(k + 1);
        for (unsigned int part = 0; part < 4; ++part) {
            for (std::uint64_t bits = m_letters[k].word(part); bits != 0; bits &= bits - 1) {
                const unsigned int c = 64 * part + static_cast<unsigned int>(__builtin_ctzll(bits));
                const std::uint32_t old = cls[c];
                if (splitAt[old] != mark) {
                    splitAt[old] = mark;
                    splitAt[classes] = 0;
                    splitInto[old] = classes++;
                }
                cls[c] = splitInto[old];
            }
        }
    }
    renumber();
    m_classes.count = classes;
    for (unsigned int c = 0; c < 256; ++c) {
        m_classes.of[c] = static_cast<std::uint8_t>(cls[c]);
        m_classes.representative[cls[c]] = static_cast<unsigned char>(c);
    }
}

void VSTRI_StateSet::swap(VSTRI_StateSet& other) noexcept {
    m_states.swap(other.m_states);
    m_letters.swap(other.m_letters);
    m_bounds.swap(other.m_bounds);
    std::swap(m_classes, other.m_classes);
}
