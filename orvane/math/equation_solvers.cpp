#include "orvane/math/equation_solvers.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kEps = 1e-15;
constexpr double kThird = 0.3333333333333333;
constexpr double kTwo27th = 0.07407407407407407;
constexpr double kPiThird = 1.0471975511965976;

// The real cube root with the sign of v; ±0 gives +0, NaN stays NaN. The sign is copied, not
// branched on: the roots' signs follow no pattern a branch predictor could learn. (The root of
// |v| is positive, so copying v's sign onto it gives the bits that negating it would.)
double signedCbrt(double v) {
    if (v == 0.0) return 0.0;
    if (std::isnan(v)) return v;
    return std::copysign(std::pow(std::fabs(v), kThird), v);
}

int compareDoubles(const void* first, const void* second) {
    const double a = *static_cast<const double*>(first);
    const double b = *static_cast<const double*>(second);
    if (a > b) return 1;
    if (b > a) return -1;
    return 0;
}

}  // namespace

long rSolveQE(double a, double b, double c, double* x1, double* x2) {
    if (std::fabs(a) < kEps) {
        if (std::fabs(b) >= kEps) {
            *x1 = -c / b;
            return 1;
        }
        return std::fabs(c) >= kEps ? 0 : -1;
    }
    if (std::fabs(c) < kEps) {
        *x1 = 0.0;
        if (std::fabs(b) < kEps) return 1;
        *x2 = -b / a;
        return 2;
    }
    if (std::fabs(b) < kEps) {
        const double t = -c / a;
        if (t < 0.0) return 0;
        *x1 = std::sqrt(t);
        *x2 = -std::sqrt(t);
        return 2;
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < -kEps) return 0;
    if (std::fabs(discriminant) < kEps) {
        *x1 = -0.5 * b / a;
        return 1;
    }
    const double q = -0.5 * (b + static_cast<double>(sign(b)) * std::sqrt(discriminant));
    *x1 = q / a;
    *x2 = c / q;
    return 2;
}

long cSolveQE(double a, double b, double c, _complex* x1, _complex* x2) {
    *x1 = _complex{0.0, 0.0};
    *x2 = _complex{0.0, 0.0};
    const double discriminant = b * b - 4.0 * a * c;
    if (std::fabs(a) >= kEps) {
        const double inverse = 1.0 / a;
        if (std::fabs(discriminant) < kEps) {
            x1->x = -0.5 * b / a;
            return 1;
        }
        if (discriminant >= 0.0) {
            const double s = std::sqrt(discriminant);
            x1->x = (s - b) * inverse * 0.5;
            x2->x = (-b - s) * inverse * 0.5;
            return 2;
        }
        const double s = std::sqrt(-discriminant);
        x1->x = -b * inverse * 0.5;
        x2->x = -b * inverse * 0.5;
        x1->y = s * inverse * 0.5;
        x2->y = -s * inverse * 0.5;
        return 2;
    }
    if (std::fabs(b) >= kEps) {
        x1->x = -c / b;
        return 1;
    }
    return std::fabs(c) >= kEps ? 0 : -1;
}

long rSolveCE(double a, double b, double c, double d, double* x1, double* x2, double* x3) {
    if (a == 0.0) return rSolveQE(b, c, d, x1, x2);

    const double inverse = 1.0 / a;
    const double A = b * inverse;
    const double B = c * inverse;
    const double C = d * inverse;
    const double P = (B - A * A * kThird) * kThird;
    const double Q = (kTwo27th * A * A * A - A * B * kThird + C) * 0.5;
    const double D = Q * Q + P * P * P;

    // Each root is written as soon as it is known, y − A/3 for the root y of the depressed cubic.
    const double shift = A * kThird;
    if (std::fabs(D) < kEps) {
        if (std::fabs(Q) < kEps) {
            *x1 = 0.0 - shift;
            return 1;
        }
        const double u = signedCbrt(-Q);
        *x1 = 2.0 * u - shift;
        *x2 = -u - shift;
        return 2;
    }
    if (D < 0.0) {
        const double r = std::sqrt(-(P * P * P));
        double cosine = -Q / r;
        if (cosine > 1.0) cosine = 1.0;
        if (cosine < -1.0) cosine = -1.0;
        const double phi = std::acos(cosine) * kThird;
        const double t = 2.0 * std::sqrt(-P);
        *x1 = t * std::cos(phi) - shift;
        *x2 = -t * std::cos(phi + kPiThird) - shift;
        *x3 = -t * std::cos(phi - kPiThird) - shift;
        return 3;
    }
    const double s = std::sqrt(D);
    *x1 = (signedCbrt(s - Q) - signedCbrt(s + Q)) - shift;
    return 1;
}

long sign(double x) {
    if (std::isnan(x)) throw VMATH_WrongNumber();
    if (x < 0.0) return -1;
    if (x > 0.0) return 1;
    return 0;
}

void qsort(double* v, unsigned int n) {
    if (v == nullptr || n < 2) return;
    std::qsort(v, n, sizeof(double), &compareDoubles);
}
