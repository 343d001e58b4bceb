#include "orvane/math/matrix.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "orvane/base/dump_stream.h"
#include "orvane/math/matrix_elimination.h"

namespace {

constexpr double kEps = 1e-15;

// The element count of a rows x cols matrix, or VSYST_OutOfMemory when it cannot exist.
long elementCount(long rows, long cols) {
    if (rows > LONG_MAX / cols) throw VSYST_OutOfMemory();
    const long n = rows * cols;
    if (static_cast<unsigned long>(n) > PTRDIFF_MAX / sizeof(double)) throw VSYST_OutOfMemory();
    return n;
}

std::unique_ptr<double[]> allocateZeroed(long n) {
    return orvane::allocating(
        [n] { return std::unique_ptr<double[]>(new double[static_cast<std::size_t>(n)]()); });
}

// The row pointers of a private copy live on the stack for up to this many rows.
constexpr long kLocalRows = 32;

}  // namespace

VMATH_Matrix::VMATH_Matrix(long rows, long cols) : sizeI(rows), sizeJ(cols == 0 ? rows : cols) {
    if (rows <= 0 || cols < 0)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eBadDimensions);
    elements = allocateZeroed(elementCount(sizeI, sizeJ));
}

VMATH_Matrix::VMATH_Matrix(const VMATH_Matrix& m)
    : sizeI(m.sizeI), sizeJ(m.sizeJ), elements(allocateZeroed(m.count())) {
    std::copy(m.elements.get(), m.elements.get() + m.count(), elements.get());
}

VMATH_Matrix::~VMATH_Matrix() = default;

void VMATH_Matrix::operator=(const VMATH_Matrix& m) {
    if (&m == this) return;
    std::unique_ptr<double[]> fresh = allocateZeroed(m.count());
    std::copy(m.elements.get(), m.elements.get() + m.count(), fresh.get());
    elements = std::move(fresh);
    sizeI = m.sizeI;
    sizeJ = m.sizeJ;
}

std::size_t VMATH_Matrix::checkedIndex(long i, long j) const {
    if (i < 0 || i >= sizeI)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eBadRowIndex);
    if (j < 0 || j >= sizeJ)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eBadColumnIndex);
    return static_cast<std::size_t>(i * sizeJ + j);
}

double& VMATH_Matrix::At(long i, long j) {
    return elements[checkedIndex(i, j)];
}

const double& VMATH_Matrix::At(long i, long j) const {
    return elements[checkedIndex(i, j)];
}

VMATH_Matrix& VMATH_Matrix::MakeOMatrix() {
    std::fill(elements.get(), elements.get() + count(), 0.0);
    return *this;
}

VMATH_Matrix& VMATH_Matrix::MakeIMatrix() {
    MakeOMatrix();
    const long diagonal = sizeI < sizeJ ? sizeI : sizeJ;
    for (long k = 0; k < diagonal; ++k)
        elements[static_cast<std::size_t>(k * sizeJ + k)] = 1.0;
    return *this;
}

void VMATH_Matrix::requireSameDimensions(const VMATH_Matrix& m) const {
    if (sizeI != m.sizeI || sizeJ != m.sizeJ)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eDimensionMismatch);
}

void VMATH_Matrix::operator+=(const VMATH_Matrix& m) {
    requireSameDimensions(m);
    for (long k = 0; k < count(); ++k)
        elements[k] += m.elements[k];
}

void VMATH_Matrix::operator-=(const VMATH_Matrix& m) {
    requireSameDimensions(m);
    for (long k = 0; k < count(); ++k)
        elements[k] -= m.elements[k];
}

VMATH_Matrix VMATH_Matrix::operator+(const VMATH_Matrix& m) const {
    requireSameDimensions(m);
    VMATH_Matrix sum(*this);
    sum += m;
    return sum;
}

VMATH_Matrix VMATH_Matrix::operator-(const VMATH_Matrix& m) const {
    requireSameDimensions(m);
    VMATH_Matrix difference(*this);
    difference -= m;
    return difference;
}

VMATH_Matrix VMATH_Matrix::operator*(const VMATH_Matrix& m) const {
    if (sizeJ != m.sizeI)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eProductMismatch);
    VMATH_Matrix product(sizeI, m.sizeJ);
    const double* left = elements.get();
    const double* right = m.elements.get();
    for (long i = 0; i < sizeI; ++i) {
        for (long j = 0; j < m.sizeJ; ++j) {
            double sum = left[i * sizeJ] * right[j];
            for (long k = 1; k < sizeJ; ++k)
                sum += left[i * sizeJ + k] * right[k * m.sizeJ + j];
            product.elements[static_cast<std::size_t>(i * m.sizeJ + j)] = sum;
        }
    }
    return product;
}

void VMATH_Matrix::operator*=(const VMATH_Matrix& m) {
    VMATH_Matrix product = *this * m;
    elements.swap(product.elements);
    std::swap(sizeI, product.sizeI);
    std::swap(sizeJ, product.sizeJ);
}

VMATH_Matrix VMATH_Matrix::operator-() const {
    VMATH_Matrix negated(*this);
    for (long k = 0; k < count(); ++k)
        negated.elements[k] = -elements[k];
    return negated;
}

VMATH_Matrix VMATH_Matrix::operator*(double f) const {
    VMATH_Matrix scaled(*this);
    scaled *= f;
    return scaled;
}

void VMATH_Matrix::operator*=(double f) {
    for (long k = 0; k < count(); ++k)
        elements[k] *= f;
}

VMATH_Matrix VMATH_Matrix::operator/(double d) const {
    if (std::fabs(d) < kEps)
        throw VMATH_WrongArithmeticalOperation(VMATH_WrongArithmeticalOperation::eDivisionByZero);
    VMATH_Matrix quotient(*this);
    quotient *= 1.0 / d;
    return quotient;
}

void VMATH_Matrix::operator/=(double d) {
    if (std::fabs(d) < kEps)
        throw VMATH_WrongArithmeticalOperation(VMATH_WrongArithmeticalOperation::eDivisionByZero);
    *this *= 1.0 / d;
}

bool VMATH_Matrix::isEqual(const VMATH_Matrix& m) const {
    if (sizeI != m.sizeI || sizeJ != m.sizeJ) return false;
    for (long k = 0; k < count(); ++k) {
        if (std::fabs(elements[k] - m.elements[k]) > kEps) return false;
    }
    return true;
}

// Gauss-Jordan with partial pivoting on a private copy of the elements, whose rows are held by
// pointer; matrix_elimination.h gives the loop order.
long VMATH_Matrix::inverse_matrix(VMATH_Matrix& inv) const {
    if (sizeI != sizeJ) throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eNotSquare);
    if (inv.sizeI != sizeI || inv.sizeJ != sizeJ)
        throw VMATH_WrongMatrixOperation(VMATH_WrongMatrixOperation::eDimensionMismatch);
    const long n = sizeI;
    std::vector<double> work = orvane::allocating(
        [&] { return std::vector<double>(elements.get(), elements.get() + count()); });
    double* local[kLocalRows];
    std::vector<double*> heapRows;
    double** rows = local;
    if (n > kLocalRows) {
        heapRows =
            orvane::allocating([n] { return std::vector<double*>(static_cast<std::size_t>(n)); });
        rows = heapRows.data();
    }
    for (long i = 0; i < n; ++i)
        rows[i] = work.data() + i * n;
    return orvane::matrix_elimination::invert(rows, inv.MakeIMatrix().elements.get(), n, kEps);
}

void VMATH_Matrix::dump(const V_STRING& name) const {
    V_STRING text = V_STRING::formatted("Matrix %ld x %ld :\n", sizeI, sizeJ);
    for (long i = 0; i < sizeI; ++i) {
        text += "\t\t(";
        for (long j = 0; j < sizeJ; ++j) {
            if (j > 0) text += ",";
            text +=
                V_STRING::formatted(" % 03.5e", elements[static_cast<std::size_t>(i * sizeJ + j)]);
        }
        text += ")\n";
    }
    VSYST_DumpStream& stream = VSYST_DumpStream::getStdStream();
    stream << "\n";
    if (!name.isEmpty()) stream << name << ": ";
    stream << text;
}

void VMATH_Matrix::serializeAsMember(V_ASArchiveOut& ar) const {
    for (long k = 0; k < count(); ++k)
        ar.writeDouble(elements[k]);
}

void VMATH_Matrix::deserializeAsMember(V_ASArchiveIn& ar) {
    std::vector<double> values = orvane::allocating([&] {
        std::vector<double> v;
        v.reserve(static_cast<std::size_t>(count()));
        return v;
    });
    for (long k = 0; k < count(); ++k)
        values.push_back(ar.readDouble());
    std::copy(values.begin(), values.end(), elements.get());
}

double** VMATH_Matrix::createMatrix(unsigned long rows, unsigned long cols) {
    if (rows > PTRDIFF_MAX / sizeof(double*) || cols > PTRDIFF_MAX / sizeof(double)) return nullptr;
    double** m = new (std::nothrow) double*[rows];
    if (m == nullptr) return nullptr;
    for (unsigned long r = 0; r < rows; ++r) {
        m[r] = new (std::nothrow) double[cols]();
        if (m[r] == nullptr) {
            destroyMatrix(m, r);
            return nullptr;
        }
    }
    return m;
}

void VMATH_Matrix::destroyMatrix(double** m, unsigned long rows) {
    if (m == nullptr) return;
    for (unsigned long r = 0; r < rows; ++r)
        delete[] m[r];
    delete[] m;
}

// Without `copy` the rows of `a` are exchanged value by value, so the caller's row pointers keep
// their rows. The private copy is one block of n · (n + 1) values with its own row pointers, and
// its rows are exchanged by swapping those pointers: the same values end up in the same rows.
long VMATH_Matrix::gaussj(double** a, double* x, long n, bool copy) {
    if (a == nullptr || x == nullptr || n < 1) return -1;
    const unsigned long rows = static_cast<unsigned long>(n);
    const unsigned long cols = rows + 1;
    if (!copy) {
        return orvane::matrix_elimination::solve(a, x, n, false);
    }
    if (cols > PTRDIFF_MAX / sizeof(double) / rows) return -1;
    const std::unique_ptr<double[]> values(new (std::nothrow) double[rows * cols]);
    if (values == nullptr) return -1;
    double* local[kLocalRows];
    std::unique_ptr<double*[]> heapRows;
    double** W = local;
    if (n > kLocalRows) {
        heapRows.reset(new (std::nothrow) double*[rows]);
        if (heapRows == nullptr) return -1;
        W = heapRows.get();
    }
    for (unsigned long i = 0; i < rows; ++i) {
        W[i] = values.get() + i * cols;
        std::copy(a[i], a[i] + cols, W[i]);
    }
    return orvane::matrix_elimination::solve(W, x, n, true);
}

// The Thomas algorithm: forward sweep with the work array g, then back substitution.
long VMATH_Matrix::tridag(double* a, double* b, double* c, double* r, double* u, unsigned long n) {
    if (b == nullptr || r == nullptr || u == nullptr) return -1;
    if (n > 0 && (a == nullptr || c == nullptr)) return -1;
    if (n == ULONG_MAX) throw VSYST_OutOfMemory();
    std::vector<double> g = orvane::allocating([n] {
        if (n + 1 > std::vector<double>().max_size()) throw std::bad_alloc();
        return std::vector<double>(n + 1);
    });

    if (b[0] == 0.0) return -1;
    double beta = b[0];
    u[0] = r[0] / beta;
    for (unsigned long j = 1; j <= n; ++j) {
        g[j] = c[j - 1] / beta;
        beta = b[j] - a[j] * g[j];
        if (beta == 0.0) return -1;
        u[j] = (r[j] - a[j] * u[j - 1]) / beta;
    }
    for (unsigned long j = n; j-- > 0;)
        u[j] -= g[j + 1] * u[j + 1];
    return 0;
}
