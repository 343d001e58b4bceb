// Notes on how an accepted entry was read.
//
// The library reads typed text by fixed rules that can surprise a person: digits alone are
// 32-bit unsigned integers ('3-5' is 4294967294, '1/3' is 0), bytes outside the expression
// syntax are skipped ('3é+1' is 4), and a length in feet and inches that is not in the notation
// falls back to a plain expression in inches ("1.5'" is 1.5 inches). The value stays what the
// library says; after an accepted entry, noteReading prints one line on standard error for each
// such reading, "orvane-tools CMD: note: ...". --quiet silences them.
//
//   noteReading("eval", "1/3", Reading::expression);
//   // orvane-tools eval: note: '1/3' was read with 32-bit integer arithmetic as 0.0 (integers
//   // divided without remainder); real arithmetic gives 0.3333333333333
//
// Choices: a difference from real arithmetic by a whole multiple of 2^32 is named a wrap, any
// other one a division without remainder, and that only when the text divides; a difference
// with neither cause is not noted. A mark in a feet-and-inch text that the notation does not
// take is the sign of a fallback; a text without marks is a plain expression by design.
#ifndef ORVANE_CLI_READING_NOTES_H
#define ORVANE_CLI_READING_NOTES_H

#include <functional>
#include <string>
#include <vector>

namespace cli {

// How the library read the entry.
enum class Reading {
    realNumber,  // the number reader: integer literals were floating already; skipped bytes only
    expression,  // the evaluator's own rules: integer wrap and division, skipped bytes
    feetInch,    // the feet-and-inch notation, or its fallback to an expression in inches
};

// Prints the notes that apply to the accepted `text`, unless notes are silenced.
void noteReading(const char* command, const std::string& text, Reading how);

// Reads an entry that is not one number, as a command does (a point entry from its start
// point): true with the values, or false. Its diagnostics need not be shown.
using EntryReader = std::function<bool(const std::string& text, std::vector<double>& values)>;

// noteReading for such an entry, read by the evaluator's rules: skipped bytes, and integer
// arithmetic compared with the same entry in real arithmetic.
void noteEntry(const char* command, const std::string& text, const EntryReader& read);

// The part of noteReading that every reading shares: bytes the evaluator skips.
void noteSkippedBytes(const char* command, const std::string& text);

// Silences (true) or restores the notes for the rest of the run.
void setNotesQuiet(bool quiet);

}  // namespace cli

#endif
