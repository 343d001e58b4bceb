#include "orvane/math/math_exception.h"

#include <climits>

VMATH_Exception::VMATH_Exception() = default;
VMATH_Exception::VMATH_Exception(const VMATH_Exception&) = default;
VMATH_Exception& VMATH_Exception::operator=(const VMATH_Exception&) = default;
VMATH_Exception::~VMATH_Exception() = default;

void VMATH_Exception::announce() const {
    displayStart();
    displayEnd();
}

void VMATH_Exception::announce(const char* file, long line) const {
    const long shown = line < INT_MIN ? INT_MIN : (line > INT_MAX ? INT_MAX : line);
    displayStart();
    displayLocation(file, static_cast<int>(shown));
    displayEnd();
}

VMATH_DivergenceEquationSol::VMATH_DivergenceEquationSol() {
    announce();
}
VMATH_DivergenceEquationSol::VMATH_DivergenceEquationSol(const char* file, long line) {
    announce(file, line);
}
VMATH_DivergenceEquationSol::VMATH_DivergenceEquationSol(const VMATH_DivergenceEquationSol&) =
    default;
VMATH_DivergenceEquationSol& VMATH_DivergenceEquationSol::operator=(
    const VMATH_DivergenceEquationSol&) = default;
VMATH_DivergenceEquationSol::~VMATH_DivergenceEquationSol() = default;

VMATH_DivergenceIntegralSol::VMATH_DivergenceIntegralSol() {
    announce();
}
VMATH_DivergenceIntegralSol::VMATH_DivergenceIntegralSol(const char* file, long line) {
    announce(file, line);
}
VMATH_DivergenceIntegralSol::VMATH_DivergenceIntegralSol(const VMATH_DivergenceIntegralSol&) =
    default;
VMATH_DivergenceIntegralSol& VMATH_DivergenceIntegralSol::operator=(
    const VMATH_DivergenceIntegralSol&) = default;
VMATH_DivergenceIntegralSol::~VMATH_DivergenceIntegralSol() = default;

VMATH_WrongMatrixOperation::VMATH_WrongMatrixOperation(long errorCode) : code(errorCode) {
    announce();
}
VMATH_WrongMatrixOperation::VMATH_WrongMatrixOperation(const char* file, long line, long errorCode)
    : code(errorCode) {
    announce(file, line);
}
VMATH_WrongMatrixOperation::VMATH_WrongMatrixOperation(const VMATH_WrongMatrixOperation&) = default;
VMATH_WrongMatrixOperation& VMATH_WrongMatrixOperation::operator=(
    const VMATH_WrongMatrixOperation&) = default;
VMATH_WrongMatrixOperation::~VMATH_WrongMatrixOperation() = default;

VMATH_WrongArithmeticalOperation::VMATH_WrongArithmeticalOperation(long errorCode)
    : code(errorCode) {
    announce();
}
VMATH_WrongArithmeticalOperation::VMATH_WrongArithmeticalOperation(const char* file, long line,
                                                                   long errorCode)
    : code(errorCode) {
    announce(file, line);
}
VMATH_WrongArithmeticalOperation::VMATH_WrongArithmeticalOperation(
    const VMATH_WrongArithmeticalOperation&) = default;
VMATH_WrongArithmeticalOperation& VMATH_WrongArithmeticalOperation::operator=(
    const VMATH_WrongArithmeticalOperation&) = default;
VMATH_WrongArithmeticalOperation::~VMATH_WrongArithmeticalOperation() = default;

VMATH_WrongNumber::VMATH_WrongNumber() {
    announce();
}
VMATH_WrongNumber::VMATH_WrongNumber(const char* file, long line) {
    announce(file, line);
}
VMATH_WrongNumber::VMATH_WrongNumber(const VMATH_WrongNumber&) = default;
VMATH_WrongNumber& VMATH_WrongNumber::operator=(const VMATH_WrongNumber&) = default;
VMATH_WrongNumber::~VMATH_WrongNumber() = default;

VMATH_FloatingPointError::VMATH_FloatingPointError() {
    announce();
}
VMATH_FloatingPointError::VMATH_FloatingPointError(const char* file, long line) {
    announce(file, line);
}
VMATH_FloatingPointError::VMATH_FloatingPointError(const VMATH_FloatingPointError&) = default;
VMATH_FloatingPointError& VMATH_FloatingPointError::operator=(const VMATH_FloatingPointError&) =
    default;
VMATH_FloatingPointError::~VMATH_FloatingPointError() = default;
