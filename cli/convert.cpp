// orvane-tools convert: read text in one unit and show it in another.
#include <cstdio>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "unit_args.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools convert KIND FROM TO TEXT...\n"
    "\n"
    "Reads TEXT as typed in unit FROM (see 'orvane-tools parse') and shows the value in unit TO\n"
    "(see 'orvane-tools format'). KIND is angle, length, area or volume; 'orvane-tools units'\n"
    "lists the unit names.\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools convert length ft-in m \"5'-3 1/2\\\"\"\n"
    "  1.6129\n"
    "  $ orvane-tools convert length m ft-in 2.5\n"
    "  8'-2 7/16\"\n"
    "  $ orvane-tools convert angle gon deg 100\n"
    "  90.00\n"
    "  $ orvane-tools convert area sq-yd m2 1.5\n"
    "  1.2542\n"
    "\n"
    "A rejected text gives exit code 1.\n";

int run(const Args& args) {
    if (args.positional.size() < 4) {
        return usageError("convert", "needs KIND FROM TO TEXT (see --help)");
    }
    const UnitKind* kind = findKind("convert", args.positional[0]);
    if (kind == nullptr) return kUsage;
    const VLOCN_AbstractRepresentation* from = findUnit("convert", *kind, args.positional[1]);
    if (from == nullptr) return kUsage;
    const VLOCN_AbstractRepresentation* to = findUnit("convert", *kind, args.positional[2]);
    if (to == nullptr) return kUsage;
    const std::string text =
        joined(std::vector<std::string>(args.positional.begin() + 3, args.positional.end()));
    double value = 0;
    if (!readInUnit("convert", *kind, from, text, value)) return kRejected;
    std::printf("%s\n", to->asString(value).data());
    return kOk;
}

}  // namespace

const Command kConvertCommand = {
    "convert", "read text in one unit and show it in another", kUsageText, &run, {}};

}  // namespace cli
