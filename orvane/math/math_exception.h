// The exceptions of the numeric code.
//
// Misuse and numerical breakdown are thrown as members of the VMATH_Exception family, by value.
// Like every exception of the library, each announces itself when it is constructed: the
// constructor opens a bracket on the standard dump stream, writes the source location when one
// is given, and closes the bracket. Copies print nothing.
//
//   try {
//       VMATH_Matrix m(2, 3);
//       m.inverse_matrix(inv);
//   } catch (const VMATH_WrongMatrixOperation& e) {
//       e.getCode();                   // 3: not square
//   } catch (const VMATH_Exception&) {  // catches every member of the family
//   }
//
// On the dump stream, `VMATH_WrongNumber()` reads "[\n]\n" and
// `VMATH_WrongNumber("solver.cpp", 12)` reads "[\nat solver.cpp:12\n]\n".
//
// Codes of VMATH_WrongMatrixOperation (the library throws with these):
//   1 eBadColumnIndex     At() with a column index out of range
//   2 eProductMismatch    a product whose left column count differs from the right row count
//   3 eNotSquare          inverse_matrix() of a matrix that is not square
//   4 eBadRowIndex        At() with a row index out of range
//   5 eBadDimensions      a matrix built with rows <= 0 or cols < 0
//   6 eDimensionMismatch  +, -, +=, -= on matrices of different dimensions, and inverse_matrix()
//                         into a target that is not n x n
// VMATH_WrongArithmeticalOperation uses 0 (eDivisionByZero) for a divisor too close to zero.
//
// Choices:
// - Codes 4 to 6 are distinct from the fixed codes 1 to 3, so a caller can tell every misuse
//   apart. The one-argument constructors default their code to 0 (eUnspecified /
//   eDivisionByZero).
// - `getCode()` reads the code; there is no setter.
// - A line number beyond the range of `int` is shown clamped to that range.
// - VMATH_DivergenceEquationSol and VMATH_FloatingPointError are never thrown by the library;
//   they exist for callers.
#ifndef ORVANE_MATH_MATH_EXCEPTION_H
#define ORVANE_MATH_MATH_EXCEPTION_H

#include "orvane/base/exception.h"
#include "orvane/base/export.h"

// The root of the family; only its members are thrown.
class ORVANE_API VMATH_Exception : public V_Exception {
public:
    // Copies announce nothing.
    VMATH_Exception(const VMATH_Exception& other);
    VMATH_Exception& operator=(const VMATH_Exception& other);
    ~VMATH_Exception() override;

protected:
    VMATH_Exception();

    // The announcement every constructor of the family runs: start, end.
    void announce() const;
    // The same with a source location between start and end.
    void announce(const char* file, long line) const;
};

// An equation solver did not converge.
class ORVANE_API VMATH_DivergenceEquationSol : public VMATH_Exception {
public:
    // Announces an empty bracket, or one with the source location.
    VMATH_DivergenceEquationSol();
    VMATH_DivergenceEquationSol(const char* file, long line);
    // Copies announce nothing.
    VMATH_DivergenceEquationSol(const VMATH_DivergenceEquationSol& other);
    VMATH_DivergenceEquationSol& operator=(const VMATH_DivergenceEquationSol& other);
    ~VMATH_DivergenceEquationSol() override;
};

// A numerical integration did not converge.
class ORVANE_API VMATH_DivergenceIntegralSol : public VMATH_Exception {
public:
    // Announces an empty bracket, or one with the source location.
    VMATH_DivergenceIntegralSol();
    VMATH_DivergenceIntegralSol(const char* file, long line);
    // Copies announce nothing.
    VMATH_DivergenceIntegralSol(const VMATH_DivergenceIntegralSol& other);
    VMATH_DivergenceIntegralSol& operator=(const VMATH_DivergenceIntegralSol& other);
    ~VMATH_DivergenceIntegralSol() override;
};

// A matrix operation was given operands it cannot handle; `getCode()` tells which misuse.
class ORVANE_API VMATH_WrongMatrixOperation : public VMATH_Exception {
public:
    // The misuse, as listed above.
    enum Code : long {
        eUnspecified = 0,
        eBadColumnIndex = 1,
        eProductMismatch = 2,
        eNotSquare = 3,
        eBadRowIndex = 4,
        eBadDimensions = 5,
        eDimensionMismatch = 6,
    };

    // Keeps the code and announces an empty bracket, or one with the source location.
    explicit VMATH_WrongMatrixOperation(long errorCode = eUnspecified);
    VMATH_WrongMatrixOperation(const char* file, long line, long errorCode);
    // Copies announce nothing.
    VMATH_WrongMatrixOperation(const VMATH_WrongMatrixOperation& other);
    VMATH_WrongMatrixOperation& operator=(const VMATH_WrongMatrixOperation& other);
    ~VMATH_WrongMatrixOperation() override;

    // The code given at construction.
    long getCode() const { return code; }

private:
    long code;
};

// An arithmetic operation cannot be carried out (a division by a value too close to zero).
class ORVANE_API VMATH_WrongArithmeticalOperation : public VMATH_Exception {
public:
    // The only code: a division by a value too close to zero.
    enum Code : long {
        eDivisionByZero = 0,
    };

    // Keeps the code and announces an empty bracket, or one with the source location.
    explicit VMATH_WrongArithmeticalOperation(long errorCode = eDivisionByZero);
    VMATH_WrongArithmeticalOperation(const char* file, long line, long errorCode);
    // Copies announce nothing.
    VMATH_WrongArithmeticalOperation(const VMATH_WrongArithmeticalOperation& other);
    VMATH_WrongArithmeticalOperation& operator=(const VMATH_WrongArithmeticalOperation& other);
    ~VMATH_WrongArithmeticalOperation() override;

    // The code given at construction.
    long getCode() const { return code; }

private:
    long code;
};

// A value is not a number (thrown by sign() for a NaN).
class ORVANE_API VMATH_WrongNumber : public VMATH_Exception {
public:
    // Announces an empty bracket, or one with the source location.
    VMATH_WrongNumber();
    VMATH_WrongNumber(const char* file, long line);
    // Copies announce nothing.
    VMATH_WrongNumber(const VMATH_WrongNumber& other);
    VMATH_WrongNumber& operator=(const VMATH_WrongNumber& other);
    ~VMATH_WrongNumber() override;
};

// A floating-point fault.
class ORVANE_API VMATH_FloatingPointError : public VMATH_Exception {
public:
    // Announces an empty bracket, or one with the source location.
    VMATH_FloatingPointError();
    VMATH_FloatingPointError(const char* file, long line);
    // Copies announce nothing.
    VMATH_FloatingPointError(const VMATH_FloatingPointError& other);
    VMATH_FloatingPointError& operator=(const VMATH_FloatingPointError& other);
    ~VMATH_FloatingPointError() override;
};

#endif
