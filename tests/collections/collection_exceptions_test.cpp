#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/collection_limits.h>
#include <orvane/collections/ole_smart_array_exception.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/collection_walk.h"
#include "support/dump_capture.h"

namespace {

// Builds an E from `args`, then copies and assigns it: only the construction may print.
template <class E, class... Args>
std::function<void()> built(Args... args) {
    return [=] {
        E e(args...);
        E copy(e);
        copy = e;
    };
}

template <class Base, class... Derived>
constexpr bool allDeriveFrom() {
    return (std::is_base_of_v<Base, Derived> && ...);
}

}  // namespace

TEST(XCOLL_CollectionException, EachClassPrintsItsMessageOnceInABracketAndCopiesPrintNothing) {
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {built<XCOLL_CollectionException>("Something odd"), "Something odd\n"},
        {built<XCOLL_CollectionException>(nullptr), "(null)\n"},
        {built<XCOLL_DuplicateValue>(), "An attempt was made to duplicate a value in a map.\n"},
        {built<XCOLL_DuplicateElement>(),
         "An attempt was made to duplicate an element in a "
         "collection which does not allow duplicates.\n"},
        {built<XCOLL_InvalidKey>(), "An invalid key was passed to an operation on a collection.\n"},
        {built<XCOLL_InvalidValue>(),
         "An invalid value was passed to an operation on a collection.\n"},
        {built<XCOLL_InsertNull>(),
         "An attempt was made to insert a NULL pointer into a pointer-based collection.\n"},
        {built<XCOLL_OutOfRange>(), "A collection was accessed using an out-of-range index.\n"},
        {built<XCOLL_CursorException>("Cursor lost"), "Cursor lost\n"},
        {built<V_OleSmartArrayException>(1L),
         "Type mismatch error.\nThe array argument was not of the expected type.\n"},
        {built<V_OleSmartArrayException>(2L), "Array type is not supported.\n"},
        {built<V_OleSmartArrayException>(-5L), "Error #-5\n"},
    };
    DumpCapture dump;
    for (const auto& [build, message] : cases) {
        build();
        EXPECT_EQ(dump.take(), "[\n" + message + "]\n");
    }
    built<XCOLL_OutOfRange>(0xFFFFFFFFul, 0ul)();
    EXPECT_EQ(dump.take(), outOfRangeMessage(0xFFFFFFFFul, 0));
    built<XCOLL_BadCursor>()();  // the cursor failure first, then the reason in its own bracket
    EXPECT_EQ(dump.take(), kBadCursorMessage);
    built<XCOLL_CollectionException>()();  // the bases without a text print nothing
    built<XCOLL_Duplicate>()();
    built<XCOLL_Invalid>()();
    EXPECT_EQ(dump.take(), "");

    static_assert(
        allDeriveFrom<V_Exception, XCOLL_CollectionException, V_OleSmartArrayException>() &&
        allDeriveFrom<XCOLL_CollectionException, XCOLL_EmptyCollection, XCOLL_Duplicate,
                      XCOLL_Invalid, XCOLL_OutOfRange, XCOLL_CursorException>() &&
        allDeriveFrom<XCOLL_Duplicate, XCOLL_DuplicateKey, XCOLL_DuplicateValue,
                      XCOLL_DuplicateElement>() &&
        allDeriveFrom<XCOLL_Invalid, XCOLL_InvalidKey, XCOLL_InvalidValue, XCOLL_InsertNull>() &&
        allDeriveFrom<XCOLL_CursorException, XCOLL_BadCursor>());
}

TEST(CollectionLimits, RoomEndsAtTheElementLimitWithoutWrappingAround) {
    const unsigned long limit = orvane::kCollectionElementLimit, most = ~0ul;
    EXPECT_EQ(limit, 0x3FFFFFFFul);
    const unsigned long cases[][3] = {{limit - 1, 1, 0}, {limit, 0, 0},     {0, limit, 0},
                                      {limit, 1, 1},     {0, limit + 1, 1}, {5, most, 1},
                                      {most, 5, 1}};  // size, added, whether it overflows
    for (const auto& c : cases)
        EXPECT_EQ(lengthErrorOf([&] { orvane::requireRoom(c[0], c[1], orvane::kListTooLong); }),
                  c[2] ? "list<T> too long" : "no length error")
            << c[0] << " + " << c[1];
}
