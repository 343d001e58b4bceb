#include <orvane/collections/array_void_ptr.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/cursor/null_cursor.h>
#include <orvane/collections/list_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/dump_capture.h"

namespace {

int a, b, c, d;
void* const pa = &a;
void* const pb = &b;
void* const pc = &c;
void* const pd = &d;

using Ptrs = std::vector<const void*>;
using Cursor = std::unique_ptr<V_PListVoidCursor>;

// The elements in link order, read with a cursor.
Ptrs elements(const V_ListVoidPtr& list) {
    Ptrs result;
    Cursor cursor(list.createCursor());
    for (cursor->first(); cursor->valid(); cursor->next())
        result.push_back(cursor->current());
    return result;
}

void fill(V_ListVoidPtr& list, const Ptrs& ptrs) {
    for (const void* p : ptrs)
        list.insert(p);
}

std::string outOfRange(unsigned long index, unsigned long cardinality) {
    return "[\nA collection with cardinality " + std::to_string(cardinality) +
           " was accessed using the out-of-range index " + std::to_string(index) + ".\n]\n";
}

const char kBadCursor[] =
    "[\nThe performed cursor operation failed.\n]\n"
    "[\nThe cursor is not connected to the collection on which the operation is performed.\n]\n";

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
    EXPECT_EQ(elements(list), (Ptrs{pc, pd}));
}

TEST(V_ListVoidPtr, IndexedOperationsCountPositionsInLinkOrder) {
    V_ListVoidPtr list;
    list.insert(pa);
    list.insert_last(pb);
    list.insert_first(pc);
    EXPECT_EQ(elements(list), (Ptrs{pc, pa, pb}));
    list.insert_before(pd, 3);  // at the cardinality: appends
    list.insert_before(pd, 0);
    list.insert_after(pc, 4);  // after the last: appends
    list.insert_after(pa, 1);
    EXPECT_EQ(elements(list), (Ptrs{pd, pc, pa, pa, pb, pd, pc}));

    list[1] = pb;
    list.get_at(2) = pd;
    list.replace_at(nullptr, 6);
    list.remove_at(0);
    EXPECT_EQ(elements(list), (Ptrs{pb, pd, pa, pb, pd, nullptr}));
    const V_ListVoidPtr& constant = list;
    EXPECT_EQ(constant[2], pa);
    EXPECT_EQ(constant.get_at(5), nullptr);
}

TEST(V_ListVoidPtr, EveryIndexFaultThrowsWithIndexAndCardinalityAndChangesNothing) {
    DumpCapture dump;
    V_ListVoidPtr list;
    EXPECT_THROW(list.replace_at(pa, 0), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(0, 0));

    fill(list, {pa, pb, pc});
    const V_ListVoidPtr& constant = list;
    EXPECT_THROW(list[3], XCOLL_OutOfRange);
    EXPECT_THROW(constant[3], XCOLL_OutOfRange);
    EXPECT_THROW(list.get_at(3), XCOLL_OutOfRange);
    EXPECT_THROW(constant.get_at(3), XCOLL_OutOfRange);
    EXPECT_THROW(list.replace_at(pd, 3), XCOLL_OutOfRange);
    EXPECT_THROW(list.remove_at(3ul), XCOLL_OutOfRange);
    EXPECT_THROW(list.insert_after(pd, 3ul), XCOLL_OutOfRange);
    std::string expected;
    for (int i = 0; i < 7; ++i)
        expected += outOfRange(3, 3);
    EXPECT_EQ(dump.take(), expected);
    EXPECT_THROW(list.insert_before(pd, 4ul), XCOLL_OutOfRange);
    EXPECT_EQ(dump.take(), outOfRange(4, 3));
    EXPECT_EQ(elements(list), (Ptrs{pa, pb, pc}));
}

TEST(V_ListVoidPtr, InsertsAroundACursorThatStaysOnItsElement) {
    V_ListVoidPtr list;
    fill(list, {pa, pb});
    Cursor at(list.createCursor());
    at->first();
    list.insert_before(pc, *at);
    EXPECT_EQ(at->current(), pa);
    list.insert_after(pd, *at);
    EXPECT_EQ(at->current(), pa);
    EXPECT_EQ(elements(list), (Ptrs{pc, pa, pd, pb}));

    at->last();
    list.insert_after(pa, *at);  // behind the last: appends, and next() finds it
    EXPECT_EQ(at->current(), pb);
    EXPECT_EQ(at->next(), pa);
    list.replace_at(nullptr, *at);
    EXPECT_EQ(elements(list), (Ptrs{pc, pa, pd, pb, nullptr}));
    EXPECT_EQ(at->current(), nullptr);
    EXPECT_TRUE(at->valid());
}

TEST(V_ListVoidPtr, RemovingAtACursorMovesItToThePredecessorOrInvalidatesIt) {
    V_ListVoidPtr list;
    fill(list, {pa, pb, pc});
    Cursor at(list.createCursor());
    at->first();
    list.remove_at(*at);
    EXPECT_FALSE(at->valid());
    EXPECT_EQ(elements(list), (Ptrs{pb, pc}));

    fill(list, {pd});
    at->last();
    list.remove_at(*at);
    EXPECT_TRUE(at->valid());
    EXPECT_EQ(at->current(), pc);
    EXPECT_EQ(elements(list), (Ptrs{pb, pc}));
}

TEST(V_ListVoidPtr, AWalkCanRemoveAsItGoes) {
    V_ListVoidPtr list;
    fill(list, {pa, nullptr, pb, nullptr, nullptr, pc, nullptr});
    Cursor at(list.createCursor());
    at->first();
    while (at->valid()) {
        if (at->current() == nullptr) {
            list.remove_at(*at);
            if (!at->valid()) {
                at->first();
                continue;
            }
        }
        at->next();
    }
    EXPECT_EQ(elements(list), (Ptrs{pa, pb, pc}));

    // Removing the first element each time empties the list.
    for (at->first(); at->valid(); at->first())
        list.remove_at(*at);
    EXPECT_TRUE(list.empty());
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
        EXPECT_EQ(dump.take(), std::string(kBadCursor) + kBadCursor + kBadCursor + kBadCursor);
    }
    EXPECT_EQ(elements(list), (Ptrs{pa, pb}));
    EXPECT_EQ(elements(other), (Ptrs{pa, pb}));
    EXPECT_TRUE(foreign->valid());
}

TEST(V_ListVoidPtr, NullAndDuplicatePointersAreOrdinaryElements) {
    V_ListVoidPtr list;
    fill(list, {nullptr, pa, nullptr, pa});
    EXPECT_EQ(list.cardinality(), 4ul);
    EXPECT_TRUE(list.contains(nullptr));
    EXPECT_EQ(list.count(nullptr), 2ul);
    EXPECT_EQ(list.count(pa), 2ul);
    EXPECT_FALSE(list.contains(pb));
    EXPECT_TRUE(list.remove(pa));
    EXPECT_FALSE(list.remove(pb));
    EXPECT_EQ(elements(list), (Ptrs{nullptr, nullptr, pa}));
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.cardinality(), 0ul);
}

TEST(V_ListVoidPtr, CopiesAssignmentAndEqualityWorkOnThePointerSequence) {
    V_ListVoidPtr original;
    fill(original, {pa, pb});
    V_ListVoidPtr copy(original);
    copy.insert(pc);
    EXPECT_EQ(elements(original), (Ptrs{pa, pb}));
    EXPECT_TRUE(copy != original);

    V_ListVoidPtr assigned;
    fill(assigned, {pd});
    assigned = original;
    EXPECT_TRUE(assigned == original);
    V_ListVoidPtr& same = assigned;
    assigned = same;
    EXPECT_EQ(elements(assigned), (Ptrs{pa, pb}));

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
    EXPECT_EQ(elements(*joined), (Ptrs{pa, pb, pc, nullptr}));
    EXPECT_EQ(elements(first), (Ptrs{pa, pb}));
    EXPECT_EQ(elements(second), (Ptrs{pc, nullptr}));

    first.insert(second);
    EXPECT_EQ(elements(first), (Ptrs{pa, pb, pc, nullptr}));
    first.insert(first);  // one copy of what was there at the call
    EXPECT_EQ(elements(first), (Ptrs{pa, pb, pc, nullptr, pa, pb, pc, nullptr}));
    std::unique_ptr<V_ListVoidPtr> doubled(&(second | second));
    EXPECT_EQ(elements(*doubled), (Ptrs{pc, nullptr, pc, nullptr}));
}

TEST(V_ListVoidPtr, BuildsALongListByInsertingAtACursor) {
    // Each insertion at the cursor is constant time; by index this would be quadratic.
    V_ListVoidPtr list;
    list.insert(pa);
    list.insert(pb);
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
    EXPECT_EQ(at->current(), pa);
    EXPECT_EQ(at->next(), pc);
    EXPECT_EQ(list.get_last(), pb);
}
