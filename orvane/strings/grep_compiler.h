// The pattern compiler of VSTRI_Grep. Internal to the regular-expression engine: not part of the
// library's interface, and not in the umbrella header.
//
// A recursive-descent parser that numbers the automaton's states in the order in which it meets
// the atoms (see orvane/strings/grep.h for the syntax and what the states mean).
#ifndef ORVANE_STRINGS_GREP_COMPILER_H
#define ORVANE_STRINGS_GREP_COMPILER_H

#include <cstdint>

#include "orvane/base/v_string.h"
#include "orvane/strings/grep.h"

namespace orvane::grep {

// The greatest count of "*", "+" and "\{m,\}": no upper bound in practice.
constexpr std::uint32_t kUnbounded = 2147483647u;

// Compiles `pattern` into `states`; false when the pattern does not compile (then `states` holds
// whatever was built so far). Throws VSYST_OutOfMemory when memory runs out.
bool compile(const V_STRING& pattern, bool caseSensitive, VSTRI_StateSet& states);

}  // namespace orvane::grep

#endif
