// The search of VSTRI_Grep. Internal to the regular-expression engine: not part of the library's
// interface, and not in the umbrella header.
#ifndef ORVANE_STRINGS_GREP_SEARCH_H
#define ORVANE_STRINGS_GREP_SEARCH_H

#include <cstddef>

#include "orvane/base/v_string.h"
#include "orvane/strings/grep_automaton.h"
#include "orvane/strings/grep_start_filter.h"
#include "orvane/strings/match.h"

namespace orvane::grep {

// Searches `text` from the 1-based position `start` with the compiled `states` and records the
// matches in `list` (may be null) from index 0 upwards; only the first one when `firstOnly`.
// True when anything matched. Throws VSYST_OutOfMemory when memory runs out.
bool search(const VSTRI_StateSet& states, const VSTRI_StartFilter& filter, const V_STRING& text,
            VSTRI_MatchingList* list, unsigned long start, bool firstOnly);

}  // namespace orvane::grep

#endif
