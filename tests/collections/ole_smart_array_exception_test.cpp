#include <orvane/collections/ole_smart_array_exception.h>

#include <gtest/gtest.h>

#include <string>

#include "support/dump_capture.h"

TEST(V_OleSmartArrayException, NamesTheTwoKnownCodesNumbersTheOthersAndCopiesPrintNothing) {
    const struct {
        long code;
        const char* message;
    } cases[] = {
        {1, "Type mismatch error.\nThe array argument was not of the expected type.\n"},
        {2, "Array type is not supported.\n"},
        {0, "Error #0\n"},
        {-5, "Error #-5\n"},
        {2147483647L, "Error #2147483647\n"},
    };
    DumpCapture dump;
    for (const auto& c : cases) {
        V_OleSmartArrayException e(c.code);
        EXPECT_EQ(dump.take(), "[\n" + std::string(c.message) + "]\n") << c.code;
        V_OleSmartArrayException copy(e);
        copy = e;
        EXPECT_EQ(dump.take(), "");
    }
}
