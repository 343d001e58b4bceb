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

Pieces bracketed(Pieces message) {
    message.insert(message.begin(), "[\n");
    message.emplace_back("]\n");
    return message;
}

}  // namespace

TEST(XCOLL_CollectionException, EachPrintingConstructorWritesItsPiecesInOneBracket) {
    struct Case {
        const char* name;
        std::function<void()> construct;
        Pieces message;
    };
    const std::vector<Case> cases = {
        {"text", [] { XCOLL_CollectionException e("Something odd"); }, {"Something odd", "\n"}},
        {"empty",
         [] { XCOLL_EmptyCollection e; },
         {"An attempt was made to operate on a empty collection.\n"}},
        {"duplicate key",
         [] { XCOLL_DuplicateKey e; },
         {"An attempt was made to duplicate a key in a map.\n"}},
        {"duplicate value",
         [] { XCOLL_DuplicateValue e; },
         {"An attempt was made to duplicate a value in a map.\n"}},
        {"duplicate element",
         [] { XCOLL_DuplicateElement e; },
         {"An attempt was made to duplicate an element in a collection",
          " which does not allow duplicates.\n"}},
        {"invalid key",
         [] { XCOLL_InvalidKey e; },
         {"An invalid key was passed to an operation on a collection.\n"}},
        {"invalid value",
         [] { XCOLL_InvalidValue e; },
         {"An invalid value was passed to an operation on a collection.\n"}},
        {"insert null",
         [] { XCOLL_InsertNull e; },
         {"An attempt was made to insert a NULL pointer into a pointer-based collection.\n"}},
        {"out of range",
         [] { XCOLL_OutOfRange e; },
         {"A collection was accessed using an out-of-range index.\n"}},
        {"out of range 7 of 3",
         [] { XCOLL_OutOfRange e(7, 3); },
         {"A collection with cardinality ", "3", " was accessed using the out-of-range index ", "7",
          ".\n"}},
        {"out of range, large",
         [] { XCOLL_OutOfRange e(0xFFFFFFFFul, 0); },
         {"A collection with cardinality ", "0", " was accessed using the out-of-range index ",
          "4294967295", ".\n"}},
        {"cursor", [] { XCOLL_CursorException e; }, {"The performed cursor operation failed.\n"}},
        {"cursor text", [] { XCOLL_CursorException e("Cursor lost"); }, {"Cursor lost", "\n"}},
        {"null text", [] { XCOLL_CollectionException e(nullptr); }, {"(null)", "\n"}},
    };
    PieceRecorder recorder;
    for (const Case& c : cases) {
        c.construct();
        EXPECT_EQ(recorder.take(), bracketed(c.message)) << c.name;
    }
}

TEST(XCOLL_BadCursor, WritesTheCursorFailureThenItsReasonInTwoBrackets) {
    PieceRecorder recorder;
    XCOLL_BadCursor e;
    const Pieces expected = {"[\n",
                             "The performed cursor operation failed.\n",
                             "]\n",
                             "[\n",
                             "The cursor is not connected to the collection",
                             " on which the operation is performed.\n",
                             "]\n"};
    EXPECT_EQ(recorder.take(), expected);
}

TEST(XCOLL_CollectionException, TextLessBasesOpenNoBracket) {
    DumpCapture dump;
    {
        XCOLL_CollectionException a;
        XCOLL_Duplicate b;
        XCOLL_Invalid c;
    }
    EXPECT_EQ(dump.text(), "");
}

TEST(XCOLL_CollectionException, CopyingAndAssigningPrintNothing) {
    DumpCapture dump;
    XCOLL_OutOfRange range(1, 0);
    XCOLL_BadCursor cursor;
    XCOLL_DuplicateElement element;
    XCOLL_CollectionException text("x");
    dump.take();

    XCOLL_OutOfRange rangeCopy(range);
    rangeCopy = range;
    XCOLL_BadCursor cursorCopy(cursor);
    cursorCopy = cursor;
    XCOLL_DuplicateElement elementCopy(element);
    elementCopy = element;
    XCOLL_CollectionException textCopy(text);
    textCopy = text;
    try {
        throw rangeCopy;  // the thrown object is a copy too
    } catch (const XCOLL_OutOfRange& caught) {
        XCOLL_OutOfRange again(caught);
        (void)again;
    }
    EXPECT_EQ(dump.text(), "");
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
std::vector<bool> catchRow() {
    return {caughtAs<E, V_Exception>(), caughtAs<E, Handlers>()...};
}

template <class... Ts>
std::vector<std::vector<bool>> catchMatrix(TypeList<Ts...>) {
    return {catchRow<Ts, Ts...>()...};
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
    // A few of the pairs the matrix covers, spelled out.
    EXPECT_TRUE(descendsFrom("XCOLL_InsertNull", "XCOLL_Invalid"));
    EXPECT_TRUE(descendsFrom("XCOLL_BadCursor", "XCOLL_CollectionException"));
    EXPECT_FALSE(descendsFrom("V_OleSmartArrayException", "XCOLL_CollectionException"));
    EXPECT_FALSE(descendsFrom("XCOLL_DuplicateKey", "XCOLL_Invalid"));
}
