// The typed collections: a list of typed pointers.
#include <orvane/base/symbol.h>
#include <orvane/base/v_string.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/typed/array.h>
#include <orvane/collections/typed/list_ptr.h>
#include <orvane/collections/typed/map_void_ptr.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

using Items = V_ListPtr<int>;

}  // namespace

// The typed list forwards to the untyped one: each call must reach the overload it names.
TEST(V_ListPtr, TakesAndGivesTypedPointersByIndexAndAtACursor) {
    int one = 1, two = 2, three = 3;
    Items list;
    list.insert(&one);
    list.insert_first(&three);
    list.insert_before(&two, 1);
    list.insert_after(&three, 2);
    std::unique_ptr<V_PListVoidCursor> at(list.createCursor());
    at->first();  // on three
    list.insert_after(&one, *at);
    list.insert_before(&two, *at);
    list.replace_at(&one, 5);
    EXPECT_EQ(walk(list), (Ptrs{&two, &three, &one, &two, &one, &one}));
    EXPECT_TRUE(list.get_first() == &two && list.get_last() == &one && *list[1] == 3);
}
