#include "orvane/collections/bag_void_ptr.h"

#include "orvane/base/exception.h"
#include "orvane/collections/ordered_collection_ops.h"
#include "orvane/collections/sorted_merge.h"

namespace {

using Ops = orvane::OrderedCollectionOps<V_BagVoidPtr, V_PBagStore>;
namespace merge = orvane::sorted_merge;

void* stored(const void* p) {
    return const_cast<void*>(p);
}

}  // namespace

// ---- V_PBagVoidCursor --------------------------------------------------------------------------

V_PBagVoidCursor::V_PBagVoidCursor(const V_BagVoidPtr& bag) : V_PStoreCursor(bag, *bag.m_store) {}

V_PBagVoidCursor::V_PBagVoidCursor(const V_PBagVoidCursor& other) : V_PStoreCursor(other) {}

V_PBagVoidCursor::~V_PBagVoidCursor() = default;

// ---- V_BagVoidPtr ------------------------------------------------------------------------------

V_BagVoidPtr::V_BagVoidPtr() : m_store(Ops::newStore()) {}

V_BagVoidPtr::V_BagVoidPtr(const V_BagVoidPtr& other)
    : V_PCollection(other), m_store(Ops::copyOf(other)) {}

V_BagVoidPtr& V_BagVoidPtr::operator=(const V_BagVoidPtr& other) {
    Ops::assign(*this, other);
    return *this;
}

V_BagVoidPtr::~V_BagVoidPtr() = default;

void V_BagVoidPtr::insert(const void* p) {
    // Equal pointers sit side by side: the tree keeps them adjacent in its order.
    orvane::allocating([&] { m_store->insert(stored(p)); });
}

bool V_BagVoidPtr::remove(const void* p) {
    const auto found = m_store->find(stored(p));
    if (found == m_store->end()) return false;
    m_store->erase(found);
    return true;
}

unsigned long V_BagVoidPtr::count(const void* p) const {
    return m_store->count(stored(p));
}

void* V_BagVoidPtr::pick() {
    return Ops::smallest(*this);
}

const void* V_BagVoidPtr::pick() const {
    return Ops::smallest(*this);
}

unsigned long V_BagVoidPtr::cardinality() const {
    return m_store->size();
}

bool V_BagVoidPtr::empty() const {
    return m_store->empty();
}

bool V_BagVoidPtr::contains(const void* p) const {
    return Ops::contains(*this, p);
}

void V_BagVoidPtr::clear() {
    m_store->clear();
}

V_PBagVoidCursor* V_BagVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PBagVoidCursor(*this); });
}

V_BagVoidPtr& V_BagVoidPtr::operator|(const V_BagVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kUnion);
}

V_BagVoidPtr& V_BagVoidPtr::operator&(const V_BagVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kIntersection);
}

V_BagVoidPtr& V_BagVoidPtr::operator-(const V_BagVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kDifference);
}

bool V_BagVoidPtr::operator<=(const V_BagVoidPtr& other) const {
    return Ops::includes(other, *this);
}

bool V_BagVoidPtr::operator<(const V_BagVoidPtr& other) const {
    return Ops::properlyIncludes(other, *this);
}

bool V_BagVoidPtr::operator==(const V_BagVoidPtr& other) const {
    return Ops::equal(*this, other);
}

bool V_BagVoidPtr::operator!=(const V_BagVoidPtr& other) const {
    return !Ops::equal(*this, other);
}
