#include <orvane/math/matrix.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "support/dump_capture.h"
#include "support/math_checks.h"
#include "support/matrix_reference.h"

namespace {

using matrix_reference::referenceGaussj;
using matrix_reference::referenceInverse;
using matrix_reference::scrambled;
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

// Rows of values with the array of row pointers that gaussj takes.
struct Rows {
    std::vector<Values> rows;
    std::vector<double*> pointers;
    explicit Rows(std::vector<Values> values) : rows(std::move(values)) {
        for (Values& row : rows)
            pointers.push_back(row.data());
    }
    Rows(const Rows&) = delete;
    double** get() { return pointers.data(); }
};

std::vector<std::uint64_t> bitsOf(const Values& v) {
    std::vector<std::uint64_t> bits;
    for (double d : v)
        bits.push_back(::bitsOf(d));
    return bits;
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
TEST(VMATH_Matrix, InverseAndGaussjKeepTheFixedLoopOrdersBitForBit) {
    for (long n : {1L, 2L, 3L, 7L, 32L, 33L, 40L}) {
        SCOPED_TRACE(n);
        const Values values = scrambled(n, static_cast<unsigned>(n));
        VMATH_Matrix m(n);
        for (long k = 0; k < n * n; ++k)
            m.At(k / n, k % n) = values[static_cast<std::size_t>(k)];
        VMATH_Matrix inv(n);
        ASSERT_EQ(m.inverse_matrix(inv), 0);
        EXPECT_EQ(bitsOf(elementsOf(inv)), bitsOf(referenceInverse(n, values)));
        const Values identity = elementsOf(m * inv);
        for (long k = 0; k < n * n; ++k)
            EXPECT_NEAR(identity[k], k % (n + 1) == 0 ? 1.0 : 0.0, 1e-9) << k;

        std::vector<Values> w(static_cast<std::size_t>(n));
        for (long i = 0; i < n; ++i) {
            w[i].assign(values.begin() + i * n, values.begin() + (i + 1) * n);
            w[i].push_back(static_cast<double>(i) - 2.5);
        }
        Rows a(w);
        const std::vector<Values> original = w;
        const Values expected = referenceGaussj(n, w);
        Values copied(static_cast<std::size_t>(n)), inPlace(copied.size());
        ASSERT_EQ(VMATH_Matrix::gaussj(a.get(), copied.data(), n, true), 0);
        EXPECT_EQ(a.rows, original);  // the copy was worked on
        for (long i = 0; i < n; ++i) {
            double lhs = 0;
            for (long j = 0; j < n; ++j)
                lhs += a.rows[i][j] * copied[j];
            EXPECT_NEAR(lhs, a.rows[i][n], 1e-9) << "row " << i;
        }
        ASSERT_EQ(VMATH_Matrix::gaussj(a.get(), inPlace.data(), n, false), 0);
        EXPECT_EQ(bitsOf(copied), bitsOf(expected));
        EXPECT_EQ(bitsOf(inPlace), bitsOf(expected));
        for (long i = 0; i < n; ++i)  // the reduced matrix, multipliers included, stays in a
            EXPECT_EQ(bitsOf(a.rows[i]), bitsOf(w[i]));
    }
}

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
