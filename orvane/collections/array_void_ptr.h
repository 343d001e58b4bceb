// Indexed, growable arrays of untyped pointers.
//
// A V_ArrayVoidPtr keeps pointers in insertion positions, indexed from 0 to cardinality() - 1.
// Null pointers and duplicates are ordinary elements; nothing is sorted; elements compare by
// pointer value. The array never dereferences, copies or deletes what its pointers point to.
//
//   V_ArrayVoidPtr a;
//   a.insert(&x);                        // x
//   a.insert_first(&y);                  // y, x
//   a.insert_before(&z, 2);              // y, x, z  (index == cardinality appends)
//   a[5];                                // throws XCOLL_OutOfRange(5, 3)
//   std::unique_ptr<V_ArrayVoidPtr> both(&(a | b));  // new array, the caller deletes it
//
// Every index is checked before anything changes: an operation that throws leaves the array as
// it was. Indexed access and appending take constant time (appending amortised); insertion and
// removal at an index move the later elements; count, contains and remove(p) scan from index 0.
// After any insertion or removal, cursors over the array must be positioned again.
//
// Choices:
// - The store grows as the standard vector does (to at least twice its size) but its capacity
//   never exceeds the element limit.
// - The array holds at most 0x3FFFFFFF pointers; a request beyond that (a constructor count,
//   reserve, set_cardinality, any insertion, `|`) throws std::length_error("vector<T> too long")
//   and changes nothing. A negative count given to a constructor is read as unsigned and so
//   always exceeds the limit.
// - Allocation failure throws VSYST_OutOfMemory and changes nothing.
// - `a.insert(a)` appends one copy of the elements present at the call.
// - V_PArrayVoidCursor::deepCopy given a null pointer or a cursor of another class throws
//   XCOLL_CursorException (built without arguments) and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_ARRAY_VOID_PTR_H
#define ORVANE_COLLECTIONS_ARRAY_VOID_PTR_H

#include <memory>

#include "orvane/base/export.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/collection_limits.h"
#include "orvane/collections/cursor/position_holders.h"
#include "orvane/collections/cursor/store_cursor.h"

class V_ArrayVoidPtr;

// Walks an array in index order (see V_PAbstractCursor for the protocol).
class ORVANE_API V_PArrayVoidCursor : public V_PStoreCursor<V_ArrayVoidPtr, V_PArrayStore> {
public:
    // Bound to `array`, not valid.
    explicit V_PArrayVoidCursor(const V_ArrayVoidPtr& array);
    // The same owner, position and validity as `other`, in a position holder of its own.
    V_PArrayVoidCursor(const V_PArrayVoidCursor& other);
    V_PArrayVoidCursor& operator=(const V_PArrayVoidCursor&) = delete;
    ~V_PArrayVoidCursor() override;
};

// A growable array of untyped pointers in index order; it never owns what they point to.
class ORVANE_API V_ArrayVoidPtr : public V_PCollection {
public:
    V_ArrayVoidPtr();                    // empty, no capacity
    explicit V_ArrayVoidPtr(long n);     // empty, capacity for n elements
    V_ArrayVoidPtr(long n, void* fill);  // n elements, each `fill`
    // Copies the pointers (not what they point to); a failed copy leaves the target as it was.
    V_ArrayVoidPtr(const V_ArrayVoidPtr& other);
    V_ArrayVoidPtr& operator=(const V_ArrayVoidPtr& other);
    ~V_ArrayVoidPtr() override;  // deletes the store, never the pointees

    // Element i; i not below cardinality() throws XCOLL_OutOfRange(i, cardinality()).
    // Inline, like the other hot operations below, so that a loop over an array compiles to
    // plain loads.
    void*& operator[](unsigned long i) {
        orvane::requireIndex(i, m_store->size());
        return (*m_store)[i];
    }
    const void* operator[](unsigned long i) const {
        orvane::requireIndex(i, m_store->size());
        return (*m_store)[i];
    }
    void*& get_at(unsigned long i) { return (*this)[i]; }
    const void* get_at(unsigned long i) const { return (*this)[i]; }

    // The number of elements, and whether there are none.
    unsigned long cardinality() const { return m_store->size(); }
    bool empty() const { return m_store->empty(); }
    unsigned long count(const void* p) const;  // elements equal to p
    bool contains(const void* p) const;        // whether an element equals p
    // Same cardinality and equal pointers at every index.
    bool operator==(const V_ArrayVoidPtr& other) const;
    bool operator!=(const V_ArrayVoidPtr& other) const;

    // A new cursor, not valid; the caller deletes it.
    V_PArrayVoidCursor* createCursor() const override;

    void insert(const void* p) { append(p); }       // appends p
    void insert_last(const void* p) { append(p); }  // appends p
    void insert_first(const void* p);               // inserts p in front; the others move up by one
    // i == cardinality() appends; i above it throws XCOLL_OutOfRange(i, cardinality()).
    void insert_before(const void* p, unsigned long i);
    // Inserts at i + 1; i not below cardinality() throws XCOLL_OutOfRange(i, cardinality()).
    void insert_after(const void* p, unsigned long i);
    void insert(const V_ArrayVoidPtr& other);         // appends all of other's elements, in order
    void replace_at(const void* p, unsigned long i);  // element i becomes p; errors as [i]
    void remove_at(unsigned long i);                  // later elements move down by one
    bool remove(const void* p);     // removes the first element equal to p; false if none
    void clear();                   // the capacity stays
    void reserve(unsigned long n);  // never shrinks, never changes the size
    // Grows to n elements by appending copies of `fill`; shrinks to n only when `shrink` is true.
    void set_cardinality(unsigned long n, void* fill, bool shrink);

    // A new array holding this array's elements, then other's; neither operand changes. The
    // caller owns the result and deletes it.
    V_ArrayVoidPtr& operator|(const V_ArrayVoidPtr& other) const;

private:
    friend class V_PArrayVoidCursor;

    // Appends p: inline while the store has spare capacity (no allocation, so nothing can fail;
    // the capacity never exceeds the element limit, so neither can the size), through
    // appendGrowing otherwise.
    void append(const void* p) {
        V_PArrayStore& store = *m_store;
        if (store.size() != store.capacity()) {
            store.push_back(const_cast<void*>(p));
        } else {
            appendGrowing(p);
        }
    }
    // Appends p when the store is full: checks the limit, then grows.
    void appendGrowing(const void* p);

    std::unique_ptr<V_PArrayStore> m_store;
};

#endif
