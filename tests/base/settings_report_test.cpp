// What the settings file says about files it cannot read or understand, seen through
// VSYST_RegistryKey.
#include <orvane/base/registry_key.h>

#include <gtest/gtest.h>

#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

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
