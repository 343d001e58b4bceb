#include "orvane/collections/set_void_ptr.h"

#include "orvane/base/exception.h"
#include "orvane/collections/ordered_collection_ops.h"
#include "orvane/collections/sorted_merge.h"

namespace {

using Ops = orvane::OrderedCollectionOps<V_SetVoidPtr, V_PSetStore>;
namespace merge = orvane::sorted_merge;

void* stored(const void* p) {
    return const_cast<void*>(p);
}

}  // namespace

// ---- V_PSetVoidCursor --------------------------------------------------------------------------

V_PSetVoidCursor::V_PSetVoidCursor(const V_SetVoidPtr& set) : V_PStoreCursor(set, *set.m_store) {}

V_PSetVoidCursor::V_PSetVoidCursor(const V_PSetVoidCursor& other) : V_PStoreCursor(other) {}

V_PSetVoidCursor::~V_PSetVoidCursor() = default;

// ---- V_SetVoidPtr ------------------------------------------------------------------------------

V_SetVoidPtr::V_SetVoidPtr() : m_store(Ops::newStore()) {}

V_SetVoidPtr::V_SetVoidPtr(long) : V_SetVoidPtr() {}

V_SetVoidPtr::V_SetVoidPtr(const V_SetVoidPtr& other)
    : V_PCollection(other), m_store(Ops::copyOf(other)) {}

V_SetVoidPtr& V_SetVoidPtr::operator=(const V_SetVoidPtr& other) {
    Ops::assign(*this, other);
    return *this;
}

V_SetVoidPtr::~V_SetVoidPtr() = default;

bool V_SetVoidPtr::insert(const void* p) {
    if (p == nullptr) return false;
    return orvane::allocating([&] { return m_store->insert(stored(p)).second; });
}

bool V_SetVoidPtr::remove(const void* p) {
    return m_store->erase(stored(p)) != 0;
}

const void* V_SetVoidPtr::pick() const {
    return Ops::smallest(*this);
}

unsigned long V_SetVoidPtr::cardinality() const {
    return m_store->size();
}

bool V_SetVoidPtr::empty() const {
    return m_store->empty();
}

void V_SetVoidPtr::clear() {
    m_store->clear();
}

V_PSetVoidCursor* V_SetVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PSetVoidCursor(*this); });
}

V_SetVoidPtr& V_SetVoidPtr::operator|=(const V_SetVoidPtr& other) {
    return Ops::mergeInto(*this, other, merge::kUnion);
}

V_SetVoidPtr& V_SetVoidPtr::operator&=(const V_SetVoidPtr& other) {
    return Ops::mergeInto(*this, other, merge::kIntersection);
}

V_SetVoidPtr& V_SetVoidPtr::operator-=(const V_SetVoidPtr& other) {
    return Ops::mergeInto(*this, other, merge::kDifference);
}

V_SetVoidPtr& V_SetVoidPtr::operator|(const V_SetVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kUnion);
}

V_SetVoidPtr& V_SetVoidPtr::operator&(const V_SetVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kIntersection);
}

V_SetVoidPtr& V_SetVoidPtr::operator-(const V_SetVoidPtr& other) const {
    return Ops::merged(*this, other, merge::kDifference);
}

bool V_SetVoidPtr::operator<=(const V_SetVoidPtr& other) const {
    return Ops::includes(other, *this);
}

bool V_SetVoidPtr::operator<(const V_SetVoidPtr& other) const {
    return Ops::properlyIncludes(other, *this);
}

bool V_SetVoidPtr::operator==(const V_SetVoidPtr& other) const {
    return Ops::equal(*this, other);
}

bool V_SetVoidPtr::operator!=(const V_SetVoidPtr& other) const {
    return !Ops::equal(*this, other);
}
