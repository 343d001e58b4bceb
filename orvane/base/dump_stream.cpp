#include "orvane/base/dump_stream.h"

#include <iostream>

#include "orvane/base/v_string.h"

namespace {

std::ostream* s_redirection = nullptr;  // null: standard error

}  // namespace

VSYST_DumpStream::VSYST_DumpStream() : m_target(nullptr) {}

VSYST_DumpStream::VSYST_DumpStream(std::ostream& target) : m_target(&target) {}

VSYST_DumpStream& VSYST_DumpStream::getStdStream() {
    // Never destroyed: exceptions built during static destruction still have a stream.
    static VSYST_DumpStream* const standard = new VSYST_DumpStream();
    return *standard;
}

std::ostream* VSYST_DumpStream::redirect(std::ostream* target) {
    std::ostream* previous = s_redirection;
    s_redirection = target;
    return previous;
}

std::ostream& VSYST_DumpStream::target() const {
    if (m_target != nullptr) return *m_target;
    return s_redirection != nullptr ? *s_redirection : std::cerr;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(const char* text) {
    target() << (text != nullptr ? text : "(null)");
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(const V_STRING& text) {
    target().write(text.str().data(), static_cast<std::streamsize>(text.str().size()));
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(char c) {
    target().put(c);
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(int value) {
    target() << value;
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(unsigned int value) {
    target() << value;
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(long value) {
    target() << value;
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(unsigned long value) {
    target() << value;
    return *this;
}

VSYST_DumpStream& VSYST_DumpStream::operator<<(double value) {
    target() << value;
    return *this;
}
