// Numbers that a user types for the numeric commands, read with the library's evaluator.
//
// Each number is an expression as `orvane-tools eval` reads it ('1.5', '-3', '2*0.25'), so the
// commands accept the same input as a number field of the application.
#ifndef ORVANE_CLI_NUMBER_INPUT_H
#define ORVANE_CLI_NUMBER_INPUT_H

#include <string>

namespace cli {

enum class NumberRead {
    ok,
    rejected,   // the evaluator stopped at `position`
    noValue,    // a symbol such as 'A': accepted, but without a value
    notFinite,  // infinite or NaN, e.g. '1e400'
};

// Reads `text` as one finite double into `value`; `position` tells where a rejected text
// stopped. The evaluator's own diagnostics go to standard error.
NumberRead readNumber(const std::string& text, double& value, long& position);

// Explains on standard error why `text` (described by `what`, e.g. "coefficient B") is no number:
// "orvane-tools <command>: <what> ..." and, for a rejected text, the text with a caret.
void reportNumber(const char* command, const std::string& what, const std::string& text,
                  NumberRead how, long position);

// The shortest fixed-point text with up to 13 decimals ("2.0", "0.3333333333333"); a zero prints
// without a sign ("0.0", also for -1e-20).
std::string formatNumber(double value);

}  // namespace cli

#endif
