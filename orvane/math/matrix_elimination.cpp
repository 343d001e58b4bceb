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

template <class Kernels>
inline long invertWith(double** A, double* I, long n, double minPivot) {
    for (long k = 0; k < n; ++k) {
        const long p = pivotRow(A, k, n);
        if (std::fabs(A[p][k]) < minPivot) return 1;
        double* const pivotI = I + k * n;
        if (p != k) {
            std::swap(A[p], A[k]);
            Kernels::exchange(pivotI, I + p * n, n);
        }
        const double* const pivotA = A[k];
        const double d = pivotA[k];
        if (d != 1.0) {
            const double r = 1.0 / d;
            Kernels::scale(A[k] + k + 1, r, n - k - 1);
            Kernels::scale(pivotI, r, n);
        }
        // The other rows two at a time, each pair sharing its reads of the pivot row.
        long i = k == 0 ? 1 : 0;
        while (i < n) {
            long j = i + 1 == k ? i + 2 : i + 1;
            if (j >= n) break;
            const double f0 = A[i][k];
            const double f1 = A[j][k];
            Kernels::subtractMultiples(A[i] + k + 1, A[j] + k + 1, pivotA + k + 1, f0, f1,
                                       n - k - 1);
            Kernels::subtractMultiples(I + i * n, I + j * n, pivotI, f0, f1, n);
            i = j + 1 == k ? j + 2 : j + 1;
        }
        if (i < n) {
            const double f = A[i][k];
            Kernels::subtractMultiple(A[i] + k + 1, pivotA + k + 1, f, n - k - 1);
            Kernels::subtractMultiple(I + i * n, pivotI, f, n);
        }
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
