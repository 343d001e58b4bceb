// orvane-tools matrix: invert a matrix or solve a linear system read from standard input.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "number_input.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools matrix inverse   < MATRIX\n"
    "       orvane-tools matrix solve     < SYSTEM\n"
    "\n"
    "Reads a matrix from standard input, one row per line, the entries separated by blanks or\n"
    "commas. Each entry is a real number, written as an expression ('1.5', '-3', '1/3'; integer\n"
    "literals are read as floating ones, so '1/3' is a third). Blank lines and lines starting\n"
    "with '#' are skipped.\n"
    "\n"
    "  inverse   an n x n matrix; prints its inverse, one row per line (Gauss-Jordan with\n"
    "            partial pivoting; a pivot below 1e-15 counts as singular)\n"
    "  solve     an n x (n + 1) augmented system [A | b]; prints x1 .. xn of A·x = b\n"
    "            (Gaussian elimination with partial pivoting)\n"
    "\n"
    "A singular matrix is answered with a line starting 'singular' and exit code 1.\n"
    "\n"
    "Example:\n"
    "  $ printf '0 1 2\\n1 0 3\\n' | orvane-tools matrix solve\n"
    "  x1 = 3.0\n"
    "  x2 = 2.0\n";

using Rows = std::vector<std::vector<double>>;

// Splits a line into its entries at blanks, tabs and commas.
std::vector<std::string> entriesOf(const std::string& line) {
    std::vector<std::string> entries;
    std::string current;
    for (const char ch : line) {
        if (ch == ' ' || ch == '\t' || ch == ',') {
            if (!current.empty()) entries.push_back(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.empty()) entries.push_back(current);
    return entries;
}

// Reads the rows from standard input; false after reporting what is wrong with them.
bool readRows(Rows& rows) {
    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> entries = entriesOf(line);
        if (entries.empty() || entries[0][0] == '#') continue;
        std::vector<double> row;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            double value = 0;
            const std::string what =
                "line " + std::to_string(lineNumber) + ", entry " + std::to_string(i + 1);
            if (!readNumber("matrix", what, entries[i], value)) return false;
            row.push_back(value);
        }
        if (!rows.empty() && row.size() != rows[0].size()) {
            std::fprintf(stderr, "orvane-tools matrix: line %ld has %zu %s, the first row %zu\n",
                         lineNumber, row.size(), row.size() == 1 ? "entry" : "entries",
                         rows[0].size());
            return false;
        }
        rows.push_back(row);
    }
    if (rows.empty()) {
        std::fprintf(stderr, "orvane-tools matrix: no matrix on standard input\n");
        return false;
    }
    return true;
}

int invert(const Rows& rows) {
    const long n = static_cast<long>(rows.size());
    if (rows[0].size() != rows.size()) {
        std::fprintf(stderr, "orvane-tools matrix: inverse needs a square matrix, got %ld x %zu\n",
                     n, rows[0].size());
        return kRejected;
    }
    VMATH_Matrix m(n);
    for (long i = 0; i < n; ++i)
        for (long j = 0; j < n; ++j)
            m.At(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    VMATH_Matrix inverse(n);
    if (m.inverse_matrix(inverse) != 0) {
        std::printf("singular: the matrix has no inverse\n");
        return kRejected;
    }
    for (long i = 0; i < n; ++i) {
        std::string line;
        for (long j = 0; j < n; ++j) {
            if (j > 0) line += ' ';
            line += formatNumber(inverse.At(i, j));
        }
        std::printf("%s\n", line.c_str());
    }
    return kOk;
}

int solveSystem(const Rows& rows) {
    const std::size_t n = rows.size();
    if (rows[0].size() != n + 1) {
        std::fprintf(
            stderr,
            "orvane-tools matrix: solve needs n rows of n + 1 entries [A | b], got %zu x %zu\n", n,
            rows[0].size());
        return kRejected;
    }
    double** a = VMATH_Matrix::createMatrix(n, n + 1);
    if (a == nullptr) {
        std::fprintf(stderr, "orvane-tools matrix: out of memory\n");
        return kRejected;
    }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j <= n; ++j)
            a[i][j] = rows[i][j];
    std::vector<double> x(n);
    const long status = VMATH_Matrix::gaussj(a, x.data(), static_cast<long>(n), false);
    VMATH_Matrix::destroyMatrix(a, n);
    bool finite = true;
    for (const double v : x)
        finite = finite && std::isfinite(v);
    // Elimination tests only the last pivot for zero; an earlier zero pivot shows as inf or NaN.
    if (status != 0 || !finite) {
        std::printf("singular: the system has no unique solution\n");
        return kRejected;
    }
    for (std::size_t i = 0; i < n; ++i)
        std::printf("x%zu = %s\n", i + 1, formatNumber(x[i]).c_str());
    return kOk;
}

int run(const Args& args) {
    if (args.positional.size() != 1)
        return usageError("matrix", "needs 'inverse' or 'solve' (see --help)");
    const std::string what = args.positional[0];
    if (what != "inverse" && what != "solve")
        return usageError("matrix", "unknown operation '" + what + "' (inverse or solve)");
    Rows rows;
    if (!readRows(rows)) return kRejected;
    return what == "inverse" ? invert(rows) : solveSystem(rows);
}

}  // namespace

const Command kMatrixCommand = {
    "matrix", "invert a matrix or solve a linear system", kUsageText, &run, {},
};

}  // namespace cli
