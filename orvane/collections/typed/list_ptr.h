// Typed lists of pointers.
//
// V_ListPtr<T> is a V_ListVoidPtr whose operations take and give T* instead of void*. Like the
// untyped list it never owns what its pointers point to, accepts null and duplicates, and keeps
// insertion order. Cursors are the list's own (V_PListVoidCursor, giving void*).
//
//   V_ListPtr<Listener> listeners;
//   listeners.insert(&first);
//   listeners.insert(&second);
//   listeners.remove(&first);                              // true
//   std::unique_ptr<V_PListVoidCursor> c(listeners.createCursor());
//   for (c->first(); c->valid(); c->next()) static_cast<Listener*>(c->current())->run();
//
// Errors are the list's: XCOLL_OutOfRange, XCOLL_EmptyCollection, XCOLL_BadCursor.
//
// Choices: elements are handed out by value (T*), not as modifiable references; an element is
// changed with replace_at. `a | b` gives a new V_ListPtr<T>, the caller's to delete.
#ifndef ORVANE_COLLECTIONS_TYPED_LIST_PTR_H
#define ORVANE_COLLECTIONS_TYPED_LIST_PTR_H

#include <memory>

#include "orvane/base/exception.h"
#include "orvane/collections/cursor/abstract_cursor.h"
#include "orvane/collections/list_void_ptr.h"

// A V_ListVoidPtr of T*: the same list, with typed elements.
template <class T>
class V_ListPtr : public V_ListVoidPtr {
public:
    V_ListPtr() = default;
    // Copies the pointers (not what they point to).
    V_ListPtr(const V_ListPtr& other) = default;
    V_ListPtr& operator=(const V_ListPtr& other) = default;
    ~V_ListPtr() override = default;

    // The element access of V_ListVoidPtr, with T*; errors as there.
    T* operator[](unsigned long i) const { return typed(V_ListVoidPtr::get_at(i)); }
    T* get_at(unsigned long i) const { return typed(V_ListVoidPtr::get_at(i)); }
    T* get_first() const { return typed(V_ListVoidPtr::get_first()); }
    T* get_last() const { return typed(V_ListVoidPtr::get_last()); }
    unsigned long count(const T* p) const { return V_ListVoidPtr::count(p); }
    bool contains(const T* p) const { return V_ListVoidPtr::contains(p); }

    // The insertions and removal of V_ListVoidPtr, with T*; errors as there.
    void insert(T* p) { V_ListVoidPtr::insert(p); }
    void insert(const V_ListPtr& other) { V_ListVoidPtr::insert(other); }
    void insert_last(T* p) { V_ListVoidPtr::insert_last(p); }
    void insert_first(T* p) { V_ListVoidPtr::insert_first(p); }
    void insert_before(T* p, unsigned long i) { V_ListVoidPtr::insert_before(p, i); }
    void insert_before(T* p, const V_PAbstractCursor& c) { V_ListVoidPtr::insert_before(p, c); }
    void insert_after(T* p, unsigned long i) { V_ListVoidPtr::insert_after(p, i); }
    void insert_after(T* p, const V_PAbstractCursor& c) { V_ListVoidPtr::insert_after(p, c); }
    void replace_at(T* p, unsigned long i) { V_ListVoidPtr::replace_at(p, i); }
    void replace_at(T* p, const V_PAbstractCursor& c) { V_ListVoidPtr::replace_at(p, c); }
    bool remove(const T* p) { return V_ListVoidPtr::remove(p); }

    // A new list of this list's pointers, then other's; the caller owns and deletes it.
    V_ListPtr& operator|(const V_ListPtr& other) const {
        std::unique_ptr<V_ListPtr> result(
            orvane::allocating([this] { return new V_ListPtr(*this); }));
        result->insert(other);
        return *result.release();
    }

    // The element a list cursor gives, as T*.
    static T* typed(const void* p) { return static_cast<T*>(const_cast<void*>(p)); }
};

#endif
