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
using Cursor = std::unique_ptr<V_AbstractCursor<V_STRING>>;

std::vector<std::string> walk(const Strings& array) {
    std::vector<std::string> seen;
    Cursor c(array.createCursor());
    for (c->first(); c->valid(); c->next())
        seen.emplace_back(c->current().data());
    return seen;
}

Strings namesOf(const std::vector<const char*>& texts) {
    Strings names;
    for (const char* t : texts)
        names.insert_last(t);
    return names;  // returned by value, as a table's accessor does
}

// A table row of the kind the paper formats keep.
struct Format {
    V_STRING name;
    double width;
    double height;
};

}  // namespace

TEST(V_Array, HoldsCopiesOfItsValues) {
    V_STRING text("A4");
    Strings names;
    names.insert_last(text);
    text = "changed";
    names.insert_last(names[0]);  // an element of the array itself
    EXPECT_EQ(names.cardinality(), 2ul);
    EXPECT_EQ(names[0], V_STRING("A4"));
    EXPECT_EQ(names[1], V_STRING("A4"));

    names[1] = "A3";
    Strings copy(names);
    copy[0] = "Letter";
    EXPECT_EQ(walk(names), (std::vector<std::string>{"A4", "A3"}));
    EXPECT_EQ(walk(copy), (std::vector<std::string>{"Letter", "A3"}));

    copy = names;
    EXPECT_EQ(walk(copy), (std::vector<std::string>{"A4", "A3"}));
    const Strings moved = namesOf({"A0", "A1"});
    EXPECT_EQ(walk(moved), (std::vector<std::string>{"A0", "A1"}));

    names.clear();
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(walk(names), std::vector<std::string>{});
}

TEST(V_Array, ABadIndexThrowsWithIndexAndCardinality) {
    DumpCapture dump;
    Strings names = namesOf({"A4", "A3"});
    const Strings& constant = names;
    EXPECT_THROW(names[2], XCOLL_OutOfRange);
    EXPECT_THROW(constant[9], XCOLL_OutOfRange);
    EXPECT_THROW(Strings()[0], XCOLL_OutOfRange);
    EXPECT_EQ(
        dump.text(),
        "[\nA collection with cardinality 2 was accessed using the out-of-range index 2.\n]\n"
        "[\nA collection with cardinality 2 was accessed using the out-of-range index 9.\n]\n"
        "[\nA collection with cardinality 0 was accessed using the out-of-range index 0.\n]\n");
    EXPECT_EQ(names.cardinality(), 2ul);
}

TEST(V_ArrayCursor, MovesLikeTheUntypedCursorAndCurrentThrowsWhenNotValid) {
    DumpCapture dump;
    const Strings none;
    Cursor empty(none.createCursor());
    EXPECT_EQ(empty->owner(), &none);
    empty->first();
    EXPECT_FALSE(empty->valid());
    empty->last();
    EXPECT_FALSE(empty->more());
    EXPECT_THROW(empty->current(), XCOLL_CursorException);
    EXPECT_EQ(dump.take(), kCursorFailedMessage);

    const Strings one = namesOf({"A4"});
    V_ArrayCursor<V_STRING> c(one);
    c.first();
    c.previous();
    EXPECT_FALSE(c.valid());
    c.previous();  // not valid: nothing changes
    c.next();
    EXPECT_FALSE(c.valid());
    c.last();
    EXPECT_EQ(c.current(), V_STRING("A4"));
    c.next();
    EXPECT_FALSE(c.valid());

    const Strings three = namesOf({"A2", "A3", "A4"});
    Cursor walker(three.createCursor());
    std::vector<std::string> backwards;
    for (walker->last(); walker->valid(); walker->previous()) {
        backwards.emplace_back(walker->current().data());
    }
    EXPECT_EQ(backwards, (std::vector<std::string>{"A4", "A3", "A2"}));
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

TEST(V_Array, KeepsATableOfRecords) {
    V_Array<Format> table;
    table.insert_last({"A4", 210, 297});
    table.insert_last({"A3", 297, 420});
    table.insert_last({"Letter", 215.9, 279.4});
    std::unique_ptr<V_AbstractCursor<Format>> c(table.createCursor());
    double widest = 0;
    V_STRING name;
    for (c->first(); c->valid(); c->next()) {
        if (c->current().width > widest) {
            widest = c->current().width;
            name = c->current().name;
        }
    }
    EXPECT_EQ(name, V_STRING("A3"));
    table[0].height = 300;
    EXPECT_EQ(table[0].height, 300);
}
