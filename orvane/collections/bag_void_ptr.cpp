#include "orvane/collections/bag_void_ptr.h"

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

// ---- V_PBagVoidCursor --------------------------------------------------------------------------

V_PBagVoidCursor::V_PBagVoidCursor(const V_BagVoidPtr& bag)
    : m_owner(&bag),
      m_position(orvane::allocating([] { return std::make_unique<V_PBagIterator>(); })),
      m_valid(false) {}

V_PBagVoidCursor::V_PBagVoidCursor(const V_PBagVoidCursor& other)
    : V_PAbstractCursor(other),
      m_owner(other.m_owner),
      m_position(
          orvane::allocating([&] { return std::make_unique<V_PBagIterator>(*other.m_position); })),
      m_valid(other.m_valid) {}

V_PBagVoidCursor::~V_PBagVoidCursor() = default;

void* V_PBagVoidCursor::first() {
    auto& it = m_position->getIterator();
    return steps::toFirst(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PBagVoidCursor::last() {
    auto& it = m_position->getIterator();
    return steps::toLast(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PBagVoidCursor::next() {
    auto& it = m_position->getIterator();
    return steps::toNext(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PBagVoidCursor::previous() {
    auto& it = m_position->getIterator();
    return steps::toPrevious(*m_owner->m_store, it, m_valid) ? *it : nullptr;
}

void* V_PBagVoidCursor::current() const {
    return m_valid ? *m_position->getIterator() : nullptr;
}

bool V_PBagVoidCursor::more() const {
    return m_valid;
}

bool V_PBagVoidCursor::valid() const {
    return m_valid;
}

V_PCollection* V_PBagVoidCursor::owner() {
    return const_cast<V_BagVoidPtr*>(m_owner);
}

void V_PBagVoidCursor::deepCopy(const V_PAbstractCursor* source) {
    const auto* other = dynamic_cast<const V_PBagVoidCursor*>(source);
    if (other == nullptr) throw XCOLL_CursorException();
    m_owner = other->m_owner;
    *m_position = *other->m_position;
    m_valid = other->m_valid;
}

// ---- V_BagVoidPtr ------------------------------------------------------------------------------

V_BagVoidPtr::V_BagVoidPtr()
    : m_store(orvane::allocating([] { return std::make_unique<V_PBagStore>(); })) {}

V_BagVoidPtr::V_BagVoidPtr(const V_BagVoidPtr& other)
    : V_PCollection(other),
      m_store(orvane::allocating([&] { return std::make_unique<V_PBagStore>(*other.m_store); })) {}

V_BagVoidPtr& V_BagVoidPtr::operator=(const V_BagVoidPtr& other) {
    if (m_store == other.m_store) return *this;
    V_PBagStore copy = orvane::allocating([&] { return V_PBagStore(*other.m_store); });
    m_store->swap(copy);
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
    return m_store->empty() ? nullptr : *m_store->begin();
}

const void* V_BagVoidPtr::pick() const {
    return m_store->empty() ? nullptr : *m_store->begin();
}

unsigned long V_BagVoidPtr::cardinality() const {
    return m_store->size();
}

bool V_BagVoidPtr::empty() const {
    return m_store->empty();
}

bool V_BagVoidPtr::contains(const void* p) const {
    return m_store->find(stored(p)) != m_store->end();
}

void V_BagVoidPtr::clear() {
    m_store->clear();
}

V_PBagVoidCursor* V_BagVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PBagVoidCursor(*this); });
}

V_BagVoidPtr& V_BagVoidPtr::operator|(const V_BagVoidPtr& other) const {
    std::unique_ptr<V_BagVoidPtr> result(orvane::allocating([] { return new V_BagVoidPtr(); }));
    V_PBagStore merged = merge::merged(*m_store, *other.m_store, merge::kUnion);
    result->m_store->swap(merged);
    return *result.release();
}

V_BagVoidPtr& V_BagVoidPtr::operator&(const V_BagVoidPtr& other) const {
    std::unique_ptr<V_BagVoidPtr> result(orvane::allocating([] { return new V_BagVoidPtr(); }));
    V_PBagStore merged = merge::merged(*m_store, *other.m_store, merge::kIntersection);
    result->m_store->swap(merged);
    return *result.release();
}

V_BagVoidPtr& V_BagVoidPtr::operator-(const V_BagVoidPtr& other) const {
    std::unique_ptr<V_BagVoidPtr> result(orvane::allocating([] { return new V_BagVoidPtr(); }));
    V_PBagStore merged = merge::merged(*m_store, *other.m_store, merge::kDifference);
    result->m_store->swap(merged);
    return *result.release();
}

bool V_BagVoidPtr::operator<=(const V_BagVoidPtr& other) const {
    return merge::includes(*other.m_store, *m_store);
}

bool V_BagVoidPtr::operator<(const V_BagVoidPtr& other) const {
    return cardinality() < other.cardinality() && merge::includes(*other.m_store, *m_store);
}

bool V_BagVoidPtr::operator==(const V_BagVoidPtr& other) const {
    return cardinality() == other.cardinality() &&
           std::equal(m_store->begin(), m_store->end(), other.m_store->begin());
}

bool V_BagVoidPtr::operator!=(const V_BagVoidPtr& other) const {
    return !(*this == other);
}
