#include <gtest/gtest.h>
#include <orvane/base/appl_init_exit.h>

#include <memory>
#include <string>

namespace {

std::string g_log;
bool initA() {
    return g_log += "+A", true;
}
bool initB() {
    return g_log += "+B", true;
}
void exitA() {
    g_log += "-A";
}
void exitB() {
    g_log += "-B";
}

}  // namespace

TEST(VSYST_ApplInitExit, RestartRunsInitsAscendingAndExitsDescending) {
    VSYST_ApplInitExit::shutDown();
    g_log.clear();
    {
        auto b = std::make_unique<VSYST_ApplInitExit>("B", 20, &initB, &exitB);
        auto a = std::make_unique<VSYST_ApplInitExit>("A", 10, &initA, &exitA);
        VSYST_ApplInitExit none("N", 15, nullptr, nullptr);
        EXPECT_EQ(g_log, "");  // down: they wait
        VSYST_ApplInitExit::startUp();
        EXPECT_EQ(g_log, "+A+B");
        EXPECT_TRUE(none.isInitialised());
        VSYST_ApplInitExit::startUp();  // nothing pending
        EXPECT_EQ(g_log, "+A+B");
        VSYST_ApplInitExit::shutDown();
        EXPECT_EQ(g_log, "+A+B-B-A");
        b.reset();  // already exited: nothing more
        EXPECT_EQ(g_log, "+A+B-B-A");
    }
    VSYST_ApplInitExit::startUp();  // leave the library up for the other tests
    EXPECT_TRUE(VSYST_ApplInitExit::isUp());
}
