#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
}

TEST(V_PNullCursor, DeepCopyThrowsACursorExceptionWhateverItIsGiven) {
    DumpCapture dump;
    V_PNullCursor cursor, other;
    const V_ArrayVoidPtr array(1, pa);
    V_PArrayVoidCursor positioned(array);
    positioned.first();
    const std::vector<const V_PAbstractCursor*> sources = {&other, nullptr, &positioned};
    for (const V_PAbstractCursor* source : sources)
        EXPECT_THROW(cursor.deepCopy(source), XCOLL_CursorException);
    EXPECT_EQ(dump.text(),
              std::string(kCursorFailedMessage) + kCursorFailedMessage + kCursorFailedMessage);
    EXPECT_FALSE(cursor.valid());
    EXPECT_TRUE(positioned.valid());
}
