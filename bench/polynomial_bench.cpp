// The cubic solvers and the complex polynomial root finder next to GSL.
//
// Both sides of a pair solve the same random polynomials. GSL's cubic solver wants a monic
// cubic, so normalising (one reciprocal of the leading coefficient, three products, as rSolveCE
// does) is part of its work. Its general solver keeps a workspace allocated once, outside the
// timed loop, as a user solving many polynomials of one degree would. poly_roots runs polyRoots
// without polishing, its usual search: its roots then agree with GSL's to about 1e-7 of their size.
// poly_roots_polished runs it with polishing, against the same GSL search.
#include <gsl/gsl_errno.h>
#include <gsl/gsl_poly.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

constexpr std::size_t kCubics = 100000;
constexpr std::size_t kPolynomials = 1000;
// How many inputs the setup check compares, and how closely (relative to the root's size).
constexpr std::size_t kSample = 1000;
constexpr double kAgreement = 1e-6;

// A leading coefficient of modulus in [0.5, 1] with a random sign; the rest uniform in [-1, 1].
double leading(std::mt19937_64& gen) {
    std::uniform_real_distribution<double> size(0.5, 1.0);
    std::uniform_real_distribution<double> sign(-1.0, 1.0);
    const double v = size(gen);
    return sign(gen) < 0.0 ? -v : v;
}

// a·x³ + b·x² + c·x + d, highest power first.
const std::vector<VMATH_CubicPolynom>& cubics() {
    static const std::vector<VMATH_CubicPolynom> all = [] {
        std::mt19937_64 gen = orvane::bench::rng();
        std::uniform_real_distribution<double> value(-10.0, 10.0);
        std::vector<VMATH_CubicPolynom> v;
        v.reserve(kCubics);
        for (std::size_t k = 0; k < kCubics; ++k) {
            const double a = leading(gen);
            const double b = value(gen);
            const double c = value(gen);
            const double d = value(gen);
            v.emplace_back(a, b, c, d);
        }
        return v;
    }();
    return all;
}

// GSL's roots of f, ascending.
int gslCubic(const VMATH_CubicPolynom& f, double* x) {
    const double inverse = 1.0 / f.a;
    return gsl_poly_solve_cubic(f.b * inverse, f.c * inverse, f.d * inverse, &x[0], &x[1], &x[2]);
}

// Whether `ours` (count n, any order) and GSL's roots of f are the same set within kAgreement.
// A double root may come as one root or as two: the sets are compared, not the counts.
bool sameRealRoots(const VMATH_CubicPolynom& f, double* ours, long n) {
    double peer[3];
    const int m = gslCubic(f, peer);
    if (n < 1) return false;
    auto near = [](double u, double v) {
        return std::fabs(u - v) <= kAgreement * std::max(1.0, std::fabs(v));
    };
    auto covered = [&](const double* xs, long count, const double* ys, long other) {
        for (long i = 0; i < count; ++i) {
            bool found = false;
            for (long j = 0; j < other; ++j)
                found = found || near(xs[i], ys[j]);
            if (!found) return false;
        }
        return true;
    };
    return covered(ours, n, peer, m) && covered(peer, m, ours, n);
}

void gslCubics(benchmark::State& state) {
    const std::vector<VMATH_CubicPolynom>& all = cubics();
    for (auto _ : state) {
        double sum = 0.0;
        for (const VMATH_CubicPolynom& f : all) {
            double x[3];
            const int n = gslCubic(f, x);
            for (int i = 0; i < n; ++i)
                sum += x[i];
        }
        benchmark::DoNotOptimize(sum);
    }
}

const bool cubicSolvers = [] {
    add("cubic_rSolveCE", std::to_string(kCubics), "ours", [](benchmark::State& state) {
        const std::vector<VMATH_CubicPolynom>& all = cubics();
        for (std::size_t k = 0; k < kSample; ++k) {
            const VMATH_CubicPolynom& f = all[k];
            double x[3];
            const long n = rSolveCE(f.a, f.b, f.c, f.d, &x[0], &x[1], &x[2]);
            if (!sameRealRoots(f, x, n)) return state.SkipWithError("rSolveCE and GSL disagree");
        }
        for (auto _ : state) {
            double sum = 0.0;
            for (const VMATH_CubicPolynom& f : all) {
                double x[3];
                const long n = rSolveCE(f.a, f.b, f.c, f.d, &x[0], &x[1], &x[2]);
                for (long i = 0; i < n; ++i)
                    sum += x[i];
            }
            benchmark::DoNotOptimize(sum);
        }
    });
    add("cubic_rSolveCE", std::to_string(kCubics), "gsl", gslCubics);

    add("cubic_findRoots", std::to_string(kCubics), "ours", [](benchmark::State& state) {
        const std::vector<VMATH_CubicPolynom>& all = cubics();
        for (std::size_t k = 0; k < kSample; ++k) {
            double x[3];
            const long n = all[k].findRoots(x);
            if (!sameRealRoots(all[k], x, n))
                return state.SkipWithError("findRoots and GSL disagree");
        }
        for (auto _ : state) {
            double sum = 0.0;
            for (const VMATH_CubicPolynom& f : all) {
                double x[3];
                const long n = f.findRoots(x);
                for (long i = 0; i < n; ++i)
                    sum += x[i];
            }
            benchmark::DoNotOptimize(sum);
        }
    });
    add("cubic_findRoots", std::to_string(kCubics), "gsl", gslCubics);
    return true;
}();

// kPolynomials polynomials of the given degree, ascending coefficients, one after the other.
std::vector<double> polynomials(std::size_t degree) {
    std::mt19937_64 gen = orvane::bench::rng();
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> all;
    all.reserve(kPolynomials * (degree + 1));
    for (std::size_t p = 0; p < kPolynomials; ++p) {
        for (std::size_t i = 0; i < degree; ++i)
            all.push_back(value(gen));
        all.push_back(leading(gen));
    }
    return all;
}

// Whether every root of GSL's has its own root of ours within kAgreement (relative to its size).
bool sameComplexRoots(const VMATH_Complex* ours, const double* peer, std::size_t degree) {
    std::vector<bool> used(degree, false);
    for (std::size_t j = 0; j < degree; ++j) {
        const std::complex<double> z(peer[2 * j], peer[2 * j + 1]);
        std::size_t best = degree;
        double bestDistance = 0.0;
        for (std::size_t i = 0; i < degree; ++i) {
            const double distance = std::abs(std::complex<double>(ours[i].re, ours[i].im) - z);
            if (!used[i] && (best == degree || distance < bestDistance)) {
                best = i;
                bestDistance = distance;
            }
        }
        if (bestDistance > kAgreement * std::max(1.0, std::abs(z))) return false;
        used[best] = true;
    }
    return true;
}

void polyRootsOurs(benchmark::State& state, std::size_t degree, bool polish) {
    const std::vector<double> real = polynomials(degree);
    std::vector<VMATH_Complex> all(real.size());
    for (std::size_t k = 0; k < real.size(); ++k)
        all[k] = VMATH_Complex{real[k], 0.0};
    const std::size_t stride = degree + 1;
    std::vector<VMATH_Complex> roots(degree);
    // Setup check against GSL on a sample.
    gsl_set_error_handler_off();
    gsl_poly_complex_workspace* w = gsl_poly_complex_workspace_alloc(stride);
    std::vector<double> peer(2 * degree);
    bool agree = true;
    for (std::size_t p = 0; p < std::min(kSample, kPolynomials) && agree; ++p) {
        agree =
            VMATH_PolyFunctions::polyRoots(&all[p * stride], degree, roots.data(), polish) == 0 &&
            gsl_poly_complex_solve(&real[p * stride], stride, w, peer.data()) == GSL_SUCCESS &&
            sameComplexRoots(roots.data(), peer.data(), degree);
    }
    gsl_poly_complex_workspace_free(w);
    if (!agree) return state.SkipWithError("polyRoots and GSL disagree");
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t p = 0; p < kPolynomials; ++p) {
            VMATH_PolyFunctions::polyRoots(&all[p * stride], degree, roots.data(), polish);
            sum += roots[0].re;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void polyRootsGsl(benchmark::State& state, std::size_t degree) {
    const std::vector<double> all = polynomials(degree);
    const std::size_t stride = degree + 1;
    std::vector<double> roots(2 * degree);
    gsl_set_error_handler_off();
    gsl_poly_complex_workspace* w = gsl_poly_complex_workspace_alloc(stride);
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t p = 0; p < kPolynomials; ++p) {
            gsl_poly_complex_solve(&all[p * stride], stride, w, roots.data());
            sum += roots[0];
        }
        benchmark::DoNotOptimize(sum);
    }
    gsl_poly_complex_workspace_free(w);
}

const bool polynomialRoots = [] {
    for (std::size_t degree : {5u, 9u}) {
        const std::string size = std::to_string(degree);
        add("poly_roots", size, "ours",
            [degree](benchmark::State& s) { polyRootsOurs(s, degree, false); });
        add("poly_roots", size, "gsl", [degree](benchmark::State& s) { polyRootsGsl(s, degree); });
        add("poly_roots_polished", size, "ours",
            [degree](benchmark::State& s) { polyRootsOurs(s, degree, true); });
        add("poly_roots_polished", size, "gsl",
            [degree](benchmark::State& s) { polyRootsGsl(s, degree); });
    }
    return true;
}();

}  // namespace
