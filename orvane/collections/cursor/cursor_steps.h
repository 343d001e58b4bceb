// The moves of the cursor protocol, written once for every cursor.
//
// Each step moves an iterator `it` over a range (anything with begin() and end()) and keeps the
// cursor's valid flag; it returns the new flag, so a cursor reads its element only when the step
// succeeded:
//
//   void* next() override {   // V_PStoreCursor, the base of the untyped cursors
//       return orvane::cursor_steps::toNext(*m_store, it, m_valid) ? *it : nullptr;
//   }
//
// The rules are those of V_PAbstractCursor: first and last fail on an empty range, next and
// previous fail on a cursor that is not valid (without moving) and clear the flag when they run
// off an end (previous then stays on the first element).
#ifndef ORVANE_COLLECTIONS_CURSOR_CURSOR_STEPS_H
#define ORVANE_COLLECTIONS_CURSOR_CURSOR_STEPS_H

#include <iterator>

namespace orvane::cursor_steps {

// Positions on the first element; false, not valid, for an empty range.
template <class Range, class Iter>
bool toFirst(Range& range, Iter& it, bool& valid) {
    valid = range.begin() != range.end();
    if (valid) it = range.begin();
    return valid;
}

// Positions on the last element; false, not valid, for an empty range.
template <class Range, class Iter>
bool toLast(Range& range, Iter& it, bool& valid) {
    valid = range.begin() != range.end();
    if (valid) it = std::prev(range.end());
    return valid;
}

// Moves one element on; false when not valid, or (clearing the flag) past the end.
template <class Range, class Iter>
bool toNext(Range& range, Iter& it, bool& valid) {
    if (!valid) return false;
    ++it;
    valid = it != range.end();
    return valid;
}

// Moves one element back; false when not valid, or (clearing the flag) before the first.
template <class Range, class Iter>
bool toPrevious(Range& range, Iter& it, bool& valid) {
    if (!valid) return false;
    if (it == range.begin()) {
        valid = false;
        return false;
    }
    --it;
    return true;
}

}  // namespace orvane::cursor_steps

#endif
