// Ordered sets of untyped pointers with set algebra.
//
// A V_SetVoidPtr keeps each pointer at most once, in ascending order of its address (compared as
// an unsigned number), and never owns what the pointers point to. Null is never an element.
//
//   V_SetVoidPtr s;
//   s.insert(&a);                                    // true
//   s.insert(&a);                                    // false: already there
//   s.insert(nullptr);                               // false: null is refused
//   s |= other;                                      // union in place
//   std::unique_ptr<V_SetVoidPtr> both(&(s & other));  // new set, the caller deletes it
//
// insert, remove and contains take logarithmic time; cardinality and empty constant time. The
// algebra (|, &, - and their in-place forms) and the comparisons (<=, <, ==) walk both ascending
// sequences once, so they take time linear in the sum of both sizes; each result element is
// added at the end of the result in amortised constant time. No operation throws a collection
// exception: refusals show in the results of insert, remove and pick.
//
// A cursor (V_PSetVoidCursor) walks the set in ascending order; it stays usable across
// insertions and across removals of other elements. The in-place operators rebuild the set, so
// cursors over it must be positioned again after one of them.
//
// Choices:
// - The in-place operators build the result beside the set and then take it over, so they give
//   the mathematical result also when `other` is the set itself: `s |= s` and `s &= s` leave s
//   unchanged, `s -= s` empties it. The same holds for `s | s`, `s & s` and `s - s`.
// - Allocation failure throws VSYST_OutOfMemory and leaves the set as it was (the in-place
//   operators included).
// - V_PSetVoidCursor::deepCopy given a null pointer or a cursor of another class throws
//   XCOLL_CursorException (built without arguments) and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_SET_VOID_PTR_H
#define ORVANE_COLLECTIONS_SET_VOID_PTR_H

#include <memory>

#include "orvane/base/export.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/cursor/position_holders.h"
#include "orvane/collections/cursor/store_cursor.h"

class V_SetVoidPtr;

// What the set and the bag share, in orvane/collections/ordered_collection_ops.h.
namespace orvane {
template <class Collection, class Store>
struct OrderedCollectionOps;
}  // namespace orvane

// Walks a set in ascending address order (see V_PAbstractCursor for the protocol).
class ORVANE_API V_PSetVoidCursor : public V_PStoreCursor<V_SetVoidPtr, V_PSetStore> {
public:
    explicit V_PSetVoidCursor(const V_SetVoidPtr& set);  // not valid
    // The same owner, position and validity as `other`, in a position holder of its own.
    V_PSetVoidCursor(const V_PSetVoidCursor& other);
    V_PSetVoidCursor& operator=(const V_PSetVoidCursor&) = delete;
    ~V_PSetVoidCursor() override;
};

// An ordered set of untyped, non-null pointers; it never owns what they point to.
class ORVANE_API V_SetVoidPtr : public V_PCollection {
public:
    V_SetVoidPtr();
    explicit V_SetVoidPtr(long unused);  // empty; the argument is not used
    // Copies the pointers; a failed copy leaves the target as it was.
    V_SetVoidPtr(const V_SetVoidPtr& other);
    V_SetVoidPtr& operator=(const V_SetVoidPtr& other);  // to itself: nothing changes
    ~V_SetVoidPtr() override;                            // deletes the store, never the pointees

    // Adds p; false when p is null or already an element.
    bool insert(const void* p);
    // Removes p; false when p was not an element.
    bool remove(const void* p);
    // The smallest element; null for an empty set.
    const void* pick() const;
    unsigned long cardinality() const;  // the number of elements
    bool empty() const;                 // whether there are none
    // Whether p is an element. Inline, so that a caller's loop of look-ups compiles to the same
    // tree search as one over the standard set.
    bool contains(const void* p) const {
        return m_store->find(const_cast<void*>(p)) != m_store->end();
    }
    void clear();  // removes every element

    // A new cursor, not valid; the caller deletes it.
    V_PSetVoidCursor* createCursor() const override;

    // This set becomes the union, intersection or difference with `other`; returns this set.
    V_SetVoidPtr& operator|=(const V_SetVoidPtr& other);
    V_SetVoidPtr& operator&=(const V_SetVoidPtr& other);
    V_SetVoidPtr& operator-=(const V_SetVoidPtr& other);

    // A new set holding the union, intersection or difference (this minus other); neither
    // operand changes. The caller owns the result and deletes it.
    V_SetVoidPtr& operator|(const V_SetVoidPtr& other) const;
    V_SetVoidPtr& operator&(const V_SetVoidPtr& other) const;
    V_SetVoidPtr& operator-(const V_SetVoidPtr& other) const;

    // Subset, proper subset, equality.
    bool operator<=(const V_SetVoidPtr& other) const;
    bool operator<(const V_SetVoidPtr& other) const;
    bool operator==(const V_SetVoidPtr& other) const;
    bool operator!=(const V_SetVoidPtr& other) const;

private:
    friend class V_PSetVoidCursor;
    friend struct orvane::OrderedCollectionOps<V_SetVoidPtr, V_PSetStore>;

    std::unique_ptr<V_PSetStore> m_store;
};

#endif
