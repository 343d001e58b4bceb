#include "grep_cases.h"

#include <orvane/strings/grep.h>

#include <string>

#include "grep_reference.h"

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

class PatternMaker {
public:
    explicit PatternMaker(GrepChoices& choices) : m_choices(choices) {}

    std::string list(int depth) {
        std::string out = alternative(depth);
        while (chance(1, depth == 0 ? 4 : 3) && out.size() < 40)
            out += "|" + alternative(depth);
        return out;
    }

private:
    bool chance(unsigned int k, unsigned int n) { return m_choices.below(n) < k; }
    char letter() { return "abcaAB"[m_choices.below(6)]; }

    std::string alternative(int depth) {
        std::string out;
        if (chance(1, 6)) out += "^";
        const unsigned int items = m_choices.below(4) + (chance(1, 12) ? 0 : 1);
        for (unsigned int i = 0; i < items; ++i)
            out += occurrence(depth);
        if (chance(1, 6)) out += "$";
        return out;
    }

    std::string occurrence(int depth) {
        std::string out = atom(depth);
        switch (m_choices.below(14)) {
            case 0:
            case 1:
                return out + "*";
            case 2:
                return out + "+";
            case 3:
                return out + "?";
            case 4:
                return out + interval();
            default:
                return out;
        }
    }

    std::string interval() {
        const unsigned int m = m_choices.below(chance(1, 8) ? 7 : 3) + (chance(1, 30) ? 0 : 1);
        switch (m_choices.below(3)) {
            case 0:
                return "\\{" + std::to_string(m) + "\\}";
            case 1:
                return "\\{" + std::to_string(m) + ",\\}";
            default: {
                const unsigned int n = m + m_choices.below(4) + (chance(1, 30) ? 0 : 1);
                return "\\{" + std::to_string(m) + "," + std::to_string(n) + "\\}";
            }
        }
    }

    std::string atom(int depth) {
        const unsigned int k = m_choices.below(depth < 3 ? 20 : 16);
        if (k < 9) return std::string(1, letter());
        if (k < 10) return ".";
        if (k < 12) return charClass();
        if (k < 13) return escape();
        if (k < 14) return std::string(1, "*)|+?$("[m_choices.below(7)]);  // mostly an error
        if (k < 16) return std::string(1, letter()) + letter();
        return "(" + list(depth + 1) + (chance(1, 10) ? "" : ")");
    }

    std::string charClass() {
        static const char* const kClasses[] = {"[ab]",   "[^a]",  "[a-c]",  "[]a]", "[b-]",
                                               "[^ab.]", "[A-Z]", "[a\\]]", "[abc", "[^]"};
        return kClasses[m_choices.below(10)];
    }

    std::string escape() {
        static const char* const kEscapes[] = {"\\.", "\\0x61", "\\0141", "\\a", "\\1", "\\"};
        return kEscapes[m_choices.below(6)];
    }

    GrepChoices& m_choices;
};

std::string makeText(GrepChoices& choices) {
    std::string text;
    switch (choices.below(5)) {
        case 0: {  // a run of one letter, maybe with something after it
            text.assign(choices.below(80), "aab"[choices.below(3)]);
            if (choices.below(2) == 0) text += "bcA."[choices.below(4)];
            break;
        }
        case 1: {  // a repeated pair or triple
            const char* const units[] = {"ab", "aab", "ba", "abc", "aA"};
            const char* unit = units[choices.below(5)];
            for (unsigned int i = choices.below(30); i > 0; --i)
                text += unit;
            break;
        }
        default: {
            const char* const alphabet = "abcaabAB. ";
            for (unsigned int i = choices.below(25); i > 0; --i)
                text += alphabet[choices.below(10)];
            break;
        }
    }
    return text;
}

std::string describe(const GrepCase& c) {
    return "'" + c.pattern + "'" + (c.caseSensitive ? "" : " (folded)") + " in '" + c.text +
           "' from " + std::to_string(c.start) + (c.firstOnly ? " first" : " all") + " capacity " +
           std::to_string(c.capacity);
}

}  // namespace

GrepCase makeGrepCase(GrepChoices& choices) {
    GrepCase c;
    c.pattern = PatternMaker(choices).list(0);
    c.caseSensitive = choices.below(4) != 0;
    c.text = makeText(choices);
    const unsigned int n = static_cast<unsigned int>(c.text.size());
    switch (choices.below(8)) {
        case 0:
            c.start = choices.below(n + 3);
            break;  // 0 and n + 2 included
        case 1:
            c.start = n + 1;
            break;
        default:
            c.start = 1;
            break;
    }
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
    VSTRI_MatchingList ours(capacity);
    VSTRI_MatchingList theirs(capacity);
    for (unsigned long i = 0; i < capacity; ++i)
        ours[i] = theirs[i] = VSTRI_Match(99, 99);
    const bool found =
        c.capacity < 0 ? grep.match(text, c.start, mode) : grep.match(text, ours, c.start, mode);
    const bool expected =
        referenceMatch(grep, text, c.capacity < 0 ? nullptr : &theirs, c.start, mode);
    if (found != expected)
        return describe(c) + ": returned " + std::to_string(found) + ", reference " +
               std::to_string(expected);
    for (unsigned long i = 0; i < capacity; ++i) {
        if (ours[i].position() != theirs[i].position() || ours[i].length() != theirs[i].length())
            return describe(c) + ": record " + std::to_string(i) + " is (" +
                   std::to_string(ours[i].position()) + ", " + std::to_string(ours[i].length()) +
                   "), reference (" + std::to_string(theirs[i].position()) + ", " +
                   std::to_string(theirs[i].length()) + ")";
    }
    return "";
}

}  // namespace orvane::test
