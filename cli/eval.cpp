// orvane-tools eval: evaluate an arithmetic expression.
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include <orvane/tools.h>

#include "command.h"

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
    "  (default)    read the result as a double, printed with up to 13 decimals\n"
    "\n"
    "Examples:\n"
    "  orvane-tools eval '3*(2+1.5)'       10.5\n"
    "  orvane-tools eval --int 7/2         3\n"
    "  orvane-tools eval 3-5               4294967294.0\n"
    "\n"
    "A rejected entry is shown with a caret under the character where reading stopped; the exit\n"
    "code is then 1. With '-', every line is answered on its own line of standard output.\n";

template <class T>
bool same(T a, T b) {
    return a == b;
}
template <>
bool same<double>(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Evaluates into a T, telling whether the result was a value at all: an entry whose result has
// no value (a symbol such as 'A') leaves the output as it was, which shows as two runs from
// different start values disagreeing. The second run's diagnostics are not shown again.
template <class T>
bool evaluateValue(const std::string& text, T& value, bool& hasValue, evalInfo& info) {
    T first = T(0);
    if (!VSTRI_Toolbox::evaluate(text.c_str(), first, info)) return false;
    T second = T(1);
    std::ostringstream ignored;
    std::ostream* previous = VSYST_DumpStream::redirect(&ignored);
    evalInfo again;
    VSTRI_Toolbox::evaluate(text.c_str(), second, again);
    VSYST_DumpStream::redirect(previous);
    hasValue = same(first, second);
    value = first;
    return true;
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
    std::printf("%s\n", result.c_str());
    return hasValue ? kOk : kRejected;
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
