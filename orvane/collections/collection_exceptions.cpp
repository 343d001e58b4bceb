#include "orvane/collections/collection_exceptions.h"

#include "orvane/base/dump_stream.h"

namespace {

VSYST_DumpStream& dump() {
    return VSYST_DumpStream::getStdStream();
}

}  // namespace

XCOLL_CollectionException::XCOLL_CollectionException() = default;

XCOLL_CollectionException::XCOLL_CollectionException(const char* const text) {
    displayStart();
    dump() << text;
    dump() << "\n";
    displayEnd();
}

XCOLL_CollectionException::XCOLL_CollectionException(const XCOLL_CollectionException&) = default;
XCOLL_CollectionException& XCOLL_CollectionException::operator=(const XCOLL_CollectionException&) =
    default;
XCOLL_CollectionException::~XCOLL_CollectionException() = default;

XCOLL_EmptyCollection::XCOLL_EmptyCollection() {
    displayStart();
    dump() << "An attempt was made to operate on a empty collection.\n";
    displayEnd();
}

XCOLL_EmptyCollection::XCOLL_EmptyCollection(const XCOLL_EmptyCollection&) = default;
XCOLL_EmptyCollection& XCOLL_EmptyCollection::operator=(const XCOLL_EmptyCollection&) = default;
XCOLL_EmptyCollection::~XCOLL_EmptyCollection() = default;

XCOLL_Duplicate::XCOLL_Duplicate() = default;
XCOLL_Duplicate::XCOLL_Duplicate(const XCOLL_Duplicate&) = default;
XCOLL_Duplicate& XCOLL_Duplicate::operator=(const XCOLL_Duplicate&) = default;
XCOLL_Duplicate::~XCOLL_Duplicate() = default;

XCOLL_DuplicateKey::XCOLL_DuplicateKey() {
    displayStart();
    dump() << "An attempt was made to duplicate a key in a map.\n";
    displayEnd();
}

XCOLL_DuplicateKey::XCOLL_DuplicateKey(const XCOLL_DuplicateKey&) = default;
XCOLL_DuplicateKey& XCOLL_DuplicateKey::operator=(const XCOLL_DuplicateKey&) = default;
XCOLL_DuplicateKey::~XCOLL_DuplicateKey() = default;

XCOLL_DuplicateValue::XCOLL_DuplicateValue() {
    displayStart();
    dump() << "An attempt was made to duplicate a value in a map.\n";
    displayEnd();
}

XCOLL_DuplicateValue::XCOLL_DuplicateValue(const XCOLL_DuplicateValue&) = default;
XCOLL_DuplicateValue& XCOLL_DuplicateValue::operator=(const XCOLL_DuplicateValue&) = default;
XCOLL_DuplicateValue::~XCOLL_DuplicateValue() = default;

XCOLL_DuplicateElement::XCOLL_DuplicateElement() {
    displayStart();
    dump() << "An attempt was made to duplicate an element in a collection";
    dump() << " which does not allow duplicates.\n";
    displayEnd();
}

XCOLL_DuplicateElement::XCOLL_DuplicateElement(const XCOLL_DuplicateElement&) = default;
XCOLL_DuplicateElement& XCOLL_DuplicateElement::operator=(const XCOLL_DuplicateElement&) = default;
XCOLL_DuplicateElement::~XCOLL_DuplicateElement() = default;

XCOLL_Invalid::XCOLL_Invalid() = default;
XCOLL_Invalid::XCOLL_Invalid(const XCOLL_Invalid&) = default;
XCOLL_Invalid& XCOLL_Invalid::operator=(const XCOLL_Invalid&) = default;
XCOLL_Invalid::~XCOLL_Invalid() = default;

XCOLL_InvalidKey::XCOLL_InvalidKey() {
    displayStart();
    dump() << "An invalid key was passed to an operation on a collection.\n";
    displayEnd();
}

XCOLL_InvalidKey::XCOLL_InvalidKey(const XCOLL_InvalidKey&) = default;
XCOLL_InvalidKey& XCOLL_InvalidKey::operator=(const XCOLL_InvalidKey&) = default;
XCOLL_InvalidKey::~XCOLL_InvalidKey() = default;

XCOLL_InvalidValue::XCOLL_InvalidValue() {
    displayStart();
    dump() << "An invalid value was passed to an operation on a collection.\n";
    displayEnd();
}

XCOLL_InvalidValue::XCOLL_InvalidValue(const XCOLL_InvalidValue&) = default;
XCOLL_InvalidValue& XCOLL_InvalidValue::operator=(const XCOLL_InvalidValue&) = default;
XCOLL_InvalidValue::~XCOLL_InvalidValue() = default;

XCOLL_InsertNull::XCOLL_InsertNull() {
    displayStart();
    dump() << "An attempt was made to insert a NULL pointer into a pointer-based collection.\n";
    displayEnd();
}

XCOLL_InsertNull::XCOLL_InsertNull(const XCOLL_InsertNull&) = default;
XCOLL_InsertNull& XCOLL_InsertNull::operator=(const XCOLL_InsertNull&) = default;
XCOLL_InsertNull::~XCOLL_InsertNull() = default;

XCOLL_OutOfRange::XCOLL_OutOfRange() {
    displayStart();
    dump() << "A collection was accessed using an out-of-range index.\n";
    displayEnd();
}

XCOLL_OutOfRange::XCOLL_OutOfRange(unsigned long index, unsigned long cardinality) {
    displayStart();
    dump() << "A collection with cardinality ";
    dump() << cardinality;
    dump() << " was accessed using the out-of-range index ";
    dump() << index;
    dump() << ".\n";
    displayEnd();
}

XCOLL_OutOfRange::XCOLL_OutOfRange(const XCOLL_OutOfRange&) = default;
XCOLL_OutOfRange& XCOLL_OutOfRange::operator=(const XCOLL_OutOfRange&) = default;
XCOLL_OutOfRange::~XCOLL_OutOfRange() = default;

XCOLL_CursorException::XCOLL_CursorException() {
    displayStart();
    dump() << "The performed cursor operation failed.\n";
    displayEnd();
}

XCOLL_CursorException::XCOLL_CursorException(const char* const text) {
    displayStart();
    dump() << text;
    dump() << "\n";
    displayEnd();
}

XCOLL_CursorException::XCOLL_CursorException(const XCOLL_CursorException&) = default;
XCOLL_CursorException& XCOLL_CursorException::operator=(const XCOLL_CursorException&) = default;
XCOLL_CursorException::~XCOLL_CursorException() = default;

// The base constructor has printed the cursor failure; the reason follows in a bracket of its own.
XCOLL_BadCursor::XCOLL_BadCursor() {
    displayStart();
    dump() << "The cursor is not connected to the collection";
    dump() << " on which the operation is performed.\n";
    displayEnd();
}

XCOLL_BadCursor::XCOLL_BadCursor(const XCOLL_BadCursor&) = default;
XCOLL_BadCursor& XCOLL_BadCursor::operator=(const XCOLL_BadCursor&) = default;
XCOLL_BadCursor::~XCOLL_BadCursor() = default;
