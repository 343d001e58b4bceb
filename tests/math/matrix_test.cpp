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

TEST(VMATH_Matrix, ElementWiseArithmeticAndDimensionChecks) {
    const VMATH_Matrix a = make(2, 2, {1, 2, 3, 4});
    const VMATH_Matrix b = make(2, 2, {10, 20, 30, 40});
    EXPECT_EQ(elementsOf(a + b), (Values{11, 22, 33, 44}));
    EXPECT_EQ(elementsOf(b - a), (Values{9, 18, 27, 36}));
    EXPECT_EQ(elementsOf(-a), (Values{-1, -2, -3, -4}));
    EXPECT_EQ(elementsOf(a * 2.0), (Values{2, 4, 6, 8}));
    EXPECT_EQ(elementsOf(a), (Values{1, 2, 3, 4}));  // operands unchanged
    VMATH_Matrix c(a);
    c += b;
    c -= a;
    c *= 0.5;
    EXPECT_EQ(elementsOf(c), (Values{5, 10, 15, 20}));

    const VMATH_Matrix other(2, 3);
    EXPECT_EQ(codeOf([&] { c += other; }), 6);
    EXPECT_EQ(codeOf([&] { c -= other; }), 6);
    EXPECT_EQ(codeOf([&] { (void)(a + other); }), 6);
    EXPECT_EQ(codeOf([&] { (void)(a - other); }), 6);
    EXPECT_EQ(elementsOf(c), (Values{5, 10, 15, 20}));
}

TEST(VMATH_Matrix, DivisionMultipliesByTheReciprocalAndRejectsTinyDivisors) {
    // 49 · (1/49) is not 1 in binary floating point, 49 / 49 is: the reciprocal is used.
    EXPECT_EQ((make(1, 1, {49}) / 49.0).At(0, 0), 49.0 * (1.0 / 49.0));
    const VMATH_Matrix a = make(1, 2, {1, 3});
    EXPECT_NO_THROW((void)(a / 2e-15));
    EXPECT_EQ(codeOf<VMATH_WrongArithmeticalOperation>([&] { (void)(a / 1e-16); }), 0);
    VMATH_Matrix b(a);
    EXPECT_EQ(codeOf<VMATH_WrongArithmeticalOperation>([&] { b /= -1e-16; }), 0);
    b /= 0.5;
    EXPECT_EQ(elementsOf(b), (Values{2, 6}));
}

TEST(VMATH_Matrix, ProductAccumulatesInIncreasingInnerIndex) {
    const VMATH_Matrix a = make(2, 3, {1, 2, 3, 4, 5, 6});
    const VMATH_Matrix b = make(3, 4, {1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1});
    const VMATH_Matrix p = a * b;
    EXPECT_EQ(p.GetSizeI(), 2);
    EXPECT_EQ(p.GetSizeJ(), 4);
    EXPECT_EQ(elementsOf(p), (Values{1, 2, 3, 6, 4, 5, 6, 15}));
    EXPECT_EQ(codeOf([&] { (void)(a * a); }), 2);

    // (1e16 + 1) − 1e16 and (1 + 1e16) − 1e16 are 0 in increasing k (1e16 + 1 rounds to 1e16);
    // summing from the last term, or the first and last terms first, gives 1 in one row.
    const VMATH_Matrix rounding =
        make(2, 3, {1e16, 1, -1e16, 1, 1e16, -1e16}) * make(3, 1, {1, 1, 1});
    EXPECT_EQ(elementsOf(rounding), (Values{0, 0}));
    // The first term starts the sum: -0 stays -0.
    EXPECT_TRUE(std::signbit((make(1, 1, {-0.0}) * make(1, 1, {1})).At(0, 0)));

    VMATH_Matrix c(a);
    c *= b;
    EXPECT_EQ(elementsOf(c), elementsOf(p));
    EXPECT_EQ(codeOf([&] { c *= a; }), 2);
    EXPECT_EQ(c.GetSizeJ(), 4);
}

TEST(VMATH_Matrix, IsEqualComparesWithinTheFixedThreshold) {
    EXPECT_FALSE(make(1, 2, {1, 2}).isEqual(make(1, 2, {1, 5})));
    EXPECT_FALSE(make(1, 2, {1, 5}).isEqual(make(1, 2, {1, 2})));
    EXPECT_TRUE(make(1, 2, {1, 2}).isEqual(make(1, 2, {1, 2 + 1e-16})));
    EXPECT_FALSE(make(1, 2, {1, 2}).isEqual(make(2, 1, {1, 2})));  // other dimensions
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(make(1, 1, {nan}).isEqual(make(1, 1, {3})));  // NaN is never "greater than"
}

TEST(VMATH_Matrix, InverseWithPivotingSingularityAndMisuse) {
    const VMATH_Matrix swap = make(2, 2, {0, 1, 1, 0});
    VMATH_Matrix inv(2);
    EXPECT_EQ(swap.inverse_matrix(inv), 0);
    EXPECT_EQ(elementsOf(inv), elementsOf(swap));

    VMATH_Matrix self = make(2, 2, {4, 7, 2, 6});  // the target may be the matrix itself
    EXPECT_EQ(self.inverse_matrix(self), 0);
    const Values expected{0.6, -0.7, -0.2, 0.4};
    for (long k = 0; k < 4; ++k)
        EXPECT_NEAR(elementsOf(self)[k], expected[k], 1e-15);

    EXPECT_EQ(make(2, 2, {1, 2, 2, 4}).inverse_matrix(inv), 1);
    EXPECT_EQ(make(2, 2, {1e-16, 0, 0, 1}).inverse_matrix(inv), 1);
    VMATH_Matrix rect(2, 3);
    EXPECT_EQ(codeOf([&] { rect.inverse_matrix(rect); }), 3);
    VMATH_Matrix wrongTarget(3);
    EXPECT_EQ(codeOf([&] { swap.inverse_matrix(wrongTarget); }), 6);
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

TEST(VMATH_Matrix, DumpWritesTheNamedTextInScientificNotation) {
    DumpCapture dump;
    make(2, 2, {1, -2.5, 0, DBL_MAX}).dump("m");
    EXPECT_EQ(dump.take(),
              "\nm: Matrix 2 x 2 :\n"
              "\t\t(  1.00000e+00, -2.50000e+00)\n"
              "\t\t(  0.00000e+00,  1.79769e+308)\n");
    make(1, 1, {3}).dump("");
    EXPECT_EQ(dump.take(), "\nMatrix 1 x 1 :\n\t\t(  3.00000e+00)\n");
}

TEST(VMATH_Matrix, SerialisationWritesElementsInStorageOrder) {
    const VMATH_Matrix a = make(2, 2, {1, 2, 3, -2});
    V_ASArchiveOut out;
    a.serializeAsMember(out);
    ASSERT_EQ(out.size(), 32u);
    const unsigned char minusTwo[8] = {0, 0, 0, 0, 0, 0, 0x00, 0xC0};
    EXPECT_EQ(std::memcmp(out.data() + 24, minusTwo, 8), 0);

    VMATH_Matrix back(2);
    V_ASArchiveIn in(out.data(), out.size());
    back.deserializeAsMember(in);
    EXPECT_EQ(in.position(), 32u);
    EXPECT_EQ(elementsOf(back), elementsOf(a));

    DumpCapture quiet;
    VMATH_Matrix kept = make(2, 2, {9, 9, 9, 9});
    V_ASArchiveIn shortIn(out.data(), 24);
    EXPECT_THROW(kept.deserializeAsMember(shortIn), V_ASArchiveException);
    EXPECT_EQ(elementsOf(kept), Values(4, 9.0));
}

TEST(VMATH_Matrix, CreateAndDestroyArrayOfRows) {
    double** m = VMATH_Matrix::createMatrix(3, 4);
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            m[i][j] = i * 4 + j;
    EXPECT_EQ(m[2][3], 11.0);
    VMATH_Matrix::destroyMatrix(m, 3);
    VMATH_Matrix::destroyMatrix(nullptr, 5);
    EXPECT_EQ(VMATH_Matrix::createMatrix(ULONG_MAX, 1), nullptr);
    EXPECT_EQ(VMATH_Matrix::createMatrix(1, ULONG_MAX / 2), nullptr);
}

TEST(VMATH_Matrix, GaussjSolvesWithPivotingAndReportsASingularSystemAndMisuse) {
    // In place, the reduced matrix stays, with the multiplier below the diagonal.
    Rows b({{1, 1, 3}, {2, 1, 4}});
    double x[2] = {0, 0};
    EXPECT_EQ(VMATH_Matrix::gaussj(b.get(), x, 2, false), 0);
    expectValues(x, {1, 2}, 1e-15);
    EXPECT_EQ(b.rows, (std::vector<Values>{{2, 1, 4}, {0.5, 0.5, 1}}));

    Rows singular({{1, 2, 3}, {2, 4, 6}});
    x[0] = 7;
    EXPECT_EQ(VMATH_Matrix::gaussj(singular.get(), x, 2, true), -1);
    EXPECT_EQ(x[0], 7.0);
    EXPECT_EQ(singular.rows[1][0], 2.0);  // unchanged copy source
    EXPECT_EQ(VMATH_Matrix::gaussj(singular.get(), x, 2, false), -1);
    EXPECT_EQ(VMATH_Matrix::gaussj(nullptr, x, 2, true), -1);
    EXPECT_EQ(VMATH_Matrix::gaussj(singular.get(), nullptr, 2, true), -1);
    EXPECT_EQ(VMATH_Matrix::gaussj(singular.get(), x, 0, true), -1);
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
