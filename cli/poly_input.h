// Reading and printing the numbers of the polynomial commands (roots, minmax).
#ifndef ORVANE_CLI_POLY_INPUT_H
#define ORVANE_CLI_POLY_INPUT_H

#include <string>
#include <vector>

namespace cli {

// Evaluates `text` as an expression (as `eval` does) into a finite double. On failure it reports
// on standard error (the caret for a rejected entry, or that the value is not finite) and returns
// false.
bool readNumber(const char* command, const std::string& text, double& value);

// Reads coefficients written from the highest power down into `ascending` (element i is the
// coefficient of x^i), dropping leading zeros so that the size tells the degree. An empty result
// means every coefficient was 0. Returns false after reporting the first entry that is rejected.
bool readCoefficients(const char* command, const std::vector<std::string>& words,
                      std::vector<double>& ascending);

// The shortest text of `value` with up to 13 decimals, as `eval` prints it; "-0.0" reads "0.0".
std::string numberText(double value);

// The same for a root found by iteration, first rounded to 8 decimals: the root finders stop
// once |p(x)| is below 1e-9, which can leave the ninth decimal uncertain.
std::string rootText(double value);

}  // namespace cli

#endif
