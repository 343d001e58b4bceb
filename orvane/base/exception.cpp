#include "orvane/base/exception.h"

#include "orvane/base/dump_stream.h"

V_Exception::V_Exception() = default;
V_Exception::V_Exception(const V_Exception&) = default;
V_Exception& V_Exception::operator=(const V_Exception&) = default;
V_Exception::~V_Exception() = default;

void V_Exception::onCatch() const {}

long V_Exception::mapToHRESULT() const {
    return static_cast<long>(0x80004005ul);
}

void V_Exception::displayStart() const {
    VSYST_DumpStream::getStdStream() << "[\n";
}

void V_Exception::displayEnd() const {
    VSYST_DumpStream::getStdStream() << "]\n";
}

void V_Exception::displayLocation(const char* file, int line) {
    VSYST_DumpStream::getStdStream()
        << "at " << (file != nullptr ? file : "?") << ":" << line << "\n";
}

VSYST_Exception::VSYST_Exception() = default;

VSYST_Exception::VSYST_Exception(const char* text) {
    displayStart();
    VSYST_DumpStream::getStdStream() << text << "\n";
    displayEnd();
}

VSYST_Exception::VSYST_Exception(const VSYST_Exception&) = default;
VSYST_Exception& VSYST_Exception::operator=(const VSYST_Exception&) = default;
VSYST_Exception::~VSYST_Exception() = default;

VSYST_OutOfMemory::VSYST_OutOfMemory() = default;
VSYST_OutOfMemory::VSYST_OutOfMemory(const VSYST_OutOfMemory&) = default;
VSYST_OutOfMemory& VSYST_OutOfMemory::operator=(const VSYST_OutOfMemory&) = default;
VSYST_OutOfMemory::~VSYST_OutOfMemory() = default;
