#include <orvane/math/matrix.h>
#include <orvane/math/matrix_elimination.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/math_checks.h"
#include "support/matrix_reference.h"

namespace {

using orvane::matrix_elimination::RowKernels;
using Values = std::vector<double>;

// Runs the elimination with one set of row kernels, then restores the set in use before.
class KernelChoice {
public:
    explicit KernelChoice(RowKernels kernels)
        : m_previous(orvane::matrix_elimination::activeRowKernels()),
          m_available(orvane::matrix_elimination::useRowKernels(kernels)) {}
    ~KernelChoice() { orvane::matrix_elimination::useRowKernels(m_previous); }
    KernelChoice(const KernelChoice&) = delete;
    KernelChoice& operator=(const KernelChoice&) = delete;
    bool available() const { return m_available; }

private:
    RowKernels m_previous;
    bool m_available;
};

std::vector<std::uint64_t> bits(const Values& v) {
    std::vector<std::uint64_t> out;
    for (double d : v)
        out.push_back(bitsOf(d));
    return out;
}

// The sizes cover every tail of the two- and four-wide kernels on either side of the row pointer
// block kept on the stack (32 rows).
const long kSizes[] = {1, 2, 3, 7, 8, 9, 31, 32, 33, 64, 100};

// scrambled() with a negative zero every 13th element, so that the sign of zero must survive.
Values withNegativeZeros(long n, unsigned seed) {
    Values v = matrix_reference::scrambled(n, seed);
    for (std::size_t k = 5; k < v.size(); k += 13)
        v[k] = -0.0;
    return v;
}

void expectBitForBit(RowKernels kernels) {
    const KernelChoice choice(kernels);
    if (!choice.available()) GTEST_SKIP() << "this processor lacks the kernels";
    ASSERT_EQ(orvane::matrix_elimination::activeRowKernels(), kernels);
    for (long n : kSizes) {
        SCOPED_TRACE(n);
        const Values values = withNegativeZeros(n, static_cast<unsigned>(n) + 100);
        VMATH_Matrix m(n);
        for (long k = 0; k < n * n; ++k)
            m.At(k / n, k % n) = values[static_cast<std::size_t>(k)];
        VMATH_Matrix inv(n);
        ASSERT_EQ(m.inverse_matrix(inv), 0);
        Values got;
        for (long k = 0; k < n * n; ++k)
            got.push_back(inv.At(k / n, k % n));
        EXPECT_EQ(bits(got), bits(matrix_reference::referenceInverse(n, values)));

        std::vector<Values> w(static_cast<std::size_t>(n));
        for (long i = 0; i < n; ++i) {
            w[i].assign(values.begin() + i * n, values.begin() + (i + 1) * n);
            w[i].push_back(0.75 * static_cast<double>(i) - 3.0);
        }
        std::vector<Values> rows = w;
        std::vector<double*> pointers;
        for (Values& row : rows)
            pointers.push_back(row.data());
        const Values expected = matrix_reference::referenceGaussj(n, w);
        Values copied(static_cast<std::size_t>(n)), inPlace(copied.size());
        ASSERT_EQ(VMATH_Matrix::gaussj(pointers.data(), copied.data(), n, true), 0);
        ASSERT_EQ(VMATH_Matrix::gaussj(pointers.data(), inPlace.data(), n, false), 0);
        EXPECT_EQ(bits(copied), bits(expected));
        EXPECT_EQ(bits(inPlace), bits(expected));
        for (long i = 0; i < n; ++i) {
            EXPECT_EQ(pointers[i], rows[i].data());  // in place, rows move by value
            EXPECT_EQ(bits(rows[i]), bits(w[i])) << "row " << i;
        }
    }
}

}  // namespace

TEST(MatrixElimination, PlainLoopsMatchTheReferenceBitForBit) {
    expectBitForBit(RowKernels::scalar);
}

TEST(MatrixElimination, Sse2KernelsMatchTheReferenceBitForBit) {
    expectBitForBit(RowKernels::sse2);
}

TEST(MatrixElimination, Avx2KernelsMatchTheReferenceBitForBit) {
    expectBitForBit(RowKernels::avx2);
}

TEST(MatrixElimination, TheWidestSetThisProcessorRunsIsChosen) {
    const RowKernels active = orvane::matrix_elimination::activeRowKernels();
    const KernelChoice probe(RowKernels::avx2);
#if defined(__x86_64__)
    EXPECT_EQ(active, probe.available() ? RowKernels::avx2 : RowKernels::sse2);
#else
    EXPECT_EQ(active, RowKernels::scalar);
#endif
}
