#include "orvane/collections/cursor/null_cursor.h"

#include "orvane/collections/collection_exceptions.h"

V_PNullCursor::V_PNullCursor() = default;
V_PNullCursor::V_PNullCursor(const V_PNullCursor& other) = default;
V_PNullCursor::~V_PNullCursor() = default;

void* V_PNullCursor::first() {
    return nullptr;
}

void* V_PNullCursor::last() {
    return nullptr;
}

void* V_PNullCursor::next() {
    return nullptr;
}

void* V_PNullCursor::previous() {
    return nullptr;
}

void* V_PNullCursor::current() const {
    return nullptr;
}

bool V_PNullCursor::more() const {
    return false;
}

bool V_PNullCursor::valid() const {
    return false;
}

V_PCollection* V_PNullCursor::owner() {
    return nullptr;
}

void V_PNullCursor::deepCopy(const V_PAbstractCursor*) {
    throw XCOLL_CursorException();
}
