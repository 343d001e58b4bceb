// The demo's section on the expression evaluator.
#include <cstdio>
#include <sstream>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "demo.h"

namespace cli {

namespace {

std::string formatted(double value) {
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    return text.data();
}

}  // namespace

void demoEvaluator() {
    std::printf("What a user types into a number field, read as a double:\n");
    for (const char* text : {"3*(2+1.5)", "1.25e3/4-7", "7/2", "7/2.0", "2--3"}) {
        double value = 0;
        VSTRI_Toolbox::evaluate(text, value);
        std::printf("  %-14s -> %s\n", text, formatted(value).c_str());
    }
    long clamped = 0;
    VSTRI_Toolbox::evaluate("3-5", clamped);
    std::printf(
        "Digits are unsigned 32-bit integers: '3-5' wraps to 4294967294, which a long\n"
        "field clamps to %ld.\n",
        clamped);

    std::printf("\nPoint entries, starting from (10, 20):\n");
    for (const char* text : {"5,-5", "x5, y5", "x5,", "d 2, 0", "p 2, 0"}) {
        double x = 10, y = 20;
        VSTRI_Toolbox::evaluate(text, x, y);
        std::printf("  %-14s -> (%s, %s)\n", text, formatted(x).c_str(), formatted(y).c_str());
    }

    std::printf("\nA rejected entry tells where reading stopped:\n");
    double value = 0;
    evalInfo info;
    const bool ok = VSTRI_Toolbox::evaluate("12 abc", value, info);
    std::printf("  '12 abc' -> %s at character %ld\n", ok ? "accepted" : "rejected",
                static_cast<long>(info.position));
    printCaret(stdout, "12 abc", info.position);
}

}  // namespace cli
