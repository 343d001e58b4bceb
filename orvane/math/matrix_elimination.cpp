#include "orvane/math/matrix_elimination.h"

#include <atomic>
#include <cmath>
#include <utility>

#include "orvane/math/row_kernels.h"

namespace {

using orvane::matrix_elimination::RowKernels;
namespace kernels = orvane::row_kernels;

// The row with the largest |W[i][k]| for i in [k, n), the first of equals. The largest modulus
// so far is kept, not read again through the row found, so no step waits for the previous one's
// loads.
inline long pivotRow(double* const* W, long k, long n) {
    long p = k;
    double largest = std::fabs(W[k][k]);
    for (long i = k + 1; i < n; ++i) {
        const double v = std::fabs(W[i][k]);
        if (v > largest) {
            largest = v;
            p = i;
        }
    }
    return p;
}

// Brings row k's pivot (the first largest modulus in column k from row k down) into row k and
// scales that row by 1/d unless d is 1; false when the pivot's modulus is below minPivot.
template <class Kernels>
inline bool takePivot(double** A, double* I, long n, long k, double minPivot) {
    const long p = pivotRow(A, k, n);
    if (std::fabs(A[p][k]) < minPivot) return false;
    double* const pivotI = I + k * n;
    if (p != k) {
        std::swap(A[p], A[k]);
        Kernels::exchange(pivotI, I + p * n, n);
    }
    const double d = A[k][k];
    if (d != 1.0) {
        const double r = 1.0 / d;
        Kernels::scale(A[k] + k + 1, r, n - k - 1);
        Kernels::scale(pivotI, r, n);
    }
    return true;
}

// Eliminates column k from every row but k, whose pivot is taken.
template <class Kernels>
inline void eliminateColumn(double** A, double* I, long n, long k) {
    const double* const pivotA = A[k];
    const double* const pivotI = I + k * n;
    // The other rows two at a time, each pair sharing its reads of the pivot row.
    long i = k == 0 ? 1 : 0;
    while (i < n) {
        const long j = i + 1 == k ? i + 2 : i + 1;
        if (j >= n) break;
        const double f0 = A[i][k];
        const double f1 = A[j][k];
        Kernels::subtractMultiples(A[i] + k + 1, A[j] + k + 1, pivotA + k + 1, f0, f1, n - k - 1);
        Kernels::subtractMultiples(I + i * n, I + j * n, pivotI, f0, f1, n);
        i = j + 1 == k ? j + 2 : j + 1;
    }
    if (i < n) {
        const double f = A[i][k];
        Kernels::subtractMultiple(A[i] + k + 1, pivotA + k + 1, f, n - k - 1);
        Kernels::subtractMultiple(I + i * n, pivotI, f, n);
    }
}

// Columns k and k + 1 in one pass over the rows, which halves the traffic to memory once the
// matrices outgrow the cache. Every element still gets step k and then step k + 1, each rounded
// on its own: the pivot search of step k + 1 reads column k + 1 as step k leaves it (computed
// the same way ahead of time), the new pivot row gets step k before it is used, and row k gets
// step k + 1 last, once no row needs it for step k. When step k + 1 finds no pivot, step k is
// completed alone, as column by column, and 1 returned.
template <class Kernels>
inline long eliminateTwoColumns(double** A, double* I, long n, long k, double minPivot) {
    if (!takePivot<Kernels>(A, I, n, k, minPivot)) return 1;
    const double* const pivotA = A[k];
    const double* const pivotI = I + k * n;
    const double e = pivotA[k + 1];
    auto afterStep = [&](long i) { return A[i][k + 1] - A[i][k] * e; };

    long p = k + 1;
    double largest = std::fabs(afterStep(p));
    for (long i = k + 2; i < n; ++i) {
        const double v = std::fabs(afterStep(i));
        if (v > largest) {
            largest = v;
            p = i;
        }
    }
    if (largest < minPivot) {
        eliminateColumn<Kernels>(A, I, n, k);
        return 1;
    }
    double* const nextI = I + (k + 1) * n;
    if (p != k + 1) {
        std::swap(A[p], A[k + 1]);
        Kernels::exchange(nextI, I + p * n, n);
    }
    double* const nextA = A[k + 1];
    const double f = nextA[k];
    Kernels::subtractMultiple(nextA + k + 1, pivotA + k + 1, f, n - k - 1);
    Kernels::subtractMultiple(nextI, pivotI, f, n);
    const double d = nextA[k + 1];
    if (d != 1.0) {
        const double r = 1.0 / d;
        Kernels::scale(nextA + k + 2, r, n - k - 2);
        Kernels::scale(nextI, r, n);
    }

    for (long i = 0; i < n; ++i) {
        if (i == k || i == k + 1) continue;
        double* const rowA = A[i];
        const double f0 = rowA[k];
        const double f1 = rowA[k + 1] - f0 * e;
        Kernels::subtractTwoMultiples(rowA + k + 2, pivotA + k + 2, f0, nextA + k + 2, f1,
                                      n - k - 2);
        Kernels::subtractTwoMultiples(I + i * n, pivotI, f0, nextI, f1, n);
    }
    double* const rowA = A[k];
    const double g = rowA[k + 1];
    Kernels::subtractMultiple(rowA + k + 2, nextA + k + 2, g, n - k - 2);
    Kernels::subtractMultiple(I + k * n, nextI, g, n);
    return 0;
}

template <class Kernels>
inline long invertWith(double** A, double* I, long n, double minPivot) {
    long k = 0;
    for (; k + 1 < n; k += 2) {
        if (eliminateTwoColumns<Kernels>(A, I, n, k, minPivot) != 0) return 1;
    }
    if (k < n) {
        if (!takePivot<Kernels>(A, I, n, k, minPivot)) return 1;
        eliminateColumn<Kernels>(A, I, n, k);
    }
    return 0;
}

template <class Kernels>
inline long solveWith(double** W, double* x, long n, bool exchangePointers) {
    for (long k = 0; k + 1 < n; ++k) {
        const long p = pivotRow(W, k, n);
        if (p != k) {
            if (exchangePointers)
                std::swap(W[p], W[k]);
            else
                Kernels::exchange(W[p], W[k], n + 1);
        }
        const double* const pivot = W[k];
        long i = k + 1;
        for (; i + 1 < n; i += 2) {  // two rows at a time, sharing the reads of the pivot row
            double* const row0 = W[i];
            double* const row1 = W[i + 1];
            const double f0 = row0[k] / pivot[k];
            const double f1 = row1[k] / pivot[k];
            Kernels::subtractMultiples(row0 + k + 1, row1 + k + 1, pivot + k + 1, f0, f1, n - k);
            row0[k] = f0;
            row1[k] = f1;
        }
        if (i < n) {
            double* const target = W[i];
            const double f = target[k] / pivot[k];
            Kernels::subtractMultiple(target + k + 1, pivot + k + 1, f, n - k);
            target[k] = f;
        }
    }
    if (W[n - 1][n - 1] == 0.0) return -1;

    x[n - 1] = W[n - 1][n] / W[n - 1][n - 1];
    for (long i = n - 2; i >= 0; --i) {
        const double* const r = W[i];
        double value = r[n];
        for (long j = i + 1; j < n; ++j)
            value -= r[j] * x[j];
        x[i] = value / r[i];
    }
    return 0;
}

// One entry per set of kernels. `flatten` inlines the kernels into each routine, which for the
// AVX2 entry can only happen once the routine itself is compiled for AVX2.
struct Entry {
    RowKernels kind;
    long (*invert)(double**, double*, long, double);
    long (*solve)(double**, double*, long, bool);
};

__attribute__((flatten)) long invertScalar(double** A, double* I, long n, double minPivot) {
    return invertWith<kernels::ScalarRowKernels>(A, I, n, minPivot);
}
__attribute__((flatten)) long solveScalar(double** W, double* x, long n, bool exchangePointers) {
    return solveWith<kernels::ScalarRowKernels>(W, x, n, exchangePointers);
}
constexpr Entry kScalar{RowKernels::scalar, invertScalar, solveScalar};

#if defined(__x86_64__)
__attribute__((flatten)) long invertSse2(double** A, double* I, long n, double minPivot) {
    return invertWith<kernels::Sse2RowKernels>(A, I, n, minPivot);
}
__attribute__((flatten)) long solveSse2(double** W, double* x, long n, bool exchangePointers) {
    return solveWith<kernels::Sse2RowKernels>(W, x, n, exchangePointers);
}
__attribute__((target("avx2"), flatten)) long invertAvx2(double** A, double* I, long n,
                                                         double minPivot) {
    return invertWith<kernels::Avx2RowKernels>(A, I, n, minPivot);
}
__attribute__((target("avx2"), flatten)) long solveAvx2(double** W, double* x, long n,
                                                        bool exchangePointers) {
    return solveWith<kernels::Avx2RowKernels>(W, x, n, exchangePointers);
}
constexpr Entry kSse2{RowKernels::sse2, invertSse2, solveSse2};
constexpr Entry kAvx2{RowKernels::avx2, invertAvx2, solveAvx2};
#endif

// The entry for `kind`, or null when this processor cannot run it.
const Entry* entryFor(RowKernels kind) {
    switch (kind) {
        case RowKernels::scalar:
            return &kScalar;
#if defined(__x86_64__)
        case RowKernels::sse2:
            return &kSse2;
        case RowKernels::avx2:
            __builtin_cpu_init();
            return __builtin_cpu_supports("avx2") ? &kAvx2 : nullptr;
#else
        default:
            return nullptr;
#endif
    }
    return nullptr;
}

const Entry* widest() {
    for (RowKernels kind : {RowKernels::avx2, RowKernels::sse2}) {
        if (const Entry* e = entryFor(kind)) return e;
    }
    return &kScalar;
}

std::atomic<const Entry*> chosen{nullptr};

const Entry& active() {
    const Entry* e = chosen.load(std::memory_order_acquire);
    if (e == nullptr) {
        const Entry* const found = widest();
        // A concurrent first call, or a test's choice, may have set it meanwhile: keep that.
        chosen.compare_exchange_strong(e, found, std::memory_order_acq_rel);
        e = chosen.load(std::memory_order_acquire);
    }
    return *e;
}

}  // namespace

namespace orvane::matrix_elimination {

long invert(double** A, double* I, long n, double minPivot) {
    return active().invert(A, I, n, minPivot);
}

long solve(double** W, double* x, long n, bool exchangePointers) {
    return active().solve(W, x, n, exchangePointers);
}

RowKernels activeRowKernels() {
    return active().kind;
}

bool useRowKernels(RowKernels kernels) {
    const Entry* const e = entryFor(kernels);
    if (e == nullptr) return false;
    chosen.store(e, std::memory_order_release);
    return true;
}

}  // namespace orvane::matrix_elimination
