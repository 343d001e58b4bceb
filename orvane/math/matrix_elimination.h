// The elimination loops behind VMATH_Matrix::inverse_matrix and VMATH_Matrix::gaussj, with their
// row operations vectorised. Internal to the numeric code: not part of the library's interface,
// and not in the umbrella header.
//
// Each routine exists once per set of row kernels (row_kernels.h): plain loops, SSE2 and AVX2.
// The first call picks the widest set the processor runs (AVX2 only where the processor and the
// operating system support it); every set gives the same bits, since each element is updated on
// its own and the reductions whose order fixes the rounding (the back substitution) stay
// sequential. useRowKernels lets a test run each set in turn.
//
//   std::vector<double*> rows = ...;         // the private copy of A, one pointer per row
//   orvane::matrix_elimination::invert(rows.data(), identity, n, 1e-15);
#ifndef ORVANE_MATH_MATRIX_ELIMINATION_H
#define ORVANE_MATH_MATRIX_ELIMINATION_H

#include "orvane/base/export.h"

namespace orvane::matrix_elimination {

// The sets of row kernels.
enum class RowKernels { scalar, sse2, avx2 };

// Gauss-Jordan inversion with partial pivoting (the first largest modulus wins). A holds n row
// pointers to a working copy of the matrix; its rows are exchanged by pointer, and only the
// columns right of each pivot column are updated, since no other is read again. I is the n x n
// identity in row-major order and receives the inverse; its rows are exchanged by value. Per
// column k: the pivot row times 1/d unless d is 1, then every other row minus its element in
// column k times the pivot row. 0 on success, 1 when a pivot's modulus is below minPivot (I is
// then partly transformed).
long invert(double** A, double* I, long n, double minPivot);

// Gaussian elimination with partial pivoting (first largest modulus wins) on the n x (n + 1)
// rows W, the multipliers stored in the eliminated positions and no zero-pivot test until the
// last pivot; then back substitution into x, each x[i] from r[n] minus r[j]·x[j] in increasing j,
// divided by r[i]. Rows are exchanged by pointer when exchangePointers is true, else by value.
// 0 on success, -1 when the last pivot is exactly 0.
long solve(double** W, double* x, long n, bool exchangePointers);

// The set the routines use.
ORVANE_API RowKernels activeRowKernels();
// Makes the routines use `kernels` from now on, for every thread; false (and no change) when
// this processor cannot run them. Meant for tests that compare the sets.
ORVANE_API bool useRowKernels(RowKernels kernels);

}  // namespace orvane::matrix_elimination

#endif
