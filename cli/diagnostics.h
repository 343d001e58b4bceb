// The library's diagnostics as orvane-tools shows them.
//
// The library writes its diagnostics to the standard dump stream, often wrapped in blank lines
// ("\noperator/=: division by zero\n"). A DiagnosticCapture takes that stream over while it
// lives and shows each line on standard error as it arrives, as "orvane-tools CMD: TEXT", blank
// lines dropped; finish() gives the stream back and tells how many lines came.
//
//   DiagnosticCapture capture("parse");
//   rep->asFloat(text, value);
//   if (capture.finish() > 0) return kRejected;   // the diagnostic is the reason
//
// Captures nest: each one gives back the target it found. main.cpp keeps one around the whole
// command, so that no library line reaches the terminal without the program's name.
#ifndef ORVANE_CLI_DIAGNOSTICS_H
#define ORVANE_CLI_DIAGNOSTICS_H

#include <cstddef>
#include <ostream>
#include <streambuf>
#include <string>

namespace cli {

class DiagnosticCapture {
public:
    // shown: lines go to standard error at once; hidden: they are only counted (for a second
    // run of an entry whose diagnostics the first run showed already).
    enum class Lines { shown, hidden };

    // Redirects the standard dump stream into this capture.
    explicit DiagnosticCapture(std::string command, Lines lines = Lines::shown);
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;
    // Gives the stream back, if finish() has not.
    ~DiagnosticCapture();

    // Gives the stream back (a last line without newline counts too) and returns the number of
    // lines that came, blank ones not counted. Later calls return the same number.
    std::size_t finish();

private:
    // Collects characters into lines and hands each complete one on.
    class LineBuffer : public std::streambuf {
    public:
        LineBuffer(const std::string& command, Lines lines) : m_command(command), m_lines(lines) {}
        // Ends a partial last line.
        void flushLine();
        std::size_t count() const { return m_count; }

    protected:
        int_type overflow(int_type c) override;

    private:
        const std::string& m_command;
        Lines m_lines;
        std::string m_line;
        std::size_t m_count = 0;
    };

    std::string m_command;
    LineBuffer m_buffer;
    std::ostream m_stream;
    std::ostream* m_previous;
    bool m_active = true;
};

}  // namespace cli

#endif
