// The element-wise row operations of the matrix elimination, in three widths. Internal to the
// numeric code: not part of the library's interface, and not in the umbrella header.
//
// Each operation works on every element on its own (row[j] -= f · pivot[j], row[j] *= r, an
// exchange), so all three give the same bits: a vector lane does exactly the multiply and the
// subtraction the plain loop does, rounded once each (the library is built without contraction
// into fused multiply-adds). Loads and stores are unaligned: rows start at any column.
//
//   ScalarRowKernels  plain loops, for any target
//   Sse2RowKernels    two doubles at a time; every x86-64 processor has SSE2
//   Avx2RowKernels    four doubles at a time; only for callers compiled for AVX2 (see
//                     matrix_elimination.cpp, which checks the processor before using them)
#ifndef ORVANE_MATH_ROW_KERNELS_H
#define ORVANE_MATH_ROW_KERNELS_H

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace orvane::row_kernels {

// Plain loops, one element at a time.
struct ScalarRowKernels {
    // row[j] -= f · pivot[j] for j < count.
    static void subtractMultiple(double* row, const double* pivot, double f, long count) {
        for (long j = 0; j < count; ++j)
            row[j] -= f * pivot[j];
    }
    // The same for two rows and the same pivot row: the pivot row is read once for both.
    static void subtractMultiples(double* row0, double* row1, const double* pivot, double f0,
                                  double f1, long count) {
        for (long j = 0; j < count; ++j) {
            row0[j] -= f0 * pivot[j];
            row1[j] -= f1 * pivot[j];
        }
    }
    // row[j] = (row[j] - f0 · pivot0[j]) - f1 · pivot1[j] for j < count: two elimination steps
    // on one row in a single pass, each rounded as on its own.
    static void subtractTwoMultiples(double* row, const double* pivot0, double f0,
                                     const double* pivot1, double f1, long count) {
        for (long j = 0; j < count; ++j)
            row[j] = (row[j] - f0 * pivot0[j]) - f1 * pivot1[j];
    }
    // row[j] *= r for j < count.
    static void scale(double* row, double r, long count) {
        for (long j = 0; j < count; ++j)
            row[j] *= r;
    }
    // Exchanges a[j] and b[j] for j < count.
    static void exchange(double* a, double* b, long count) {
        for (long j = 0; j < count; ++j) {
            const double t = a[j];
            a[j] = b[j];
            b[j] = t;
        }
    }
};

#if defined(__x86_64__)

// Two elements per instruction, in 128-bit SSE2 registers.
struct Sse2RowKernels {
    static void subtractMultiple(double* row, const double* pivot, double f, long count) {
        const __m128d factor = _mm_set1_pd(f);
        long j = 0;
        for (; j + 4 <= count; j += 4) {
            const __m128d p0 = _mm_mul_pd(factor, _mm_loadu_pd(pivot + j));
            const __m128d p1 = _mm_mul_pd(factor, _mm_loadu_pd(pivot + j + 2));
            _mm_storeu_pd(row + j, _mm_sub_pd(_mm_loadu_pd(row + j), p0));
            _mm_storeu_pd(row + j + 2, _mm_sub_pd(_mm_loadu_pd(row + j + 2), p1));
        }
        if (j + 2 <= count) {
            const __m128d p = _mm_mul_pd(factor, _mm_loadu_pd(pivot + j));
            _mm_storeu_pd(row + j, _mm_sub_pd(_mm_loadu_pd(row + j), p));
            j += 2;
        }
        if (j < count) row[j] -= f * pivot[j];
    }
    static void subtractMultiples(double* row0, double* row1, const double* pivot, double f0,
                                  double f1, long count) {
        const __m128d factor0 = _mm_set1_pd(f0);
        const __m128d factor1 = _mm_set1_pd(f1);
        long j = 0;
        for (; j + 2 <= count; j += 2) {
            const __m128d p = _mm_loadu_pd(pivot + j);
            _mm_storeu_pd(row0 + j, _mm_sub_pd(_mm_loadu_pd(row0 + j), _mm_mul_pd(factor0, p)));
            _mm_storeu_pd(row1 + j, _mm_sub_pd(_mm_loadu_pd(row1 + j), _mm_mul_pd(factor1, p)));
        }
        if (j < count) {
            row0[j] -= f0 * pivot[j];
            row1[j] -= f1 * pivot[j];
        }
    }
    static void subtractTwoMultiples(double* row, const double* pivot0, double f0,
                                     const double* pivot1, double f1, long count) {
        const __m128d factor0 = _mm_set1_pd(f0);
        const __m128d factor1 = _mm_set1_pd(f1);
        long j = 0;
        for (; j + 2 <= count; j += 2) {
            const __m128d once =
                _mm_sub_pd(_mm_loadu_pd(row + j), _mm_mul_pd(factor0, _mm_loadu_pd(pivot0 + j)));
            _mm_storeu_pd(row + j, _mm_sub_pd(once, _mm_mul_pd(factor1, _mm_loadu_pd(pivot1 + j))));
        }
        if (j < count) row[j] = (row[j] - f0 * pivot0[j]) - f1 * pivot1[j];
    }
    static void scale(double* row, double r, long count) {
        const __m128d factor = _mm_set1_pd(r);
        long j = 0;
        for (; j + 2 <= count; j += 2)
            _mm_storeu_pd(row + j, _mm_mul_pd(_mm_loadu_pd(row + j), factor));
        if (j < count) row[j] *= r;
    }
    static void exchange(double* a, double* b, long count) {
        long j = 0;
        for (; j + 2 <= count; j += 2) {
            const __m128d t = _mm_loadu_pd(a + j);
            _mm_storeu_pd(a + j, _mm_loadu_pd(b + j));
            _mm_storeu_pd(b + j, t);
        }
        if (j < count) {
            const double t = a[j];
            a[j] = b[j];
            b[j] = t;
        }
    }
};

// Four elements per instruction, in 256-bit registers; callable only on an AVX2 processor.
struct Avx2RowKernels {
    __attribute__((target("avx2"))) static void subtractMultiple(double* row, const double* pivot,
                                                                 double f, long count) {
        const __m256d factor = _mm256_set1_pd(f);
        long j = 0;
        for (; j + 8 <= count; j += 8) {
            const __m256d p0 = _mm256_mul_pd(factor, _mm256_loadu_pd(pivot + j));
            const __m256d p1 = _mm256_mul_pd(factor, _mm256_loadu_pd(pivot + j + 4));
            _mm256_storeu_pd(row + j, _mm256_sub_pd(_mm256_loadu_pd(row + j), p0));
            _mm256_storeu_pd(row + j + 4, _mm256_sub_pd(_mm256_loadu_pd(row + j + 4), p1));
        }
        if (j + 4 <= count) {
            const __m256d p = _mm256_mul_pd(factor, _mm256_loadu_pd(pivot + j));
            _mm256_storeu_pd(row + j, _mm256_sub_pd(_mm256_loadu_pd(row + j), p));
            j += 4;
        }
        if (j + 2 <= count) {
            const __m128d p = _mm_mul_pd(_mm256_castpd256_pd128(factor), _mm_loadu_pd(pivot + j));
            _mm_storeu_pd(row + j, _mm_sub_pd(_mm_loadu_pd(row + j), p));
            j += 2;
        }
        if (j < count) row[j] -= f * pivot[j];
    }
    __attribute__((target("avx2"))) static void subtractMultiples(double* row0, double* row1,
                                                                  const double* pivot, double f0,
                                                                  double f1, long count) {
        const __m256d factor0 = _mm256_set1_pd(f0);
        const __m256d factor1 = _mm256_set1_pd(f1);
        long j = 0;
        for (; j + 4 <= count; j += 4) {
            const __m256d p = _mm256_loadu_pd(pivot + j);
            _mm256_storeu_pd(row0 + j,
                             _mm256_sub_pd(_mm256_loadu_pd(row0 + j), _mm256_mul_pd(factor0, p)));
            _mm256_storeu_pd(row1 + j,
                             _mm256_sub_pd(_mm256_loadu_pd(row1 + j), _mm256_mul_pd(factor1, p)));
        }
        if (j + 2 <= count) {
            const __m128d p = _mm_loadu_pd(pivot + j);
            _mm_storeu_pd(row0 + j, _mm_sub_pd(_mm_loadu_pd(row0 + j),
                                               _mm_mul_pd(_mm256_castpd256_pd128(factor0), p)));
            _mm_storeu_pd(row1 + j, _mm_sub_pd(_mm_loadu_pd(row1 + j),
                                               _mm_mul_pd(_mm256_castpd256_pd128(factor1), p)));
            j += 2;
        }
        if (j < count) {
            row0[j] -= f0 * pivot[j];
            row1[j] -= f1 * pivot[j];
        }
    }
    __attribute__((target("avx2"))) static void subtractTwoMultiples(
        double* row, const double* pivot0, double f0, const double* pivot1, double f1, long count) {
        const __m256d factor0 = _mm256_set1_pd(f0);
        const __m256d factor1 = _mm256_set1_pd(f1);
        long j = 0;
        for (; j + 4 <= count; j += 4) {
            const __m256d once = _mm256_sub_pd(_mm256_loadu_pd(row + j),
                                               _mm256_mul_pd(factor0, _mm256_loadu_pd(pivot0 + j)));
            _mm256_storeu_pd(
                row + j, _mm256_sub_pd(once, _mm256_mul_pd(factor1, _mm256_loadu_pd(pivot1 + j))));
        }
        for (; j < count; ++j)
            row[j] = (row[j] - f0 * pivot0[j]) - f1 * pivot1[j];
    }
    __attribute__((target("avx2"))) static void scale(double* row, double r, long count) {
        const __m256d factor = _mm256_set1_pd(r);
        long j = 0;
        for (; j + 4 <= count; j += 4)
            _mm256_storeu_pd(row + j, _mm256_mul_pd(_mm256_loadu_pd(row + j), factor));
        for (; j < count; ++j)
            row[j] *= r;
    }
    __attribute__((target("avx2"))) static void exchange(double* a, double* b, long count) {
        long j = 0;
        for (; j + 4 <= count; j += 4) {
            const __m256d t = _mm256_loadu_pd(a + j);
            _mm256_storeu_pd(a + j, _mm256_loadu_pd(b + j));
            _mm256_storeu_pd(b + j, t);
        }
        for (; j < count; ++j) {
            const double t = a[j];
            a[j] = b[j];
            b[j] = t;
        }
    }
};

#endif

}  // namespace orvane::row_kernels

#endif
