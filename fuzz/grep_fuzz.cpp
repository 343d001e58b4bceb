// Fuzzes the regular-expression compiler and matcher with random patterns, texts, start
// positions, modes and case flags, and checks that the results hang together.
// Input layout: 1 flag byte (bit 0 FirstMatch, bit 1 IgnoreCase, bit 2 long pattern), 1 byte start
// offset, 1 byte pattern length (times 8 for a long pattern; cut at the end of the input), the
// pattern, then the text.
//
// Sizes: a search in AllMatches mode costs up to (states) x (text length)^2 / 2 steps (one attempt
// per position, each state run at most once per position), and this target runs several searches
// per input. So the text is cut at 512 bytes after a pattern of up to 255 bytes, and at 64 bytes
// after a long pattern (up to 2040 bytes, deep nesting and long alternative chains), which keeps
// every input well within the time limit while covering the sizes where the logic differs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <orvane/tools.h>

namespace {

struct Found {
    bool result;
    std::vector<VSTRI_Match> matches;
};

// Runs one search into a list large enough for every possible match.
Found search(const VSTRI_Grep& grep, const V_STRING& text, unsigned long start,
             VSTRI_Grep::SearchMode mode) {
    VSTRI_MatchingList list(text.length() + 2);
    list.reinitialize();
    Found found{grep.match(text, list, start, mode), {}};
    for (unsigned long i = 0; i < list.capacity() && list[i]; ++i)
        found.matches.push_back(list[i]);
    return found;
}

std::string swapCase(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        if (orvane::chars::isLower(c)) {
            c = orvane::chars::toUpper(c);
        } else if (orvane::chars::isUpper(c)) {
            c = orvane::chars::toLower(c);
        }
    }
    return out;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const bool firstOnly = (data[0] & 1) != 0;
    const auto sensitive = (data[0] & 2) != 0 ? VSTRI_Grep::IgnoreCase : VSTRI_Grep::MatchCase;
    const bool longPattern = (data[0] & 4) != 0;
    const std::size_t patternLength =
        std::min<std::size_t>(longPattern ? 8 * std::size_t{data[2]} : data[2], size - 3);
    const std::size_t textLength =
        std::min<std::size_t>(size - 3 - patternLength, longPattern ? 64 : 512);
    // Texts without NUL bytes: V_STRING from a C string stops at the first one.
    const std::string pattern(reinterpret_cast<const char*>(data + 3), patternLength);
    const std::string rawText(reinterpret_cast<const char*>(data + 3 + patternLength), textLength);
    const V_STRING text(rawText.c_str());
    const unsigned long n = text.length();
    const unsigned long start = data[1] % (n + 3);  // 0 to n + 2: also outside the text
    const auto mode = firstOnly ? VSTRI_Grep::FirstMatch : VSTRI_Grep::AllMatches;

    const VSTRI_Grep grep(V_STRING(pattern.c_str()), sensitive);
    const Found found = search(grep, text, start, mode);
    check(found.result == !found.matches.empty());
    check(grep.match(text, start, mode) == found.result);
    if (!grep.isCompiled() || start < 1 || start > n + 1) {
        check(!found.result);
        return 0;
    }

    // Matches lie inside the text, in ascending positions; FirstMatch writes one.
    unsigned long previous = 0;
    for (const VSTRI_Match& m : found.matches) {
        check(m.position() >= start && m.position() > previous);
        check(m.position() <= n + 1 && m.next() <= n + 1);
        previous = m.position();
    }
    if (firstOnly) check(found.matches.size() <= 1);

    // A copy in the other mode agrees on whether, and where first, the pattern occurs.
    const VSTRI_Grep copy(grep);
    const Found other =
        search(copy, text, start, firstOnly ? VSTRI_Grep::AllMatches : VSTRI_Grep::FirstMatch);
    check(other.result == found.result);
    if (found.result) check(other.matches[0] == found.matches[0]);

    // Each match is what a search from its own position finds first.
    const Found& every = firstOnly ? other : found;
    for (std::size_t i = 0; i < every.matches.size() && i < 8; ++i) {
        const Found again = search(grep, text, every.matches[i].position(), VSTRI_Grep::FirstMatch);
        check(again.result && again.matches[0] == every.matches[i]);
    }

    // A small list receives the first matches and nothing beyond its end.
    VSTRI_MatchingList small(2);
    small.reinitialize();
    check(grep.match(text, small, start, VSTRI_Grep::AllMatches) == found.result);
    for (unsigned long i = 0; i < 2 && i < every.matches.size(); ++i)
        check(small[i] == every.matches[i]);

    // Without case sensitivity, swapping the case of the text changes nothing.
    if (sensitive == VSTRI_Grep::IgnoreCase) {
        const Found swapped = search(grep, V_STRING(swapCase(rawText).c_str()), start, mode);
        check(swapped.result == found.result && swapped.matches == found.matches);
    }

    return 0;
}
