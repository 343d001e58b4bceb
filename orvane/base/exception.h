// The exception base of the library and the system exceptions.
//
// Every exception the library throws derives from V_Exception. An exception announces itself when
// it is constructed, not when it is caught: its constructor writes one bracketed message to the
// standard dump stream, so a failure leaves a trace even when a caller ignores it.
//
//   class MyError : public V_Exception {
//   public:
//       MyError() { displayStart(); VSYST_DumpStream::getStdStream() << "It broke.\n";
//       displayEnd(); }
//   };
//
// On the stream a message reads
//
//   [
//   It broke.
//   ]
//
// `displayStart` writes "[\n", `displayEnd` writes "]\n", and `displayLocation(file, line)` writes
// "at <file>:<line>\n" (the file "?" when null). Copies print nothing.
//
// Choices: `onCatch` does nothing; `mapToHRESULT` returns 0x80004005 (a generic failure code) for
// every exception. VSYST_OutOfMemory prints nothing, so that it can be built when memory is gone.
#ifndef ORVANE_BASE_EXCEPTION_H
#define ORVANE_BASE_EXCEPTION_H

#include <new>
#include <utility>

#include "orvane/base/export.h"

// The base of every exception the library throws. It prints nothing itself: each derived
// constructor writes its message between displayStart() and displayEnd().
class ORVANE_API V_Exception {
public:
    // Copies announce nothing: an exception is announced once, when it is first built.
    V_Exception(const V_Exception& other);
    V_Exception& operator=(const V_Exception& other);
    virtual ~V_Exception();

    // A hook for a handler to call once it has caught the exception; does nothing here.
    virtual void onCatch() const;
    // A status code for callers that report failures as codes: 0x80004005 for every exception.
    virtual long mapToHRESULT() const;

protected:
    V_Exception();

    // Open and close the bracket around one message on the standard dump stream.
    void displayStart() const;
    void displayEnd() const;
    // Writes a source location inside an open bracket.
    static void displayLocation(const char* file, int line);
};

// A failure of the system layer. Built without a text it prints nothing; with a text it prints the
// text and a newline inside one bracket.
class ORVANE_API VSYST_Exception : public V_Exception {
public:
    VSYST_Exception();
    // Announces `text` (null prints "(null)") in one bracket.
    explicit VSYST_Exception(const char* text);
    // Copies announce nothing.
    VSYST_Exception(const VSYST_Exception& other);
    VSYST_Exception& operator=(const VSYST_Exception& other);
    ~VSYST_Exception() override;
};

// Thrown, default-constructed, wherever an allocation of the library fails.
class ORVANE_API VSYST_OutOfMemory : public VSYST_Exception {
public:
    VSYST_OutOfMemory();
    // Copyable, printing nothing, like the original.
    VSYST_OutOfMemory(const VSYST_OutOfMemory& other);
    VSYST_OutOfMemory& operator=(const VSYST_OutOfMemory& other);
    ~VSYST_OutOfMemory() override;
};

namespace orvane {

// Runs `work` and turns an allocation failure inside it into VSYST_OutOfMemory.
template <class Work>
decltype(auto) allocating(Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const std::bad_alloc&) {
        throw VSYST_OutOfMemory();
    }
}

}  // namespace orvane

#endif
