// Reading and printing the numbers of the numeric commands.
#include "number_input.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

NumberRead readNumber(const std::string& text, double& value, long& position) {
    evalInfo info;
    double first = 0.0;
    if (!VSTRI_Toolbox::evaluate(text.c_str(), first, info)) {
        position = info.position;
        return NumberRead::rejected;
    }
    // A symbol leaves the output as it was: two runs from different start values disagree. The
    // second run's diagnostics were shown by the first already.
    double second = 1.0;
    std::ostringstream ignored;
    std::ostream* previous = VSYST_DumpStream::redirect(&ignored);
    evalInfo again;
    VSTRI_Toolbox::evaluate(text.c_str(), second, again);
    VSYST_DumpStream::redirect(previous);
    if (!(first == second || (std::isnan(first) && std::isnan(second)))) return NumberRead::noValue;
    if (!std::isfinite(first)) return NumberRead::notFinite;
    value = first;
    return NumberRead::ok;
}

void reportNumber(const char* command, const std::string& what, const std::string& text,
                  NumberRead how, long position) {
    switch (how) {
        case NumberRead::rejected:
            std::fprintf(stderr, "orvane-tools %s: %s rejected at character %ld\n", command,
                         what.c_str(), position);
            printCaret(stderr, text, position);
            break;
        case NumberRead::noValue:
            std::fprintf(stderr, "orvane-tools %s: %s '%s' has no value\n", command, what.c_str(),
                         text.c_str());
            break;
        case NumberRead::notFinite:
            std::fprintf(stderr, "orvane-tools %s: %s '%s' is not a finite number\n", command,
                         what.c_str(), text.c_str());
            break;
        case NumberRead::ok:
            break;
    }
}

std::string formatNumber(double value) {
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    const std::string printed = text.data();
    // A tiny negative value rounds to "-0.0"; show the zero without a sign.
    return printed == "-0.0" ? std::string("0.0") : printed;
}

}  // namespace cli
