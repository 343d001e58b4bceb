// Random searches over the whole pattern dialect, and their check against the reference matcher.
// Shared by the differential test and the differential fuzz target.
#ifndef ORVANE_TESTS_STRINGS_GREP_CASES_H
#define ORVANE_TESTS_STRINGS_GREP_CASES_H

#include <orvane/strings/grep.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane::test {

// One search: pattern and case flag, text, start position, mode, and the list's capacity (-1:
// the overload without a list).
struct GrepCase {
    std::string pattern;
    bool caseSensitive = true;
    std::string text;
    unsigned long start = 1;
    bool firstOnly = false;
    int capacity = -1;
};

// Where the choices come from: a seeded generator, or the bytes of a fuzz input (then zero once
// they are used up).
class GrepChoices {
public:
    explicit GrepChoices(std::uint64_t seed) : m_state(seed * 2 + 1) {}
    GrepChoices(const std::uint8_t* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}
    // A number in [0, n).
    unsigned int below(unsigned int n);

private:
    std::uint64_t m_state = 0;
    const std::uint8_t* m_bytes = nullptr;
    std::size_t m_size = 0;
};

// A random search: patterns with groups, alternation, all repetition operators and intervals,
// anchors, classes, escapes and now and then an error; texts random or built to make
// attempts long (runs of one letter, repeated pairs).
GrepCase makeGrepCase(GrepChoices& choices);

// The matcher of VSTRI_Grep as it is defined (grep_reference.cpp): what `grep.match(text, *list,
// start, mode)` must do (`list` may be null: no recording). One attempt per start position, each
// run on its own from scratch; quadratic in the text, but plain.
bool referenceMatch(const VSTRI_Grep& grep, const V_STRING& text, VSTRI_MatchingList* list,
                    unsigned long start, VSTRI_Grep::SearchMode mode);

// "" when the search and the reference agree on the result and on every record of the list;
// otherwise what differs.
std::string compareWithReference(const GrepCase& c);

}  // namespace orvane::test

#endif
