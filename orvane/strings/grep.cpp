#include "orvane/strings/grep.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "orvane/base/char_class.h"
#include "orvane/base/exception.h"

namespace {

constexpr std::uint32_t kUnbounded = 2147483647u;
constexpr std::uint32_t kScanMarker = 0xFFFFFFFFu;
constexpr int kMaxGroupNesting = 500;
// Longer patterns do not compile: their state numbers would not fit the 32-bit table.
constexpr unsigned long kMaxPatternLength = 0x3FFFFFFFul;

// The printable characters without the blank, independent of the C locale.
constexpr bool isGraphic(unsigned int c) {
    return c > 32 && c < 127;
}

constexpr bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

int hexValue(char c) {
    if (orvane::chars::isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The recursive-descent compiler. Each rule returns the number of its entry state, or 0: either
// nothing was there (an empty concatenation) or the rule failed, which sets `m_failed`.
class Compiler {
public:
    Compiler(const V_STRING& pattern, bool caseSensitive, VSTRI_StateSet& states)
        : m_cursor(pattern.data()),
          m_length(static_cast<std::uint32_t>(pattern.length())),
          m_caseSensitive(caseSensitive),
          m_states(states) {
        m_current = m_length > 0 ? m_cursor[0] : '\0';
    }

    // Builds the automaton; false when the pattern does not compile.
    bool compile() {
        m_states.assign(2 * static_cast<std::size_t>(m_length) + 2, VSTRI_Tripel());
        m_pointers.assign(m_states.size(), {});
        const std::uint32_t entry = pattern();
        if (entry == 0 || m_failed) return false;
        VSTRI_Tripel& start = state(0);
        start.kind = VSTRI_Tripel::Null;
        link(0, entry, entry);
        VSTRI_Tripel& last = state(m_stateCount);
        last.kind = VSTRI_Tripel::Null;
        link(m_stateCount, 0, 0);
        m_states.resize(static_cast<std::size_t>(m_stateCount) + 1);
        return true;
    }

private:
    // Reading.
    void nextChar() {
        if (m_index < m_length) ++m_index;
        m_current = m_index < m_length ? m_cursor[m_index] : '\0';
    }
    char peekChar() const { return m_index + 1 < m_length ? m_cursor[m_index + 1] : '\0'; }
    bool matchChar(char c) {
        if (m_current != c) return false;
        nextChar();
        return true;
    }
    bool atEnd() const { return m_current == '\0'; }

    std::uint32_t fail() {
        m_failed = true;
        return 0;
    }

    // The state numbered `n`, growing the table when a pattern needs more states.
    VSTRI_Tripel& state(std::uint32_t n) {
        if (n >= m_states.size()) {
            m_states.resize(static_cast<std::size_t>(n) + 1 + m_states.size() / 2);
            m_pointers.resize(m_states.size());
        }
        return m_states[n];
    }
    bool isRepetition(std::uint32_t n) const {
        return n < m_states.size() && m_states[n].kind == VSTRI_Tripel::Repetition;
    }

    // Sets both successors of state `s`, remembering who points where, so that a repetition can
    // find the states that lead into its atom without scanning the whole table.
    void link(std::uint32_t s, std::uint32_t next1, std::uint32_t next2) {
        VSTRI_Tripel& t = state(s);
        t.next1 = next1;
        t.next2 = next2;
        state(next1);
        state(next2);
        m_pointers[next1].push_back(s);
        if (next2 != next1) m_pointers[next2].push_back(s);
    }

    std::uint32_t newAtom(const VSTRI_LetterSet& letters) {
        const std::uint32_t s = m_stateCount;
        VSTRI_Tripel& t = state(s);
        t.kind = VSTRI_Tripel::Letter;
        t.letters = letters;  // anchors set by "^" on this state stay
        t.min = t.max = 1;
        link(s, s + 1, s + 1);
        ++m_stateCount;
        return s;
    }

    // The state that "$" anchors: the last atom's state.
    void setEndAnchor() {
        std::uint32_t s = m_stateCount - 1;
        if (s >= 1 && isRepetition(s)) --s;
        if (s >= 1) state(s).endAnchor = true;
    }

    // pattern: ["^"] regexList ["$"]
    std::uint32_t pattern() {
        if (matchChar('^')) state(m_stateCount).beginAnchor = true;
        const std::uint32_t t = regexList();
        if (t == 0) return 0;
        if (matchChar('$')) setEndAnchor();
        return t;
    }

    // A bar that separates two alternatives, with a "$" before it anchoring the first one.
    bool takeBar() {
        if (m_current == '$' && peekChar() == '|') {
            setEndAnchor();
            nextChar();
        }
        return matchChar('|');
    }

    // regexList: concatenation ["|" pattern]. The second alternative is compiled here in a loop
    // rather than by recursion, so that a long chain of alternatives needs no deep stack; the
    // states are numbered exactly as the recursion would number them.
    std::uint32_t regexList() {
        struct Alternation {
            std::uint32_t join;   // J: where the first alternative ends
            std::uint32_t entry;  // E: the choice between the two alternatives
            std::uint32_t first;  // the first alternative's entry
        };
        std::vector<Alternation> open;
        std::uint32_t t = concatenation();
        while (t != 0 && takeBar()) {
            const std::uint32_t join = m_stateCount;
            state(join + 1);
            m_stateCount += 2;
            open.push_back({join, join + 1, t});
            // The second alternative is a pattern of its own: it may start with "^".
            if (matchChar('^')) state(m_stateCount).beginAnchor = true;
            t = concatenation();
        }
        while (!open.empty()) {
            if (m_failed) return 0;
            // The end of the inner pattern: its "$", when its list was not empty.
            if (t != 0 && matchChar('$')) setEndAnchor();
            const Alternation a = open.back();
            open.pop_back();
            state(a.entry).kind = VSTRI_Tripel::Null;
            link(a.entry, t, a.first);  // an empty second alternative accepts at once
            state(a.join).kind = VSTRI_Tripel::Null;
            link(a.join, m_stateCount, m_stateCount);
            t = a.entry;
        }
        return t;
    }

    // concatenation: occurences until the end, "$", ")" or "|".
    std::uint32_t concatenation() {
        std::uint32_t entry = 0;
        while (!atEnd() && m_current != '$' && m_current != ')' && m_current != '|') {
            const std::uint32_t t = occurences();
            if (t == 0) return fail();
            if (entry == 0) entry = t;
        }
        return entry;
    }

    // occurences: an atom with an optional repetition operator.
    std::uint32_t occurences() {
        const std::uint32_t a = regex();
        if (a == 0) return fail();
        std::uint32_t min = 1;
        std::uint32_t max = 1;
        if (matchChar('*')) {
            min = 0;
            max = kUnbounded;
        } else if (matchChar('+')) {
            min = 1;
            max = kUnbounded;
        } else if (matchChar('?')) {
            min = 0;
            max = 1;
        } else if (m_current == '\\' && peekChar() == '{') {
            nextChar();
            nextChar();
            if (!minMax(min, max)) return fail();
        } else {
            return a;
        }
        const std::uint32_t r = m_stateCount;
        VSTRI_Tripel& rep = state(r);
        rep.kind = VSTRI_Tripel::Repetition;
        rep.min = min;
        rep.max = max;
        link(r, r + 1, a);
        // (1) The state before the atom now leads to the repetition.
        link(a - 1, r, r);
        // (2) So does every earlier state that led to the atom's last state.
        const std::vector<std::uint32_t> into = m_pointers[r - 1];
        for (const std::uint32_t s : into) {
            if (s < 1 || s >= a) continue;
            VSTRI_Tripel& t = m_states[s];
            const std::uint32_t n1 = t.next1 == r - 1 ? r : t.next1;
            const std::uint32_t n2 = t.next2 == r - 1 ? r : t.next2;
            if (n1 != t.next1 || n2 != t.next2) link(s, n1, n2);
        }
        // (3) The atom's own states lead back through the repetition.
        for (std::uint32_t s = a; s < r; ++s) {
            VSTRI_Tripel& t = m_states[s];
            if (t.kind == VSTRI_Tripel::Repetition || isRepetition(t.next2)) continue;
            link(s, t.next1, r);
        }
        ++m_stateCount;
        return r;
    }

    // minMax, after "\{": m["\}"], m",\}" or m","n"\}".
    bool minMax(std::uint32_t& min, std::uint32_t& max) {
        if (!is1to9(m_current)) return false;
        const std::uint32_t m = convert();
        if (closesInterval()) {
            min = max = m;
            return true;
        }
        if (!matchChar(',')) return false;
        if (closesInterval()) {
            min = m;
            max = kUnbounded;
            return true;
        }
        if (!orvane::chars::isDigit(m_current)) return false;
        const std::uint32_t n = convert();
        if (!closesInterval() || n <= m) return false;
        min = m;
        max = n;
        return true;
    }
    bool closesInterval() {
        if (m_current != '\\' || peekChar() != '}') return false;
        nextChar();
        nextChar();
        return true;
    }

    // Decimal digits as an 8-bit value (modulo 256).
    std::uint32_t convert() {
        std::uint8_t value = 0;
        while (orvane::chars::isDigit(m_current)) {
            value = static_cast<std::uint8_t>(value * 10 + dec(m_current));
            nextChar();
        }
        return value;
    }
    static int dec(char c) { return c - '0'; }
    static bool is1to9(char c) { return c >= '1' && c <= '9'; }

    // regex: one atom.
    std::uint32_t regex() {
        if (atEnd()) return fail();
        if (matchChar('(')) {
            if (++m_nesting > kMaxGroupNesting) return fail();
            const std::uint32_t t = pattern();
            --m_nesting;
            if (t == 0) return fail();
            matchChar(')');  // a missing ")" is allowed
            return t;
        }
        if (matchChar('.')) return anyChar();
        if (matchChar('[')) return charClass();
        if (m_current == '\\' && is1to9(peekChar())) return fail();  // no back-references
        return literal();
    }

    std::uint32_t literal() {
        switch (m_current) {
            case '\0':
            case '$':
            case '(':
            case ')':
            case '*':
            case '+':
            case '?':
            case '|':
                return fail();
            default:
                break;
        }
        unsigned char c = 0;
        if (!testEscape(c)) return fail();
        VSTRI_LetterSet letters;
        letters.add(c);
        if (!m_caseSensitive) fold(letters);
        return newAtom(letters);
    }

    // Adds the other case of every ASCII letter in the set.
    static void fold(VSTRI_LetterSet& letters) {
        for (unsigned int c = 'a'; c <= 'z'; ++c) {
            const unsigned char upper = orvane::chars::toUpper(static_cast<unsigned char>(c));
            if (letters.contains(static_cast<unsigned char>(c)) || letters.contains(upper)) {
                letters.add(static_cast<unsigned char>(c));
                letters.add(upper);
            }
        }
    }

    std::uint32_t anyChar() {
        VSTRI_LetterSet letters;
        for (unsigned int c = 0; c < 255; ++c) {
            if (isGraphic(c)) letters.add(static_cast<unsigned char>(c));
        }
        return newAtom(letters);
    }

    // charClass, after "[": ["^"] member {member | range} "]".
    std::uint32_t charClass() {
        const bool negate = matchChar('^');
        VSTRI_LetterSet members;
        if (atEnd()) return fail();
        unsigned char previous = 0;
        if (!testEscape(previous)) return fail();  // the first member may be "]" or "-"
        members.add(previous);
        while (m_current != ']') {
            if (atEnd()) return fail();  // no closing "]"
            if (m_current == '-' && peekChar() != ']') {
                nextChar();
                if (atEnd()) return fail();
                unsigned char high = 0;
                if (!testEscape(high)) return fail();
                if (high == 255) return fail();
                for (unsigned int c = previous + 1u; c <= high; ++c)
                    members.add(static_cast<unsigned char>(c));
            } else {
                if (!testEscape(previous)) return fail();
                members.add(previous);
            }
        }
        nextChar();
        if (!m_caseSensitive) fold(members);
        if (negate) {
            VSTRI_LetterSet others;
            for (unsigned int c = 0; c < 255; ++c) {
                if (isGraphic(c) && !members.contains(static_cast<unsigned char>(c)))
                    others.add(static_cast<unsigned char>(c));
            }
            members = others;
        }
        return newAtom(members);
    }

    // One character of the pattern, a backslash escape included; false for a backslash at the end.
    bool testEscape(unsigned char& c) {
        if (!matchChar('\\')) {
            c = static_cast<unsigned char>(m_current);
            nextChar();
            return true;
        }
        return escape(c);
    }

    // After a backslash: "\0x41" or "\0X41" (hexadecimal), "\0101" (octal), or the character.
    bool escape(unsigned char& c) {
        if (atEnd()) return false;
        if (!matchChar('0')) {
            c = static_cast<unsigned char>(m_current);
            nextChar();
            return true;
        }
        if (matchChar('x') || matchChar('X')) {
            c = hex();
        } else {
            c = octal();
        }
        return true;
    }
    unsigned char hex() {
        unsigned int value = 0;
        for (int digits = 0; digits < 2 && hexValue(m_current) >= 0; ++digits) {
            value = value * 16 + static_cast<unsigned int>(hexValue(m_current));
            nextChar();
        }
        return static_cast<unsigned char>(value);
    }
    unsigned char octal() {
        unsigned int value = 0;
        for (int digits = 0; digits < 3 && isOctal(m_current); ++digits) {
            value = value * 8 + static_cast<unsigned int>(m_current - '0');
            nextChar();
        }
        return static_cast<unsigned char>(value);
    }

    const char* m_cursor;
    std::uint32_t m_length;
    std::uint32_t m_index = 0;
    bool m_caseSensitive;
    char m_current;
    std::uint32_t m_stateCount = 1;
    VSTRI_StateSet& m_states;
    // For each state, the states that were linked to it (some may have moved on since).
    std::vector<std::vector<std::uint32_t>> m_pointers;
    bool m_failed = false;
    int m_nesting = 0;
};

// The queue of the matcher: state numbers and the scan marker. `push` adds at the front (taken
// next), `put` at the back. A ring buffer whose capacity is a power of two; it doubles when full.
class VSTRI_Deque {
public:
    explicit VSTRI_Deque(std::size_t capacity) {
        std::size_t size = 4;
        while (size < capacity)
            size *= 2;
        m_items.resize(size);
    }

    void clear() { m_first = m_count = 0; }
    std::size_t size() const { return m_count; }
    std::uint32_t back() const { return m_items[(m_first + m_count - 1) & mask()]; }
    void push(std::uint32_t n) {
        grow();
        m_first = (m_first - 1) & mask();
        m_items[m_first] = n;
        ++m_count;
    }
    void put(std::uint32_t n) {
        grow();
        m_items[(m_first + m_count) & mask()] = n;
        ++m_count;
    }
    std::uint32_t pop() {
        const std::uint32_t n = m_items[m_first];
        m_first = (m_first + 1) & mask();
        --m_count;
        return n;
    }

private:
    std::size_t mask() const { return m_items.size() - 1; }
    void grow() {
        if (m_count < m_items.size()) return;
        std::vector<std::uint32_t> larger(m_items.size() * 2);
        for (std::size_t i = 0; i < m_count; ++i)
            larger[i] = m_items[(m_first + i) & mask()];
        m_items.swap(larger);
        m_first = 0;
    }

    std::vector<std::uint32_t> m_items;
    std::size_t m_first = 0;
    std::size_t m_count = 0;
};

// What one `match` call keeps while it runs its attempts: the repetition counters and saved
// ends, and when each state last ran. A value belongs to the current attempt (or position) only
// when its stamp says so, which spares clearing the whole table for every attempt.
struct Scratch {
    explicit Scratch(std::size_t states, std::size_t patternLength)
        : counter(states, 0),
          savedEnd(states, 0),
          counterStamp(states, 0),
          ranAt(states, 0),
          deque(3 * patternLength) {}

    std::vector<std::uint32_t> counter;
    std::vector<std::uint32_t> savedEnd;
    std::vector<std::uint64_t> counterStamp;
    std::vector<std::uint64_t> ranAt;
    VSTRI_Deque deque;
    std::uint64_t attempt = 0;
    std::uint64_t position = 0;

    void touch(std::uint32_t s) {
        if (counterStamp[s] == attempt) return;
        counterStamp[s] = attempt;
        counter[s] = 0;
        savedEnd[s] = 0;
    }
};

bool isOneOne(const VSTRI_Tripel& t) {
    return t.min == 1 && t.max == 1;
}

// One attempt at the 1-based position `p`: the position just after a match, or 0.
std::uint32_t automat(const VSTRI_StateSet& states, const V_STRING& text, std::uint32_t length,
                      std::uint32_t p, bool& beginSeen, bool& endSeen, Scratch& scratch) {
    const std::uint32_t size = static_cast<std::uint32_t>(states.size());
    const char* const characters = text.data();
    VSTRI_Deque& deque = scratch.deque;
    ++scratch.attempt;
    ++scratch.position;
    deque.clear();
    deque.put(kScanMarker);
    std::uint32_t j = p;
    std::uint32_t current = states[0].next1;
    std::uint32_t pending = 0;  // the pending repetition; 0: none
    const auto atEnd = [&] { return j > length; };

    for (;;) {
        while (current != 0) {
            if (current == kScanMarker) {
                ++j;
                ++scratch.position;
                deque.put(kScanMarker);
            } else if (current < size && scratch.ranAt[current] != scratch.position) {
                scratch.ranAt[current] = scratch.position;
                const VSTRI_Tripel& s = states[current];
                if (s.kind == VSTRI_Tripel::Letter) {
                    if (!atEnd() &&
                        s.letters.contains(static_cast<unsigned char>(characters[j - 1]))) {
                        deque.put(s.next1);
                        if (s.beginAnchor) beginSeen = true;
                        if (s.endAnchor) endSeen = true;
                        const std::uint32_t r = current + 1;
                        if (s.next2 == r && r < size &&
                            states[r].kind == VSTRI_Tripel::Repetition) {
                            const VSTRI_Tripel& rep = states[r];
                            scratch.touch(r);
                            ++scratch.counter[r];
                            if (scratch.counter[r] < rep.max || isOneOne(rep)) {
                                pending = r;
                            } else {
                                // The maximum is reached: the repetition is left for good.
                                if (rep.next1 < size && rep.next1 != 0 &&
                                    states[rep.next1].next1 == 0)
                                    return j + 1;
                                const std::uint32_t exit =
                                    rep.next1 < current ? rep.next2 : rep.next1;
                                deque.clear();
                                deque.put(kScanMarker);
                                deque.put(exit);
                                pending = 0;
                            }
                        }
                    }
                } else {
                    deque.push(s.next1);
                    const bool two = s.next2 != s.next1;
                    if (two) deque.push(s.next2);
                    if (s.kind == VSTRI_Tripel::Repetition) {
                        scratch.touch(current);
                        if (scratch.counter[current] < s.min && !isOneOne(s)) {
                            // Too few occurrences yet: only the way back into the atom stays.
                            const std::uint32_t top = deque.pop();
                            if (top < current) {
                                if (two) deque.pop();
                                deque.push(top);
                            }
                        } else {
                            scratch.savedEnd[current] = j;
                        }
                    }
                }
            }
            // Step e: the attempt dies, or the next state is taken.
            if (deque.size() == 1) {
                if (pending == 0) return 0;
                const VSTRI_Tripel& rep = states[pending];
                scratch.touch(pending);
                const bool satisfied = scratch.counter[pending] >= rep.min || isOneOne(rep);
                const std::uint32_t end = scratch.savedEnd[pending];
                return satisfied && end >= p ? end : 0;
            }
            if (atEnd() && deque.back() != kScanMarker) return 0;
            current = deque.pop();
        }
        // The end of the pattern is reached. A state queued for the next character may still
        // lead to a longer match, which is then preferred.
        if (deque.back() == kScanMarker) return j;
        if (atEnd()) return 0;
        current = deque.pop();
    }
}

// The letter states that run at one position before anything is consumed there, from `entries`
// on through null and repetition states, both successors followed (the matcher may drop some of
// these ways, never add one). False when the accepting state 0 can be reached that way: then the
// pattern can end there without consuming.
bool lettersAhead(const VSTRI_StateSet& states, std::vector<std::uint32_t> entries,
                  std::vector<std::uint32_t>& letters) {
    std::vector<bool> seen(states.size(), false);
    while (!entries.empty()) {
        const std::uint32_t s = entries.back();
        entries.pop_back();
        if (s == 0 || s >= states.size()) return false;
        if (seen[s]) continue;
        seen[s] = true;
        const VSTRI_Tripel& t = states[s];
        if (t.kind == VSTRI_Tripel::Letter) {
            letters.push_back(s);
        } else {
            entries.push_back(t.next1);
            entries.push_back(t.next2);
        }
    }
    return true;
}

}  // namespace

void VSTRI_StartFilter::build(const VSTRI_StateSet& states) {
    *this = VSTRI_StartFilter();
    if (states.empty()) return;
    // The letter states that may consume byte k of a match, k = 0, 1, ...: those reached from the
    // entry, then from the states the previous ones lead to. The test of byte k + 1 holds only
    // while no letter state of byte k is followed by its repetition: such a repetition may end
    // the attempt with its saved end without anything consuming the next byte.
    std::vector<std::uint32_t> ahead{states[0].next1};
    for (std::size_t k = 0; k < kDepth; ++k) {
        std::vector<std::uint32_t> letters;
        if (!lettersAhead(states, ahead, letters)) break;
        for (const std::uint32_t s : letters)
            m_bytes[k].addAll(states[s].letters);
        m_depth = static_cast<std::uint8_t>(k + 1);
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

bool VSTRI_StartFilter::follows(const unsigned char* bytes, std::uint32_t at,
                                std::uint32_t length) const {
    for (std::size_t k = 1; k < m_depth; ++k) {
        if (at + k >= length || !m_bytes[k].contains(bytes[at + k])) return false;
    }
    return true;
}

std::uint32_t VSTRI_StartFilter::next(const char* text, std::uint32_t from,
                                      std::uint32_t length) const {
    if (m_depth == 0) return from;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::uint32_t i = from;
    if (m_ranges == 1 && m_low[0] == m_high[0]) {
        // One byte: the C library's search.
        while (i < length) {
            const void* hit = std::memchr(bytes + i, m_low[0], length - i);
            if (hit == nullptr) return length;
            i = static_cast<std::uint32_t>(static_cast<const unsigned char*>(hit) - bytes);
            if (follows(bytes, i, length)) return i;
            ++i;
        }
        return length;
    }
#if defined(__SSE2__)
    if (m_ranges > 0) {
        // Sixteen bytes at a time: a byte is in range when (byte - low) <= (high - low), unsigned.
        __m128i low[4];
        __m128i width[4];
        for (unsigned int r = 0; r < m_ranges; ++r) {
            low[r] = _mm_set1_epi8(static_cast<char>(m_low[r]));
            width[r] = _mm_set1_epi8(static_cast<char>(m_high[r] - m_low[r]));
        }
        for (; i < length && length - i >= 16; i += 16) {  // no wrap-around near 4 GiB
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
            __m128i in = _mm_setzero_si128();
            for (unsigned int r = 0; r < m_ranges; ++r) {
                const __m128i offset = _mm_sub_epi8(block, low[r]);
                in = _mm_or_si128(in, _mm_cmpeq_epi8(_mm_min_epu8(offset, width[r]), offset));
            }
            auto mask = static_cast<unsigned int>(_mm_movemask_epi8(in));
            while (mask != 0) {
                const std::uint32_t at = i + static_cast<std::uint32_t>(__builtin_ctz(mask));
                if (follows(bytes, at, length)) return at;
                mask &= mask - 1;
            }
        }
    }
#endif
    for (; i < length; ++i) {
        if (m_bytes[0].contains(bytes[i]) && follows(bytes, i, length)) return i;
    }
    return length;
}

VSTRI_Grep::VSTRI_Grep(const V_STRING& pattern, CaseSensitive caseSensitive) {
    assign(pattern, caseSensitive);
}

VSTRI_Grep::VSTRI_Grep(const VSTRI_Grep& other)
    : m_pattern(other.m_pattern),
      m_caseSensitive(other.m_caseSensitive),
      m_compiled(other.m_compiled),
      m_states(orvane::allocating([&] { return other.m_states; })),
      m_filter(other.m_filter) {}

VSTRI_Grep& VSTRI_Grep::operator=(const VSTRI_Grep& other) {
    if (this == &other) return *this;
    VSTRI_Grep copy(other);
    m_pattern = std::move(copy.m_pattern);
    m_caseSensitive = copy.m_caseSensitive;
    m_compiled = copy.m_compiled;
    m_states.swap(copy.m_states);
    m_filter = copy.m_filter;
    return *this;
}

VSTRI_Grep::~VSTRI_Grep() = default;

VSTRI_Grep& VSTRI_Grep::assign(const V_STRING& pattern, CaseSensitive caseSensitive) {
    const bool sensitive = caseSensitive != IgnoreCase;
    V_STRING text(pattern);
    VSTRI_StateSet states;
    bool compiled = false;
    if (pattern.length() <= kMaxPatternLength) {
        compiled = orvane::allocating([&] {
            Compiler compiler(text, sensitive, states);
            return compiler.compile();
        });
    }
    if (!compiled) states.clear();
    VSTRI_StartFilter filter;
    orvane::allocating([&] { filter.build(states); });
    m_pattern = std::move(text);
    m_caseSensitive = sensitive;
    m_compiled = compiled;
    m_states.swap(states);
    m_filter = filter;
    return *this;
}

bool VSTRI_Grep::operator==(const VSTRI_Grep& other) const {
    return m_pattern == other.m_pattern && m_caseSensitive == other.m_caseSensitive;
}

bool VSTRI_Grep::match(const V_STRING& text, VSTRI_MatchingList& list, unsigned long start,
                       SearchMode mode) const {
    return search(text, &list, start, mode);
}

bool VSTRI_Grep::match(const V_STRING& text, unsigned long start, SearchMode mode) const {
    return search(text, nullptr, start, mode);
}

bool VSTRI_Grep::search(const V_STRING& text, VSTRI_MatchingList* list, unsigned long start,
                        SearchMode mode) const {
    if (!m_compiled || m_states.empty()) return false;
    // Positions are 32-bit; a longer text is searched up to that length.
    const std::uint32_t n =
        text.length() > 0xFFFFFFF0ul ? 0xFFFFFFF0u : static_cast<std::uint32_t>(text.length());
    if (start < 1 || start > static_cast<unsigned long>(n) + 1) return false;
    const bool firstOnly = mode == FirstMatch;

    Scratch scratch = orvane::allocating(
        [&] { return Scratch(m_states.size(), static_cast<std::size_t>(m_pattern.length())); });
    unsigned long count = 0;
    const auto record = [&](std::uint32_t position, std::uint32_t end) {
        if (list != nullptr && count < list->capacity())
            (*list)[count] = VSTRI_Match(position, end - position);
        ++count;
    };

    const char* const characters = text.data();
    for (std::uint32_t p = static_cast<std::uint32_t>(start); p <= n || p == start; ++p) {
        if (p <= n) {
            // Positions where no match can begin are skipped: the attempt there would fail.
            p = m_filter.next(characters, p - 1, n) + 1;
            if (p > n) break;
        }
        bool beginSeen = false;
        bool endSeen = false;
        const std::uint32_t end = orvane::allocating(
            [&] { return automat(m_states, text, n, p, beginSeen, endSeen, scratch); });
        if (end == 0) continue;
        const bool beginHolds = !beginSeen || p == 1;
        const bool endHolds = !endSeen || end == n + 1;
        if (!beginHolds || !endHolds) continue;  // a rejected candidate: go on
        record(p, end);
        if (firstOnly || beginSeen) return true;
    }
    return count > 0;
}
