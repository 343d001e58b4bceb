// Capture and display of the library's diagnostics.
#include "diagnostics.h"

#include <cstdio>
#include <utility>

#include <orvane/tools.h>

namespace cli {

DiagnosticCapture::DiagnosticCapture(std::string command)
    : m_command(std::move(command)), m_previous(VSYST_DumpStream::redirect(&m_buffer)) {}

DiagnosticCapture::~DiagnosticCapture() {
    report();
}

std::vector<std::string> DiagnosticCapture::release() {
    std::vector<std::string> lines;
    if (!m_active) return lines;
    m_active = false;
    VSYST_DumpStream::redirect(m_previous);
    std::istringstream text(m_buffer.str());
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
    }
    return lines;
}

std::size_t DiagnosticCapture::report() {
    const std::vector<std::string> lines = release();
    for (const std::string& line : lines) {
        std::fprintf(stderr, "orvane-tools %s: %s\n", m_command.c_str(), line.c_str());
    }
    return lines.size();
}

std::size_t DiagnosticCapture::discard() {
    return release().size();
}

}  // namespace cli
