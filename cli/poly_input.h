// Reading and printing the numbers of the polynomial commands (roots, minmax).
#ifndef ORVANE_CLI_POLY_INPUT_H
#define ORVANE_CLI_POLY_INPUT_H

#include <string>
#include <vector>

namespace cli {

// Reads coefficients written from the highest power down into `ascending` (element i is the
// coefficient of x^i) with the number reader, dropping leading zeros so that the size tells the
// degree. An empty result means every coefficient was 0. Returns false after reporting the first
// entry that is rejected.
bool readCoefficients(const char* command, const std::vector<std::string>& words,
                      std::vector<double>& ascending);

// A root found by iteration, rounded to 8 decimals and printed with at most 8 ("1.00001424",
// "3.0"): the root finders stop once |p(x)| is below 1e-9, so further digits would be noise.
// Beyond 1e15 in magnitude, where a double has no fraction left, as formatNumber prints it.
std::string rootText(double value);

}  // namespace cli

#endif
