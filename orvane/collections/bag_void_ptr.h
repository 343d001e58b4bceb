// Ordered multisets of untyped pointers.
//
// A V_BagVoidPtr holds a pointer as often as it was inserted, in ascending order of address
// (compared as an unsigned number), equal pointers side by side. Null is an ordinary element.
// The bag never owns what the pointers point to.
//
//   V_BagVoidPtr bag;
//   bag.insert(&a);
//   bag.insert(&a);
//   bag.count(&a);                                       // 2
//   bag.remove(&a);                                      // true: one occurrence less
//   std::unique_ptr<V_BagVoidPtr> most(&(bag | other));  // new bag, the caller deletes it
//
// insert, remove, contains take logarithmic time, count logarithmic plus the occurrences, and
// cardinality (every occurrence counts) and empty constant time. The algebra and the comparisons
// walk both ascending sequences once, in time linear in the sum of both sizes:
//
//   |   each pointer as often as the larger of its two counts
//   &   as often as the smaller
//   -   this bag's count minus the other's, where positive
//   <=  no pointer occurs more often here than in `other`
//   <   <= holds and this bag has fewer occurrences in all
//
// No operation throws a collection exception: an absent pointer shows in remove's result, an
// empty bag in pick's null (pick also gives null when null is the smallest element; empty()
// tells the two apart). A cursor (V_PBagVoidCursor) visits every occurrence in ascending order
// and stays usable across insertions and across removals of other occurrences.
//
// Choices:
// - Allocation failure throws VSYST_OutOfMemory and leaves the bag as it was.
// - V_PBagVoidCursor::deepCopy given a null pointer or a cursor of another class throws
//   XCOLL_CursorException (built without arguments) and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_BAG_VOID_PTR_H
#define ORVANE_COLLECTIONS_BAG_VOID_PTR_H

#include <memory>

#include "orvane/base/export.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/cursor/position_holders.h"
#include "orvane/collections/cursor/store_cursor.h"

class V_BagVoidPtr;

// What the set and the bag share, in orvane/collections/ordered_collection_ops.h.
namespace orvane {
template <class Collection, class Store>
struct OrderedCollectionOps;
}  // namespace orvane

// Walks a bag in ascending address order, every occurrence (see V_PAbstractCursor).
class ORVANE_API V_PBagVoidCursor : public V_PStoreCursor<V_BagVoidPtr, V_PBagStore> {
public:
    explicit V_PBagVoidCursor(const V_BagVoidPtr& bag);  // not valid
    // The same owner, position and validity as `other`, in a position holder of its own.
    V_PBagVoidCursor(const V_PBagVoidCursor& other);
    V_PBagVoidCursor& operator=(const V_PBagVoidCursor&) = delete;
    ~V_PBagVoidCursor() override;
};

// An ordered multiset of untyped pointers; it never owns what they point to.
class ORVANE_API V_BagVoidPtr : public V_PCollection {
public:
    V_BagVoidPtr();
    // Copies the pointers; a failed copy leaves the target as it was.
    V_BagVoidPtr(const V_BagVoidPtr& other);
    V_BagVoidPtr& operator=(const V_BagVoidPtr& other);  // to itself: nothing changes
    ~V_BagVoidPtr() override;                            // deletes the store, never the pointees

    void insert(const void* p);                // one more occurrence of p, null included
    bool remove(const void* p);                // one occurrence less; false when p did not occur
    unsigned long count(const void* p) const;  // the occurrences of p
    bool contains(const void* p) const;        // whether p occurs at all
    // The smallest element; null for an empty bag.
    void* pick();
    const void* pick() const;
    unsigned long cardinality() const;  // every occurrence counts
    bool empty() const;                 // whether there are no elements
    void clear();                       // removes every occurrence

    // A new cursor, not valid; the caller deletes it.
    V_PBagVoidCursor* createCursor() const override;

    // New bags (see above); neither operand changes. The caller owns the result and deletes it.
    V_BagVoidPtr& operator|(const V_BagVoidPtr& other) const;
    V_BagVoidPtr& operator&(const V_BagVoidPtr& other) const;
    V_BagVoidPtr& operator-(const V_BagVoidPtr& other) const;

    // Sub-bag (no pointer occurs more often here), proper sub-bag, equal counts everywhere.
    bool operator<=(const V_BagVoidPtr& other) const;
    bool operator<(const V_BagVoidPtr& other) const;
    bool operator==(const V_BagVoidPtr& other) const;
    bool operator!=(const V_BagVoidPtr& other) const;

private:
    friend class V_PBagVoidCursor;
    friend struct orvane::OrderedCollectionOps<V_BagVoidPtr, V_PBagStore>;

    std::unique_ptr<V_PBagStore> m_store;
};

#endif
