// The exceptions the collections throw when they are misused.
//
// Every class of the XCOLL_ family announces itself when it is constructed: its constructor writes
// one bracketed message to the standard dump stream, so a misuse leaves a trace even when the
// caller catches the exception and goes on. The exceptions carry nothing but their type: the
// index and cardinality given to XCOLL_OutOfRange are printed, not stored.
//
//   try {
//       array[7];                        // an array of three
//   } catch (const XCOLL_OutOfRange&) {  // the dump stream already shows
//   }                                    // "[\nA collection with cardinality 3 was accessed
//                                        //  using the out-of-range index 7.\n]\n"
//
// The family:
//
//   XCOLL_CollectionException
//     XCOLL_EmptyCollection
//     XCOLL_Duplicate       -> XCOLL_DuplicateKey, XCOLL_DuplicateValue, XCOLL_DuplicateElement
//     XCOLL_Invalid         -> XCOLL_InvalidKey, XCOLL_InvalidValue, XCOLL_InsertNull
//     XCOLL_OutOfRange
//     XCOLL_CursorException -> XCOLL_BadCursor
//
// A class prints only its own message, never that of its parents; the one exception is
// XCOLL_BadCursor, which prints the message of XCOLL_CursorException first and then its own, in
// two brackets. The bases built without a text (XCOLL_CollectionException, XCOLL_Duplicate,
// XCOLL_Invalid) print nothing at all. Copying an exception prints nothing.
//
// Choices: a null text given to the text constructors prints "(null)" as the text, as the dump
// stream writes a null string.
#ifndef ORVANE_COLLECTIONS_COLLECTION_EXCEPTIONS_H
#define ORVANE_COLLECTIONS_COLLECTION_EXCEPTIONS_H

#include "orvane/base/exception.h"
#include "orvane/base/export.h"

// The base of every collection exception.
class ORVANE_API XCOLL_CollectionException : public V_Exception {
public:
    XCOLL_CollectionException();                                 // prints nothing
    explicit XCOLL_CollectionException(const char* const text);  // prints the text and "\n"
    // Copies announce nothing.
    XCOLL_CollectionException(const XCOLL_CollectionException& other);
    XCOLL_CollectionException& operator=(const XCOLL_CollectionException& other);
    ~XCOLL_CollectionException() override;
};

// An operation needed an element and the collection had none.
class ORVANE_API XCOLL_EmptyCollection : public XCOLL_CollectionException {
public:
    XCOLL_EmptyCollection();
    // Copies announce nothing.
    XCOLL_EmptyCollection(const XCOLL_EmptyCollection& other);
    XCOLL_EmptyCollection& operator=(const XCOLL_EmptyCollection& other);
    ~XCOLL_EmptyCollection() override;
};

// The base of the duplicate failures; prints nothing itself.
class ORVANE_API XCOLL_Duplicate : public XCOLL_CollectionException {
public:
    XCOLL_Duplicate();
    // Copies announce nothing.
    XCOLL_Duplicate(const XCOLL_Duplicate& other);
    XCOLL_Duplicate& operator=(const XCOLL_Duplicate& other);
    ~XCOLL_Duplicate() override;
};

// A map was given a key it already holds.
class ORVANE_API XCOLL_DuplicateKey : public XCOLL_Duplicate {
public:
    XCOLL_DuplicateKey();
    // Copies announce nothing.
    XCOLL_DuplicateKey(const XCOLL_DuplicateKey& other);
    XCOLL_DuplicateKey& operator=(const XCOLL_DuplicateKey& other);
    ~XCOLL_DuplicateKey() override;
};

// A map was given a value it already holds.
class ORVANE_API XCOLL_DuplicateValue : public XCOLL_Duplicate {
public:
    XCOLL_DuplicateValue();
    // Copies announce nothing.
    XCOLL_DuplicateValue(const XCOLL_DuplicateValue& other);
    XCOLL_DuplicateValue& operator=(const XCOLL_DuplicateValue& other);
    ~XCOLL_DuplicateValue() override;
};

// A collection without duplicates was given an element it already holds.
class ORVANE_API XCOLL_DuplicateElement : public XCOLL_Duplicate {
public:
    XCOLL_DuplicateElement();
    // Copies announce nothing.
    XCOLL_DuplicateElement(const XCOLL_DuplicateElement& other);
    XCOLL_DuplicateElement& operator=(const XCOLL_DuplicateElement& other);
    ~XCOLL_DuplicateElement() override;
};

// The base of the invalid-argument failures; prints nothing itself.
class ORVANE_API XCOLL_Invalid : public XCOLL_CollectionException {
public:
    XCOLL_Invalid();
    // Copies announce nothing.
    XCOLL_Invalid(const XCOLL_Invalid& other);
    XCOLL_Invalid& operator=(const XCOLL_Invalid& other);
    ~XCOLL_Invalid() override;
};

// An operation on a collection was given an invalid key (the library itself never throws it).
class ORVANE_API XCOLL_InvalidKey : public XCOLL_Invalid {
public:
    XCOLL_InvalidKey();
    // Copies announce nothing.
    XCOLL_InvalidKey(const XCOLL_InvalidKey& other);
    XCOLL_InvalidKey& operator=(const XCOLL_InvalidKey& other);
    ~XCOLL_InvalidKey() override;
};

// An operation on a collection was given an invalid value (the library itself never throws it).
class ORVANE_API XCOLL_InvalidValue : public XCOLL_Invalid {
public:
    XCOLL_InvalidValue();
    // Copies announce nothing.
    XCOLL_InvalidValue(const XCOLL_InvalidValue& other);
    XCOLL_InvalidValue& operator=(const XCOLL_InvalidValue& other);
    ~XCOLL_InvalidValue() override;
};

// A collection that refuses null pointers was given one.
class ORVANE_API XCOLL_InsertNull : public XCOLL_Invalid {
public:
    XCOLL_InsertNull();
    // Copies announce nothing.
    XCOLL_InsertNull(const XCOLL_InsertNull& other);
    XCOLL_InsertNull& operator=(const XCOLL_InsertNull& other);
    ~XCOLL_InsertNull() override;
};

// An index was not below the cardinality (or, for insertion in front, above it).
class ORVANE_API XCOLL_OutOfRange : public XCOLL_CollectionException {
public:
    XCOLL_OutOfRange();
    // Prints the cardinality first, then the index.
    XCOLL_OutOfRange(unsigned long index, unsigned long cardinality);
    // Copies announce nothing.
    XCOLL_OutOfRange(const XCOLL_OutOfRange& other);
    XCOLL_OutOfRange& operator=(const XCOLL_OutOfRange& other);
    ~XCOLL_OutOfRange() override;
};

// A cursor operation failed.
class ORVANE_API XCOLL_CursorException : public XCOLL_CollectionException {
public:
    XCOLL_CursorException();
    explicit XCOLL_CursorException(const char* const text);  // prints the text and "\n"
    // Copies announce nothing.
    XCOLL_CursorException(const XCOLL_CursorException& other);
    XCOLL_CursorException& operator=(const XCOLL_CursorException& other);
    ~XCOLL_CursorException() override;
};

// A collection was given a cursor of another collection, or one that is not valid. Prints two
// messages: the cursor failure, then the reason.
class ORVANE_API XCOLL_BadCursor : public XCOLL_CursorException {
public:
    XCOLL_BadCursor();
    // Copies announce nothing.
    XCOLL_BadCursor(const XCOLL_BadCursor& other);
    XCOLL_BadCursor& operator=(const XCOLL_BadCursor& other);
    ~XCOLL_BadCursor() override;
};

#endif
