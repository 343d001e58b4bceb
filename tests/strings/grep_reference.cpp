#include "grep_reference.h"

#include <cstdint>
#include <vector>

namespace orvane::test {
namespace {

constexpr std::uint32_t kScanMarker = 0xFFFFFFFFu;

// The queue of the matcher: state numbers and the scan marker. `push` adds at the front (taken
// next), `put` at the back. A ring buffer whose capacity is a power of two; it doubles when full.
class Deque {
public:
    explicit Deque(std::size_t capacity) {
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
    Deque deque;
    std::uint64_t attempt = 0;
    std::uint64_t position = 0;

    void touch(std::uint32_t s) {
        if (counterStamp[s] == attempt) return;
        counterStamp[s] = attempt;
        counter[s] = 0;
        savedEnd[s] = 0;
    }
};

bool isOneOne(const VSTRI_StateSet& states, std::uint32_t r) {
    return states.min(r) == 1 && states.max(r) == 1;
}

// One attempt at the 1-based position `p`: the position just after a match, or 0.
std::uint32_t automat(const VSTRI_StateSet& states, const V_STRING& text, std::uint32_t length,
                      std::uint32_t p, bool& beginSeen, bool& endSeen, Scratch& scratch) {
    const std::uint32_t size = static_cast<std::uint32_t>(states.size());
    const char* const characters = text.data();
    Deque& deque = scratch.deque;
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
                    if (!atEnd() && states.letters(current).contains(
                                        static_cast<unsigned char>(characters[j - 1]))) {
                        deque.put(s.next1);
                        if (s.beginAnchor) beginSeen = true;
                        if (s.endAnchor) endSeen = true;
                        const std::uint32_t r = current + 1;
                        if (s.next2 == r && r < size &&
                            states[r].kind == VSTRI_Tripel::Repetition) {
                            const VSTRI_Tripel& rep = states[r];
                            scratch.touch(r);
                            ++scratch.counter[r];
                            if (scratch.counter[r] < states.max(r) || isOneOne(states, r)) {
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
                        if (scratch.counter[current] < states.min(current) &&
                            !isOneOne(states, current)) {
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
                scratch.touch(pending);
                const bool satisfied =
                    scratch.counter[pending] >= states.min(pending) || isOneOne(states, pending);
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

}  // namespace

bool referenceMatch(const VSTRI_Grep& grep, const V_STRING& text, VSTRI_MatchingList* list,
                    unsigned long start, VSTRI_Grep::SearchMode mode) {
    const VSTRI_StateSet& states = grep.states();
    if (!grep.isCompiled() || states.empty()) return false;
    const std::uint32_t n =
        text.length() > 0xFFFFFFF0ul ? 0xFFFFFFF0u : static_cast<std::uint32_t>(text.length());
    if (start < 1 || start > static_cast<unsigned long>(n) + 1) return false;
    Scratch scratch(states.size(), static_cast<std::size_t>(grep.patternString().length()));
    unsigned long count = 0;
    for (std::uint32_t p = static_cast<std::uint32_t>(start); p <= n || p == start; ++p) {
        bool beginSeen = false;
        bool endSeen = false;
        const std::uint32_t end = automat(states, text, n, p, beginSeen, endSeen, scratch);
        if (end == 0) continue;
        if ((beginSeen && p != 1) || (endSeen && end != n + 1)) continue;
        if (list != nullptr && count < list->capacity()) (*list)[count] = VSTRI_Match(p, end - p);
        ++count;
        if (mode == VSTRI_Grep::FirstMatch || beginSeen) return true;
    }
    return count > 0;
}

}  // namespace orvane::test
