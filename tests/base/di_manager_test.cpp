#include <gtest/gtest.h>
#include <orvane/base/di_manager.h>
#include <orvane/base/dump_stream.h>

#include <sstream>

namespace {

void echoLine(VSYST_DumpStream& out, long line) {
    out << "line " << line << "\n";
}
void other(VSYST_DumpStream& out, long) {
    out << "other\n";
}

}  // namespace

TEST(VSYST_DIManager, RunsTheRegisteredCallbackWithStreamAndLine) {
    std::ostringstream text;
    VSYST_DumpStream out(text);
    EXPECT_FALSE(VSYST_DIManager::run("Test", "Menu", 0, out));
    ASSERT_TRUE(VSYST_DIManager::add("Test", "Menu", "First\nSecond", &echoLine));
    EXPECT_TRUE(VSYST_DIManager::run("Test", "Menu", 1, out));
    EXPECT_TRUE(VSYST_DIManager::run("Test", "Menu", 7, out));  // the callback decides
    EXPECT_EQ(text.str(), "line 1\nline 7\n");
    EXPECT_FALSE(VSYST_DIManager::run("Test", "Other", 0, out));
    EXPECT_FALSE(VSYST_DIManager::run(nullptr, "Menu", 0, out));

    ASSERT_TRUE(VSYST_DIManager::add("Test", "Menu", "Only", &other));  // replaces
    text.str("");
    EXPECT_TRUE(VSYST_DIManager::run("Test", "Menu", 0, out));
    EXPECT_EQ(text.str(), "other\n");

    EXPECT_FALSE(VSYST_DIManager::add("Test", "Bad", nullptr, &other));
    EXPECT_FALSE(VSYST_DIManager::add("Test", "Bad", "x", nullptr));
    EXPECT_TRUE(VSYST_DIManager::remove("Test", "Menu"));
    EXPECT_FALSE(VSYST_DIManager::remove("Test", "Menu"));
}

TEST(VSYST_DIManager, ListsMenusInOrderWithTheirLines) {
    ASSERT_TRUE(VSYST_DIManager::add("ZList", "b", "One\nTwo\n", &other));
    ASSERT_TRUE(VSYST_DIManager::add("ZList", "a", "Alpha", &other));
    std::vector<VSYST_DIEntry> mine;
    for (const auto& e : VSYST_DIManager::entries()) {
        if (e.group == "ZList") mine.push_back(e);
    }
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_TRUE(mine[0].item == "a");
    ASSERT_EQ(mine[1].lines.size(), 2u);
    EXPECT_TRUE(mine[1].lines[1] == "Two");
    VSYST_DIManager::remove("ZList", "a");
    VSYST_DIManager::remove("ZList", "b");
}
