// The numeric routines beside answers that others computed: GSL's polynomial solver, a
// long-double Gauss-Jordan, and integrals with closed forms. ORVANE_PEER_POLYNOMIALS sets how many
// random polynomials are compared (`make verify` runs a million).
#include <orvane/math/integration.h>
#include <orvane/math/matrix.h>
#include <orvane/math/poly_functions.h>

#include <gsl/gsl_poly.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Complex = std::complex<double>;

// Close roots: two true roots within 5 % of their size. Their positions are ill-conditioned, and
// the search's answers there are right only in the backward sense its check tests (the deflated
// coefficients, and the value test |p| < relTol, leave errors far above kAgree, by design), so
// they may differ from GSL's beyond kAgree.
constexpr double kCloseRoots = 5e-2;
constexpr double kAgree = 1e-6;

long polynomialCount() {
    const char* text = std::getenv("ORVANE_PEER_POLYNOMIALS");
    return text != nullptr ? std::atol(text) : 10000;
}

struct Polynomial {
    std::vector<double> a;  // ascending, monic
    std::vector<Complex> roots;
};

// Degree 2 to 9, real roots and complex pairs with parts in [−10, 10].
Polynomial randomPolynomial(std::mt19937_64& gen) {
    std::uniform_real_distribution<double> part(-10.0, 10.0);
    std::uniform_int_distribution<int> degree(2, 9);
    Polynomial p;
    const int m = degree(gen);
    while (static_cast<int>(p.roots.size()) < m) {
        if (static_cast<int>(p.roots.size()) + 2 <= m && gen() % 2 == 0) {
            const Complex z(part(gen), std::fabs(part(gen)));
            p.roots.push_back(z);
            p.roots.push_back(std::conj(z));
        } else {
            p.roots.push_back(part(gen));
        }
    }
    std::vector<Complex> c{1.0};
    for (const Complex& r : p.roots) {
        std::vector<Complex> next(c.size() + 1, 0.0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= r * c[i];
        }
        c = next;
    }
    for (const Complex& v : c)
        p.a.push_back(v.real());
    return p;
}

bool hasCloseRoots(const Polynomial& p) {
    for (std::size_t i = 0; i < p.roots.size(); ++i) {
        for (std::size_t j = i + 1; j < p.roots.size(); ++j) {
            const double size = std::max(1.0, std::abs(p.roots[i]));
            if (std::abs(p.roots[i] - p.roots[j]) < kCloseRoots * size) return true;
        }
    }
    return false;
}

// True when every value of `ours` can be paired with its own value of `theirs` within kAgree.
bool agree(std::vector<Complex> ours, std::vector<Complex> theirs) {
    for (const Complex& z : ours) {
        auto best = theirs.end();
        double distance = INFINITY;
        for (auto it = theirs.begin(); it != theirs.end(); ++it) {
            if (std::abs(*it - z) < distance) {
                distance = std::abs(*it - z);
                best = it;
            }
        }
        if (best == theirs.end() || distance > kAgree * std::max(1.0, std::abs(z))) return false;
        theirs.erase(best);
    }
    return true;
}

std::vector<Complex> gslRoots(const std::vector<double>& a) {
    std::vector<double> z(2 * (a.size() - 1));
    gsl_poly_complex_workspace* w = gsl_poly_complex_workspace_alloc(a.size());
    const int status = gsl_poly_complex_solve(a.data(), a.size(), w, z.data());
    gsl_poly_complex_workspace_free(w);
    std::vector<Complex> roots;
    if (status == 0) {
        for (std::size_t i = 0; i + 1 < z.size(); i += 2)
            roots.emplace_back(z[i], z[i + 1]);
    }
    return roots;
}

// The counts of one variant over all polynomials.
struct Tally {
    long agreed = 0, closeRoots = 0, failed = 0, wrong = 0;
    void print(const char* name) const {
        std::printf("  %-22s agreed %ld, close roots %ld, returned -1 %ld, wrong %ld\n", name,
                    agreed, closeRoots, failed, wrong);
    }
};

}  // namespace

// Every success of either polyRoots agrees with GSL, or the polynomial has close roots. The
// interval search may miss a root (its searches start from the middle and stop at the first
// failure); what it reports must be a root.
TEST(PeerComparison, PolyRootsAgreesWithGsl) {
    std::mt19937_64 gen(20261206);
    Tally complexTally[2], realTally[2];
    const long count = polynomialCount();
    for (long t = 0; t < count; ++t) {
        const Polynomial p = randomPolynomial(gen);
        const std::vector<Complex> theirs = gslRoots(p.a);
        ASSERT_EQ(theirs.size(), p.a.size() - 1);
        const unsigned long m = p.a.size() - 1;
        const bool close = hasCloseRoots(p);
        std::vector<Complex> theirsReal;
        for (const Complex& z : theirs) {
            if (z.imag() == 0.0) theirsReal.push_back(z);
        }
        for (int polish = 0; polish < 2; ++polish) {
            std::vector<VMATH_Complex> a, z(m);
            for (double v : p.a)
                a.push_back(VMATH_Complex{v, 0.0});
            Tally& c = complexTally[polish];
            if (VMATH_PolyFunctions::polyRoots(a.data(), m, z.data(), polish == 1) != 0) {
                ++c.failed;
            } else {
                std::vector<Complex> ours;
                for (const VMATH_Complex& v : z)
                    ours.emplace_back(v.re, v.im);
                ++(agree(ours, theirs) ? c.agreed : close ? c.closeRoots : c.wrong);
            }
            std::vector<double> r(m);
            const long n =
                VMATH_PolyFunctions::polyRoots(p.a.data(), m, r.data(), -10.5, 10.5, polish == 1);
            ASSERT_GE(n, 0);
            std::vector<Complex> ours(r.begin(), r.begin() + n);
            Tally& rt = realTally[polish];
            ++(agree(ours, close ? theirs : theirsReal) ? rt.agreed
               : close                                  ? rt.closeRoots
                                                        : rt.wrong);
        }
    }
    std::printf("%ld random polynomials of degree 2 to 9 beside gsl_poly_complex_solve:\n", count);
    complexTally[0].print("complex, unpolished");
    complexTally[1].print("complex, polished");
    realTally[0].print("interval, unpolished");
    realTally[1].print("interval, polished");
    for (int polish = 0; polish < 2; ++polish) {
        EXPECT_EQ(complexTally[polish].wrong, 0);
        EXPECT_EQ(realTally[polish].wrong, 0);
        // Failures are rare: a few in 10,000 (the searches that would have reported wrong roots).
        EXPECT_LE(complexTally[polish].failed, count / 1000 + 1);
    }
}

namespace {

using Real = long double;

// The inverse by Gauss-Jordan with partial pivoting in long double.
std::vector<std::vector<Real>> referenceInverse(std::vector<std::vector<Real>> a) {
    const std::size_t n = a.size();
    std::vector<std::vector<Real>> inv(n, std::vector<Real>(n, 0.0L));
    for (std::size_t i = 0; i < n; ++i)
        inv[i][i] = 1.0L;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        }
        std::swap(a[col], a[pivot]);
        std::swap(inv[col], inv[pivot]);
        const Real d = a[col][col];
        for (std::size_t j = 0; j < n; ++j) {
            a[col][j] /= d;
            inv[col][j] /= d;
        }
        for (std::size_t r = 0; r < n; ++r) {
            if (r == col) continue;
            const Real f = a[r][col];
            for (std::size_t j = 0; j < n; ++j) {
                a[r][j] -= f * a[col][j];
                inv[r][j] -= f * inv[col][j];
            }
        }
    }
    return inv;
}

Real normInf(const std::vector<std::vector<Real>>& a) {
    Real best = 0.0L;
    for (const auto& row : a) {
        Real sum = 0.0L;
        for (Real v : row)
            sum += std::fabs(v);
        best = std::max(best, sum);
    }
    return best;
}

}  // namespace

// inverse_matrix and gaussj within cond·2^-50 of the long-double answer, n = 2 to 8.
TEST(PeerComparison, MatrixSolversMatchALongDoubleReference) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int trial = 0; trial < 2000; ++trial) {
        const long n = 2 + trial % 7;
        const auto size = static_cast<std::size_t>(n);
        VMATH_Matrix m(n);
        std::vector<std::vector<Real>> a(size, std::vector<Real>(size));
        double** augmented = VMATH_Matrix::createMatrix(size, size + 1);
        ASSERT_NE(augmented, nullptr);
        std::vector<double> rhs(size);
        for (long i = 0; i < n; ++i) {
            rhs[i] = value(gen);
            augmented[i][n] = rhs[i];
            for (long j = 0; j < n; ++j) {
                const double v = value(gen);
                m.At(i, j) = v;
                a[i][j] = v;
                augmented[i][j] = v;
            }
        }
        const auto ref = referenceInverse(a);
        const Real cond = normInf(a) * normInf(ref);
        const Real bound = cond * std::ldexp(1.0L, -50);
        VMATH_Matrix inv(n);
        std::vector<double> x(size);
        ASSERT_EQ(m.inverse_matrix(inv), 0);
        ASSERT_EQ(VMATH_Matrix::gaussj(augmented, x.data(), n, true), 0);
        VMATH_Matrix::destroyMatrix(augmented, size);
        Real inverseError = 0.0L, solveError = 0.0L, xNorm = 0.0L;
        for (std::size_t i = 0; i < size; ++i) {
            Real xi = 0.0L;
            for (std::size_t j = 0; j < size; ++j) {
                xi += ref[i][j] * rhs[j];
                const Real diff =
                    std::fabs(inv.At(static_cast<long>(i), static_cast<long>(j)) - ref[i][j]);
                inverseError = std::max(inverseError, diff);
            }
            solveError = std::max(solveError, std::fabs(x[i] - xi));
            xNorm = std::max(xNorm, std::fabs(xi));
        }
        Real refMax = 0.0L;
        for (const auto& row : ref)
            for (Real v : row)
                refMax = std::max(refMax, std::fabs(v));
        EXPECT_LE(inverseError, bound * refMax) << "trial " << trial << ", cond " << cond;
        EXPECT_LE(solveError, bound * xNorm) << "trial " << trial << ", cond " << cond;
    }
}

// rSolveNI within its eps of the closed forms (the refinement stops where two estimates agree
// to eps; for smooth integrands the error is far smaller than that difference).
TEST(PeerComparison, IntegralsMatchTheirClosedForms) {
    const double pi = 3.14159265358979323846;
    struct Case {
        double (*f)(double, const double*);
        double a, b, exact;
    };
    auto sine = [](double x, const double*) { return std::sin(x); };
    auto exponential = [](double x, const double*) { return std::exp(x); };
    auto lorentz = [](double x, const double*) { return 1.0 / (1.0 + x * x); };
    auto root = [](double x, const double*) { return std::sqrt(x); };
    const Case cases[] = {{sine, 0, pi, 2.0},
                          {sine, -1, 2, std::cos(-1.0) - std::cos(2.0)},
                          {exponential, 0, 1, std::exp(1.0) - 1.0},
                          {exponential, -3, 2, std::exp(2.0) - std::exp(-3.0)},
                          {lorentz, 0, 1, pi / 4},
                          {lorentz, -10, 10, 2.0 * std::atan(10.0)},
                          {root, 0, 1, 2.0 / 3},
                          {root, 1, 4, 14.0 / 3}};
    for (const auto& c : cases) {
        for (double eps : {1e-6, 1e-9}) {
            double result = NAN;
            ASSERT_EQ(rSolveNI(c.f, nullptr, c.a, c.b, &result, eps), 0);
            EXPECT_NEAR(result, c.exact, eps) << c.a << " " << c.b << " at " << eps;
        }
    }
}
