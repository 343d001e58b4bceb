// The one cursor protocol of the untyped collections.
//
// A cursor walks a collection in the collection's own order: index order for the array, link
// order for the list, ascending pointer value for the set and the bag, ascending key for the map.
// It is either valid (on an element) or not valid:
//
//   first(), last()     position on the first or last element and make the cursor valid; on an
//                       empty collection they return null and leave it not valid
//   next(), previous()  move one element; running off either end returns null and clears valid;
//                       a cursor that is not valid does not move and returns null
//   current()           the element, or null when not valid
//   more(), valid()     the valid flag (the same test; neither looks ahead)
//   owner()             the collection the cursor is bound to
//   deepCopy(source)    takes owner, position and valid flag from a cursor of the same class
//
// Because arrays, lists, bags and maps may hold null pointers, a null result alone does not mean
// the end; a walk tests valid():
//
//   std::unique_ptr<V_PAbstractCursor> c(collection.createCursor());
//   for (c->first(); c->valid(); c->next()) use(c->current());
//
// Cursors are not registered with their collection and are never told of changes. After an
// insertion into or removal from an array, every cursor over it must be positioned again with
// first() or last(); a cursor over a list, set, bag or map stays usable unless its own element
// is removed. Once the collection is destroyed a cursor may only be destroyed. Cursors have no
// copy assignment: deepCopy takes its place, so no two cursors ever share a position.
#ifndef ORVANE_COLLECTIONS_CURSOR_ABSTRACT_CURSOR_H
#define ORVANE_COLLECTIONS_CURSOR_ABSTRACT_CURSOR_H

#include "orvane/base/export.h"

class V_PCollection;

// A position in an untyped collection, valid or not (see the protocol above).
class ORVANE_API V_PAbstractCursor {
public:
    V_PAbstractCursor();
    V_PAbstractCursor& operator=(const V_PAbstractCursor&) = delete;
    virtual ~V_PAbstractCursor();

    // Positions on the first element and returns it; null and not valid when there is none.
    virtual void* first() = 0;
    // Positions on the last element and returns it; null and not valid when there is none.
    virtual void* last() = 0;
    // Moves to the next element and returns it; null, and not valid, past the last one.
    virtual void* next() = 0;
    // Moves to the previous element and returns it; null, and not valid, before the first one.
    virtual void* previous() = 0;
    // The element the cursor is on; null when not valid.
    virtual void* current() const = 0;
    // The valid flag, as valid() (it does not look ahead).
    virtual bool more() const = 0;
    // True while the cursor is on an element.
    virtual bool valid() const = 0;
    // The collection the cursor walks.
    virtual V_PCollection* owner() = 0;
    // Takes owner, position and valid flag from `source`, a cursor of the same class; anything
    // else throws XCOLL_CursorException and leaves this cursor as it was.
    virtual void deepCopy(const V_PAbstractCursor* source) = 0;

protected:
    // For the copy constructors of concrete cursors, which copy the position.
    V_PAbstractCursor(const V_PAbstractCursor& other);
};

#endif
