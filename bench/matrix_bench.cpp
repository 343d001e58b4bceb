// The matrix inversion and the linear solver next to Eigen's LU with partial pivoting.
//
// Both sides get the same diagonally dominant random matrices (well conditioned, so the pivoting
// of either side finds the same solution to rounding). Each side keeps what a user would keep
// between calls (the target matrix, the decomposition object) and pays inside the loop for what
// it copies: inverse_matrix and gaussj(copy = true) work on a private copy, as
// PartialPivLU::compute copies into its own storage. The peak memory is that of one call made
// from scratch: the result, the decomposition or private copy, and every temporary.
#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;
using orvane::bench::recordPeak;

// Row-major n x n values: uniform in [-1, 1], each diagonal element replaced by the row's
// absolute sum plus 1 with a random sign.
std::vector<double> dominantMatrix(long n) {
    std::mt19937_64 gen = orvane::bench::rng();
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> m(static_cast<std::size_t>(n * n));
    for (double& v : m)
        v = value(gen);
    for (long i = 0; i < n; ++i) {
        double sum = 1.0;
        for (long j = 0; j < n; ++j)
            sum += std::fabs(m[static_cast<std::size_t>(i * n + j)]);
        m[static_cast<std::size_t>(i * n + i)] = value(gen) < 0.0 ? -sum : sum;
    }
    return m;
}

std::vector<double> rightHandSide(long n) {
    std::mt19937_64 gen = orvane::bench::rng();
    gen.discard(7);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    std::vector<double> b(static_cast<std::size_t>(n));
    for (double& v : b)
        v = value(gen);
    return b;
}

VMATH_Matrix ourMatrix(long n, const std::vector<double>& values) {
    VMATH_Matrix m(n);
    for (long i = 0; i < n; ++i)
        for (long j = 0; j < n; ++j)
            m.At(i, j) = values[static_cast<std::size_t>(i * n + j)];
    return m;
}

Eigen::MatrixXd eigenMatrix(long n, const std::vector<double>& values) {
    Eigen::MatrixXd m(n, n);
    for (long i = 0; i < n; ++i)
        for (long j = 0; j < n; ++j)
            m(i, j) = values[static_cast<std::size_t>(i * n + j)];
    return m;
}

// The augmented n x (n + 1) array-of-rows matrix of gaussj; released by its owner.
class Augmented {
public:
    Augmented(long n, const std::vector<double>& values, const std::vector<double>& b)
        : m_rows(static_cast<unsigned long>(n)),
          m_data(VMATH_Matrix::createMatrix(m_rows, m_rows + 1)) {
        for (long i = 0; i < n; ++i) {
            for (long j = 0; j < n; ++j)
                m_data[i][j] = values[static_cast<std::size_t>(i * n + j)];
            m_data[i][n] = b[static_cast<std::size_t>(i)];
        }
    }
    ~Augmented() { VMATH_Matrix::destroyMatrix(m_data, m_rows); }
    Augmented(const Augmented&) = delete;
    Augmented& operator=(const Augmented&) = delete;
    double** get() const { return m_data; }

private:
    unsigned long m_rows;
    double** m_data;
};

// The largest |x - y| relative to the largest |y|.
double relativeDifference(const double* x, const double* y, std::size_t count) {
    double diff = 0.0;
    double scale = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        diff = std::max(diff, std::fabs(x[k] - y[k]));
        scale = std::max(scale, std::fabs(y[k]));
    }
    return diff / scale;
}

constexpr double kAgreement = 1e-10;

void inverseOurs(benchmark::State& state, long n) {
    const std::vector<double> values = dominantMatrix(n);
    const VMATH_Matrix m = ourMatrix(n, values);
    VMATH_Matrix inv(n);
    // Setup check: the same inverse as Eigen's.
    Eigen::MatrixXd expected = eigenMatrix(n, values).partialPivLu().inverse();
    if (m.inverse_matrix(inv) != 0) return state.SkipWithError("inverse_matrix failed");
    std::vector<double> ours(static_cast<std::size_t>(n * n)), peer(ours.size());
    for (long i = 0; i < n; ++i)
        for (long j = 0; j < n; ++j) {
            ours[static_cast<std::size_t>(i * n + j)] = inv.At(i, j);
            peer[static_cast<std::size_t>(i * n + j)] = expected(i, j);
        }
    if (relativeDifference(ours.data(), peer.data(), ours.size()) > kAgreement)
        return state.SkipWithError("inverse_matrix and Eigen disagree");
    recordPeak(state, [&] {
        VMATH_Matrix target(n);
        m.inverse_matrix(target);
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.inverse_matrix(inv));
        benchmark::ClobberMemory();
    }
}

void inverseEigen(benchmark::State& state, long n) {
    const Eigen::MatrixXd m = eigenMatrix(n, dominantMatrix(n));
    Eigen::PartialPivLU<Eigen::MatrixXd> lu(n);
    Eigen::MatrixXd inv(n, n);
    recordPeak(state, [&] {
        Eigen::PartialPivLU<Eigen::MatrixXd> decomposition(m);
        Eigen::MatrixXd target = decomposition.inverse();
        benchmark::DoNotOptimize(target.data());
    });
    for (auto _ : state) {
        lu.compute(m);
        inv = lu.inverse();
        benchmark::DoNotOptimize(inv.data());
        benchmark::ClobberMemory();
    }
}

void gaussjOurs(benchmark::State& state, long n) {
    const std::vector<double> values = dominantMatrix(n);
    const std::vector<double> b = rightHandSide(n);
    const Augmented a(n, values, b);
    std::vector<double> x(static_cast<std::size_t>(n));
    // Setup check: the same solution as Eigen's.
    const Eigen::VectorXd expected =
        eigenMatrix(n, values).partialPivLu().solve(Eigen::Map<const Eigen::VectorXd>(b.data(), n));
    if (VMATH_Matrix::gaussj(a.get(), x.data(), n, true) != 0)
        return state.SkipWithError("gaussj failed");
    if (relativeDifference(x.data(), expected.data(), x.size()) > kAgreement)
        return state.SkipWithError("gaussj and Eigen disagree");
    recordPeak(state, [&] {
        std::vector<double> solution(static_cast<std::size_t>(n));
        VMATH_Matrix::gaussj(a.get(), solution.data(), n, true);
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(VMATH_Matrix::gaussj(a.get(), x.data(), n, true));
        benchmark::ClobberMemory();
    }
}

void gaussjEigen(benchmark::State& state, long n) {
    const Eigen::MatrixXd m = eigenMatrix(n, dominantMatrix(n));
    const std::vector<double> values = rightHandSide(n);
    const Eigen::VectorXd b = Eigen::Map<const Eigen::VectorXd>(values.data(), n);
    Eigen::PartialPivLU<Eigen::MatrixXd> lu(n);
    Eigen::VectorXd x(n);
    recordPeak(state, [&] {
        Eigen::PartialPivLU<Eigen::MatrixXd> decomposition(m);
        Eigen::VectorXd solution = decomposition.solve(b);
        benchmark::DoNotOptimize(solution.data());
    });
    for (auto _ : state) {
        lu.compute(m);
        x = lu.solve(b);
        benchmark::DoNotOptimize(x.data());
        benchmark::ClobberMemory();
    }
}

const bool registered = [] {
    for (long n : {8L, 64L, 256L}) {
        const std::string size = std::to_string(n);
        add("matrix_inverse", size, "ours", [n](benchmark::State& s) { inverseOurs(s, n); });
        add("matrix_inverse", size, "eigen", [n](benchmark::State& s) { inverseEigen(s, n); });
        add("matrix_gaussj", size, "ours", [n](benchmark::State& s) { gaussjOurs(s, n); });
        add("matrix_gaussj", size, "eigen", [n](benchmark::State& s) { gaussjEigen(s, n); });
    }
    return true;
}();

}  // namespace
