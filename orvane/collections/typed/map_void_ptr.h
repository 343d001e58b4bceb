// Ordered maps from keys to untyped pointers, their typed form and their cursor.
//
// A V_MapVoidPtr<K> maps keys (owned, by value) to pointers (never owned), ordered by
// K::operator<, each key at most once. V_MapPtr<K, V> is the same map with V* values.
//
//   V_MapPtr<VSYST_SymbolA, Handler> handlers;
//   handlers.insert("LengthUnitChanged", &onLength);
//   handlers.insert("LengthUnitChanged", &other);       // throws XCOLL_DuplicateKey
//   handlers.find("LengthUnitChanged");                 // &onLength
//   handlers.find("Nothing");                           // null
//   std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>> c(handlers.createCursor());
//   for (c->first(); c->valid(); c->next()) use(c->key(), static_cast<Handler*>(c->current()));
//
// find, insert and remove search the ordered tree once (logarithmic time). The cursor follows
// the untyped cursor protocol (see V_PAbstractCursor) in ascending key order; its element is the
// value of the entry, and key() gives the entry's key. It stays usable across insertions and
// across removals of other entries. setOwner binds it to another map and leaves it not valid.
//
// Errors: insert of a key already present throws XCOLL_DuplicateKey and leaves the map as it
// was; key() on a cursor that is not valid throws XCOLL_CursorException (built without
// arguments).
//
// Choices:
// - A null value is stored like any other; find cannot tell it from an absent key, so a caller
//   that stores null values tells them apart with a cursor or by remove's result.
// - Maps can be copied: the copy has the same keys and the same pointers.
// - Allocation failure throws VSYST_OutOfMemory and leaves the map as it was.
// - `V_PMapVoidCursor<K>::deepCopy` given a null pointer or a cursor of another class throws
//   XCOLL_CursorException and leaves the target as it was.
#ifndef ORVANE_COLLECTIONS_TYPED_MAP_VOID_PTR_H
#define ORVANE_COLLECTIONS_TYPED_MAP_VOID_PTR_H

#include <map>

#include "orvane/base/exception.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/cursor/abstract_cursor.h"
#include "orvane/collections/cursor/cursor_steps.h"

template <class K>
class V_MapVoidPtr;

// A cursor over a V_MapVoidPtr<K> in ascending key order; its element is the entry's value.
template <class K>
class V_PMapVoidCursor : public V_PAbstractCursor {
public:
    // A cursor over `map`, not valid.
    explicit V_PMapVoidCursor(const V_MapVoidPtr<K>& map)
        : m_owner(&map), m_position(), m_valid(false) {}
    // Another cursor at the same position.
    V_PMapVoidCursor(const V_PMapVoidCursor& other) = default;
    V_PMapVoidCursor& operator=(const V_PMapVoidCursor&) = delete;
    ~V_PMapVoidCursor() override = default;

    // The protocol of V_PAbstractCursor over the map's values.
    void* first() override {
        return orvane::cursor_steps::toFirst(entries(), m_position, m_valid) ? value() : nullptr;
    }
    void* last() override {
        return orvane::cursor_steps::toLast(entries(), m_position, m_valid) ? value() : nullptr;
    }
    void* next() override {
        return orvane::cursor_steps::toNext(entries(), m_position, m_valid) ? value() : nullptr;
    }
    void* previous() override {
        return orvane::cursor_steps::toPrevious(entries(), m_position, m_valid) ? value() : nullptr;
    }
    void* current() const override { return m_valid ? value() : nullptr; }
    bool more() const override { return m_valid; }
    bool valid() const override { return m_valid; }
    V_PCollection* owner() override { return const_cast<V_MapVoidPtr<K>*>(m_owner); }
    void deepCopy(const V_PAbstractCursor* source) override {
        const auto* other = dynamic_cast<const V_PMapVoidCursor*>(source);
        if (other == nullptr) throw XCOLL_CursorException();
        m_owner = other->m_owner;
        m_position = other->m_position;
        m_valid = other->m_valid;
    }

    // Binds the cursor to `map`, not valid; returns the map.
    virtual const V_MapVoidPtr<K>& setOwner(const V_MapVoidPtr<K>& map) {
        m_owner = &map;
        m_valid = false;
        return map;
    }

    // The key of the entry at the position; throws XCOLL_CursorException when not valid.
    const K& key() const {
        if (!m_valid) throw XCOLL_CursorException();
        return m_position->first;
    }

private:
    using Entries = std::map<K, void*>;

    const Entries& entries() const { return m_owner->m_entries; }
    void* value() const { return m_position->second; }

    const V_MapVoidPtr<K>* m_owner;
    typename Entries::const_iterator m_position;
    bool m_valid;
};

// An ordered map from keys K (owned) to untyped pointers (never owned).
template <class K>
class V_MapVoidPtr : public V_PCollection {
public:
    V_MapVoidPtr() = default;
    // Copies keys and pointers; on failure the target is left as it was.
    V_MapVoidPtr(const V_MapVoidPtr& other)
        : V_PCollection(other),
          m_entries(orvane::allocating([&] { return std::map<K, void*>(other.m_entries); })) {}
    V_MapVoidPtr& operator=(const V_MapVoidPtr& other) {
        if (this != &other) {
            std::map<K, void*> copy =
                orvane::allocating([&] { return std::map<K, void*>(other.m_entries); });
            m_entries.swap(copy);
        }
        return *this;
    }
    ~V_MapVoidPtr() override = default;  // the values are not deleted

    // Adds the entry; a key already present throws XCOLL_DuplicateKey, changing nothing.
    void insert(const K& key, void* value) {
        const auto at = m_entries.lower_bound(key);
        if (at != m_entries.end() && !(key < at->first)) throw XCOLL_DuplicateKey();
        orvane::allocating([&] { m_entries.emplace_hint(at, key, value); });
    }

    // The value stored under `key`, or null when the key is absent.
    void* find(const K& key) const {
        const auto at = m_entries.find(key);
        return at == m_entries.end() ? nullptr : at->second;
    }

    // Removes the entry; false when there was none.
    bool remove(const K& key) { return m_entries.erase(key) != 0; }

    // Whether there are no entries, their number, and removing them all.
    bool empty() const { return m_entries.empty(); }
    unsigned long cardinality() const { return m_entries.size(); }
    void clear() { m_entries.clear(); }

    // A new cursor, not valid; the caller deletes it.
    V_PMapVoidCursor<K>* createCursor() const override {
        return orvane::allocating([this] { return new V_PMapVoidCursor<K>(*this); });
    }

private:
    friend class V_PMapVoidCursor<K>;

    std::map<K, void*> m_entries;
};

// The map with V* values.
template <class K, class V>
class V_MapPtr : public V_MapVoidPtr<K> {
public:
    V_MapPtr() = default;
    // Copies keys and pointers.
    V_MapPtr(const V_MapPtr& other) = default;
    V_MapPtr& operator=(const V_MapPtr& other) = default;
    ~V_MapPtr() override = default;  // the values are not deleted

    // insert and find of V_MapVoidPtr, with V*.
    void insert(const K& key, V* value) {
        V_MapVoidPtr<K>::insert(key, const_cast<void*>(static_cast<const void*>(value)));
    }
    V* find(const K& key) const { return static_cast<V*>(V_MapVoidPtr<K>::find(key)); }
};

#endif
