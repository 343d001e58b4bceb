// The backing stores of the untyped collections and the position holders of their cursors.
//
// Each concrete cursor keeps its position in a small holder that wraps one iterator of its
// collection's store:
//
//   V_PArrayIterator  an iterator of the array's growable array   (std::vector<void*>)
//   V_PListIterator   an iterator of the list's doubly linked list (std::list<void*>)
//   V_PSetIterator    an iterator of the set's ordered tree        (std::set<void*>)
//   V_PBagIterator    an iterator of the bag's ordered multi-tree  (std::multiset<void*>)
//
//   V_PListIterator position;          // singular: the iterator is value-initialised
//   position.setIterator(store.begin());
//   ++position.getIterator();
//
// The set and the bag order their pointers by V_PAddressLess: the numeric value of the address,
// compared unsigned.
#ifndef ORVANE_COLLECTIONS_CURSOR_POSITION_HOLDERS_H
#define ORVANE_COLLECTIONS_CURSOR_POSITION_HOLDERS_H

#include <cstdint>
#include <list>
#include <set>
#include <vector>

// Orders pointers by their address as an unsigned number.
struct V_PAddressLess {
    // True when a's address is below b's.
    bool operator()(const void* a, const void* b) const {
        return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b);
    }
};

// The stores: a growable array, a doubly linked list, an ordered set and an ordered multiset.
using V_PArrayStore = std::vector<void*>;
using V_PListStore = std::list<void*>;
using V_PSetStore = std::set<void*, V_PAddressLess>;
using V_PBagStore = std::multiset<void*, V_PAddressLess>;

// Holds one iterator of a Store. Copying a holder copies the position.
template <class Store>
struct V_PPositionHolder {
    using iterator = typename Store::iterator;  // the store's iterator

    V_PPositionHolder() : m_iterator() {}  // singular, all words zero
    // Copies the position.
    V_PPositionHolder(const V_PPositionHolder& other) = default;
    V_PPositionHolder& operator=(const V_PPositionHolder& other) = default;
    ~V_PPositionHolder() = default;

    // The iterator, to read or move it in place, and to set it.
    iterator& getIterator() { return m_iterator; }
    const iterator& getIterator() const { return m_iterator; }
    void setIterator(iterator it) { m_iterator = it; }

private:
    iterator m_iterator;
};

// The holders of the four cursors, one per store.
using V_PArrayIterator = V_PPositionHolder<V_PArrayStore>;
using V_PListIterator = V_PPositionHolder<V_PListStore>;
using V_PSetIterator = V_PPositionHolder<V_PSetStore>;
using V_PBagIterator = V_PPositionHolder<V_PBagStore>;

#endif
