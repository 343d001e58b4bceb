#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/list_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/dump_capture.h"

namespace {

struct Listener {
    int id;
};

using Listeners = V_ListPtr<Listener>;
using Ids = std::vector<int>;

Ids ids(const Listeners& list) {
    Ids seen;
    std::unique_ptr<V_PListVoidCursor> c(list.createCursor());
    for (c->first(); c->valid(); c->next())
        seen.push_back(Listeners::typed(c->current())->id);
    return seen;
}

}  // namespace

TEST(V_ListPtr, TakesAndGivesTypedPointersByIndexAndAtACursor) {
    Listener one{1}, two{2}, three{3}, four{4};
    Listeners list;
    list.insert(&one);
    list.insert_last(&two);
    list.insert_first(&three);
    list.insert_before(&four, 1);
    list.insert_after(&four, 3);
    EXPECT_EQ(ids(list), (Ids{3, 4, 1, 2, 4}));
    EXPECT_EQ(list.get_first(), &three);
    EXPECT_EQ(list.get_last(), &four);
    EXPECT_EQ(list[2], &one);
    EXPECT_EQ(list.get_at(3)->id, 2);
    EXPECT_TRUE(list.contains(&one));
    EXPECT_EQ(list.count(&four), 2ul);
    EXPECT_TRUE(list.remove(&four));  // the first one only
    EXPECT_EQ(ids(list), (Ids{3, 1, 2, 4}));
    EXPECT_TRUE(list.remove(&four));
    EXPECT_FALSE(list.remove(&four));

    std::unique_ptr<V_PListVoidCursor> at(list.createCursor());
    at->first();
    at->next();  // on one
    list.replace_at(&four, *at);
    list.insert_after(&two, *at);
    list.insert_before(&one, *at);
    list.replace_at(&two, 0);
    EXPECT_EQ(ids(list), (Ids{2, 1, 4, 2, 2}));
    list.remove_at(*at);  // the inherited removal moves the cursor back
    list.remove_at(0ul);
    EXPECT_EQ(Listeners::typed(at->current()), &one);
    EXPECT_EQ(ids(list), (Ids{1, 2, 2}));
    EXPECT_EQ(one.id, 1);  // the pointees are never touched
}

TEST(V_ListPtr, KeepsTheListsErrorsAndCopies) {
    DumpCapture dump;
    Listener one{1}, two{2};
    Listeners list;
    EXPECT_THROW(list.get_first(), XCOLL_EmptyCollection);
    EXPECT_THROW(list[0], XCOLL_OutOfRange);
    Listeners other;
    other.insert(&one);
    std::unique_ptr<V_PListVoidCursor> foreign(other.createCursor());
    foreign->first();
    EXPECT_THROW(list.insert_before(&two, *foreign), XCOLL_BadCursor);
    EXPECT_TRUE(list.empty());

    list.insert(&two);
    Listeners copy(list);
    copy.insert(other);
    EXPECT_EQ(ids(copy), (Ids{2, 1}));
    EXPECT_EQ(ids(list), (Ids{2}));
    std::unique_ptr<Listeners> joined(&(list | other));
    EXPECT_TRUE(*joined == copy);
    list = other;
    EXPECT_EQ(ids(list), (Ids{1}));
}
