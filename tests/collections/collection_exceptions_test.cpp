#include <orvane/collections/collection_exceptions.h>
#include <orvane/collections/ole_smart_array_exception.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "support/dump_capture.h"

namespace {

// Records every write the dump stream makes, one piece per insertion, so that a test sees how a
// message was composed and not only its text.
class PieceRecorder : public std::streambuf {
public:
    PieceRecorder() : m_stream(this), m_previous(VSYST_DumpStream::redirect(&m_stream)) {}
    ~PieceRecorder() override { VSYST_DumpStream::redirect(m_previous); }
    PieceRecorder(const PieceRecorder&) = delete;
    PieceRecorder& operator=(const PieceRecorder&) = delete;

    std::vector<std::string> take() {
        std::vector<std::string> pieces;
        pieces.swap(m_pieces);
        return pieces;
    }

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_pieces.emplace_back(s, static_cast<std::size_t>(n));
        return n;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            m_pieces.emplace_back(1, traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }

private:
    std::vector<std::string> m_pieces;
    std::ostream m_stream;
    std::ostream* m_previous;
};

using Pieces = std::vector<std::string>;

// Builds an E from `args`, then copies and assigns it: only the construction may print.
template <class E, class... Args>
std::function<void()> built(Args... args) {
    return [=] {
        E e(args...);
        E copy(e);
        copy = e;
    };
}

}  // namespace

TEST(XCOLL_CollectionException, EachClassWritesItsPiecesInOneBracketAndCopiesPrintNothing) {
    const std::vector<std::pair<std::function<void()>, Pieces>> cases = {
        {built<XCOLL_CollectionException>("Something odd"), {"Something odd", "\n"}},
        {built<XCOLL_CollectionException>(nullptr), {"(null)", "\n"}},
        {built<XCOLL_EmptyCollection>(),
         {"An attempt was made to operate on a empty collection.\n"}},
        {built<XCOLL_DuplicateKey>(), {"An attempt was made to duplicate a key in a map.\n"}},
        {built<XCOLL_DuplicateValue>(), {"An attempt was made to duplicate a value in a map.\n"}},
        {built<XCOLL_DuplicateElement>(),
         {"An attempt was made to duplicate an element in a collection",
          " which does not allow duplicates.\n"}},
        {built<XCOLL_InvalidKey>(),
         {"An invalid key was passed to an operation on a collection.\n"}},
        {built<XCOLL_InvalidValue>(),
         {"An invalid value was passed to an operation on a collection.\n"}},
        {built<XCOLL_InsertNull>(),
         {"An attempt was made to insert a NULL pointer into a pointer-based collection.\n"}},
        {built<XCOLL_OutOfRange>(), {"A collection was accessed using an out-of-range index.\n"}},
        {built<XCOLL_OutOfRange>(7ul, 3ul),
         {"A collection with cardinality ", "3", " was accessed using the out-of-range index ", "7",
          ".\n"}},
        {built<XCOLL_OutOfRange>(0xFFFFFFFFul, 0ul),
         {"A collection with cardinality ", "0", " was accessed using the out-of-range index ",
          "4294967295", ".\n"}},
        {built<XCOLL_CursorException>(), {"The performed cursor operation failed.\n"}},
        {built<XCOLL_CursorException>("Cursor lost"), {"Cursor lost", "\n"}},
        // The cursor failure of the base first, then the reason in a bracket of its own.
        {built<XCOLL_BadCursor>(),
         {"The performed cursor operation failed.\n", "]\n", "[\n",
          "The cursor is not connected to the collection",
          " on which the operation is performed.\n"}},
        // The bases without a text print nothing at all.
        {built<XCOLL_CollectionException>(), {}},
        {built<XCOLL_Duplicate>(), {}},
        {built<XCOLL_Invalid>(), {}},
    };
    PieceRecorder recorder;
    for (const auto& [build, message] : cases) {
        build();
        Pieces expected;
        if (!message.empty()) {
            expected = message;
            expected.insert(expected.begin(), "[\n");
            expected.emplace_back("]\n");
        }
        EXPECT_EQ(recorder.take(), expected);
    }
}

namespace {

template <class... Ts>
struct TypeList {};

// Every class of the family, with the name of its base, in the order of the type list below
// (V_Exception first: it can be caught but not built).
const std::vector<std::pair<std::string, std::string>> kTree = {
    {"V_Exception", ""},
    {"XCOLL_CollectionException", "V_Exception"},
    {"XCOLL_EmptyCollection", "XCOLL_CollectionException"},
    {"XCOLL_Duplicate", "XCOLL_CollectionException"},
    {"XCOLL_DuplicateKey", "XCOLL_Duplicate"},
    {"XCOLL_DuplicateValue", "XCOLL_Duplicate"},
    {"XCOLL_DuplicateElement", "XCOLL_Duplicate"},
    {"XCOLL_Invalid", "XCOLL_CollectionException"},
    {"XCOLL_InvalidKey", "XCOLL_Invalid"},
    {"XCOLL_InvalidValue", "XCOLL_Invalid"},
    {"XCOLL_InsertNull", "XCOLL_Invalid"},
    {"XCOLL_OutOfRange", "XCOLL_CollectionException"},
    {"XCOLL_CursorException", "XCOLL_CollectionException"},
    {"XCOLL_BadCursor", "XCOLL_CursorException"},
    {"V_OleSmartArrayException", "V_Exception"},
};

using Thrown =
    TypeList<XCOLL_CollectionException, XCOLL_EmptyCollection, XCOLL_Duplicate, XCOLL_DuplicateKey,
             XCOLL_DuplicateValue, XCOLL_DuplicateElement, XCOLL_Invalid, XCOLL_InvalidKey,
             XCOLL_InvalidValue, XCOLL_InsertNull, XCOLL_OutOfRange, XCOLL_CursorException,
             XCOLL_BadCursor, V_OleSmartArrayException>;

template <class T>
T make() {
    return T();
}
template <>
V_OleSmartArrayException make<V_OleSmartArrayException>() {
    return V_OleSmartArrayException(3);
}

template <class E, class Handler>
bool caughtAs() {
    try {
        throw make<E>();
    } catch (const Handler&) {
        return true;
    } catch (...) {
        return false;
    }
}

template <class E, class... Handlers>
std::vector<bool> catchRow(TypeList<Handlers...>) {
    return {caughtAs<E, V_Exception>(), caughtAs<E, Handlers>()...};
}

template <class... Ts>
std::vector<std::vector<bool>> catchMatrix(TypeList<Ts...> family) {
    return {catchRow<Ts>(family)...};
}

bool descendsFrom(std::string name, const std::string& base) {
    std::map<std::string, std::string> parent(kTree.begin(), kTree.end());
    for (; !name.empty(); name = parent[name]) {
        if (name == base) return true;
    }
    return false;
}

}  // namespace

TEST(XCOLL_CollectionException, EachClassIsCaughtByExactlyTheBasesOfTheTree) {
    DumpCapture dump;  // the throws announce themselves
    const std::vector<std::vector<bool>> caught = catchMatrix(Thrown());
    ASSERT_EQ(caught.size() + 1, kTree.size());
    for (std::size_t t = 0; t < caught.size(); ++t) {
        const std::string& thrown = kTree[t + 1].first;
        for (std::size_t h = 0; h < kTree.size(); ++h) {
            const std::string& handler = kTree[h].first;
            EXPECT_EQ(caught[t][h], descendsFrom(thrown, handler))
                << thrown << " caught as " << handler;
        }
    }
}
