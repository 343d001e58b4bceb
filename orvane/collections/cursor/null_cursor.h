// A cursor over nothing.
//
// V_PNullCursor stands in where a cursor is required and there is no collection: every move and
// current() return null, more() and valid() return false, owner() returns null.
//
//   V_PNullCursor none;
//   for (none.first(); none.valid(); none.next()) {}   // never enters the loop
//   none.deepCopy(&other);                             // throws XCOLL_CursorException
//
// deepCopy always throws XCOLL_CursorException (built without arguments), whatever it is given,
// because a null cursor cannot take over a position.
#ifndef ORVANE_COLLECTIONS_CURSOR_NULL_CURSOR_H
#define ORVANE_COLLECTIONS_CURSOR_NULL_CURSOR_H

#include "orvane/base/export.h"
#include "orvane/collections/cursor/abstract_cursor.h"

// A cursor that is never valid and belongs to no collection.
class ORVANE_API V_PNullCursor : public V_PAbstractCursor {
public:
    V_PNullCursor();
    // Another null cursor.
    V_PNullCursor(const V_PNullCursor& other);
    ~V_PNullCursor() override;

    void* first() override;
    void* last() override;
    void* next() override;
    void* previous() override;
    void* current() const override;
    bool more() const override;
    bool valid() const override;
    V_PCollection* owner() override;
    void deepCopy(const V_PAbstractCursor* source) override;  // always throws
};

#endif
