// The straightforward loops that inverse_matrix and gaussj must match bit for bit, and the
// matrices they are compared on.
//
//   const Values a = scrambled(n, seed);
//   EXPECT_EQ(bitsOf(elementsOf(inv)), bitsOf(referenceInverse(n, a)));
#ifndef ORVANE_TESTS_SUPPORT_MATRIX_REFERENCE_H
#define ORVANE_TESTS_SUPPORT_MATRIX_REFERENCE_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace matrix_reference {

using Values = std::vector<double>;

// Row-major n x n values in (-1, 1), a zero now and then and a first pivot of exactly 1, so that
// row exchanges, the skipped scaling and cancellations all occur.
inline Values scrambled(long n, unsigned seed) {
    std::mt19937_64 gen(seed);
    Values v(static_cast<std::size_t>(n * n));
    for (std::size_t k = 0; k < v.size(); ++k) {
        const auto r = gen();
        v[k] = r % 11 == 0 ? 0.0 : static_cast<double>(static_cast<std::int64_t>(r)) / 1e19;
    }
    v[0] = 1.0;  // the first pivot, exactly 1 and tied with the next row's -1: the first wins
    if (n > 1) v[static_cast<std::size_t>(n)] = -1.0;
    return v;
}

// Gauss-Jordan on the rows [A | I], pivoting on the first largest modulus and scaling by 1/d.
// The implementation leaves out the columns of A that are done; they never reach the inverse.
// A pivot of modulus below 1e-15 stops it with *status 1 (when given) and the right half as
// far as it got.
inline Values referenceInverse(long n, const Values& a, long* status = nullptr) {
    if (status != nullptr) *status = 0;
    std::vector<Values> w(static_cast<std::size_t>(n), Values(2 * n, 0.0));
    for (long i = 0; i < n; ++i) {
        std::copy(a.begin() + i * n, a.begin() + (i + 1) * n, w[i].begin());
        w[i][n + i] = 1.0;
    }
    for (long k = 0; k < n; ++k) {
        long p = k;
        for (long i = k + 1; i < n; ++i)
            if (std::fabs(w[i][k]) > std::fabs(w[p][k])) p = i;
        if (std::fabs(w[p][k]) < 1e-15) {
            if (status != nullptr) *status = 1;
            break;
        }
        std::swap(w[p], w[k]);
        const double d = w[k][k];
        for (double& v : w[k])
            if (d != 1.0) v *= 1.0 / d;
        for (long i = 0; i < n; ++i) {
            const double f = w[i][k];
            for (long j = 0; j < 2 * n && i != k; ++j)
                w[i][j] -= f * w[k][j];
        }
    }
    Values inv;
    for (const Values& row : w)
        inv.insert(inv.end(), row.begin() + n, row.end());
    return inv;
}

// Gaussian elimination and back substitution as fixed, on the augmented rows w (n x (n + 1)).
inline Values referenceGaussj(long n, std::vector<Values>& w) {
    for (long k = 0; k + 1 < n; ++k) {
        long p = k;
        for (long i = k + 1; i < n; ++i)
            if (std::fabs(w[i][k]) > std::fabs(w[p][k])) p = i;
        if (p != k) std::swap(w[p], w[k]);
        for (long i = k + 1; i < n; ++i) {
            const double f = w[i][k] / w[k][k];
            for (long j = k + 1; j <= n; ++j)
                w[i][j] -= w[k][j] * f;
            w[i][k] = f;
        }
    }
    Values x(static_cast<std::size_t>(n));
    x[n - 1] = w[n - 1][n] / w[n - 1][n - 1];
    for (long i = n - 2; i >= 0; --i) {
        double value = w[i][n];
        for (long j = i + 1; j < n; ++j)
            value -= w[i][j] * x[j];
        x[i] = value / w[i][i];
    }
    return x;
}

}  // namespace matrix_reference

#endif
