// The matcher of VSTRI_Grep as it is defined: one attempt per start position, each run on its own
// from scratch. Quadratic in the text, but plain; the tests check the search against it.
#ifndef ORVANE_TESTS_STRINGS_GREP_REFERENCE_H
#define ORVANE_TESTS_STRINGS_GREP_REFERENCE_H

#include <orvane/strings/grep.h>

namespace orvane::test {

// What `grep.match(text, *list, start, mode)` must do (`list` may be null: no recording).
bool referenceMatch(const VSTRI_Grep& grep, const V_STRING& text, VSTRI_MatchingList* list,
                    unsigned long start, VSTRI_Grep::SearchMode mode);

}  // namespace orvane::test

#endif
