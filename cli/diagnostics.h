// The library's diagnostics as orvane-tools shows them.
//
// The library writes its diagnostics to the standard dump stream, often wrapped in blank lines
// ("\noperator/=: division by zero\n"). A DiagnosticCapture takes that stream over while it
// lives; report() gives back the stream and shows each captured line on standard error as
// "orvane-tools CMD: TEXT", one line each, blank lines dropped.
//
//   DiagnosticCapture capture("parse");
//   rep->asFloat(text, value);
//   if (capture.report() > 0) return kRejected;   // the diagnostic is the reason
//
// Captures nest: each one restores the target it found. main.cpp keeps one around the whole
// command, so that no library line reaches the terminal without the program's name.
#ifndef ORVANE_CLI_DIAGNOSTICS_H
#define ORVANE_CLI_DIAGNOSTICS_H

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace cli {

class DiagnosticCapture {
public:
    // Redirects the standard dump stream into this capture.
    explicit DiagnosticCapture(std::string command);
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;
    // Reports what report() or discard() has not taken yet.
    ~DiagnosticCapture();

    // Restores the previous target and writes the captured lines to standard error; returns
    // how many there were. Later calls report nothing more.
    std::size_t report();

    // Restores the previous target and forgets the captured lines (for a run whose
    // diagnostics were shown by an earlier run already); returns how many there were.
    std::size_t discard();

private:
    std::vector<std::string> release();

    std::string m_command;
    std::ostringstream m_buffer;
    std::ostream* m_previous;
    bool m_active = true;
};

}  // namespace cli

#endif
