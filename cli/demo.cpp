// orvane-tools demo: a short tour of what the library does.
#include <cstdio>

#include "command.h"
#include "demo.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools demo\n"
    "\n"
    "A short tour of the library: each section calls the library on a few inputs and prints what\n"
    "it answered.\n";

struct Section {
    const char* title;
    void (*show)();
};

const Section kSections[] = {
    {"Typed input: expressions and point entries", &demoEvaluator},
    {"Text: patterns, separated strings, HTML", &demoText},
    {"Named events", &demoEvents},
    {"Numerics: equations, integrals, roots and matrices", &demoNumerics},
    {"Polynomials: roots and extreme values", &demoPolynomials},
    {"Units: lengths, angles and areas as the user sees and types them", &demoUnits},
};

int run(const Args& args) {
    if (!args.positional.empty()) return usageError("demo", "takes no arguments");
    std::printf("Orvane Tools: a tour\n");
    for (const Section& section : kSections) {
        std::printf("\n== %s ==\n", section.title);
        section.show();
    }
    return kOk;
}

}  // namespace

const Command kDemoCommand = {"demo", "a short tour of the library", kUsageText, &run, {}};

}  // namespace cli
