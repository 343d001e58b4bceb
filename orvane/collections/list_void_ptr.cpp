#include "orvane/collections/list_void_ptr.h"

#include <algorithm>
#include <iterator>

#include "orvane/base/exception.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/collection_limits.h"

namespace {

void* stored(const void* p) {
    return const_cast<void*>(p);
}

void requireRoom(const V_PListStore& store, unsigned long added) {
    orvane::requireRoom(store.size(), added, orvane::kListTooLong);
}

// Position i, walking from the first element; i may be the cardinality (the end).
V_PListStore::iterator walkTo(V_PListStore& store, unsigned long i) {
    return std::next(store.begin(), static_cast<std::ptrdiff_t>(i));
}

void insertAt(V_PListStore& store, V_PListStore::iterator at, const void* p) {
    requireRoom(store, 1);
    orvane::allocating([&] { store.insert(at, stored(p)); });
}

void requireElement(const V_PListStore& store) {
    if (store.empty()) throw XCOLL_EmptyCollection();
}

}  // namespace

// ---- V_PListVoidCursor -------------------------------------------------------------------------

V_PListVoidCursor::V_PListVoidCursor(const V_ListVoidPtr& list)
    : V_PStoreCursor(list, *list.m_store) {}

V_PListVoidCursor::V_PListVoidCursor(const V_PListVoidCursor& other) : V_PStoreCursor(other) {}

V_PListVoidCursor::~V_PListVoidCursor() = default;

// ---- V_ListVoidPtr -----------------------------------------------------------------------------

V_ListVoidPtr::V_ListVoidPtr()
    : m_store(orvane::allocating([] { return std::make_unique<V_PListStore>(); })) {}

V_ListVoidPtr::V_ListVoidPtr(const V_ListVoidPtr& other)
    : V_PCollection(other),
      m_store(orvane::allocating([&] { return std::make_unique<V_PListStore>(*other.m_store); })) {}

V_ListVoidPtr& V_ListVoidPtr::operator=(const V_ListVoidPtr& other) {
    if (m_store == other.m_store) return *this;
    V_PListStore copy = orvane::allocating([&] { return V_PListStore(*other.m_store); });
    m_store->swap(copy);
    return *this;
}

V_ListVoidPtr::~V_ListVoidPtr() = default;

void*& V_ListVoidPtr::operator[](unsigned long i) {
    orvane::requireIndex(i, cardinality());
    return *walkTo(*m_store, i);
}

const void* V_ListVoidPtr::operator[](unsigned long i) const {
    orvane::requireIndex(i, cardinality());
    return *walkTo(*m_store, i);
}

void*& V_ListVoidPtr::get_at(unsigned long i) {
    return (*this)[i];
}

const void* V_ListVoidPtr::get_at(unsigned long i) const {
    return (*this)[i];
}

void*& V_ListVoidPtr::get_first() {
    requireElement(*m_store);
    return m_store->front();
}

const void* V_ListVoidPtr::get_first() const {
    requireElement(*m_store);
    return m_store->front();
}

void*& V_ListVoidPtr::get_last() {
    requireElement(*m_store);
    return m_store->back();
}

const void* V_ListVoidPtr::get_last() const {
    requireElement(*m_store);
    return m_store->back();
}

unsigned long V_ListVoidPtr::cardinality() const {
    return m_store->size();
}

bool V_ListVoidPtr::empty() const {
    return m_store->empty();
}

unsigned long V_ListVoidPtr::count(const void* p) const {
    return static_cast<unsigned long>(std::count(m_store->begin(), m_store->end(), p));
}

bool V_ListVoidPtr::contains(const void* p) const {
    return std::find(m_store->begin(), m_store->end(), p) != m_store->end();
}

bool V_ListVoidPtr::operator==(const V_ListVoidPtr& other) const {
    return *m_store == *other.m_store;
}

bool V_ListVoidPtr::operator!=(const V_ListVoidPtr& other) const {
    return !(*this == other);
}

V_PListVoidCursor* V_ListVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PListVoidCursor(*this); });
}

void V_ListVoidPtr::insert(const void* p) {
    insertAt(*m_store, m_store->end(), p);
}

void V_ListVoidPtr::insert_last(const void* p) {
    insertAt(*m_store, m_store->end(), p);
}

void V_ListVoidPtr::insert_first(const void* p) {
    insertAt(*m_store, m_store->begin(), p);
}

void V_ListVoidPtr::insert_before(const void* p, unsigned long i) {
    if (i > cardinality()) throw XCOLL_OutOfRange(i, cardinality());
    insertAt(*m_store, walkTo(*m_store, i), p);
}

void V_ListVoidPtr::insert_after(const void* p, unsigned long i) {
    orvane::requireIndex(i, cardinality());
    insertAt(*m_store, walkTo(*m_store, i + 1), p);
}

void V_ListVoidPtr::insert(const V_ListVoidPtr& other) {
    requireRoom(*m_store, other.cardinality());
    // Copy first, then link the copy in: this also appends a list to itself exactly once.
    V_PListStore tail = orvane::allocating([&] { return V_PListStore(*other.m_store); });
    m_store->splice(m_store->end(), tail);
}

void V_ListVoidPtr::replace_at(const void* p, unsigned long i) {
    (*this)[i] = stored(p);
}

void V_ListVoidPtr::remove_at(unsigned long i) {
    orvane::requireIndex(i, cardinality());
    m_store->erase(walkTo(*m_store, i));
}

bool V_ListVoidPtr::remove(const void* p) {
    const auto found = std::find(m_store->begin(), m_store->end(), p);
    if (found == m_store->end()) return false;
    m_store->erase(found);
    return true;
}

void V_ListVoidPtr::clear() {
    m_store->clear();
}

const V_PListVoidCursor& V_ListVoidPtr::accepted(const V_PAbstractCursor& cursor) const {
    const auto* list = dynamic_cast<const V_PListVoidCursor*>(&cursor);
    if (list == nullptr || list->m_owner != this || !list->m_valid) throw XCOLL_BadCursor();
    return *list;
}

void V_ListVoidPtr::insert_before(const void* p, const V_PAbstractCursor& cursor) {
    insertAt(*m_store, accepted(cursor).m_position->getIterator(), p);
}

void V_ListVoidPtr::insert_after(const void* p, const V_PAbstractCursor& cursor) {
    // In front of the link after the cursor's element; the cursor itself does not move.
    insertAt(*m_store, std::next(accepted(cursor).m_position->getIterator()), p);
}

void V_ListVoidPtr::remove_at(const V_PAbstractCursor& cursor) {
    const V_PListVoidCursor& at = accepted(cursor);
    V_PListStore::iterator& it = at.m_position->getIterator();
    if (it == m_store->begin()) {
        m_store->erase(it);
        at.m_valid = false;
    } else {
        const V_PListStore::iterator removed = it--;
        m_store->erase(removed);
    }
}

void V_ListVoidPtr::replace_at(const void* p, const V_PAbstractCursor& cursor) {
    *accepted(cursor).m_position->getIterator() = stored(p);
}

V_ListVoidPtr& V_ListVoidPtr::operator|(const V_ListVoidPtr& other) const {
    requireRoom(*m_store, other.cardinality());
    std::unique_ptr<V_ListVoidPtr> result(
        orvane::allocating([this] { return new V_ListVoidPtr(*this); }));
    result->insert(other);
    return *result.release();
}
