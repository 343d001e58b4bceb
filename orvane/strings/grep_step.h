// One position of one match attempt, as a step from configuration to configuration. Internal to
// the regular-expression engine: not part of the library's interface, and not in the umbrella
// header.
//
// Between two positions of the text, an attempt of the matcher (orvane/strings/grep.h) is fully
// described by its configuration: the states queued for the next character, in queue order; the
// pending repetition; the repetition counters, each saturated where no comparison can tell larger
// values apart; and the two anchor flags. The one thing that is not in it is the saved end of the
// pending repetition, a text position. The step from one configuration over one character (or the
// end of the text) is therefore the same wherever in the text it is taken and for whichever
// attempt: the search computes each step once and reuses it.
//
// The saved end stays outside the configuration because an attempt reads it only when it dies,
// and reads only the pending repetition's: a step says whether it keeps that value, sets it to
// the current position, or makes it irrelevant.
#ifndef ORVANE_STRINGS_GREP_STEP_H
#define ORVANE_STRINGS_GREP_STEP_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "orvane/strings/grep_automaton.h"

namespace orvane::grep {

// A configuration as a key of 32-bit words: the pending repetition (0: none), the anchor flags
// (1: begin anchor seen, 2: end anchor seen), the number of queued states and the queued states,
// then (repetition, counter) pairs in ascending order for the counters that are not 0.
using ConfigKey = std::vector<std::uint32_t>;

constexpr std::uint32_t kBeginSeen = 1;
constexpr std::uint32_t kEndSeen = 2;

// What one step does.
struct StepResult {
    enum Kind : std::uint8_t {
        Next,   // the attempt goes on in the next configuration
        Fail,   // the attempt ends without a match
        End,    // the attempt ends with a match up to the current position + `offset`
        Saved,  // the attempt ends with a match up to the saved end, when there is one (not 0)
    };
    // For Next: what becomes of the saved end of the (new) pending repetition.
    enum SavedEnd : std::uint8_t {
        Keep,  // unchanged
        Here,  // the current position
        Zero,  // none, or a value that the attempt replaces before it can read it
    };
    Kind kind = Fail;
    std::uint8_t offset = 0;   // End: 0 or 1
    SavedEnd savedEnd = Keep;  // Next
    std::uint32_t flags = 0;   // End, Saved: the anchor flags at the end
};

// The matcher's double-ended queue of state numbers and the scan marker: `push` adds at the
// front (taken next), `put` at the back. A ring buffer whose size is a power of two; it doubles
// when full.
class StateQueue {
public:
    static constexpr std::uint32_t kScanMarker = 0xFFFFFFFFu;

    void clear() { m_first = m_count = 0; }
    std::size_t size() const { return m_count; }
    std::uint32_t back() const { return m_items[(m_first + m_count - 1) & mask()]; }
    // The entry `i` places behind the front.
    std::uint32_t at(std::size_t i) const { return m_items[(m_first + i) & mask()]; }
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
    void grow();

    std::vector<std::uint32_t> m_items = std::vector<std::uint32_t>(16);
    std::size_t m_first = 0;
    std::size_t m_count = 0;
};

// Takes steps of the automaton `states` for a text of `textLength` bytes (which decides how far a
// counter without upper bound must count). Holds scratch space only; `states` must outlive it.
class Stepper {
public:
    Stepper(const VSTRI_StateSet& states, std::uint32_t textLength);

    // The configuration in which every attempt starts.
    ConfigKey initial() const;
    // The step from `key` (`size` words) over the byte `c`, or over the end of the text when `c`
    // is negative. For Next, the new configuration goes to `next`.
    StepResult step(const std::uint32_t* key, std::size_t size, int c, ConfigKey& next);

private:
    std::uint32_t counter(std::uint32_t r) const {
        return m_perState[r].counterStamp == m_stamp ? m_perState[r].counter : 0;
    }
    void setCounter(std::uint32_t r, std::uint32_t value);
    StepResult dies(std::uint32_t pending, std::uint32_t pendingBefore, std::uint32_t flags) const;

    const VSTRI_StateSet& m_states;
    // What the step keeps per state; the stamps tell the step in which a value was written.
    struct PerState {
        std::uint64_t ranAt = 0;         // the step in which the state last ran
        std::uint64_t writtenAt = 0;     // the step in which its saved end was last written
        std::uint64_t counterStamp = 0;  // the step whose counter `counter` is
        std::uint64_t queuedAt = 0;      // for removing repeated entries from the queue
        std::uint32_t counter = 0;
        std::uint32_t saturation = 0;  // a repetition's greatest counter kept
    };
    std::vector<PerState> m_perState;
    std::uint64_t m_stamp = 0;
    std::vector<std::uint32_t> m_touched;  // repetitions whose counter this step holds
    StateQueue m_queue;
};

}  // namespace orvane::grep

#endif
