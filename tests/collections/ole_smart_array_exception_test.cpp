#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/ole_smart_array_exception.h>

#include <gtest/gtest.h>

#include "support/dump_capture.h"

TEST(V_OleSmartArrayException, NamesTheTwoKnownCodesAndNumbersTheOthers) {
    DumpCapture dump;
    { V_OleSmartArrayException e(1); }
    EXPECT_EQ(dump.take(),
              "[\nType mismatch error.\nThe array argument was not of the expected type.\n]\n");
    { V_OleSmartArrayException e(2); }
    EXPECT_EQ(dump.take(), "[\nArray type is not supported.\n]\n");
    { V_OleSmartArrayException e(0); }
    EXPECT_EQ(dump.take(), "[\nError #0\n]\n");
    { V_OleSmartArrayException e(-5); }
    EXPECT_EQ(dump.take(), "[\nError #-5\n]\n");
    { V_OleSmartArrayException e(2147483647L); }
    EXPECT_EQ(dump.take(), "[\nError #2147483647\n]\n");
}

TEST(V_OleSmartArrayException, CopiesPrintNothingAndOnlyItsOwnHandlersCatchIt) {
    DumpCapture dump;
    V_OleSmartArrayException original(7);
    dump.take();
    V_OleSmartArrayException copy(original);
    copy = original;
    EXPECT_EQ(dump.text(), "");

    bool caughtAsCollection = false;
    bool caughtAsBase = false;
    try {
        try {
            throw copy;
        } catch (const XCOLL_CollectionException&) {
            caughtAsCollection = true;
        }
    } catch (const V_Exception&) {
        caughtAsBase = true;
    }
    EXPECT_FALSE(caughtAsCollection);
    EXPECT_TRUE(caughtAsBase);
    EXPECT_EQ(dump.text(), "");
}
