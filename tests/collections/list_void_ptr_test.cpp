#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"
#include "support/indexed_sequence_checks.h"

namespace {

using Cursor = std::unique_ptr<V_PListVoidCursor>;

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(List, IndexedSequence, V_ListVoidPtr);

TEST(V_ListVoidPtr, GetFirstAndGetLastNeedAnElement) {
    DumpCapture dump;
    V_ListVoidPtr list;
    const V_ListVoidPtr& constant = list;
    EXPECT_THROW(list.get_first(), XCOLL_EmptyCollection);
    EXPECT_THROW(constant.get_first(), XCOLL_EmptyCollection);
    EXPECT_THROW(list.get_last(), XCOLL_EmptyCollection);
    EXPECT_THROW(constant.get_last(), XCOLL_EmptyCollection);
    const std::string empty = "[\nAn attempt was made to operate on a empty collection.\n]\n";
    EXPECT_EQ(dump.take(), empty + empty + empty + empty);

    list.insert(pa);
    EXPECT_EQ(constant.get_first(), pa);
    EXPECT_EQ(constant.get_last(), pa);
    list.insert(pb);
    list.get_first() = pc;
    list.get_last() = pd;
    EXPECT_EQ(walk(list), (Ptrs{pc, pd}));
}

TEST(V_ListVoidPtr, InsertsAroundACursorThatStaysOnItsElementWhateverElseChanges) {
    V_ListVoidPtr list = filled<V_ListVoidPtr>({pa, pb});
    Cursor at(list.createCursor());
    at->first();
    list.insert_before(pc, *at);
    list.insert_after(pd, *at);
    EXPECT_EQ(walk(list), (Ptrs{pc, pa, pd, pb}));
    list.remove(pc);
    list.insert_first(pb);
    list.remove_at(3ul);
    list.insert(pc);
    EXPECT_EQ(at->current(), pa);
    EXPECT_EQ(at->previous(), pb);
    EXPECT_EQ(at->next(), pa);
    EXPECT_EQ(at->next(), pd);

    at->last();
    list.insert_after(pa, *at);  // behind the last: appends, and next() finds it
    EXPECT_EQ(at->current(), pc);
    EXPECT_EQ(at->next(), pa);
    list.replace_at(nullptr, *at);
    EXPECT_EQ(walk(list), (Ptrs{pb, pa, pd, pc, nullptr}));
    EXPECT_TRUE(at->valid());
}

TEST(V_ListVoidPtr, RemovingAtACursorMovesItToThePredecessorOrInvalidatesIt) {
    V_ListVoidPtr list = filled<V_ListVoidPtr>({pa, pb, pc});
    Cursor at(list.createCursor());
    at->first();
    list.remove_at(*at);
    EXPECT_FALSE(at->valid());
    EXPECT_EQ(walk(list), (Ptrs{pb, pc}));
    at->last();
    list.remove_at(*at);
    EXPECT_EQ(at->current(), pb);
    EXPECT_EQ(walk(list), (Ptrs{pb}));

    // A walk that removes as it goes: next() after each removal, first() when it ended.
    list = filled<V_ListVoidPtr>({nullptr, pa, nullptr, pb, nullptr, nullptr, pc, nullptr});
    for (at->first(); at->valid();) {
        if (at->current() == nullptr) list.remove_at(*at);
        if (at->valid()) {
            at->next();
        } else {
            at->first();
        }
    }
    EXPECT_EQ(walk(list), (Ptrs{pa, pb, pc}));
}

TEST(V_ListVoidPtr, RejectsCursorsOfOtherListsAndCursorsThatAreNotValid) {
    DumpCapture dump;
    V_ListVoidPtr list = filled<V_ListVoidPtr>({pa, pb});
    const V_ListVoidPtr other = filled<V_ListVoidPtr>({pa, pb});
    Cursor foreign(other.createCursor()), neverPositioned(list.createCursor());
    Cursor ranOff(list.createCursor());
    foreign->first();
    ranOff->last();
    ranOff->next();
    V_PNullCursor none;
    const V_ArrayVoidPtr array(1, pa);
    std::unique_ptr<V_PArrayVoidCursor> arrayCursor(array.createCursor());
    arrayCursor->first();

    const std::vector<const V_PAbstractCursor*> bad = {foreign.get(), neverPositioned.get(),
                                                       ranOff.get(), &none, arrayCursor.get()};
    for (const V_PAbstractCursor* cursor : bad) {
        EXPECT_THROW(list.insert_before(pc, *cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.insert_after(pc, *cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.remove_at(*cursor), XCOLL_BadCursor);
        EXPECT_THROW(list.replace_at(pc, *cursor), XCOLL_BadCursor);
        EXPECT_EQ(dump.take(),
                  kBadCursorMessage + kBadCursorMessage + kBadCursorMessage + kBadCursorMessage);
    }
    EXPECT_EQ(walk(list), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(other), (Ptrs{pa, pb}));
    EXPECT_TRUE(foreign->valid());
}
