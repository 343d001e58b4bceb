#include "grep_cases.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace orvane::test {
namespace {

constexpr std::uint32_t kScanMarker = 0xFFFFFFFFu;

// What one `match` call keeps across its attempts: the repetition counters and saved ends (reset
// for every attempt) and the position at which each state last ran.
struct Scratch {
    std::vector<std::uint32_t> counter, savedEnd;
    std::vector<std::uint64_t> ranAt;
    std::uint64_t position = 0;
};

// One attempt at the 1-based position `p`: the position just after a match, or 0.
std::uint32_t automat(const VSTRI_StateSet& states, const char* text, std::uint32_t length,
                      std::uint32_t p, bool& beginSeen, bool& endSeen, Scratch& scratch) {
    const auto size = static_cast<std::uint32_t>(states.size());
    scratch.counter.assign(size, 0);
    scratch.savedEnd.assign(size, 0);
    ++scratch.position;
    std::deque<std::uint32_t> deque{kScanMarker};
    const auto pop = [&] {
        const std::uint32_t n = deque.front();
        deque.pop_front();
        return n;
    };
    const auto oneOne = [&](std::uint32_t r) { return states.min(r) == 1 && states.max(r) == 1; };
    std::uint32_t j = p;
    std::uint32_t current = states[0].next1;
    std::uint32_t pending = 0;  // the pending repetition; 0: none
    const auto atEnd = [&] { return j > length; };

    for (;;) {
        while (current != 0) {
            if (current == kScanMarker) {
                ++j;
                ++scratch.position;
                deque.push_back(kScanMarker);
            } else if (current < size && scratch.ranAt[current] != scratch.position) {
                scratch.ranAt[current] = scratch.position;
                const VSTRI_Tripel& s = states[current];
                if (s.kind == VSTRI_Tripel::Letter) {
                    if (!atEnd() &&
                        states.letters(current).contains(static_cast<unsigned char>(text[j - 1]))) {
                        deque.push_back(s.next1);
                        if (s.beginAnchor) beginSeen = true;
                        if (s.endAnchor) endSeen = true;
                        const std::uint32_t r = current + 1;
                        if (s.next2 == r && r < size &&
                            states[r].kind == VSTRI_Tripel::Repetition) {
                            const VSTRI_Tripel& rep = states[r];
                            if (++scratch.counter[r] < states.max(r) || oneOne(r)) {
                                pending = r;
                            } else {
                                // The maximum is reached: the repetition is left for good.
                                if (rep.next1 < size && rep.next1 != 0 &&
                                    states[rep.next1].next1 == 0)
                                    return j + 1;
                                deque = {kScanMarker, rep.next1 < current ? rep.next2 : rep.next1};
                                pending = 0;
                            }
                        }
                    }
                } else {
                    deque.push_front(s.next1);
                    const bool two = s.next2 != s.next1;
                    if (two) deque.push_front(s.next2);
                    if (s.kind == VSTRI_Tripel::Repetition) {
                        if (scratch.counter[current] < states.min(current) && !oneOne(current)) {
                            // Too few occurrences yet: only the way back into the atom stays.
                            const std::uint32_t top = pop();
                            if (top < current) {
                                if (two) pop();
                                deque.push_front(top);
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
                const bool satisfied =
                    scratch.counter[pending] >= states.min(pending) || oneOne(pending);
                const std::uint32_t end = scratch.savedEnd[pending];
                return satisfied && end >= p ? end : 0;
            }
            if (atEnd() && deque.back() != kScanMarker) return 0;
            current = pop();
        }
        // The end of the pattern is reached. A state queued for the next character may still
        // lead to a longer match, which is then preferred.
        if (deque.back() == kScanMarker) return j;
        if (atEnd()) return 0;
        current = pop();
    }
}

}  // namespace

bool referenceMatch(const VSTRI_Grep& grep, const V_STRING& text, VSTRI_MatchingList* list,
                    unsigned long start, VSTRI_Grep::SearchMode mode) {
    const VSTRI_StateSet& states = grep.states();
    if (!grep.isCompiled() || states.empty()) return false;
    const std::uint32_t n =
        text.length() > 0xFFFFFFF0ul ? 0xFFFFFFF0u : static_cast<std::uint32_t>(text.length());
    if (start < 1 || start > static_cast<unsigned long>(n) + 1) return false;
    Scratch scratch;
    scratch.ranAt.assign(states.size(), 0);
    unsigned long count = 0;
    for (std::uint32_t p = static_cast<std::uint32_t>(start); p <= n || p == start; ++p) {
        bool beginSeen = false;
        bool endSeen = false;
        const std::uint32_t end = automat(states, text.data(), n, p, beginSeen, endSeen, scratch);
        if (end == 0) continue;
        if ((beginSeen && p != 1) || (endSeen && end != n + 1)) continue;
        if (list != nullptr && count < list->capacity()) (*list)[count] = VSTRI_Match(p, end - p);
        ++count;
        if (mode == VSTRI_Grep::FirstMatch || beginSeen) return true;
    }
    return count > 0;
}

}  // namespace orvane::test
