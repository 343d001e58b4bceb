#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>

#include <gtest/gtest.h>

#include <string>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

TEST(V_PNullCursor, NeverHasAnElementAndNeverBecomesValid) {
    V_PNullCursor cursor;
    V_PAbstractCursor& c = cursor;
    EXPECT_EQ(c.first(), nullptr);
    EXPECT_FALSE(c.valid());
    EXPECT_EQ(c.last(), nullptr);
    EXPECT_EQ(c.next(), nullptr);
    EXPECT_EQ(c.previous(), nullptr);
    EXPECT_EQ(c.current(), nullptr);
    EXPECT_FALSE(c.more());
    EXPECT_FALSE(c.valid());
    EXPECT_EQ(c.owner(), nullptr);

    int steps = 0;
    for (c.first(); c.valid(); c.next())
        ++steps;
    EXPECT_EQ(steps, 0);
}

TEST(V_PNullCursor, DeepCopyThrowsACursorExceptionWhateverItIsGiven) {
    DumpCapture dump;
    V_PNullCursor cursor;
    V_PNullCursor other;
    int x = 0;
    V_ArrayVoidPtr array(1, &x);
    V_PArrayVoidCursor positioned(array);
    positioned.first();

    EXPECT_THROW(cursor.deepCopy(&other), XCOLL_CursorException);
    EXPECT_THROW(cursor.deepCopy(&positioned), XCOLL_CursorException);
    EXPECT_THROW(cursor.deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(dump.text(),
              "[\nThe performed cursor operation failed.\n]\n"
              "[\nThe performed cursor operation failed.\n]\n"
              "[\nThe performed cursor operation failed.\n]\n");
    EXPECT_FALSE(cursor.valid());
    EXPECT_TRUE(positioned.valid());
}
