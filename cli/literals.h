// Integer literals of an expression rewritten as floating ones.
//
// The evaluator reads digits alone as 32-bit unsigned integers, so '1/3' is 0 and '0-3' is
// 4294967293. The numeric commands take real numbers: they evaluate the text with every integer
// literal made floating ('1/3' becomes '1./3.'), and the reading notes compare both readings.
//
//   std::vector<long> origin;
//   floatingLiterals("2*(1/3)", origin);   // "2.*(1./3.)"
//
// Choices: digits inside a name ('A1') and the digits of a floating literal ('1.5', '2e3',
// '1E-2') are left alone; the point keywords x, y, z, p and d before digits ('x5') are no name.
#ifndef ORVANE_CLI_LITERALS_H
#define ORVANE_CLI_LITERALS_H

#include <string>
#include <vector>

namespace cli {

// `text` with a '.' after every integer literal. origin[i] is the 1-based position in `text` of
// the character at position i + 1 of the result, so that a caret can point into the original.
std::string floatingLiterals(const std::string& text, std::vector<long>& origin);

// Whether `text` holds an integer literal at all.
bool hasIntegerLiteral(const std::string& text);

}  // namespace cli

#endif
