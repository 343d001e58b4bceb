// Growable arrays of values, with their cursor.
//
// A V_Array<T> owns copies of its elements: a value is copied in when it is added and destroyed
// with the array. Copying an array copies every element.
//
//   V_Array<V_STRING> names;
//   names.insert_last("A4");
//   names.insert_last("A3");
//   names[1];                                          // "A3"
//   names[2];                                          // throws XCOLL_OutOfRange(2, 2)
//   std::unique_ptr<V_AbstractCursor<V_STRING>> c(names.createCursor());
//   for (c->first(); c->valid(); c->next()) print(c->current());
//
// The cursor (V_ArrayCursor<T>) follows V_AbstractCursor<T>: index order, current() throws
// XCOLL_CursorException when not valid. After an element is added or the array is cleared, its
// cursors must be positioned again.
//
// Choices:
// - The array holds at most 0x3FFFFFFF elements; insert_last beyond that throws
//   std::length_error("vector<T> too long") and changes nothing.
// - Allocation failure throws VSYST_OutOfMemory; an exception from T's copy passes through.
//   Either way the array is left as it was.
// - Arrays can also be moved (a moved-from array is empty), so they are cheap to return.
#ifndef ORVANE_COLLECTIONS_TYPED_ARRAY_H
#define ORVANE_COLLECTIONS_TYPED_ARRAY_H

#include <vector>

#include "orvane/base/exception.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/collection_limits.h"
#include "orvane/collections/cursor/cursor_steps.h"
#include "orvane/collections/typed/collection.h"

template <class T>
class V_Array;

// A cursor over a V_Array<T>, in index order.
template <class T>
class V_ArrayCursor : public V_AbstractCursor<T> {
public:
    // A cursor over `array`, not valid.
    explicit V_ArrayCursor(const V_Array<T>& array)
        : m_owner(&array), m_position(), m_valid(false) {}
    // Another cursor at the same position.
    V_ArrayCursor(const V_ArrayCursor& other) = default;
    ~V_ArrayCursor() override = default;

    // The protocol of V_AbstractCursor over the array's elements.
    void first() override { orvane::cursor_steps::toFirst(elements(), m_position, m_valid); }
    void last() override { orvane::cursor_steps::toLast(elements(), m_position, m_valid); }
    void next() override { orvane::cursor_steps::toNext(elements(), m_position, m_valid); }
    void previous() override { orvane::cursor_steps::toPrevious(elements(), m_position, m_valid); }
    const T& current() const override {
        if (!m_valid) throw XCOLL_CursorException();
        return *m_position;
    }
    bool more() const override { return m_valid; }
    bool valid() const override { return m_valid; }
    const V_Collection<T>* owner() const override { return m_owner; }
    void deepCopy(const V_AbstractCursor<T>* source) override {
        const auto* other = dynamic_cast<const V_ArrayCursor*>(source);
        if (other == nullptr) throw XCOLL_CursorException();
        m_owner = other->m_owner;
        m_position = other->m_position;
        m_valid = other->m_valid;
    }

private:
    const std::vector<T>& elements() const { return m_owner->m_elements; }

    const V_Array<T>* m_owner;
    typename std::vector<T>::const_iterator m_position;
    bool m_valid;
};

// A growable array that owns copies of its elements.
template <class T>
class V_Array : public V_Collection<T> {
public:
    V_Array() = default;
    // Copies every element; on failure the target is left as it was. A moved-from array is
    // empty.
    V_Array(const V_Array& other)
        : V_Collection<T>(other),
          m_elements(orvane::allocating([&] { return std::vector<T>(other.m_elements); })) {}
    V_Array(V_Array&& other) noexcept = default;
    V_Array& operator=(const V_Array& other) {
        if (this != &other) {
            std::vector<T> copy =
                orvane::allocating([&] { return std::vector<T>(other.m_elements); });
            m_elements.swap(copy);
        }
        return *this;
    }
    V_Array& operator=(V_Array&& other) noexcept = default;
    ~V_Array() override = default;

    // Appends a copy of `value` (which may be an element of this array).
    void insert_last(const T& value) {
        orvane::requireRoom(cardinality(), 1, orvane::kVectorTooLong);
        orvane::allocating([&] { m_elements.push_back(value); });
    }

    // Element i; i not below cardinality() throws XCOLL_OutOfRange(i, cardinality()).
    T& operator[](unsigned long i) {
        orvane::requireIndex(i, cardinality());
        return m_elements[i];
    }
    const T& operator[](unsigned long i) const {
        orvane::requireIndex(i, cardinality());
        return m_elements[i];
    }

    // The number of elements, whether there are none, and removing them all.
    unsigned long cardinality() const { return m_elements.size(); }
    bool empty() const { return m_elements.empty(); }
    void clear() { m_elements.clear(); }

    // A new cursor, not valid; the caller deletes it.
    V_ArrayCursor<T>* createCursor() const override {
        return orvane::allocating([this] { return new V_ArrayCursor<T>(*this); });
    }

private:
    friend class V_ArrayCursor<T>;

    std::vector<T> m_elements;
};

#endif
