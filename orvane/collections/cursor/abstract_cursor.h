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

class ORVANE_API V_PAbstractCursor {
public:
    V_PAbstractCursor();
    V_PAbstractCursor& operator=(const V_PAbstractCursor&) = delete;
    virtual ~V_PAbstractCursor();

    virtual void* first() = 0;
    virtual void* last() = 0;
    virtual void* next() = 0;
    virtual void* previous() = 0;
    virtual void* current() const = 0;
    virtual bool more() const = 0;
    virtual bool valid() const = 0;
    virtual V_PCollection* owner() = 0;
    virtual void deepCopy(const V_PAbstractCursor* source) = 0;

protected:
    V_PAbstractCursor(const V_PAbstractCursor& other);
};

#endif
