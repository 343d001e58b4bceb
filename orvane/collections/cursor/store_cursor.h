// The cursor protocol over a collection's store, written once for the array, list, set and bag
// cursors.
//
// V_PStoreCursor<Owner, Store> keeps the collection it is bound to, that collection's store, its
// position in a holder of its own (a V_PPositionHolder<Store>) and the valid flag, and moves by
// the rules of V_PAbstractCursor. Each concrete cursor derives from it and only binds it:
//
//   class V_PSetVoidCursor : public V_PStoreCursor<V_SetVoidPtr, V_PSetStore> {
//   public:
//       explicit V_PSetVoidCursor(const V_SetVoidPtr& set)
//           : V_PStoreCursor(set, *set.m_store) {}   // not valid
//   };
//
// The store is taken once, when the cursor is bound: a collection keeps the same store object for
// its whole life (assignment replaces the store's contents, never the store).
//
// Choices:
// - deepCopy accepts only a cursor of the same instantiation, that is of the same concrete
//   cursor class; a null pointer or a cursor of another class throws XCOLL_CursorException
//   (built without arguments) and leaves the target as it was.
// - The collection that owns the store may reach the position and the flag (the list inserts and
//   removes at a cursor and moves a cursor it is given by const reference).
// - Allocation failure throws VSYST_OutOfMemory.
// - The moves and queries are final: a concrete cursor class cannot change them.
#ifndef ORVANE_COLLECTIONS_CURSOR_STORE_CURSOR_H
#define ORVANE_COLLECTIONS_CURSOR_STORE_CURSOR_H

#include <memory>

#include "orvane/base/exception.h"
#include "orvane/base/export.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/cursor/abstract_cursor.h"
#include "orvane/collections/cursor/cursor_steps.h"
#include "orvane/collections/cursor/position_holders.h"

class V_PCollection;

// The cursor protocol over the store of an `Owner` collection; the untyped cursors derive from it.
template <class Owner, class Store>
class ORVANE_API V_PStoreCursor : public V_PAbstractCursor {
public:
    V_PStoreCursor& operator=(const V_PStoreCursor&) = delete;
    ~V_PStoreCursor() override = default;

    // The moves and queries of V_PAbstractCursor, on the bound collection's store. They are
    // final, so a call through a concrete cursor (what createCursor returns) is a direct call
    // the compiler can inline; through V_PAbstractCursor it stays virtual.
    void* first() final {
        auto& it = m_position->getIterator();
        return orvane::cursor_steps::toFirst(*m_store, it, m_valid) ? *it : nullptr;
    }
    void* last() final {
        auto& it = m_position->getIterator();
        return orvane::cursor_steps::toLast(*m_store, it, m_valid) ? *it : nullptr;
    }
    void* next() final {
        auto& it = m_position->getIterator();
        return orvane::cursor_steps::toNext(*m_store, it, m_valid) ? *it : nullptr;
    }
    void* previous() final {
        auto& it = m_position->getIterator();
        return orvane::cursor_steps::toPrevious(*m_store, it, m_valid) ? *it : nullptr;
    }
    void* current() const final { return m_valid ? *m_position->getIterator() : nullptr; }
    bool more() const final { return m_valid; }
    bool valid() const final { return m_valid; }
    V_PCollection* owner() final { return const_cast<Owner*>(m_owner); }
    void deepCopy(const V_PAbstractCursor* source) final {
        const auto* other = dynamic_cast<const V_PStoreCursor*>(source);
        if (other == nullptr) throw XCOLL_CursorException();
        m_owner = other->m_owner;
        m_store = other->m_store;
        *m_position = *other->m_position;
        m_valid = other->m_valid;
    }

protected:
    // Bound to `owner`, whose store is `store`; not valid.
    V_PStoreCursor(const Owner& owner, Store& store)
        : m_owner(&owner),
          m_store(&store),
          m_position(orvane::allocating([] { return std::make_unique<Holder>(); })),
          m_valid(false) {}
    // The same owner, position and validity as `other`, in a position holder of its own.
    V_PStoreCursor(const V_PStoreCursor& other)
        : V_PAbstractCursor(other),
          m_owner(other.m_owner),
          m_store(other.m_store),
          m_position(
              orvane::allocating([&] { return std::make_unique<Holder>(*other.m_position); })),
          m_valid(other.m_valid) {}

private:
    friend Owner;
    using Holder = V_PPositionHolder<Store>;

    const Owner* m_owner;
    Store* m_store;
    std::unique_ptr<Holder> m_position;
    mutable bool m_valid;
};

#endif
