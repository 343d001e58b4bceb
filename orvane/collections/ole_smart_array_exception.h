// The exception that reports a failure in handling an array argument to a caller outside the
// library: an argument of the wrong type, an unsupported array type, or another numbered error.
// Nothing inside the library throws it; it is exported for callers that convert array arguments.
//
//   throw V_OleSmartArrayException(1);   // the dump stream shows "[\nType mismatch error.\n
//                                        // The array argument was not of the expected type.\n]\n"
//
// Like every exception of the library it announces itself when constructed, in one bracket on the
// standard dump stream: code 1 is the type mismatch, code 2 the unsupported array type, and any
// other code prints "Error #<code>\n". The code is printed, not stored. Copies print nothing.
//
// It is not a collection exception: only a handler for V_OleSmartArrayException itself or for
// V_Exception catches it.
#ifndef ORVANE_COLLECTIONS_OLE_SMART_ARRAY_EXCEPTION_H
#define ORVANE_COLLECTIONS_OLE_SMART_ARRAY_EXCEPTION_H

#include "orvane/base/exception.h"
#include "orvane/base/export.h"

// A failure with an array argument, announced by its code (see above).
class ORVANE_API V_OleSmartArrayException : public V_Exception {
public:
    // Announces the message of `code`.
    explicit V_OleSmartArrayException(long code);
    // Copies announce nothing.
    V_OleSmartArrayException(const V_OleSmartArrayException& other);
    V_OleSmartArrayException& operator=(const V_OleSmartArrayException& other);
    ~V_OleSmartArrayException() override;
};

#endif
