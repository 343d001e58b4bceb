// orvane-tools eval: evaluate an arithmetic expression.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "diagnostics.h"
#include "reading_notes.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools eval [--int | --unsigned] TEXT\n"
    "       orvane-tools eval [--int | --unsigned] -      (one entry per line from standard "
    "input)\n"
    "\n"
    "Evaluates an arithmetic expression as a typed input field would: + - * / with the usual\n"
    "precedence, parentheses, signs, integer and floating literals. Digits alone are 32-bit\n"
    "unsigned integers and integer arithmetic stays integer ('7/2' is 3, '7/2.0' is 3.5).\n"
    "\n"
    "  --int        read the result as a signed 32-bit integer (clamped)\n"
    "  --unsigned   read the result as an unsigned 32-bit integer (clamped)\n"
    "  (default)    read the result as a double, printed with up to 13 decimals; a NaN prints\n"
    "               as '-nan' or 'nan', with the sign the operation left on it\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools eval '3*(2+1.5)'\n"
    "  10.5\n"
    "  $ orvane-tools eval --int 7/2\n"
    "  3\n"
    "  $ orvane-tools eval --quiet 3-5\n"
    "  4294967294.0\n"
    "  $ orvane-tools eval 0.0/0\n"
    "  -nan\n"
    "  $ orvane-tools eval -- -2147483648/-1\n"
    "  2147483648.0\n"
    "\n"
    "A rejected entry is shown with a caret under the character where reading stopped; the exit\n"
    "code is then 1. With '-', every line is answered on its own line of standard output.\n";

// Evaluates into a T. A diagnostic of the library during the entry (a symbol such as 'A' has
// no value) leaves `hasValue` false: the entry was not read as a number.
template <class T>
bool evaluateValue(const std::string& text, T& value, bool& hasValue, evalInfo& info) {
    DiagnosticCapture capture("eval");
    const bool ok = VSTRI_Toolbox::evaluate(text.c_str(), value, info);
    hasValue = capture.finish() == 0;
    return ok;
}

// Evaluates one entry; returns the answer line, or an empty string when the entry was rejected
// (with `position` set).
std::string answer(const std::string& text, const Args& args, long& position, bool& hasValue) {
    evalInfo info;
    bool ok = false;
    std::string printed;
    if (args.has("--int")) {
        long value = 0;
        ok = evaluateValue(text, value, hasValue, info);
        printed = std::to_string(value);
    } else if (args.has("--unsigned")) {
        unsigned long value = 0;
        ok = evaluateValue(text, value, hasValue, info);
        printed = std::to_string(value);
    } else {
        double value = 0;
        ok = evaluateValue(text, value, hasValue, info);
        V_STRING formatted;
        VSTRI_Toolbox::format(value, formatted);
        printed = formatted.data();
    }
    position = info.position;
    if (!ok) return std::string();
    return hasValue ? printed : std::string("(no value)");
}

int evalOne(const std::string& text, const Args& args, bool lineMode) {
    long position = 0;
    bool hasValue = false;
    const std::string result = answer(text, args, position, hasValue);
    if (result.empty()) {
        if (lineMode) std::printf("rejected at character %ld\n", position);
        reportRejected("eval", text, position);
        return kRejected;
    }
    if (!hasValue) {
        if (lineMode) std::printf("%s\n", result.c_str());
        std::fprintf(stderr, "orvane-tools eval: '%s' has no value\n", text.c_str());
        return kRejected;
    }
    std::printf("%s\n", result.c_str());
    noteReading(
        "eval", text,
        args.has("--int") || args.has("--unsigned") ? Reading::realNumber : Reading::expression);
    return kOk;
}

int run(const Args& args) {
    if (args.has("--int") && args.has("--unsigned")) {
        return usageError("eval", "--int and --unsigned exclude each other");
    }
    if (args.positional.empty()) return usageError("eval", "needs TEXT or '-' (see --help)");
    if (args.positional.size() == 1 && args.positional[0] == "-") {
        return forEachInputLine([&](const std::string& line) { return evalOne(line, args, true); });
    }
    return evalOne(joined(args.positional), args, false);
}

}  // namespace

const Command kEvalCommand = {
    "eval", "evaluate an arithmetic expression",       kUsageText,
    &run,   {{"--int", false}, {"--unsigned", false}},
};

}  // namespace cli
