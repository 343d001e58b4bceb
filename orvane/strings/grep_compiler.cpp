#include "orvane/strings/grep_compiler.h"

#include <cstdint>
#include <vector>

#include "orvane/base/char_class.h"

namespace orvane::grep {
namespace {

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
        m_states.clear();
        m_states.resize(2 * static_cast<std::size_t>(m_length) + 2);
        m_into.assign(m_states.size(), kNoEdge);
        const std::uint32_t entry = pattern();
        if (entry == 0 || m_failed) return false;
        VSTRI_Tripel& start = state(0);
        start.kind = VSTRI_Tripel::Null;
        link(0, entry, entry);
        VSTRI_Tripel& last = state(m_stateCount);
        last.kind = VSTRI_Tripel::Null;
        link(m_stateCount, 0, 0);
        m_states.resize(static_cast<std::size_t>(m_stateCount) + 1);
        m_states.compact();
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
            m_into.resize(m_states.size(), kNoEdge);
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
        addEdge(s, next1);
        if (next2 != next1) addEdge(s, next2);
    }
    void addEdge(std::uint32_t from, std::uint32_t to) {
        m_edges.push_back({from, m_into[to]});
        m_into[to] = static_cast<std::uint32_t>(m_edges.size() - 1);
    }

    std::uint32_t newAtom(const VSTRI_LetterSet& letters) {
        const std::uint32_t s = m_stateCount;
        state(s);
        // Equal sets are held once.
        m_states.makeLetter(s, letterSet(letters));  // anchors set by "^" on this state stay
        link(s, s + 1, s + 1);
        ++m_stateCount;
        return s;
    }

    static std::size_t hashOf(const VSTRI_LetterSet& set) {
        std::uint64_t h = 0;
        for (unsigned int w = 0; w < 4; ++w)
            h = (h ^ set.word(w)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
    // The number of the set `letters`, adding it when it is new.
    std::uint32_t letterSet(const VSTRI_LetterSet& letters) {
        std::size_t mask = m_sets.size() - 1;
        std::size_t slot = hashOf(letters) & mask;
        for (; m_sets[slot] != kNoSet; slot = (slot + 1) & mask) {
            if (m_states.letterSet(m_sets[slot]) == letters) return m_sets[slot];
        }
        const std::uint32_t n = m_states.addLetters(letters);
        if (2 * m_states.letterSetCount() <= m_sets.size()) {
            m_sets[slot] = n;
            return n;
        }
        m_sets.assign(2 * m_sets.size(), kNoSet);
        mask = m_sets.size() - 1;
        for (std::uint32_t k = 0; k <= n; ++k) {
            slot = hashOf(m_states.letterSet(k)) & mask;
            while (m_sets[slot] != kNoSet)
                slot = (slot + 1) & mask;
            m_sets[slot] = k;
        }
        return n;
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
        state(r);
        m_states.makeRepetition(r, min, max);
        link(r, r + 1, a);
        // (1) The state before the atom now leads to the repetition.
        link(a - 1, r, r);
        // (2) So does every earlier state that led to the atom's last state.
        // The links added on the way lead to r, so the list into r - 1 stays as it is.
        for (std::uint32_t e = m_into[r - 1]; e != kNoEdge; e = m_edges[e].next) {
            const std::uint32_t s = m_edges[e].from;
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
    // The links made to each state, newest first (some may have moved on since): m_into[n] is
    // the last edge into state n, each edge names its source and the edge into n made before it.
    struct Edge {
        std::uint32_t from;
        std::uint32_t next;
    };
    static constexpr std::uint32_t kNoEdge = 0xFFFFFFFFu;
    std::vector<std::uint32_t> m_into;
    std::vector<Edge> m_edges;
    // The letter sets by content, so that equal sets are held once: open addressing over the
    // automaton's set numbers, at most half full.
    std::vector<std::uint32_t> m_sets = std::vector<std::uint32_t>(16, kNoSet);
    static constexpr std::uint32_t kNoSet = 0xFFFFFFFFu;
    bool m_failed = false;
    int m_nesting = 0;
};

}  // namespace

bool compile(const V_STRING& pattern, bool caseSensitive, VSTRI_StateSet& states) {
    if (pattern.length() > kMaxPatternLength) return false;
    Compiler compiler(pattern, caseSensitive, states);
    return compiler.compile();
}

}  // namespace orvane::grep
