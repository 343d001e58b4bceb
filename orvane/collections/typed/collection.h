// The abstract typed collection and its cursor: the value-collection counterparts of
// V_PCollection and V_PAbstractCursor.
//
// A V_Collection<T> hands out cursors of type V_AbstractCursor<T>. The cursor moves like the
// untyped one (first, last, next, previous; running off an end clears valid), but its moves
// return nothing and current() gives a reference to the element, throwing XCOLL_CursorException
// when the cursor is not valid. A walk therefore tests valid() before each current():
//
//   std::unique_ptr<V_AbstractCursor<V_STRING>> c(names.createCursor());   // the caller's
//   for (c->first(); c->valid(); c->next()) print(c->current());
//
// Choices:
// - current() gives a const reference: cursors are made from const collections and only read.
//   Elements are changed through the collection itself (`V_Array<T>::operator[]`).
// - owner() gives the collection as const, for the same reason.
// - deepCopy takes a pointer, as the untyped cursor does; a null pointer or a cursor of another
//   class throws XCOLL_CursorException and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_TYPED_COLLECTION_H
#define ORVANE_COLLECTIONS_TYPED_COLLECTION_H

template <class T>
class V_AbstractCursor;

// The abstract typed collection: it hands out cursors over its elements of type T.
template <class T>
class V_Collection {
public:
    V_Collection() = default;
    // The base holds nothing; the concrete collections copy (and move) their elements.
    V_Collection(const V_Collection&) = default;
    V_Collection& operator=(const V_Collection&) = default;
    virtual ~V_Collection() = default;

    // A new cursor over this collection, not valid. The caller owns it and deletes it.
    virtual V_AbstractCursor<T>* createCursor() const = 0;

protected:
    // For the moves of concrete collections.
    V_Collection(V_Collection&&) noexcept = default;
    V_Collection& operator=(V_Collection&&) noexcept = default;
};

// A read-only position in a typed collection, valid or not.
template <class T>
class V_AbstractCursor {
public:
    V_AbstractCursor() = default;
    V_AbstractCursor& operator=(const V_AbstractCursor&) = delete;
    virtual ~V_AbstractCursor() = default;

    // Positions on the first or last element; not valid when there is none.
    virtual void first() = 0;
    virtual void last() = 0;
    // Moves one element on or back; running off an end, or moving while not valid, leaves the
    // cursor not valid.
    virtual void next() = 0;
    virtual void previous() = 0;
    // The element at the position; throws XCOLL_CursorException when not valid.
    virtual const T& current() const = 0;
    // The valid flag (both the same test): true while the cursor is on an element.
    virtual bool more() const = 0;
    virtual bool valid() const = 0;
    // The collection the cursor walks.
    virtual const V_Collection<T>* owner() const = 0;
    // Takes owner, position and valid flag from `source`, a cursor of the same class; anything
    // else throws XCOLL_CursorException and leaves this cursor as it was.
    virtual void deepCopy(const V_AbstractCursor<T>* source) = 0;

protected:
    // For the copy constructors of concrete cursors, which copy the position.
    V_AbstractCursor(const V_AbstractCursor&) = default;
};

#endif
