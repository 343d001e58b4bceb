// A dense matrix of doubles, and linear solvers on plain C arrays.
//
// A VMATH_Matrix owns sizeI x sizeJ zero-filled elements in row-major order (element (i, j) at
// i * sizeJ + j). Element access is bounds-checked; misuse throws VMATH_WrongMatrixOperation,
// numerical singularity is a return code.
//
//   VMATH_Matrix m(2);                       // 2 x 2 zero matrix (cols 0 means square)
//   m.At(0, 1) = 1;  m.At(1, 0) = 1;
//   VMATH_Matrix inv(2);
//   m.inverse_matrix(inv);                   // 0, inv == [[0, 1], [1, 0]]
//   VMATH_Matrix p = m * inv;                // the identity
//   m.dump("swap");                          // the matrix on the dump stream
//
//   double** a = VMATH_Matrix::createMatrix(2, 3);   // augmented [[0, 1, 2], [1, 0, 3]]
//   ...
//   double x[2];
//   VMATH_Matrix::gaussj(a, x, 2, true);     // 0, x == (3, 2); a is unchanged
//   VMATH_Matrix::destroyMatrix(a, 2);
//
// Rounding follows fixed loop orders: a product element is this(i, 0)·m(0, j) plus the further
// terms in increasing k; a division multiplies by 1/d computed once; inverse_matrix and gaussj
// update each element on their own, pivot step after pivot step, and gaussj's back substitution
// subtracts in increasing column order. The row updates run two or four elements at a time where
// the processor can (SSE2, AVX2, chosen when first used), with the same bits on every path.
//
// Exception codes (VMATH_WrongMatrixOperation::getCode()): 1 bad column index, 2 product of
// mismatched operands, 3 inverse of a non-square matrix, 4 bad row index, 5 bad dimensions at
// construction, 6 operands of different dimensions. Division by a value below 1e-15 in modulus
// throws VMATH_WrongArithmeticalOperation with code 0. Allocation failure throws
// VSYST_OutOfMemory.
//
// Choices:
// - At() tests the row index first: a call with both indices bad throws code 4.
// - isEqual() with a matrix of other dimensions is false. As for every element test, a NaN
//   element counts as equal: its difference is not greater than 1e-15.
// - inverse_matrix() into a target that is not n x n throws code 6 (the target is not resized).
//   The target may be the matrix itself.
// - A matrix whose element count overflows `long` or exceeds the addressable size throws
//   VSYST_OutOfMemory without trying to allocate.
// - Assignment and deserialisation are all-or-nothing: on failure the matrix keeps its
//   dimensions and elements.
// - `dump(name)` writes "\n<name>: Matrix R x C :\n" and one line "\t\t( e, e, ... )" per row,
//   each element as " % 03.5e", to the standard dump stream (the name and its colon left out when
//   the name is empty). Scientific notation keeps every element short, DBL_MAX included.
// - createMatrix() zero-fills the rows (callers must not rely on it), and returns null for counts
//   beyond the addressable size.
// - gaussj() returns -1 without touching anything for a null array, a null x or n < 1, and when
//   the private copy cannot be made.
// - tridag() returns -1 for a null b, r or u, or (when n > 0) a null a or c; n = ULONG_MAX (whose
//   work array of n + 1 entries cannot exist) throws VSYST_OutOfMemory.
#ifndef ORVANE_MATH_MATRIX_H
#define ORVANE_MATH_MATRIX_H

#include <cstddef>
#include <memory>

#include "orvane/base/archive.h"
#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/math/math_exception.h"

// A dense sizeI x sizeJ matrix of doubles that owns its elements.
class ORVANE_API VMATH_Matrix {
public:
    // A rows x cols zero matrix; cols 0 makes it square. Throws VMATH_WrongMatrixOperation (code
    // 5) for rows <= 0 or cols < 0.
    explicit VMATH_Matrix(long rows, long cols = 0);
    // A copy with m's dimensions and elements.
    VMATH_Matrix(const VMATH_Matrix& m);
    ~VMATH_Matrix();

    // Takes m's dimensions and elements; assigning a matrix to itself changes nothing.
    void operator=(const VMATH_Matrix& m);

    // The number of rows and of columns.
    long GetSizeI() const { return sizeI; }
    long GetSizeJ() const { return sizeJ; }

    // The element (i, j); throws VMATH_WrongMatrixOperation for an index out of range (code 4 for
    // the row, 1 for the column).
    double& At(long i, long j);
    const double& At(long i, long j) const;

    // All elements 0.
    VMATH_Matrix& MakeOMatrix();
    // All elements 0, then (k, k) = 1 for k < min(sizeI, sizeJ).
    VMATH_Matrix& MakeIMatrix();

    // Element-wise; different dimensions throw code 6.
    void operator+=(const VMATH_Matrix& m);
    void operator-=(const VMATH_Matrix& m);
    VMATH_Matrix operator+(const VMATH_Matrix& m) const;
    VMATH_Matrix operator-(const VMATH_Matrix& m) const;

    // The product, sizeI x m.sizeJ; sizeJ != m.sizeI throws code 2. `*=` takes the product's
    // dimensions.
    VMATH_Matrix operator*(const VMATH_Matrix& m) const;
    void operator*=(const VMATH_Matrix& m);

    // Every element negated, or times f.
    VMATH_Matrix operator-() const;
    VMATH_Matrix operator*(double f) const;
    void operator*=(double f);
    // Multiplies by 1/d; |d| < 1e-15 throws VMATH_WrongArithmeticalOperation (code 0).
    VMATH_Matrix operator/(double d) const;
    void operator/=(double d);

    // False at the first element (in storage order) that differs by more than 1e-15.
    bool isEqual(const VMATH_Matrix& m) const;

    // Gauss-Jordan inversion with partial pivoting into `inv`, which must be n x n: 0 on success,
    // 1 when a pivot falls below 1e-15 (singular; `inv` is then partly transformed). A matrix
    // that is not square throws code 3.
    long inverse_matrix(VMATH_Matrix& inv) const;

    // Writes the matrix to the standard dump stream (see Choices).
    void dump(const V_STRING& name) const;

    // The elements in storage order, 8 little-endian bytes each; the dimensions are not written.
    void serializeAsMember(V_ASArchiveOut& ar) const;
    // Reads sizeI · sizeJ doubles into this matrix, which must have the dimensions it was
    // written with.
    void deserializeAsMember(V_ASArchiveIn& ar);

    // An array of `rows` row pointers, each to `cols` doubles; null when an allocation fails
    // (nothing is left allocated). The caller releases it with destroyMatrix.
    static double** createMatrix(unsigned long rows, unsigned long cols);
    // Releases the `rows` rows and the pointer array; null does nothing.
    static void destroyMatrix(double** m, unsigned long rows);

    // Solves the n x n system whose augmented n x (n + 1) array-of-rows matrix is `a` (column n
    // the right-hand side) into x[0..n-1]: 0 on success, -1 when the last pivot is exactly 0.
    // With `copy` the work happens on a private copy and `a` is unchanged; without it `a` keeps
    // the reduced matrix (multipliers stored below the diagonal).
    static long gaussj(double** a, double* x, long n, bool copy);

    // Solves the tridiagonal system a[j]·u[j-1] + b[j]·u[j] + c[j]·u[j+1] = r[j], j = 0 .. n
    // (n is the last index: every array has n + 1 entries; a[0] and c[n] are not read): 0 on
    // success, -1 when a pivot is exactly 0.
    static long tridag(double* a, double* b, double* c, double* r, double* u, unsigned long n);

private:
    long count() const { return sizeI * sizeJ; }
    // The storage index of (i, j); throws for an index out of range (the row first).
    std::size_t checkedIndex(long i, long j) const;
    void requireSameDimensions(const VMATH_Matrix& m) const;

    long sizeI;
    long sizeJ;
    std::unique_ptr<double[]> elements;
};

#endif
