// Doubly linked lists of untyped pointers, with insertion and removal at a cursor.
//
// A V_ListVoidPtr keeps pointers in insertion order; positions are numbered from 0 in link
// order. Null pointers and duplicates are ordinary elements; elements compare by pointer value.
// The list never dereferences, copies or deletes what its pointers point to.
//
//   V_ListVoidPtr list;
//   list.insert(&a);                                        // a
//   list.insert(&c);                                        // a, c
//   std::unique_ptr<V_PListVoidCursor> at(list.createCursor());
//   at->last();                                             // on c
//   list.insert_before(&b, *at);                            // a, b, c; still on c
//   list.remove_at(*at);                                    // a, b; the cursor moves to b
//
// Insertion and removal at an end or at a cursor take constant time and never move other
// elements, so cursors on other elements stay usable; a cursor whose element is removed must be
// positioned again (the list's own remove_at(cursor) moves that cursor itself). Every indexed
// operation walks from the first element: walk a list with a cursor, not by index.
// cardinality() and empty() take constant time.
//
// remove_at(cursor) with the cursor on the first element removes it and leaves the cursor not
// valid; on any other element it removes the element and leaves the cursor valid on its
// predecessor. A walk that removes as it goes therefore calls next() after each removal and
// starts again with first() when the cursor became not valid.
//
// Errors: XCOLL_OutOfRange(i, cardinality) for a bad index; XCOLL_EmptyCollection for
// get_first/get_last on an empty list; XCOLL_BadCursor when a cursor operation is given a cursor
// that is not a valid V_PListVoidCursor of this list. Every check comes first: an operation that
// throws leaves the list as it was.
//
// Choices:
// - `list.insert(list)` appends one copy of the elements present at the call.
// - The list holds at most 0x3FFFFFFF pointers; growing past that throws
//   std::length_error("list<T> too long") and changes nothing.
// - Allocation failure throws VSYST_OutOfMemory and changes nothing.
// - A cursor of another class (a null cursor, an array cursor) is a bad cursor: XCOLL_BadCursor.
// - V_PListVoidCursor::deepCopy given a null pointer or a cursor of another class throws
//   XCOLL_CursorException (built without arguments) and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_LIST_VOID_PTR_H
#define ORVANE_COLLECTIONS_LIST_VOID_PTR_H

#include <memory>

#include "orvane/base/export.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/cursor/position_holders.h"
#include "orvane/collections/cursor/store_cursor.h"

class V_ListVoidPtr;

// Walks a list in link order (see V_PAbstractCursor for the protocol).
class ORVANE_API V_PListVoidCursor : public V_PStoreCursor<V_ListVoidPtr, V_PListStore> {
public:
    // Bound to `list`, not valid.
    explicit V_PListVoidCursor(const V_ListVoidPtr& list);
    // The same owner, position and validity as `other`, in a position holder of its own.
    V_PListVoidCursor(const V_PListVoidCursor& other);
    V_PListVoidCursor& operator=(const V_PListVoidCursor&) = delete;
    ~V_PListVoidCursor() override;
};

// A doubly linked list of untyped pointers in insertion order; it never owns what they point to.
class ORVANE_API V_ListVoidPtr : public V_PCollection {
public:
    V_ListVoidPtr();
    // Copies the pointers; a failed copy leaves the target as it was.
    V_ListVoidPtr(const V_ListVoidPtr& other);
    V_ListVoidPtr& operator=(const V_ListVoidPtr& other);  // to itself: nothing happens
    ~V_ListVoidPtr() override;                             // deletes the store, never the pointees

    // Element i, reached by walking i links; i not below cardinality() throws
    // XCOLL_OutOfRange(i, cardinality()).
    void*& operator[](unsigned long i);
    const void* operator[](unsigned long i) const;
    void*& get_at(unsigned long i);
    const void* get_at(unsigned long i) const;
    // The first and last element; an empty list throws XCOLL_EmptyCollection.
    void*& get_first();
    const void* get_first() const;
    void*& get_last();
    const void* get_last() const;

    unsigned long cardinality() const;         // the number of elements
    bool empty() const;                        // whether there are none
    unsigned long count(const void* p) const;  // elements equal to p
    bool contains(const void* p) const;        // whether an element equals p
    // Same cardinality and equal pointers at every position.
    bool operator==(const V_ListVoidPtr& other) const;
    bool operator!=(const V_ListVoidPtr& other) const;

    // A new cursor, not valid; the caller deletes it.
    V_PListVoidCursor* createCursor() const override;

    void insert(const void* p);        // appends p
    void insert_last(const void* p);   // appends p
    void insert_first(const void* p);  // puts p in front
    // i == cardinality() appends; i above it throws XCOLL_OutOfRange(i, cardinality()).
    void insert_before(const void* p, unsigned long i);
    // Inserts behind position i; i not below cardinality() throws XCOLL_OutOfRange.
    void insert_after(const void* p, unsigned long i);
    void insert(const V_ListVoidPtr& other);          // appends all of other's elements, in order
    void replace_at(const void* p, unsigned long i);  // element i becomes p; errors as [i]
    void remove_at(unsigned long i);                  // removes element i; errors as [i]
    bool remove(const void* p);  // removes the first element equal to p; false if none
    void clear();                // removes every element

    // At a cursor: `cursor` must be a valid V_PListVoidCursor of this list, or XCOLL_BadCursor
    // is thrown. insert_before and insert_after leave the cursor on its element.
    void insert_before(const void* p, const V_PAbstractCursor& cursor);
    void insert_after(const void* p, const V_PAbstractCursor& cursor);
    void remove_at(const V_PAbstractCursor& cursor);  // moves the cursor (see above)
    void replace_at(const void* p, const V_PAbstractCursor& cursor);

    // A new list holding this list's elements, then other's; neither operand changes. The
    // caller owns the result and deletes it.
    V_ListVoidPtr& operator|(const V_ListVoidPtr& other) const;

private:
    friend class V_PListVoidCursor;

    // The cursor, when it is a valid V_PListVoidCursor of this list; otherwise throws.
    const V_PListVoidCursor& accepted(const V_PAbstractCursor& cursor) const;

    std::unique_ptr<V_PListStore> m_store;
};

#endif
