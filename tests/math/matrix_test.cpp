#include <orvane/math/matrix.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "support/dump_capture.h"
#include "support/math_checks.h"

namespace {

using Values = std::vector<double>;

VMATH_Matrix make(long rows, long cols, std::initializer_list<double> values) {
    VMATH_Matrix m(rows, cols);
    long k = 0;
    for (double v : values) {
        m.At(k / cols, k % cols) = v;
        ++k;
    }
    return m;
}

Values elementsOf(const VMATH_Matrix& m) {
    Values v;
    for (long i = 0; i < m.GetSizeI(); ++i)
        for (long j = 0; j < m.GetSizeJ(); ++j)
            v.push_back(m.At(i, j));
    return v;
}

// The code of the exception E that `action` throws, or -1.
template <class E = VMATH_WrongMatrixOperation, class Action>
long codeOf(Action action) {
    DumpCapture quiet;
    try {
        action();
    } catch (const E& e) {
        return e.getCode();
    }
    return -1;
}

}  // namespace

TEST(VMATH_Matrix, ConstructionAccessCopiesAndIdentities) {
    const VMATH_Matrix square(3, 0);
    EXPECT_EQ(square.GetSizeI(), 3);
    EXPECT_EQ(square.GetSizeJ(), 3);
    EXPECT_EQ(elementsOf(square), Values(9, 0.0));
    EXPECT_EQ(codeOf([] { VMATH_Matrix(0, 3); }), 5);
    EXPECT_EQ(codeOf([] { VMATH_Matrix(2, -1); }), 5);
    {
        DumpCapture quiet;
        EXPECT_THROW(VMATH_Matrix(LONG_MAX, 2), VSYST_OutOfMemory);
    }

    VMATH_Matrix m(2, 2);
    m.At(1, 0) = 7;
    const VMATH_Matrix& c = m;
    EXPECT_EQ(c.At(1, 0), 7.0);
    EXPECT_EQ(codeOf([&] { m.At(2, 0); }), 4);
    EXPECT_EQ(codeOf([&] { m.At(0, -1); }), 1);
    EXPECT_EQ(codeOf([&] { c.At(0, 2); }), 1);
    EXPECT_EQ(codeOf([&] { c.At(-1, 5); }), 4);  // the row is checked first

    const VMATH_Matrix a = make(2, 3, {1, 2, 3, 4, 5, 6});
    VMATH_Matrix b(1);
    b = a;
    EXPECT_EQ(b.GetSizeJ(), 3);
    b.At(0, 0) = 9;
    EXPECT_EQ(a.At(0, 0), 1.0);  // deep copy
    const VMATH_Matrix& alias = b;
    b = alias;
    EXPECT_EQ(elementsOf(VMATH_Matrix(b)), (Values{9, 2, 3, 4, 5, 6}));

    EXPECT_EQ(elementsOf(b.MakeIMatrix()), (Values{1, 0, 0, 0, 1, 0}));  // partial identity
    VMATH_Matrix tall = make(3, 2, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(elementsOf(tall.MakeIMatrix()), (Values{1, 0, 0, 1, 0, 0}));
    EXPECT_EQ(elementsOf(tall.MakeOMatrix()), Values(6, 0.0));
}

// Sizes around the vector width and past the rows gaussj keeps on the stack; the results also
// solve their systems, which checks the written-out loops as well.
TEST(VMATH_Matrix, TridagSolvesOrReportsAZeroPivot) {
    // 2u0 - u1 = 1, -u0 + 2u1 - u2 = 0, -u1 + 2u2 = 1: u = (1, 1, 1)
    double a[] = {99, -1, -1}, b[] = {2, 2, 2}, c[] = {-1, -1, 99}, r[] = {1, 0, 1};
    double u[3] = {0, 0, 0};
    EXPECT_EQ(VMATH_Matrix::tridag(a, b, c, r, u, 2), 0);
    for (double v : u)
        EXPECT_DOUBLE_EQ(v, 1.0);

    double b0[] = {4}, r0[] = {2}, u0[] = {0};
    EXPECT_EQ(VMATH_Matrix::tridag(nullptr, b0, nullptr, r0, u0, 0), 0);
    EXPECT_EQ(u0[0], 0.5);

    double zeroFirst[] = {0, 1}, ones[] = {1, 1};  // b[0] == 0; then 1 - 1·1 == 0 at j = 1
    EXPECT_EQ(VMATH_Matrix::tridag(ones, zeroFirst, ones, ones, u, 1), -1);
    EXPECT_EQ(VMATH_Matrix::tridag(ones, ones, ones, ones, u, 1), -1);
    EXPECT_EQ(VMATH_Matrix::tridag(nullptr, ones, ones, ones, u, 1), -1);
    DumpCapture quiet;
    EXPECT_THROW(VMATH_Matrix::tridag(ones, ones, ones, ones, u, ULONG_MAX), VSYST_OutOfMemory);
}

// Elements equal within 1e-15 and pivots down to 1e-15 (inclusive) are the thresholds.
TEST(VMATH_Matrix, EqualityAndPivotThresholdsAreOnePartIn1e15) {
    VMATH_Matrix a(1), b(1), inv(1);
    a.At(0, 0) = 1.0;
    b.At(0, 0) = 1.0 + 1e-12;
    EXPECT_FALSE(a.isEqual(b));
    b.At(0, 0) = 1.0 + 4e-16;
    EXPECT_TRUE(a.isEqual(b));
    a.At(0, 0) = 1e-15;
    ASSERT_EQ(a.inverse_matrix(inv), 0);
    EXPECT_EQ(inv.At(0, 0), 1.0 / 1e-15);
    a.At(0, 0) = 0.9e-15;
    EXPECT_EQ(a.inverse_matrix(inv), 1);
}

// Each product element sums over the inner index upwards: (1e16 + 1) − 1e16 is 0 in doubles.
TEST(VMATH_Matrix, ProductAccumulatesInIncreasingInnerIndex) {
    const Values got =
        elementsOf(make(2, 3, {1, 2, 3, 4, 5, 6}) * make(3, 2, {7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(got, (Values{58, 64, 139, 154}));
    EXPECT_EQ(elementsOf(make(1, 3, {1e16, 1, -1e16}) * make(3, 1, {1, 1, 1})), Values{0.0});
}
