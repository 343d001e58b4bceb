#include "orvane/math/cubic_polynom.h"

#include <cmath>

#include "orvane/math/equation_solvers.h"
#include "orvane/math/math_exception.h"
#include "orvane/math/tolerances.h"

namespace {

constexpr double kNinth = 0.1111111111111111;
constexpr double kFiftyFourth = 0.018518518518518517;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;

// result[i + j] += lhs[i]·rhs[j], ascending coefficient arrays of degrees L and R.
template <int L, int R>
VMATH_Polynom<L + R> product(const double (&lhs)[L + 1], const double (&rhs)[R + 1]) {
    VMATH_Polynom<L + R> result;
    for (int i = 0; i <= L; ++i) {
        for (int j = 0; j <= R; ++j)
            result.coef[i + j] += lhs[i] * rhs[j];
    }
    return result;
}

void orderPair(double& lo, double& hi) {
    if (hi < lo) {
        const double t = lo;
        lo = hi;
        hi = t;
    }
}

// A fixed network of three compare-exchanges; only values out of order move.
void sortThree(double* x) {
    orderPair(x[0], x[1]);
    orderPair(x[1], x[2]);
    orderPair(x[0], x[1]);
}

}  // namespace

VMATH_CubicPolynom::VMATH_CubicPolynom(double a, double b, double c, double d)
    : a(a), b(b), c(c), d(d) {}

double VMATH_CubicPolynom::calcValue(double x) const {
    return x * ((a * x + b) * x + c) + d;
}

double VMATH_CubicPolynom::operator()(double x) const {
    return calcValue(x);
}

double VMATH_CubicPolynom::firstDerivation(double x) const {
    return x * (3.0 * a * x + 2.0 * b) + c;
}

double VMATH_CubicPolynom::calcSecondDer(double x) const {
    return 6.0 * a * x + 2.0 * b;
}

VMATH_QuadraticPolynom VMATH_CubicPolynom::firstDerivation() const {
    return VMATH_QuadraticPolynom(3.0 * a, 2.0 * b, c);
}

VMATH_CubicPolynom& VMATH_CubicPolynom::operator+=(const VMATH_CubicPolynom& f) {
    a += f.a;
    b += f.b;
    c += f.c;
    d += f.d;
    return *this;
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator+(const VMATH_CubicPolynom& f) const {
    return VMATH_CubicPolynom(a + f.a, b + f.b, c + f.c, d + f.d);
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator-(const VMATH_CubicPolynom& f) const {
    return VMATH_CubicPolynom(a - f.a, b - f.b, c - f.c, d - f.d);
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator-() const {
    return VMATH_CubicPolynom(-a, -b, -c, -d);
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator+(double s) const {
    return VMATH_CubicPolynom(a, b, c, d + s);
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator-(double s) const {
    return VMATH_CubicPolynom(a, b, c, d - s);
}

VMATH_CubicPolynom VMATH_CubicPolynom::operator*(double f) const {
    return VMATH_CubicPolynom(a * f, b * f, c * f, d * f);
}

VMATH_Polynom<5> VMATH_CubicPolynom::operator*(VMATH_QuadraticPolynom q) const {
    const double lhs[4] = {d, c, b, a};
    const double rhs[3] = {q.c, q.b, q.a};
    return product<3, 2>(lhs, rhs);
}

VMATH_Polynom<6> VMATH_CubicPolynom::operator*(VMATH_CubicPolynom f) const {
    const double lhs[4] = {d, c, b, a};
    const double rhs[4] = {f.d, f.c, f.b, f.a};
    return product<3, 3>(lhs, rhs);
}

VMATH_Polynom<9> VMATH_CubicPolynom::operator*(VMATH_Polynom<6> p) const {
    const double lhs[4] = {d, c, b, a};
    return product<3, 6>(lhs, p.coef);
}

long VMATH_CubicPolynom::findRoots(double* x) const {
    const double r = V_Tolerances::getRelTol();
    if (std::fabs(a) < r) return rSolveQE(b, c, d, &x[0], &x[1]);

    if (std::fabs(d) < r) {
        x[0] = 0.0;
        const long n = rSolveQE(a, b, c, &x[1], &x[2]);
        if (n <= 0) return 1;
        if (n == 1) {
            orderPair(x[0], x[1]);
            return 2;
        }
        sortThree(x);
        return 3;
    }

    const double inverse = 1.0 / a;
    const double A = b * inverse;
    const double B = c * inverse;
    const double C = d * inverse;
    const double Q = (A * A - 3.0 * B) * kNinth;
    const double R = (2.0 * A * A * A - 9.0 * B * A + 27.0 * C) * kFiftyFourth;
    const double Q3 = Q * Q * Q;
    const double shift = A / 3.0;

    if (Q3 - R * R >= 0.0) {
        const double root = std::sqrt(Q3);
        double t = root != 0.0 ? R / root : 0.0;
        if (t > 1.0) t = 1.0;
        if (t < -1.0) t = -1.0;
        const double theta = std::acos(t);
        const double s = 2.0 * std::sqrt(Q);
        x[0] = -s * std::cos(theta / 3.0) - shift;
        x[1] = -s * std::cos((theta + kTwoPi) / 3.0) - shift;
        x[2] = -s * std::cos((theta + kFourPi) / 3.0) - shift;
        sortThree(x);
        return 3;
    }

    const double P = std::pow(std::fabs(R) + std::sqrt(R * R - Q3), 1.0 / 3.0);
    // −sign(R)·(P + Q/P), sign(R) as a double: R's sign copied onto 1 rather than branched on,
    // since it follows no pattern a branch predictor could learn; NaN throws as sign() does.
    if (std::isnan(R)) throw VMATH_WrongNumber();
    const double sigma = R == 0.0 ? 0.0 : std::copysign(1.0, R);
    x[0] = -sigma * (P + Q / P) - shift;
    return 1;
}
