#include "orvane/math/quadratic_polynom.h"

#include "orvane/math/equation_solvers.h"

VMATH_QuadraticPolynom::VMATH_QuadraticPolynom(double a, double b, double c) : a(a), b(b), c(c) {}

double VMATH_QuadraticPolynom::calcValue(double x) const {
    return x * (a * x + b) + c;
}

double VMATH_QuadraticPolynom::operator()(double x) const {
    return calcValue(x);
}

double VMATH_QuadraticPolynom::firstDerivation(double x) const {
    return 2.0 * a * x + b;
}

double VMATH_QuadraticPolynom::calcSecondDer(double /*x*/) const {
    return 2.0 * a;
}

VMATH_QuadraticPolynom& VMATH_QuadraticPolynom::operator+=(const VMATH_QuadraticPolynom& q) {
    a += q.a;
    b += q.b;
    c += q.c;
    return *this;
}

VMATH_QuadraticPolynom VMATH_QuadraticPolynom::operator+(const VMATH_QuadraticPolynom& q) const {
    return VMATH_QuadraticPolynom(a + q.a, b + q.b, c + q.c);
}

VMATH_QuadraticPolynom VMATH_QuadraticPolynom::operator-(const VMATH_QuadraticPolynom& q) const {
    return VMATH_QuadraticPolynom(a - q.a, b - q.b, c - q.c);
}

VMATH_QuadraticPolynom VMATH_QuadraticPolynom::operator-() const {
    return VMATH_QuadraticPolynom(-a, -b, -c);
}

VMATH_QuadraticPolynom VMATH_QuadraticPolynom::operator+(double s) const {
    return VMATH_QuadraticPolynom(a, b, c + s);
}

VMATH_QuadraticPolynom VMATH_QuadraticPolynom::operator*(double f) const {
    return VMATH_QuadraticPolynom(a * f, b * f, c * f);
}

VMATH_Polynom<4> VMATH_QuadraticPolynom::operator*(VMATH_QuadraticPolynom q) const {
    VMATH_Polynom<4> p;
    p.coef[4] = a * q.a;
    p.coef[3] = a * q.b + b * q.a;
    p.coef[2] = a * q.c + c * q.a + b * q.b;
    p.coef[1] = c * q.b + b * q.c;
    p.coef[0] = c * q.c;
    return p;
}

long VMATH_QuadraticPolynom::findRoots(double* x) const {
    return rSolveQE(a, b, c, &x[0], &x[1]);
}
