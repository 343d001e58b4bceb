// orvane-tools parse: read typed text in a unit as an internal value.
#include <cstdio>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "unit_args.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools parse KIND UNIT TEXT...\n"
    "       orvane-tools parse KIND TEXT            (in the kind's current unit)\n"
    "\n"
    "Reads TEXT as a user types it into a field in UNIT and prints the internal value\n"
    "(millimetres, mm\u00B2, mm\u00B3 or radians) with 12 significant digits. TEXT is an\n"
    "arithmetic expression in the unit; ft-in also reads feet-and-inch notation (5', 3\",\n"
    "5'-3 1/2\", -1/2\") and reads a plain expression as inches. Several words are joined with\n"
    "blanks; quote the text for the shell.\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools parse length m '1.5+1'\n"
    "  2500\n"
    "  $ orvane-tools parse length ft-in \"5'-3 1/2\\\"\"\n"
    "  1612.9\n"
    "  $ orvane-tools parse angle deg 90\n"
    "  1.57079632679\n"
    "\n"
    "A rejected text gives exit code 1.\n";

int run(const Args& args) {
    if (args.positional.size() < 2)
        return usageError("parse", "needs KIND [UNIT] TEXT (see --help)");
    const UnitKind* kind = findKind("parse", args.positional[0]);
    if (kind == nullptr) return kUsage;
    loadCurrentUnits();
    const bool unitGiven = args.positional.size() >= 3;
    const VLOCN_AbstractRepresentation* rep =
        unitGiven ? findUnit("parse", *kind, args.positional[1]) : currentUnit(*kind);
    if (rep == nullptr) return kUsage;
    const std::string text = joined(std::vector<std::string>(
        args.positional.begin() + (unitGiven ? 2 : 1), args.positional.end()));
    double value = 0;
    if (!readInUnit("parse", *kind, rep, text, value)) return kRejected;
    std::printf("%s\n", internalText(value).c_str());
    return kOk;
}

}  // namespace

const Command kParseCommand = {
    "parse", "read typed text in a unit as an internal value", kUsageText, &run, {}};

}  // namespace cli
