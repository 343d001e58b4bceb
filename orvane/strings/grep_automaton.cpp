#include "orvane/strings/grep_automaton.h"

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
    VSTRI_StateSet().swap(*this);
}

void VSTRI_StateSet::compact() {
    m_states.shrink_to_fit();
    m_letters.shrink_to_fit();
    m_bounds.shrink_to_fit();
}

void VSTRI_StateSet::swap(VSTRI_StateSet& other) noexcept {
    m_states.swap(other.m_states);
    m_letters.swap(other.m_letters);
    m_bounds.swap(other.m_bounds);
}
