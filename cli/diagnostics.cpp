// Capture and display of the library's diagnostics.
#include "diagnostics.h"

#include <cstdio>
#include <utility>

#include <orvane/tools.h>

namespace cli {

void DiagnosticCapture::LineBuffer::flushLine() {
    if (!m_line.empty() && m_line.back() == '\r') m_line.pop_back();
    if (m_line.find_first_not_of(" \t") != std::string::npos) {
        ++m_count;
        if (m_lines == Lines::shown)
            std::fprintf(stderr, "orvane-tools %s: %s\n", m_command.c_str(), m_line.c_str());
    }
    m_line.clear();
}

DiagnosticCapture::LineBuffer::int_type DiagnosticCapture::LineBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (traits_type::to_char_type(c) == '\n') {
        flushLine();
    } else {
        m_line += traits_type::to_char_type(c);
    }
    return c;
}

DiagnosticCapture::DiagnosticCapture(std::string command, Lines lines)
    : m_command(std::move(command)),
      m_buffer(m_command, lines),
      m_stream(&m_buffer),
      m_previous(VSYST_DumpStream::redirect(&m_stream)) {}

DiagnosticCapture::~DiagnosticCapture() {
    finish();
}

std::size_t DiagnosticCapture::finish() {
    if (m_active) {
        m_active = false;
        VSYST_DumpStream::redirect(m_previous);
        m_buffer.flushLine();
    }
    return m_buffer.count();
}

}  // namespace cli
