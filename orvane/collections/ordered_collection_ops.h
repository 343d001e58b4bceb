// The operations the set and the bag have in common, written once.
//
// V_SetVoidPtr and V_BagVoidPtr both keep their pointers in a sorted store (V_PSetStore,
// V_PBagStore) behind a `std::unique_ptr` member `m_store`, and differ only in whether a pointer
// may occur more than once. Everything that does not depend on that lives here, and each of the
// two collections forwards to it:
//
//   V_SetVoidPtr& V_SetVoidPtr::operator|(const V_SetVoidPtr& other) const {
//       return Ops::merged(*this, other, orvane::sorted_merge::kUnion);
//   }
//
// This header belongs to the implementation: the two collections name OrderedCollectionOps their
// friend, and its functions reach their private stores, so it is of no use to callers and the
// umbrella header leaves it out.
#ifndef ORVANE_COLLECTIONS_ORDERED_COLLECTION_OPS_H
#define ORVANE_COLLECTIONS_ORDERED_COLLECTION_OPS_H

#include <algorithm>
#include <memory>

#include "orvane/base/exception.h"
#include "orvane/collections/sorted_merge.h"

namespace orvane {

template <class Collection, class Store>
struct OrderedCollectionOps {
    static std::unique_ptr<Store> newStore() {
        return allocating([] { return std::make_unique<Store>(); });
    }

    static std::unique_ptr<Store> copyOf(const Collection& c) {
        return allocating([&] { return std::make_unique<Store>(*c.m_store); });
    }

    // Copies first, then takes the copy over: a failed allocation changes nothing, and
    // assignment to itself nothing at all.
    static void assign(Collection& target, const Collection& source) {
        if (target.m_store == source.m_store) return;
        Store copy = allocating([&] { return Store(*source.m_store); });
        target.m_store->swap(copy);
    }

    // The smallest element; null for an empty store.
    static void* smallest(const Collection& c) {
        return c.m_store->empty() ? nullptr : *c.m_store->begin();
    }

    static bool contains(const Collection& c, const void* p) {
        return c.m_store->find(const_cast<void*>(p)) != c.m_store->end();
    }

    // A new collection, the caller's to delete, holding the merge of `a` and `b`.
    template <class Merge>
    static Collection& merged(const Collection& a, const Collection& b, Merge merge) {
        std::unique_ptr<Collection> result(allocating([] { return new Collection(); }));
        Store store = sorted_merge::merged(*a.m_store, *b.m_store, merge);
        result->m_store->swap(store);
        return *result.release();
    }

    // `a` becomes the merge of `a` and `b` (which may be `a` itself).
    template <class Merge>
    static Collection& mergeInto(Collection& a, const Collection& b, Merge merge) {
        Store store = sorted_merge::merged(*a.m_store, *b.m_store, merge);
        a.m_store->swap(store);
        return a;
    }

    // Every occurrence in `part` is matched in `whole`.
    static bool includes(const Collection& whole, const Collection& part) {
        return sorted_merge::includes(*whole.m_store, *part.m_store);
    }

    static bool properlyIncludes(const Collection& whole, const Collection& part) {
        return part.m_store->size() < whole.m_store->size() && includes(whole, part);
    }

    static bool equal(const Collection& a, const Collection& b) {
        return a.m_store->size() == b.m_store->size() &&
               std::equal(a.m_store->begin(), a.m_store->end(), b.m_store->begin());
    }
};

}  // namespace orvane

#endif
