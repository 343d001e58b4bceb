// The diagnostic stream of the library.
//
// Every diagnostic the library writes (exception messages, evaluator warnings, event traces) goes
// to the standard dump stream, which writes to standard error unless it has been redirected.
//
//   VSYST_DumpStream::getStdStream() << "\nvalue: " << 42L << "\n";
//
//   std::ostringstream captured;
//   std::ostream* previous = VSYST_DumpStream::redirect(&captured);   // tests, tools
//   ...
//   VSYST_DumpStream::redirect(previous);
//
// A VSYST_DumpStream can also be built on any std::ostream, for example to hand a diagnostic
// menu's output to a file. Writes are not buffered by the stream itself: what is written is in
// the target at once.
#ifndef ORVANE_BASE_DUMP_STREAM_H
#define ORVANE_BASE_DUMP_STREAM_H

#include <iosfwd>

#include "orvane/base/export.h"

class V_STRING;

// A diagnostic stream: the standard one (standard error, or its redirection) or one on any
// std::ostream.
class ORVANE_API VSYST_DumpStream {
public:
    // A stream that writes to `target`, which must outlive it.
    explicit VSYST_DumpStream(std::ostream& target);
    VSYST_DumpStream(const VSYST_DumpStream&) = delete;
    VSYST_DumpStream& operator=(const VSYST_DumpStream&) = delete;

    // The standard dump stream: standard error, or the target given to `redirect`.
    static VSYST_DumpStream& getStdStream();

    // Sends everything the standard dump stream receives to `target` (null: standard error again)
    // and returns the previous target (null when it was standard error).
    static std::ostream* redirect(std::ostream* target);

    // Writes the value as std::ostream would, and returns this stream; a null text writes
    // "(null)", a V_STRING is written whole, NULs written into it included.
    VSYST_DumpStream& operator<<(const char* text);
    VSYST_DumpStream& operator<<(const V_STRING& text);
    VSYST_DumpStream& operator<<(char c);
    VSYST_DumpStream& operator<<(int value);
    VSYST_DumpStream& operator<<(unsigned int value);
    VSYST_DumpStream& operator<<(long value);
    VSYST_DumpStream& operator<<(unsigned long value);
    VSYST_DumpStream& operator<<(double value);

    // The stream this object writes to now.
    std::ostream& target() const;

private:
    VSYST_DumpStream();  // the standard stream

    std::ostream* m_target;  // null for the standard stream: follow the redirection
};

#endif
