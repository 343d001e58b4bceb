#include <orvane/math/math_exception.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/dump_capture.h"

namespace {

template <class E, class... Code>
void expectAnnouncedAndCaught(Code... code) {
    DumpCapture dump;
    try {
        throw E(code...);
    } catch (const VMATH_Exception&) {
        SUCCEED();
    } catch (...) {
        ADD_FAILURE() << "not caught as VMATH_Exception";
    }
    EXPECT_EQ(dump.take(), "[\n]\n");
    try {
        throw E("solver.cpp", 12, code...);
    } catch (const V_Exception&) {
        SUCCEED();
    }
    EXPECT_EQ(dump.take(), "[\nat solver.cpp:12\n]\n");
}

}  // namespace

TEST(VMATH_Exception, EveryMemberAnnouncesItselfAndIsCaughtByTheBases) {
    expectAnnouncedAndCaught<VMATH_DivergenceEquationSol>();
    expectAnnouncedAndCaught<VMATH_DivergenceIntegralSol>();
    expectAnnouncedAndCaught<VMATH_WrongNumber>();
    expectAnnouncedAndCaught<VMATH_FloatingPointError>();
    expectAnnouncedAndCaught<VMATH_WrongMatrixOperation>(1L);
    expectAnnouncedAndCaught<VMATH_WrongArithmeticalOperation>(0L);
}

TEST(VMATH_Exception, CodedExceptionsKeepTheirCodeThroughCopiesAndLocationsClampTheLine) {
    DumpCapture dump;
    const VMATH_WrongMatrixOperation m(VMATH_WrongMatrixOperation::eNotSquare);
    EXPECT_EQ(m.getCode(), 3);
    EXPECT_EQ(VMATH_WrongMatrixOperation().getCode(), 0);
    const VMATH_WrongMatrixOperation located("m.cpp", 7, 2);
    EXPECT_EQ(located.getCode(), 2);
    EXPECT_EQ(dump.take(), "[\n]\n[\n]\n[\nat m.cpp:7\n]\n");

    const VMATH_WrongMatrixOperation copy(m);  // copies print nothing
    EXPECT_EQ(copy.getCode(), 3);
    VMATH_WrongMatrixOperation assigned(5);
    dump.take();
    assigned = located;
    EXPECT_EQ(assigned.getCode(), 2);

    const VMATH_WrongArithmeticalOperation a(4);
    VMATH_WrongArithmeticalOperation b(a);
    EXPECT_EQ(b.getCode(), 4);
    EXPECT_EQ(VMATH_WrongArithmeticalOperation().getCode(), 0);
    EXPECT_EQ(VMATH_WrongArithmeticalOperation("a.cpp", 1, 9).getCode(), 9);
    dump.take();
    b = VMATH_WrongArithmeticalOperation(VMATH_WrongArithmeticalOperation::eDivisionByZero);
    EXPECT_EQ(b.getCode(), 0);
    EXPECT_EQ(dump.take(), "[\n]\n");  // only the temporary announced itself

    VMATH_WrongNumber(nullptr, 3);
    EXPECT_EQ(dump.take(), "[\nat ?:3\n]\n");
    VMATH_WrongNumber("f.cpp", LONG_MAX);
    EXPECT_EQ(dump.take(), "[\nat f.cpp:" + std::to_string(INT_MAX) + "\n]\n");
}
