// The one reader of the numeric arguments of orvane-tools.
//
// solve, roots, minmax, matrix, paper and format take real numbers. Each number is an expression
// as `orvane-tools eval` reads it ('1.5', '-3', '2*0.25', '1/3'), except that integer literals
// are read as floating ones: '1/3' is one third and '0-3' is -3, not the 32-bit integers that
// eval computes with. A number must be finite, and an entry during which the library writes a
// diagnostic (a symbol such as 'A', a division by zero) is rejected with that diagnostic.
//
//   double a;
//   if (!readNumber("roots", "coefficient 1", "1/3", a)) return kRejected;   // a == 1/3.0
#ifndef ORVANE_CLI_NUMBER_INPUT_H
#define ORVANE_CLI_NUMBER_INPUT_H

#include <string>

namespace cli {

// Reads `text` as one finite real number into `value`. On failure it explains on standard error
// why `text` (described by `what`, e.g. "coefficient B") is no number: the library's diagnostic,
// the text with a caret under the character where reading stopped, or that the value is not
// finite; and returns false with `value` unchanged. A skipped byte is noted after success.
bool readNumber(const char* command, const std::string& what, const std::string& text,
                double& value);

// The shortest fixed-point text with up to 13 decimals ("2.0", "0.3333333333333"); a zero prints
// without a sign ("0.0", also for -1e-20).
std::string formatNumber(double value);

}  // namespace cli

#endif
