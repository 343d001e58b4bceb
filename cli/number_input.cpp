// Reading and printing the numbers of the numeric commands.
#include "number_input.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "diagnostics.h"
#include "literals.h"
#include "reading_notes.h"

namespace cli {

bool readNumber(const char* command, const std::string& what, const std::string& text,
                double& value) {
    std::vector<long> origin;
    const std::string real = floatingLiterals(text, origin);
    evalInfo info;
    double result = 0.0;
    bool ok = false;
    {
        DiagnosticCapture capture(command);
        ok = VSTRI_Toolbox::evaluate(real.c_str(), result, info);
        if (capture.finish() > 0) {
            std::fprintf(stderr, "orvane-tools %s: %s '%s' is rejected\n", command, what.c_str(),
                         text.c_str());
            return false;
        }
    }
    if (!ok) {
        const std::size_t at = info.position < 1 ? 0 : static_cast<std::size_t>(info.position) - 1;
        const long position = at < origin.size() ? origin[at] : static_cast<long>(text.size()) + 1;
        std::fprintf(stderr, "orvane-tools %s: %s rejected at character %ld\n", command,
                     what.c_str(), position);
        printCaret(stderr, text, position);
        return false;
    }
    if (!std::isfinite(result)) {
        std::fprintf(stderr, "orvane-tools %s: %s '%s' is not a finite number\n", command,
                     what.c_str(), text.c_str());
        return false;
    }
    value = result;
    noteReading(command, text, Reading::realNumber);
    return true;
}

std::string formatNumber(double value) {
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    const std::string printed = text.data();
    // A tiny negative value rounds to "-0.0"; show the zero without a sign.
    return printed == "-0.0" ? std::string("0.0") : printed;
}

}  // namespace cli
