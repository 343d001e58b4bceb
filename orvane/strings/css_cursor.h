// A cursor over a separated string: the items of a text such as "a;b;c", one by one.
//
// The cursor keeps a reference to the text (it must outlive the cursor) and copies nothing until
// an item is asked for. With `skipSeparators` a run of separators counts as one, so no item is
// empty; without it every separator ends an item, and two separators in a row enclose an empty
// one.
//
//   V_STRING text("a;;b");
//   VSTRI_CSSCursor items(text, ';', false);
//   for (items.reset(); items.isValid(); items.next())
//       use(items.getString());                  // "a", "", "b"
//   items.getStringByIndex(2);                   // "b"
//   items.getStringByIndex(5, "none");           // "none": there is no sixth item
//
// A new cursor is invalid until `reset` positions it on the first item. `next` after the last item
// makes it invalid again; a separator at the very end of the text opens no empty item ("a;b;" has
// two items).
//
// Choices:
// - `getString` of an invalid cursor is an empty string.
// - `next` on an invalid cursor starts again with the first item (it positions just after the
//   invalid end, which is before the text).
// - Indices are 32-bit: a text longer than 2147483646 characters is walked only up to that length.
// - With `skipSeparators`, a run of separators that ends the text gives one last, empty item,
//   unless it is a single separator after an item: ";", ";;" and "a;;" end with an empty item,
//   "a;" does not. `isEmptyString` is false for that item (its end lies one past the text), but
//   `getString` gives "".
#ifndef ORVANE_STRINGS_CSS_CURSOR_H
#define ORVANE_STRINGS_CSS_CURSOR_H

#include <cstdint>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// A cursor over the items of a text split at one separator character.
class ORVANE_API VSTRI_CSSCursor {
public:
    // A cursor over `text` (not copied: it must outlive the cursor), invalid until `reset`.
    VSTRI_CSSCursor(const V_STRING& text, char separator, bool skipSeparators);

    // Positions on the first item.
    void reset();
    // Positions on the item after the current one.
    void next();

    // Whether the cursor stands on an item.
    bool isValid() const { return m_end >= m_begin; }
    // Whether the current item has no characters (begin and end coincide).
    bool isEmptyString() const { return m_end == m_begin; }
    // The current item.
    V_STRING getString() const;

    // Whether the item with the 0-based number `index` exists.
    bool isValidIndex(unsigned index) const;
    // That item, or an empty string when there is none.
    V_STRING getStringByIndex(unsigned index) const;
    // That item, or `fallback` when there is none.
    V_STRING getStringByIndex(unsigned index, const V_STRING& fallback) const;

private:
    void setPos(long position);
    // Positions a copy of this cursor on item `index`; false when there is none.
    bool seek(unsigned index, VSTRI_CSSCursor& copy) const;

    const V_STRING& m_text;
    char m_separator;
    bool m_skipSeparators;
    std::int32_t m_begin = 0;
    std::int32_t m_end = -1;
};

#endif
