// A grep-style regular-expression engine: compile a pattern once, then find where it occurs.
//
// A VSTRI_Grep compiles its pattern into a small nondeterministic automaton when it is built (and
// in `assign`); `match` then tells whether, and where, the pattern occurs in a text. Positions
// are 1-based; matches go into a VSTRI_MatchingList (orvane/strings/match.h).
//
//   VSTRI_Grep grep("ab", VSTRI_Grep::MatchCase);
//   VSTRI_MatchingList list;
//   list.reinitialize();
//   grep.match("xabyab", list, 1, VSTRI_Grep::AllMatches);   // true: (2, 2) and (5, 2)
//   grep.match("xabyab", list, 1, VSTRI_Grep::FirstMatch);   // true: (2, 2) only
//   VSTRI_Grep("a\\{2,\\}", VSTRI_Grep::IgnoreCase).match("xAAa", 1, VSTRI_Grep::FirstMatch);
//   VSTRI_Grep("(a", VSTRI_Grep::MatchCase).isCompiled();    // true: a missing ")" is allowed
//   VSTRI_Grep("*a", VSTRI_Grep::MatchCase).isCompiled();    // false: nothing ever matches
//
// Syntax: "." any printable character but the blank; "[abc]", "[a-z]", "[^a-z]" classes (the
// negation is taken within the printable characters but the blank); "(...)" groups; "|"
// alternation; "*", "+", "?" and the intervals "\{m\}", "\{m,\}", "\{m,n\}" (m at least 1, n
// above m, both taken modulo 256) after an atom; "^" at the start and "$" at the end of a pattern
// or alternative anchor its first and last atom; "\0101" (octal) and "\0x41" (hexadecimal) are
// character codes; a backslash before any other character stands for that character ("\." is a
// point). Without case sensitivity ASCII letters match in both cases, in classes as well.
//
// How the automaton works, and its consequences:
// - The states are numbered in the order in which the compiler meets the atoms. The matcher runs
//   them with a double-ended queue and a scan marker that separates the states waiting for the
//   current character from those waiting for the next one; a state taken from the front runs
//   before the ones behind it.
// - An alternation tries its branches in order and takes the first that reaches the end of the
//   pattern, unless the other branch has already queued a state for the next character: then the
//   longer match wins ('ab|a' in "abc" gives (1, 2), 'a|ab' gives (1, 1)), and the shorter end
//   is not remembered if the longer one then fails.
// - Counted repetition keeps a counter on the repetition state: an atom repeated to its maximum
//   leaves the loop for good; while a repetition is under way, an attempt that dies ends at the
//   last position where the repetition was satisfied ('a*b' on "aac" gives (1, 2)).
// - An atom is entered at its first state. After another atom, a group that holds an alternation
//   is therefore entered at its first branch only ('x(a|b)' matches "xa", not "xb"); an
//   alternation works fully at the start of a pattern or of a group that starts it.
// - Anchors are checked on the atoms that carry them when those atoms consume a character: a
//   match that consumes none ('^a*' on "bb") is not held to them.
// - `match` tries every position from the start position on, also inside earlier matches, so
//   matches may overlap ("aa" in "aaaa" gives (1, 2), (2, 2), (3, 2)).
//
// Choices:
// - `isCompiled()` tells whether the pattern compiled. A pattern that did not compile matches
//   nothing: both `match` operations return false and write nothing.
// - Compilation fails, and never loops, on: an empty pattern or group, an atom that cannot begin
//   ('*a', '|a', 'a(*)'), a back-reference '\1' to '\9', an invalid interval, a class without
//   its closing "]" ('[abc'), a class range whose upper end is code 255, a backslash at the end of
//   the pattern, and groups nested more than 500 deep. An empty second alternative ('a|', 'a||b')
//   accepts at once, as written; a second alternative that is not empty but fails ('a|*b') fails
//   the whole pattern. A NUL byte in a pattern ends it.
// - The first member of a class is taken even when it is "]" or "-", but a backslash escapes it
//   as anywhere else. A range starts after the last single member, not after an earlier range
//   ('[m-c-z]' holds m and n to z).
// - Case folding affects the ASCII letters only; any other member of a class, 128 to 255
//   included, stays what it is. "." and negation stay within codes 33 to 126, whatever the locale
//   (see orvane/base/char_class.h: bytes of 128 and above are no letters).
// - While compiling, the state table is sized for 2 x pattern length states and grows when a
//   pattern needs more ('a|' needs five). The compiled pattern keeps the states it uses, 16 bytes
//   each, every distinct letter set once (32 bytes) and the bounds of each repetition (8 bytes):
//   about 25 bytes per pattern byte at most ('a|' repeated), its filter and the pattern's own text
//   included, and less than 90 bytes per pattern byte while compiling. The matcher's queue starts
//   small and doubles as needed.
// - Within one position of the text an attempt runs each state at most once (a state queued
//   again for the same position is skipped), so cycles of empty moves such as '(a*)*' cannot
//   loop. A state that two paths queue for the same position therefore runs, and counts its
//   atom, once: 'b*.a\{1,3\}' on "baaa" gives (1, 4), where running it twice would count the
//   second "a" twice and stop at (1, 3).
// - A search skips the positions where no match can begin: compiling works out the bytes a match
//   must begin with and, where the automaton allows, the (up to three) bytes that must follow
//   them, and the literal text that every match begins with, if any ("abc" for 'abcd*'); only
//   the positions that pass get an attempt. A pattern that can match without consuming ('a*',
//   'a|') is tried at every position. A pattern that is one literal and nothing else ('abc', no
//   anchors) matches exactly where that text occurs, so its search is the literal's search.
//
// Cost. The matches are those of one attempt per start position, but a search does not run the
// attempts one by one. Between two positions an attempt is fully described by its configuration:
// the states queued for the next character in queue order, the pending repetition, the counters
// (each held at the value from which no comparison with the repetition's bounds tells larger
// values apart) and the anchors seen. What comes next depends only on that configuration and on
// the text that follows, never on where the attempt began; the one exception, the position where
// the pending repetition was last satisfied, is read only when the attempt dies, and each step
// says whether it keeps that position, sets it to the current one or makes it irrelevant, so it
// is carried along beside the configuration. Attempts in the same configuration therefore move
// as one group: the search walks the text once, takes each group one step per byte, and computes
// each (configuration, byte class) step once and then looks it up. The attempts of a group all
// match or all fail alike (except that one without a saved position fails where one with a saved
// position matches), so of each kind only the earliest, as many as the list can hold, can show
// in the result; the others are dropped, and FirstMatch keeps one.
// - The work per text byte is at most the number of distinct configurations that the attempts
//   at that byte are in, a number that depends on the pattern alone; for the common patterns it
//   is a handful (on a line of "a": one for '(a*)*b', three for 'aa*ab', eight for
//   'a\{3,7\}b'), so a search is linear in the text: 4 MiB of "a" with
//   '(a*)*b' takes about 20 ms, where trying each position in turn took hours. What raises the
//   number: counted intervals, whose counters multiply the configurations (each '\{m,n\}' up to
//   n + 1 values, nested ones the product), and a literal that overlaps itself, which has up to
//   its length of attempts in flight ('aaaa' on "aaaa..."). Unbounded counters ('*', '+',
//   '\{m,\}') count only up to their minimum, except on a text of 2^31 - 2 bytes or more, where
//   they count to their maximum.
// - AllMatches also writes its matches; with a list of capacity c it keeps up to c attempts per
//   group, and merging two groups costs their members.
// - Memory: the steps are cached up to about 8 MiB per search; when the cache is full it starts
//   again from the configurations in use, so a search needs that bound, the groups and the
//   matches it keeps, and nothing per text byte.
// - The text is its `length()` bytes; a NUL byte inside it is an ordinary character (matched by
//   '\0'), and no atom consumes the end of the text.
// - At the end of the text a repetition state behaves as anywhere else: the atoms after the
//   repetition must still match ('xa*y' does not match "x"); a repetition that has counted
//   occurrences still ends a dying attempt at its last satisfied position, so 'a*b' on "aaa"
//   gives (1, 3).
// - A candidate whose anchors do not hold (a begin anchor away from position 1, an end anchor
//   away from the end of the text) is skipped and the search goes on with the next position:
//   'b$' in "abab" with FirstMatch gives (4, 1), '^b' in "ab" gives false.
// - The start position must lie between 1 and length + 1 (length + 1 tries only the end of the
//   text); 0 or anything beyond gives false and writes nothing.
// - Matches beyond the capacity of the list are counted (the result is true) but not written.
// - The counters and saved ends of a match live in scratch space of that call, so `match` is a
//   true const operation: one VSTRI_Grep may be matched from several threads at once.
// - Allocation failure throws VSYST_OutOfMemory; `assign` then leaves the object as it was.
#ifndef ORVANE_STRINGS_GREP_H
#define ORVANE_STRINGS_GREP_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/strings/grep_automaton.h"
#include "orvane/strings/grep_start_filter.h"
#include "orvane/strings/match.h"

// A compiled regular expression (see the syntax above) that finds where it occurs in a text.
class ORVANE_API VSTRI_Grep {
public:
    // Whether letters match in their own case only.
    enum CaseSensitive : int {
        IgnoreCase = 0,
        MatchCase = 1
    };  // any non-zero value: case-sensitive
    // Whether `match` records every match or only the first.
    enum SearchMode : int { AllMatches = 0, FirstMatch = 1 };  // any value but 1: AllMatches

    // Compiles `pattern`; see isCompiled() for the outcome.
    VSTRI_Grep(const V_STRING& pattern, CaseSensitive caseSensitive);
    // Copies the pattern and its compiled automaton.
    VSTRI_Grep(const VSTRI_Grep& other);
    VSTRI_Grep& operator=(const VSTRI_Grep& other);
    virtual ~VSTRI_Grep();

    // Replaces the pattern and compiles it.
    VSTRI_Grep& assign(const V_STRING& pattern, CaseSensitive caseSensitive);

    // The pattern as given.
    const V_STRING& patternString() const { return m_pattern; }
    // True: case-sensitive.
    bool caseQuestion() const { return m_caseSensitive; }
    // Whether the pattern compiled; a pattern that did not matches nothing.
    bool isCompiled() const { return m_compiled; }
    // The compiled automaton (empty when the pattern did not compile).
    const VSTRI_StateSet& states() const { return m_states; }

    // Equal when pattern text and case flag are equal.
    bool operator==(const VSTRI_Grep& other) const;
    bool operator!=(const VSTRI_Grep& other) const { return !(*this == other); }

    // Searches `text` from the 1-based position `start` and records the matches in `list` from
    // index 0 upwards (FirstMatch: the first one only). True when anything matched.
    bool match(const V_STRING& text, VSTRI_MatchingList& list, unsigned long start,
               SearchMode mode) const;
    // The same without recording.
    bool match(const V_STRING& text, unsigned long start, SearchMode mode) const;

private:
    bool search(const V_STRING& text, VSTRI_MatchingList* list, unsigned long start,
                SearchMode mode) const;

    V_STRING m_pattern;
    bool m_caseSensitive = true;
    bool m_compiled = false;
    VSTRI_StateSet m_states;
    VSTRI_StartFilter m_filter;
};

#endif
