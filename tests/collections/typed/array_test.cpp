#include <orvane/base/v_string.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/array.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

using Strings = V_Array<V_STRING>;
using Texts = std::vector<std::string>;

Texts texts(const Strings& array) {
    Texts seen;
    std::unique_ptr<V_AbstractCursor<V_STRING>> c(array.createCursor());
    for (c->first(); c->valid(); c->next())
        seen.emplace_back(c->current().data());
    return seen;
}

Strings namesOf(const std::vector<const char*>& names) {
    Strings array;
    for (const char* name : names)
        array.insert_last(name);
    return array;  // returned by value, as a table's accessor does
}

}  // namespace

TEST(V_Array, HoldsCopiesOfItsValues) {
    V_STRING text("A4");
    Strings names;
    names.insert_last(text);
    text = "changed";
    names.insert_last(names[0]);  // an element of the array itself
    EXPECT_EQ(texts(names), (Texts{"A4", "A4"}));

    names[1] = "A3";
    Strings copy(names);
    copy[0] = "Letter";
    EXPECT_EQ(texts(names), (Texts{"A4", "A3"}));
    EXPECT_EQ(texts(copy), (Texts{"Letter", "A3"}));
    copy = names;
    EXPECT_EQ(texts(copy), (Texts{"A4", "A3"}));
    EXPECT_EQ(texts(namesOf({"A0", "A1"})), (Texts{"A0", "A1"}));
    names.clear();
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(texts(names), Texts{});
}

TEST(V_Array, ABadIndexThrowsWithIndexAndCardinality) {
    DumpCapture dump;
    Strings names = namesOf({"A4", "A3"});
    const Strings& constant = names;
    EXPECT_THROW(names[2], XCOLL_OutOfRange);
    EXPECT_THROW(constant[9], XCOLL_OutOfRange);
    EXPECT_THROW(Strings()[0], XCOLL_OutOfRange);
    EXPECT_EQ(dump.text(),
              outOfRangeMessage(2, 2) + outOfRangeMessage(9, 2) + outOfRangeMessage(0, 0));
    EXPECT_EQ(names.cardinality(), 2ul);
}

TEST(V_ArrayCursor, MovesLikeTheUntypedCursorAndCurrentThrowsWhenNotValid) {
    DumpCapture dump;
    const Strings none, three = namesOf({"A2", "A3", "A4"});
    V_ArrayCursor<V_STRING> empty(none), c(three);
    EXPECT_EQ(empty.owner(), &none);
    empty.first();
    EXPECT_FALSE(empty.valid());
    empty.last();
    EXPECT_FALSE(empty.more());
    EXPECT_THROW(empty.current(), XCOLL_CursorException);
    EXPECT_EQ(dump.take(), kCursorFailedMessage);

    Texts backwards;
    for (c.last(); c.valid() && backwards.size() < kWalkLimit; c.previous())
        backwards.emplace_back(c.current().data());
    EXPECT_EQ(backwards, (Texts{"A4", "A3", "A2"}));
    c.next();  // not valid: does not move back onto the first element
    EXPECT_FALSE(c.valid());
    c.last();
    c.next();
    EXPECT_FALSE(c.more());
    c.first();
    c.next();
    EXPECT_EQ(c.current(), V_STRING("A3"));
    EXPECT_EQ(dump.text(), "");
}

TEST(V_ArrayCursor, CopiesAndDeepCopiesTakeOverThePosition) {
    DumpCapture dump;
    const Strings first = namesOf({"A2", "A3"});
    const Strings second = namesOf({"B1", "B2", "B3"});
    V_ArrayCursor<V_STRING> a(first);
    a.first();
    V_ArrayCursor<V_STRING> copy(a);
    copy.next();
    EXPECT_EQ(a.current(), V_STRING("A2"));
    EXPECT_EQ(copy.current(), V_STRING("A3"));

    V_ArrayCursor<V_STRING> b(second);
    b.last();
    a.deepCopy(&b);
    EXPECT_EQ(a.owner(), &second);
    EXPECT_EQ(a.current(), V_STRING("B3"));
    a.previous();
    EXPECT_EQ(b.current(), V_STRING("B3"));

    EXPECT_THROW(a.deepCopy(nullptr), XCOLL_CursorException);
    EXPECT_EQ(a.current(), V_STRING("B2"));
    EXPECT_EQ(dump.text(), kCursorFailedMessage);
}
