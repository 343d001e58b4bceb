#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

int a, b, c, d;
void* const pa = &a;
void* const pb = &b;
void* const pc = &c;
void* const pd = &d;

using Cursor = std::unique_ptr<V_PListVoidCursor>;

void fill(V_ListVoidPtr& list, const Ptrs& ptrs) {
    for (const void* p : ptrs)
        list.insert(p);
}

}  // namespace

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

TEST(V_ListVoidPtr, IndexedOperationsCountPositionsInLinkOrder) {
    V_ListVoidPtr list;
    list.insert(pa);
    list.insert_last(pb);
    list.insert_first(pc);
    EXPECT_EQ(walk(list), (Ptrs{pc, pa, pb}));
    list.insert_before(pd, 3);  // at the cardinality: appends
    list.insert_before(pd, 0);
    list.insert_after(pc, 4);  // after the last: appends
    list.insert_after(pa, 1);
    EXPECT_EQ(walk(list), (Ptrs{pd, pc, pa, pa, pb, pd, pc}));

    list[1] = pb;
    list.get_at(2) = nullptr;
    list.replace_at(nullptr, 6);
    list.remove_at(0);
    EXPECT_EQ(walk(list), (Ptrs{pb, nullptr, pa, pb, pd, nullptr}));
    const V_ListVoidPtr& constant = list;
    EXPECT_EQ(constant[2], pa);
    EXPECT_EQ(constant.get_at(5), nullptr);

    // Null and duplicates are ordinary elements.
    EXPECT_EQ(list.count(nullptr), 2ul);
    EXPECT_TRUE(list.contains(nullptr));
    EXPECT_FALSE(list.contains(pc));
    EXPECT_TRUE(list.remove(pb));  // the first one only
    EXPECT_FALSE(list.remove(pc));
    EXPECT_EQ(walk(list), (Ptrs{nullptr, pa, pb, pd, nullptr}));
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(V_ListVoidPtr, EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing) {
    DumpCapture dump;
    V_ListVoidPtr list;
    EXPECT_THROW(list.replace_at(pa, 0), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(0, 0));

    fill(list, {pa, pb, pc});
    const V_ListVoidPtr& constant = list;
    const std::function<void()> faults[] = {
        [&] { list[3]; },
        [&] { constant[3]; },
        [&] { list.get_at(3); },
        [&] { constant.get_at(3); },
        [&] { list.replace_at(pd, 3); },
        [&] { list.remove_at(3ul); },
        [&] { list.insert_after(pd, 3ul); },
    };
    for (const auto& fault : faults) {
        EXPECT_THROW(fault(), XCOLL_OutOfRange);
        EXPECT_EQ(dump.take(), outOfRangeMessage(3, 3));
    }
    EXPECT_THROW(list.insert_before(pd, 4ul), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRangeMessage(4, 3));
    EXPECT_EQ(walk(list), (Ptrs{pa, pb, pc}));
}

TEST(V_ListVoidPtr, InsertsAroundACursorThatStaysOnItsElement) {
    V_ListVoidPtr list;
    fill(list, {pa, pb});
    Cursor at(list.createCursor());
    at->first();
    list.insert_before(pc, *at);
    list.insert_after(pd, *at);
    EXPECT_EQ(at->current(), pa);
    EXPECT_EQ(walk(list), (Ptrs{pc, pa, pd, pb}));

    at->last();
    list.insert_after(pa, *at);  // behind the last: appends, and next() finds it
    EXPECT_EQ(at->current(), pb);
    EXPECT_EQ(at->next(), pa);
    list.replace_at(nullptr, *at);
    EXPECT_EQ(walk(list), (Ptrs{pc, pa, pd, pb, nullptr}));
    EXPECT_TRUE(at->valid());
}

TEST(V_ListVoidPtr, RemovingAtACursorMovesItToThePredecessorOrInvalidatesIt) {
    V_ListVoidPtr list;
    fill(list, {pa, pb, pc});
    Cursor at(list.createCursor());
    at->first();
    list.remove_at(*at);
    EXPECT_FALSE(at->valid());
    EXPECT_EQ(walk(list), (Ptrs{pb, pc}));
    at->last();
    list.remove_at(*at);
    EXPECT_TRUE(at->valid());
    EXPECT_EQ(at->current(), pb);
    EXPECT_EQ(walk(list), (Ptrs{pb}));

    // A walk that removes as it goes: next() after each removal, first() when it ended.
    list.clear();
    fill(list, {nullptr, pa, nullptr, pb, nullptr, nullptr, pc, nullptr});
    at->first();
    while (at->valid()) {
        if (at->current() == nullptr) list.remove_at(*at);
        if (at->valid()) {
            at->next();
        } else {
            at->first();
        }
    }
    EXPECT_EQ(walk(list), (Ptrs{pa, pb, pc}));
}

TEST(V_ListVoidPtr, CursorsOnOtherElementsSurviveInsertionsAndRemovals) {
    V_ListVoidPtr list;
    fill(list, {pa, pb, pc});
    Cursor onB(list.createCursor());
    onB->first();
    onB->next();
    list.insert_first(pd);
    list.remove(pc);
    list.insert(pa);
    list.remove_at(0ul);
    EXPECT_EQ(onB->current(), pb);
    EXPECT_EQ(onB->next(), pa);
    EXPECT_EQ(onB->previous(), pb);
    EXPECT_EQ(onB->previous(), pa);
}

TEST(V_ListVoidPtr, RejectsCursorsOfOtherListsAndCursorsThatAreNotValid) {
    DumpCapture dump;
    V_ListVoidPtr list;
    V_ListVoidPtr other;
    fill(list, {pa, pb});
    fill(other, {pa, pb});
    Cursor foreign(other.createCursor());
    foreign->first();
    Cursor neverPositioned(list.createCursor());
    Cursor ranOff(list.createCursor());
    ranOff->last();
    ranOff->next();
    V_PNullCursor none;
    V_ArrayVoidPtr array(1, pa);
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

TEST(V_ListVoidPtr, CopiesAssignmentAndEqualityWorkOnThePointerSequence) {
    V_ListVoidPtr original;
    fill(original, {pa, pb});
    V_ListVoidPtr copy(original);
    copy.insert(pc);
    EXPECT_EQ(walk(original), (Ptrs{pa, pb}));
    EXPECT_TRUE(copy != original);

    V_ListVoidPtr assigned;
    fill(assigned, {pd});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    const V_ListVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(walk(assigned), (Ptrs{pa, pb}));

    V_ListVoidPtr reversed;
    fill(reversed, {pb, pa});
    EXPECT_TRUE(reversed != original);
}

TEST(V_ListVoidPtr, AppendingAndUnionCopyTheOtherListInItsOrder) {
    V_ListVoidPtr first;
    V_ListVoidPtr second;
    fill(first, {pa, pb});
    fill(second, {pc, nullptr});

    std::unique_ptr<V_ListVoidPtr> joined(&(first | second));
    EXPECT_EQ(walk(*joined), (Ptrs{pa, pb, pc, nullptr}));
    EXPECT_EQ(walk(first), (Ptrs{pa, pb}));
    EXPECT_EQ(walk(second), (Ptrs{pc, nullptr}));
    std::unique_ptr<V_ListVoidPtr> doubled(&(second | second));
    EXPECT_EQ(walk(*doubled), (Ptrs{pc, nullptr, pc, nullptr}));

    first.insert(second);
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(walk(first), (Ptrs{pa, pb, pc, nullptr, pa, pb, pc, nullptr}));
}

TEST(V_ListVoidPtr, BuildsALongListByInsertingAtACursor) {
    // Each insertion at the cursor is constant time; by index this would be quadratic.
    V_ListVoidPtr list;
    fill(list, {pa, pb});
    Cursor at(list.createCursor());
    at->first();
    const unsigned long n = 100000;
    for (unsigned long i = 0; i < n; ++i) {
        list.insert_after(pc, *at);
        list.insert_before(pd, *at);
    }
    EXPECT_EQ(list.cardinality(), 2 * n + 2);
    EXPECT_EQ(list.count(pc), n);
    EXPECT_EQ(list.get_first(), pd);
    EXPECT_EQ(list.get_last(), pb);
    EXPECT_EQ(at->current(), pa);
    EXPECT_EQ(at->next(), pc);
}
