// Captures what the library writes to its standard dump stream during a test.
//
//   DumpCapture dump;
//   doSomething();
//   EXPECT_EQ(dump.text(), "\noperator+=: illegal lhs\n");
#ifndef ORVANE_TESTS_SUPPORT_DUMP_CAPTURE_H
#define ORVANE_TESTS_SUPPORT_DUMP_CAPTURE_H

#include <orvane/base/dump_stream.h>

#include <sstream>
#include <string>

class DumpCapture {
public:
    DumpCapture() : m_previous(VSYST_DumpStream::redirect(&m_out)) {}
    ~DumpCapture() { VSYST_DumpStream::redirect(m_previous); }
    DumpCapture(const DumpCapture&) = delete;
    DumpCapture& operator=(const DumpCapture&) = delete;

    std::string text() const { return m_out.str(); }
    // Returns what was captured so far and starts afresh.
    std::string take() {
        std::string t = m_out.str();
        m_out.str(std::string());
        return t;
    }

private:
    std::ostringstream m_out;
    std::ostream* m_previous;
};

#endif
