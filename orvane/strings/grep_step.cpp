#include "orvane/strings/grep_step.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "orvane/strings/grep_compiler.h"

namespace orvane::grep {
namespace {

constexpr std::uint32_t kScanMarker = StateQueue::kScanMarker;

bool isOneOne(const VSTRI_StateSet& states, std::uint32_t r) {
    return states.min(r) == 1 && states.max(r) == 1;
}

}  // namespace

void StateQueue::grow() {
    if (m_count < m_items.size()) return;
    std::vector<std::uint32_t> larger(m_items.size() * 2);
    for (std::size_t i = 0; i < m_count; ++i)
        larger[i] = m_items[(m_first + i) & mask()];
    m_items.swap(larger);
    m_first = 0;
}

Stepper::Stepper(const VSTRI_StateSet& states, std::uint32_t textLength)
    : m_states(states), m_perState(states.size()) {
    // A counter is only ever compared with its repetition's bounds, and grows by at most one per
    // position. With an upper bound, values from the maximum on behave alike; without one (the
    // maximum is 2^31 - 1, beyond the reach of a shorter text), values from the minimum on do; a
    // (1, 1) repetition never looks at its counter.
    for (std::size_t r = 0; r < states.size(); ++r) {
        if (states[r].kind != VSTRI_Tripel::Repetition || isOneOne(states, r)) continue;
        const std::uint32_t max = states.max(r);
        m_perState[r].saturation =
            max < kUnbounded || textLength >= kUnbounded - 1 ? max : states.min(r);
    }
}

ConfigKey Stepper::initial() const {
    return {0, 0, 1, m_states[0].next1};
}

void Stepper::setCounter(std::uint32_t r, std::uint32_t value) {
    if (m_perState[r].counterStamp != m_stamp) {
        m_perState[r].counterStamp = m_stamp;
        m_touched.push_back(r);
    }
    m_perState[r].counter = value;
}

// The attempt dies: it ends at the pending repetition's saved end when that repetition is
// satisfied. A saved end written in this step is the current position. One written before is
// the attempt's own value, which the configuration does not hold; it can only be read while the
// repetition pending at the start of the step is still pending: a repetition that becomes pending
// is queued for the next position by the letter that makes it pending (next1 is the repetition
// whenever next2 is), so the attempt cannot die before it runs again and either writes its saved
// end or shows itself unsatisfied.
StepResult Stepper::dies(std::uint32_t pending, std::uint32_t pendingBefore,
                         std::uint32_t flags) const {
    StepResult result;
    result.flags = flags;
    if (pending == 0) return result;
    if (counter(pending) < m_states.min(pending) && !isOneOne(m_states, pending)) return result;
    if (m_perState[pending].writtenAt == m_stamp) {
        result.kind = StepResult::End;
    } else if (pending == pendingBefore) {
        result.kind = StepResult::Saved;
    }
    return result;
}

StepResult Stepper::step(const std::uint32_t* key, std::size_t size, int c, ConfigKey& next) {
    ++m_stamp;
    m_touched.clear();
    const auto stateCount = static_cast<std::uint32_t>(m_states.size());
    const std::uint32_t pendingBefore = key[0];
    std::uint32_t pending = pendingBefore;
    std::uint32_t flags = key[1];
    const std::uint32_t queued = key[2];
    for (std::size_t i = 3 + queued; i + 1 < size; i += 2)
        setCounter(key[i], key[i + 1]);
    StateQueue& deque = m_queue;
    deque.clear();
    for (std::uint32_t i = 0; i < queued; ++i)
        deque.put(key[3 + i]);
    deque.put(kScanMarker);
    const bool atEnd = c < 0;
    const auto byte = static_cast<unsigned char>(c);
    StepResult result;
    result.flags = flags;

    // The queue as the attempt left it at the end of the last position: step e, then the first
    // state.
    if (deque.size() == 1) return dies(pending, pendingBefore, flags);
    std::uint32_t current = deque.pop();
    for (;;) {
        while (current != 0) {
            if (current == kScanMarker) {
                // The position is done: what is queued now waits for the next character.
                next.clear();
                next.push_back(pending);
                next.push_back(flags);
                next.push_back(0);
                for (std::size_t i = 0; i < deque.size(); ++i) {
                    const std::uint32_t s = deque.at(i);
                    // A state queued twice runs once: its second entry does nothing.
                    if (s != 0 && s < stateCount) {
                        if (m_perState[s].queuedAt == m_stamp) continue;
                        m_perState[s].queuedAt = m_stamp;
                    }
                    next.push_back(s);
                }
                next[2] = static_cast<std::uint32_t>(next.size() - 3);
                std::sort(m_touched.begin(), m_touched.end());
                for (const std::uint32_t r : m_touched) {
                    if (m_perState[r].counter == 0) continue;
                    next.push_back(r);
                    next.push_back(m_perState[r].counter);
                }
                result.kind = StepResult::Next;
                if (pending == 0) {
                    result.savedEnd = StepResult::Zero;
                } else if (m_perState[pending].writtenAt == m_stamp) {
                    result.savedEnd = StepResult::Here;
                } else {
                    result.savedEnd =
                        pending == pendingBefore ? StepResult::Keep : StepResult::Zero;
                }
                return result;
            }
            if (current < stateCount && m_perState[current].ranAt != m_stamp) {
                m_perState[current].ranAt = m_stamp;
                const VSTRI_Tripel& s = m_states[current];
                if (s.kind == VSTRI_Tripel::Letter) {
                    if (!atEnd && m_states.letters(current).contains(byte)) {
                        deque.put(s.next1);
                        if (s.beginAnchor) flags |= kBeginSeen;
                        if (s.endAnchor) flags |= kEndSeen;
                        const std::uint32_t r = current + 1;
                        if (s.next2 == r && r < stateCount &&
                            m_states[r].kind == VSTRI_Tripel::Repetition) {
                            const VSTRI_Tripel& rep = m_states[r];
                            const std::uint32_t count =
                                std::min(counter(r) + 1, m_perState[r].saturation);
                            setCounter(r, count);
                            if (count < m_states.max(r) || isOneOne(m_states, r)) {
                                pending = r;
                            } else {
                                // The maximum is reached: the repetition is left for good.
                                if (rep.next1 < stateCount && rep.next1 != 0 &&
                                    m_states[rep.next1].next1 == 0) {
                                    result.kind = StepResult::End;
                                    result.offset = 1;
                                    result.flags = flags;
                                    return result;
                                }
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
                        if (counter(current) < m_states.min(current) &&
                            !isOneOne(m_states, current)) {
                            // Too few occurrences yet: only the way back into the atom stays.
                            const std::uint32_t top = deque.pop();
                            if (top < current) {
                                if (two) deque.pop();
                                deque.push(top);
                            }
                        } else {
                            m_perState[current].writtenAt = m_stamp;
                        }
                    }
                }
            }
            // Step e: the attempt dies, or the next state is taken.
            if (deque.size() == 1) return dies(pending, pendingBefore, flags);
            if (atEnd && deque.back() != kScanMarker) {
                result.flags = flags;
                return result;
            }
            current = deque.pop();
        }
        // The end of the pattern is reached. A state queued for the next character may still
        // lead to a longer match, which is then preferred.
        result.flags = flags;
        if (deque.back() == kScanMarker) {
            result.kind = StepResult::End;
            return result;
        }
        if (atEnd) return result;
        current = deque.pop();
    }
}

}  // namespace orvane::grep
