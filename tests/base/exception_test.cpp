#include <gtest/gtest.h>
#include <orvane/base/archive.h>
#include <orvane/base/dump_stream.h>
#include <orvane/base/exception.h>
#include <orvane/base/v_string.h>

#include <cmath>
#include <sstream>

#include "support/dump_capture.h"

namespace {

class Located : public V_Exception {
public:
    Located(const char* file, int line) {
        displayStart();
        displayLocation(file, line);
        displayEnd();
    }
};

}  // namespace

TEST(V_Exception, AnnouncesInOneBracketAndCopiesSilently) {
    DumpCapture dump;
    VSYST_Exception plain;
    EXPECT_EQ(dump.take(), "");
    VSYST_Exception withText("It broke.");
    EXPECT_EQ(dump.take(), "[\nIt broke.\n]\n");
    VSYST_Exception copy(withText);
    copy = plain;
    EXPECT_EQ(dump.take(), "");
    Located located("file.cpp", 12);
    Located nowhere(nullptr, 0);
    EXPECT_EQ(dump.take(), "[\nat file.cpp:12\n]\n[\nat ?:0\n]\n");
    EXPECT_EQ(withText.mapToHRESULT(), static_cast<long>(0x80004005ul));
    withText.onCatch();  // does nothing, prints nothing
    EXPECT_EQ(dump.text(), "");
}

TEST(VSYST_DumpStream, WritesEveryKindAndFollowsRedirection) {
    std::ostringstream first;
    std::ostringstream second;
    EXPECT_EQ(VSYST_DumpStream::redirect(&first), nullptr);
    VSYST_DumpStream::getStdStream() << "a" << 1 << -2L << 3ul << 4u << 'c' << 0.5 << V_STRING("z")
                                     << static_cast<const char*>(nullptr);
    EXPECT_EQ(VSYST_DumpStream::redirect(&second), &first);
    VSYST_DumpStream::getStdStream() << "b";
    EXPECT_EQ(VSYST_DumpStream::redirect(nullptr), &second);
    EXPECT_EQ(first.str(), "a1-234c0.5z(null)");
    EXPECT_EQ(second.str(), "b");

    std::ostringstream own;
    VSYST_DumpStream stream(own);
    stream << "own " << 5L;
    EXPECT_EQ(own.str(), "own 5");
    EXPECT_EQ(&stream.target(), &own);
}
