#include "orvane/collections/array_void_ptr.h"

#include <algorithm>

#include "orvane/base/exception.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/collection_limits.h"

namespace {

void* stored(const void* p) {
    return const_cast<void*>(p);
}

std::unique_ptr<V_PArrayStore> newStore() {
    return orvane::allocating([] { return std::make_unique<V_PArrayStore>(); });
}

void requireRoom(const V_PArrayStore& store, unsigned long added) {
    orvane::requireRoom(store.size(), added, orvane::kVectorTooLong);
}

// Checks the limit, then makes room for `added` more elements. The store grows as the standard
// vector would (to its size plus the larger of its size and `added`) but never past the element
// limit: every growth goes through here, so the capacity stays within the limit and the inline
// append need not check the limit itself.
void makeRoom(V_PArrayStore& store, unsigned long added) {
    requireRoom(store, added);
    const unsigned long size = store.size();
    if (store.capacity() - size >= added) return;
    const unsigned long wanted =
        std::min(orvane::kCollectionElementLimit, size + std::max(size, added));
    orvane::allocating([&] { store.reserve(wanted); });
}

// Inserts p in front of position `at`, after checking the limit.
void insertAt(V_PArrayStore& store, unsigned long at, const void* p) {
    makeRoom(store, 1);
    store.insert(store.begin() + static_cast<std::ptrdiff_t>(at), stored(p));
}

}  // namespace

// ---- V_PArrayVoidCursor ------------------------------------------------------------------------

V_PArrayVoidCursor::V_PArrayVoidCursor(const V_ArrayVoidPtr& array)
    : V_PStoreCursor(array, *array.m_store) {}

V_PArrayVoidCursor::V_PArrayVoidCursor(const V_PArrayVoidCursor& other) : V_PStoreCursor(other) {}

V_PArrayVoidCursor::~V_PArrayVoidCursor() = default;

// ---- V_ArrayVoidPtr ----------------------------------------------------------------------------

V_ArrayVoidPtr::V_ArrayVoidPtr() : m_store(newStore()) {}

V_ArrayVoidPtr::V_ArrayVoidPtr(long n) : m_store(newStore()) {
    reserve(static_cast<unsigned long>(n));
}

V_ArrayVoidPtr::V_ArrayVoidPtr(long n, void* fill) : m_store(newStore()) {
    const auto count = static_cast<unsigned long>(n);
    requireRoom(*m_store, count);
    orvane::allocating([&] { m_store->assign(count, fill); });
}

V_ArrayVoidPtr::V_ArrayVoidPtr(const V_ArrayVoidPtr& other)
    : V_PCollection(other),
      m_store(orvane::allocating([&] { return std::make_unique<V_PArrayStore>(*other.m_store); })) {
}

V_ArrayVoidPtr& V_ArrayVoidPtr::operator=(const V_ArrayVoidPtr& other) {
    // Copying pointers cannot fail, so a failed allocation happens before anything changes.
    if (m_store != other.m_store) orvane::allocating([&] { *m_store = *other.m_store; });
    return *this;
}

V_ArrayVoidPtr::~V_ArrayVoidPtr() = default;

unsigned long V_ArrayVoidPtr::count(const void* p) const {
    return static_cast<unsigned long>(std::count(m_store->begin(), m_store->end(), p));
}

bool V_ArrayVoidPtr::contains(const void* p) const {
    return std::find(m_store->begin(), m_store->end(), p) != m_store->end();
}

bool V_ArrayVoidPtr::operator==(const V_ArrayVoidPtr& other) const {
    return *m_store == *other.m_store;
}

bool V_ArrayVoidPtr::operator!=(const V_ArrayVoidPtr& other) const {
    return !(*this == other);
}

V_PArrayVoidCursor* V_ArrayVoidPtr::createCursor() const {
    return orvane::allocating([this] { return new V_PArrayVoidCursor(*this); });
}

void V_ArrayVoidPtr::appendGrowing(const void* p) {
    insertAt(*m_store, cardinality(), p);
}

void V_ArrayVoidPtr::insert_first(const void* p) {
    insertAt(*m_store, 0, p);
}

void V_ArrayVoidPtr::insert_before(const void* p, unsigned long i) {
    if (i > cardinality()) throw XCOLL_OutOfRange(i, cardinality());
    insertAt(*m_store, i, p);
}

void V_ArrayVoidPtr::insert_after(const void* p, unsigned long i) {
    orvane::requireIndex(i, cardinality());
    insertAt(*m_store, i + 1, p);
}

void V_ArrayVoidPtr::insert(const V_ArrayVoidPtr& other) {
    requireRoom(*m_store, other.cardinality());
    orvane::allocating([&] {
        if (m_store == other.m_store) {
            // The standard insertion may not read from the vector it inserts into.
            V_PArrayStore twice;
            twice.reserve(2 * m_store->size());
            twice.insert(twice.end(), m_store->begin(), m_store->end());
            twice.insert(twice.end(), m_store->begin(), m_store->end());
            m_store->swap(twice);
        } else {
            makeRoom(*m_store, other.cardinality());
            m_store->insert(m_store->end(), other.m_store->begin(), other.m_store->end());
        }
    });
}

void V_ArrayVoidPtr::replace_at(const void* p, unsigned long i) {
    (*this)[i] = stored(p);
}

void V_ArrayVoidPtr::remove_at(unsigned long i) {
    orvane::requireIndex(i, cardinality());
    m_store->erase(m_store->begin() + static_cast<std::ptrdiff_t>(i));
}

bool V_ArrayVoidPtr::remove(const void* p) {
    const auto found = std::find(m_store->begin(), m_store->end(), p);
    if (found == m_store->end()) return false;
    m_store->erase(found);
    return true;
}

void V_ArrayVoidPtr::clear() {
    m_store->clear();
}

void V_ArrayVoidPtr::reserve(unsigned long n) {
    orvane::requireRoom(0, n, orvane::kVectorTooLong);
    orvane::allocating([&] { m_store->reserve(n); });
}

void V_ArrayVoidPtr::set_cardinality(unsigned long n, void* fill, bool shrink) {
    const unsigned long size = cardinality();
    if (n > size) {
        makeRoom(*m_store, n - size);
        m_store->resize(n, fill);
    } else if (shrink && n < size) {
        m_store->resize(n);
    }
}

V_ArrayVoidPtr& V_ArrayVoidPtr::operator|(const V_ArrayVoidPtr& other) const {
    requireRoom(*m_store, other.cardinality());
    std::unique_ptr<V_ArrayVoidPtr> result(
        orvane::allocating([this] { return new V_ArrayVoidPtr(*this); }));
    result->insert(other);
    return *result.release();
}
