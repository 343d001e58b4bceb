// orvane-tools format: show an internal value in a unit.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "number_input.h"
#include "unit_args.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools format KIND [UNIT] VALUE\n"
    "\n"
    "Shows an internal VALUE (millimetres for a length, mm\u00B2 for an area, mm\u00B3 for a\n"
    "volume, radians for an angle) as text in UNIT, as the application displays it. Without\n"
    "UNIT the kind's current unit is used (see 'orvane-tools current'). KIND is angle, length,\n"
    "area or volume; 'orvane-tools units' lists the unit names. VALUE is a real number, written\n"
    "as an expression ('1000/3'; integer literals are read as floating ones).\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools format length ft-in 1612.9\n"
    "  5'-3 1/2\"\n"
    "  $ orvane-tools format length m 1234.5\n"
    "  1.2345\n"
    "  $ orvane-tools format length m 1000/3\n"
    "  0.3333\n"
    "  $ orvane-tools format angle deg 1.5707963\n"
    "  90.00\n"
    "  $ orvane-tools format area sq-ft 92903.04\n"
    "  1\n";

int run(const Args& args) {
    if (args.positional.size() < 2 || args.positional.size() > 3) {
        return usageError("format", "needs KIND [UNIT] VALUE (see --help)");
    }
    const UnitKind* kind = findKind("format", args.positional[0]);
    if (kind == nullptr) return kUsage;
    loadCurrentUnits();
    const VLOCN_AbstractRepresentation* rep = args.positional.size() == 3
                                                  ? findUnit("format", *kind, args.positional[1])
                                                  : currentUnit(*kind);
    if (rep == nullptr) return kUsage;
    double value = 0.0;
    if (!readNumber("format", "VALUE", args.positional.back(), value)) return kRejected;
    std::printf("%s\n", rep->asString(value).data());
    return kOk;
}

}  // namespace

const Command kFormatCommand = {"format", "show an internal value in a unit", kUsageText, &run, {}};

}  // namespace cli
