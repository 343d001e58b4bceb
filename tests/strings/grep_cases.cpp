#include "grep_cases.h"

#include <orvane/strings/grep.h>

#include <string>

namespace orvane::test {

unsigned int GrepChoices::below(unsigned int n) {
    if (n <= 1) return 0;
    if (m_bytes != nullptr) {
        if (m_size == 0) return 0;
        --m_size;
        return *m_bytes++ % n;
    }
    // splitmix64
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<unsigned int>((z ^ (z >> 31)) % n);
}

namespace {

struct PatternMaker {
    GrepChoices& m_choices;

    std::string list(int depth) {
        std::string out = alternative(depth);
        while (chance(1, depth == 0 ? 4 : 3) && out.size() < 40)
            out += "|" + alternative(depth);
        return out;
    }

    unsigned int below(unsigned int n) { return m_choices.below(n); }
    bool chance(unsigned int k, unsigned int n) { return below(n) < k; }
    std::string pick(const char* const* from, unsigned int n) { return from[below(n)]; }
    std::string letter() { return std::string(1, "abcaAB"[below(6)]); }

    std::string alternative(int depth) {
        std::string out = chance(1, 6) ? "^" : "";
        for (unsigned int i = below(4) + (chance(1, 12) ? 0 : 1); i > 0; --i) {
            out += atom(depth);
            const unsigned int k = below(14);  // mostly no repetition
            out += k == 4 ? interval() : k < 2 ? "*" : k == 2 ? "+" : k == 3 ? "?" : "";
        }
        return out + (chance(1, 6) ? "$" : "");
    }

    std::string interval() {
        const unsigned int m = below(chance(1, 8) ? 7 : 3) + (chance(1, 30) ? 0 : 1);
        const unsigned int form = below(3);
        if (form < 2) return "\\{" + std::to_string(m) + (form == 0 ? "" : ",") + "\\}";
        const unsigned int n = m + below(4) + (chance(1, 30) ? 0 : 1);
        return "\\{" + std::to_string(m) + "," + std::to_string(n) + "\\}";
    }

    std::string atom(int depth) {
        static const char* const kClasses[] = {"[ab]",   "[^a]",  "[a-c]",  "[]a]", "[b-]",
                                               "[^ab.]", "[A-Z]", "[a\\]]", "[abc", "[^]"};
        static const char* const kEscapes[] = {"\\.", "\\0x61", "\\0141", "\\a", "\\1", "\\"};
        static const char* const kStray[] = {"*", ")", "|", "+", "?", "$", "("};  // mostly errors
        const unsigned int k = below(depth < 3 ? 20 : 16);
        if (k < 9) return letter();
        if (k < 10) return ".";
        if (k < 12) return pick(kClasses, 10);
        if (k < 13) return pick(kEscapes, 6);
        if (k < 14) return pick(kStray, 7);
        if (k < 16) return letter() + letter();
        return "(" + list(depth + 1) + (chance(1, 10) ? "" : ")");
    }
};

// Random texts, or texts built to make attempts long: runs of one letter, repeated units.
std::string makeText(GrepChoices& choices) {
    static const char* const kUnits[] = {"ab", "aab", "ba", "abc", "aA"};
    std::string text;
    const unsigned int kind = choices.below(5);
    if (kind == 0) {
        text.assign(choices.below(80), "aab"[choices.below(3)]);
        if (choices.below(2) == 0) text += "bcA."[choices.below(4)];
    } else if (kind == 1) {
        const char* unit = kUnits[choices.below(5)];
        for (unsigned int i = choices.below(30); i > 0; --i)
            text += unit;
    } else {
        for (unsigned int i = choices.below(25); i > 0; --i)
            text += "abcaabAB. "[choices.below(10)];
    }
    return text;
}

}  // namespace

GrepCase makeGrepCase(GrepChoices& choices) {
    GrepCase c;
    c.pattern = PatternMaker{choices}.list(0);
    c.caseSensitive = choices.below(4) != 0;
    c.text = makeText(choices);
    const unsigned int n = static_cast<unsigned int>(c.text.size());
    const unsigned int where = choices.below(8);  // mostly from the first position
    c.start = where == 0 ? choices.below(n + 3) : where == 1 ? n + 1 : 1;  // 0 and n + 2 too
    c.firstOnly = choices.below(2) == 0;
    static const int kCapacities[] = {-1, 0, 1, 2, 3, 8, 40};
    c.capacity = kCapacities[choices.below(7)];
    return c;
}

std::string compareWithReference(const GrepCase& c) {
    const VSTRI_Grep grep(c.pattern.c_str(),
                          c.caseSensitive ? VSTRI_Grep::MatchCase : VSTRI_Grep::IgnoreCase);
    const V_STRING text(c.text.data(), c.text.size());
    const auto mode = c.firstOnly ? VSTRI_Grep::FirstMatch : VSTRI_Grep::AllMatches;
    const unsigned long capacity = c.capacity < 0 ? 0ul : static_cast<unsigned long>(c.capacity);
    VSTRI_MatchingList ours(capacity), theirs(capacity);
    for (unsigned long i = 0; i < capacity; ++i)
        ours[i] = theirs[i] = VSTRI_Match(99, 99);
    const bool found =
        c.capacity < 0 ? grep.match(text, c.start, mode) : grep.match(text, ours, c.start, mode);
    const bool expected =
        referenceMatch(grep, text, c.capacity < 0 ? nullptr : &theirs, c.start, mode);
    const auto shown = [](const VSTRI_Match& m) {
        return std::to_string(m.position()) + ":" + std::to_string(m.length());
    };
    std::string difference = found != expected ? " found " + std::to_string(found) : "";
    for (unsigned long i = 0; i < capacity; ++i) {
        if (!(ours[i] == theirs[i]))
            difference += " record " + std::to_string(i) + " " + shown(ours[i]) + ", reference " +
                          shown(theirs[i]);
    }
    if (difference.empty()) return "";
    return "'" + c.pattern + "'" + (c.caseSensitive ? "" : " folded") + " in '" + c.text +
           "' from " + std::to_string(c.start) + (c.firstOnly ? " first" : " all") + " capacity " +
           std::to_string(c.capacity) + ":" + difference;
}

}  // namespace orvane::test
