// What the settings file says about files it cannot read or understand, seen through
// VSYST_RegistryKey.
#include <orvane/base/registry_key.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

namespace {

constexpr auto kSettings = VSYST_RegistryStandardKey::ApplicationSettings;

long lineCount(const std::string& text) {
    return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(SettingsReport, ShowsTenLinesNotUnderstoodAndCountsTheRestOnce) {
    TempRegistry reg;
    std::string junk;
    for (int i = 1; i <= 3000; ++i)
        junk += "junk line " + std::to_string(i) + "\n";
    reg.write("[8]\nA=1\n" + junk);
    DumpCapture dump;
    VSYST_RegistryKey key(kSettings, false);
    bool found = false;
    EXPECT_EQ(key.getIntValue("A", found), 1);
    std::string expected;
    for (int i = 1; i <= 10; ++i) {
        expected += reg.path() + ":" + std::to_string(i + 2) +
                    ": settings line not understood, kept as it is: \"junk line " +
                    std::to_string(i) + "\"\n";
    }
    expected += reg.path() + ": 2990 more settings lines not understood, kept as they are\n";
    EXPECT_EQ(dump.take(), expected);

    // Read again, or rewritten by a set: nothing new to say.
    EXPECT_EQ(key.getIntValue("A", found), 1);
    EXPECT_TRUE(key.setIntValue("A", 2));
    EXPECT_EQ(key.getIntValue("A", found), 2);
    EXPECT_EQ(reg.contents(), "[8]\nA=2\n" + junk);
    EXPECT_EQ(dump.take(), "");

    // A line that is new is counted, alone.
    reg.write("[8]\nA=3\nnew junk\n" + junk);
    EXPECT_EQ(key.getIntValue("A", found), 3);
    EXPECT_EQ(dump.take(), reg.path() + ": 1 more settings line not understood, kept as it is\n");
}

TEST(SettingsReport, SaysLittleAboutAFileOfRandomBytesAndKeepsItWhole) {
    TempRegistry reg;
    std::mt19937 random(16);
    std::string bytes(1 << 20, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    reg.write(bytes);
    DumpCapture dump;
    VSYST_RegistryKey key(kSettings, false);
    EXPECT_TRUE(key.setIntValue("A", 1));
    bool found = false;
    EXPECT_EQ(key.getIntValue("A", found), 1);
    const std::string said = dump.take();
    EXPECT_EQ(lineCount(said), 11);
    EXPECT_NE(said.find(" more settings lines not understood, kept as they are\n"),
              std::string::npos);
    const std::string added = bytes.back() == '\n' ? "[8]\nA=1\n" : "\n[8]\nA=1\n";
    EXPECT_EQ(reg.contents(), bytes + added);
}

TEST(SettingsReport, SaysOncePerReasonThatAFileCannotBeRead) {
    TempRegistry reg;
    const std::string folder = reg.dir() + "/folder";
    const std::string fifo = reg.dir() + "/fifo";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    DumpCapture dump;
    bool found = true;
    for (const std::string& path : {folder, folder, fifo}) {
        setenv("ORVANE_REGISTRY", path.c_str(), 1);
        VSYST_RegistryKey key(kSettings, false);
        EXPECT_EQ(key.getIntValue("A", found), 0);
        EXPECT_FALSE(found);
        EXPECT_FALSE(key.setIntValue("A", 1));
    }
    const std::string tail = "); it reads as empty and is not written\n";
    EXPECT_EQ(dump.text(), folder + ": settings file cannot be read (it is a folder" + tail + fifo +
                               ": settings file cannot be read (not a regular file" + tail);
}
