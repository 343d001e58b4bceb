#include "orvane/collections/set_void_ptr.h"

#include <algorithm>

#include "orvane/base/exception.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/cursor/cursor_steps.h"
#include "orvane/collections/sorted_merge.h"

namespace {

namespace steps = orvane::cursor_steps;
namespace merge = orvane::sorted_merge;

void* stored(const void* p) {
    return const_cast<void*>(p);
}

}  // namespace

// ---- V_PSetVoidCursor --------------------------------------------------------------------------

V_PSetVoidCursor::V_PSetVoidCursor(const V_SetVoidPtr& set)
    : m_owner(&set),
      m_position(orvane::allocating([] { return std::make_unique<V_PSetIterator>(); })),
      m_valid(false) {}

V_PSetVoidCursor::V_PSetVoidCursor(const V_PSetVoidCursor& other)
    : V_PAbstractCursor(other),
      m_owner(other.m_owner),
      m_position(
          orvane::allocating([&] { return std::make_unique<V_PSetIterator>(*other.m_position); })),
      m_valid(other.m_valid) {}

V_PSetVoidCursor::~V_PSetVoidCursor() = default;

void* V_PSetVoidCursor::first() {
    auto& it = m_position->getIterator();
    return steps::toFirst(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PSetVoidCursor::last() {
    auto& it = m_position->getIterator();
    return steps::toLast(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PSetVoidCursor::next() {
    auto& it = m_position->getIterator();
    return steps::toNext(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PSetVoidCursor::previous() {
    auto& it = m_position->getIterator();
    return steps::toPrevious(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PSetVoidCursor::current() const {
    return m_valid ? *m_position->getIterator() : nullptr;
}

bool V_PSetVoidCursor::more() const {
    return m_valid;
}

bool V_PSetVoidCursor::valid() const {
    return m_valid;
}

V_PCollection* V_PSetVoidCursor::owner() {
    return const_cast<V_SetVoidPtr*>(m_owner);
}

void V_PSetVoidCursor::deepCopy(const V_PAbstractCursor* source) {
    const auto* other = dynamic_cast<const V_PSetVoidCursor*>(source);
    if (other == nullptr) throw XCOLL_CursorException();
    m_owner = other->m_owner;
    *m_position = *other->m_position;
    m_valid = other->m_valid;
}

// ---- V_SetVoidPtr ------------------------------------------------------------------------------

V_SetVoidPtr::V_SetVoidPtr()
    : m_store(orvane::allocating([] { return std::make_unique<V_PSetStore>(); })) {}

V_SetVoidPtr::V_SetVoidPtr(long) : V_SetVoidPtr() {}

V_SetVoidPtr::V_SetVoidPtr(const V_SetVoidPtr& other)
    : V_PCollection(other),
      m_store(orvane::allocating([&] { return std::make_unique<V_PSetStore>(*other.m_store); })) {}

V_SetVoidPtr& V_SetVoidPtr::operator=(const V_SetVoidPtr& other) {
    if (m_store == other.m_store) return *this;
    V_PSetStore copy = orvane::allocating([&] { return V_PSetStore(*other.m_store); });
    m_store->swap(copy);
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
    return m_store->empty() ? nullptr : *m_store->begin();
}

unsigned long V_SetVoidPtr::cardinality() const {
    return m_store->size();
}

bool V_SetVoidPtr::empty() const {
    return m_store->empty();
}

bool V_SetVoidPtr::contains(const void* p) const {
    return m_store->find(stored(p)) != m_store->end();
}

void V_SetVoidPtr::clear() {
    m_store->clear();
}

V_PSetVoidCursor* V_SetVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PSetVoidCursor(*this); });
}

V_SetVoidPtr& V_SetVoidPtr::operator|=(const V_SetVoidPtr& other) {
    V_PSetStore result = merge::merged(*m_store, *other.m_store, merge::kUnion);
    m_store->swap(result);
    return *this;
}

V_SetVoidPtr& V_SetVoidPtr::operator&=(const V_SetVoidPtr& other) {
    V_PSetStore result = merge::merged(*m_store, *other.m_store, merge::kIntersection);
    m_store->swap(result);
    return *this;
}

V_SetVoidPtr& V_SetVoidPtr::operator-=(const V_SetVoidPtr& other) {
    V_PSetStore result = merge::merged(*m_store, *other.m_store, merge::kDifference);
    m_store->swap(result);
    return *this;
}

V_SetVoidPtr& V_SetVoidPtr::operator|(const V_SetVoidPtr& other) const {
    std::unique_ptr<V_SetVoidPtr> result(orvane::allocating([] { return new V_SetVoidPtr(); }));
    V_PSetStore merged = merge::merged(*m_store, *other.m_store, merge::kUnion);
    result->m_store->swap(merged);
    return *result.release();
}

V_SetVoidPtr& V_SetVoidPtr::operator&(const V_SetVoidPtr& other) const {
    std::unique_ptr<V_SetVoidPtr> result(orvane::allocating([] { return new V_SetVoidPtr(); }));
    V_PSetStore merged = merge::merged(*m_store, *other.m_store, merge::kIntersection);
    result->m_store->swap(merged);
    return *result.release();
}

V_SetVoidPtr& V_SetVoidPtr::operator-(const V_SetVoidPtr& other) const {
    std::unique_ptr<V_SetVoidPtr> result(orvane::allocating([] { return new V_SetVoidPtr(); }));
    V_PSetStore merged = merge::merged(*m_store, *other.m_store, merge::kDifference);
    result->m_store->swap(merged);
    return *result.release();
}

bool V_SetVoidPtr::operator<=(const V_SetVoidPtr& other) const {
    return merge::includes(*other.m_store, *m_store);
}

bool V_SetVoidPtr::operator<(const V_SetVoidPtr& other) const {
    return cardinality() < other.cardinality() && merge::includes(*other.m_store, *m_store);
}

bool V_SetVoidPtr::operator==(const V_SetVoidPtr& other) const {
    return cardinality() == other.cardinality() &&
           std::equal(m_store->begin(), m_store->end(), other.m_store->begin());
}

bool V_SetVoidPtr::operator!=(const V_SetVoidPtr& other) const {
    return !(*this == other);
}
