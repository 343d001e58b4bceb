// The notes on surprising readings: one place decides when each is printed.
#include "reading_notes.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <orvane/tools.h>

#include "diagnostics.h"
#include "literals.h"
#include "number_input.h"

namespace cli {

namespace {

bool g_quiet = false;

void note(const char* command, const std::string& text) {
    if (!g_quiet) std::fprintf(stderr, "orvane-tools %s: note: %s\n", command, text.c_str());
}

// The characters of the expression syntax; the evaluator skips every other one.
bool inSyntax(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           std::string("+-*/()., \t").find(c) != std::string::npos;
}

// Evaluates `text` as a double with the evaluator's rules; its diagnostics were shown already.
bool evaluated(const std::string& text, std::vector<double>& values) {
    DiagnosticCapture quiet("", DiagnosticCapture::Lines::hidden);
    evalInfo info;
    double value = 0.0;
    const bool ok = VSTRI_Toolbox::evaluate(text.c_str(), value, info);
    values.assign(1, value);
    return quiet.finish() == 0 && ok;
}

std::string listed(const std::vector<double>& values) {
    std::string text;
    for (const double v : values)
        text += (text.empty() ? "" : ", ") + formatNumber(v);
    return text;
}

void noteIntegerArithmetic(const char* command, const std::string& text,
                           const EntryReader& evaluate) {
    if (!hasIntegerLiteral(text)) return;
    std::vector<double> integer, real;
    std::vector<long> origin;
    if (!evaluate(text, integer) || !evaluate(floatingLiterals(text, origin), real)) return;
    if (integer.size() != real.size() || integer == real) return;
    bool wrapped = true;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (!std::isfinite(integer[i]) || !std::isfinite(real[i])) return;
        const double wraps = (real[i] - integer[i]) / 4294967296.0;
        wrapped = wrapped && wraps == std::round(wraps);
    }
    if (!wrapped && text.find('/') == std::string::npos) return;  // no cause to name
    const char* what = wrapped ? "wrapped at 32 bits" : "divided without remainder";
    note(command, "'" + text + "' was read with 32-bit integer arithmetic as " + listed(integer) +
                      " (integers " + what + "); real arithmetic gives " + listed(real));
}

// The value of a run of digits, wrapped to 32 bits; `wrapped` tells whether it had to be.
std::uint32_t digitValue(const std::string& digits, bool& wrapped) {
    std::uint64_t value = 0;
    wrapped = false;
    for (const char d : digits) {
        value = value * 10 + static_cast<std::uint64_t>(d - '0');
        if (value > 0xFFFFFFFFull) {
            wrapped = true;
            value &= 0xFFFFFFFFull;
        }
    }
    return static_cast<std::uint32_t>(value);
}

void noteWrappedDigits(const char* command, const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        const std::string digits = text.substr(start, i - start);
        bool wrapped = false;
        const std::uint32_t value = digitValue(digits, wrapped);
        if (wrapped) {
            note(command,
                 "the number " + digits + " wrapped at 32 bits to " + std::to_string(value));
        }
    }
}

void noteFeetInch(const char* command, const std::string& text) {
    long feet = 0;
    unsigned long inches = 0, denominator = 0, numerator = 0;
    if (VLOCN_FeetInchRepresentation::stringToTupel(text.c_str(), feet, inches, denominator,
                                                    numerator)) {
        noteWrappedDigits(command, text);
        return;
    }
    if (text.find_first_of("'\"") != std::string::npos) {
        note(command, "'" + text +
                          "' is not in feet-and-inch notation: it was read as a plain expression "
                          "in inches, the marks skipped");
    } else {
        noteSkippedBytes(command, text);
    }
    noteIntegerArithmetic(command, text, evaluated);
}

}  // namespace

void noteSkippedBytes(const char* command, const std::string& text) {
    std::string skipped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (inSyntax(text[i])) continue;
        if (!skipped.empty()) skipped += ", ";
        skipped += byte >= 0x20 && byte < 0x7F
                       ? "'" + std::string(1, text[i]) + "'"
                       : V_STRING::formatted("byte 0x%02X", static_cast<unsigned>(byte)).str();
        skipped += " at character " + std::to_string(i + 1);
    }
    if (!skipped.empty()) note(command, "skipped outside the expression syntax: " + skipped);
}

void noteReading(const char* command, const std::string& text, Reading how) {
    if (g_quiet) return;
    switch (how) {
        case Reading::realNumber:
            noteSkippedBytes(command, text);
            break;
        case Reading::expression:
            noteSkippedBytes(command, text);
            noteIntegerArithmetic(command, text, evaluated);
            break;
        case Reading::feetInch:
            noteFeetInch(command, text);
            break;
    }
}

void noteEntry(const char* command, const std::string& text, const EntryReader& read) {
    if (g_quiet) return;
    noteSkippedBytes(command, text);
    noteIntegerArithmetic(command, text, read);
}

void setNotesQuiet(bool quiet) {
    g_quiet = quiet;
}

}  // namespace cli
