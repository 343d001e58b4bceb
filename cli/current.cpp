// orvane-tools current: show or set the current unit of each kind.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "unit_args.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools current                 the current unit of every kind\n"
    "       orvane-tools current KIND            the current unit of one kind\n"
    "       orvane-tools current KIND UNIT       make UNIT the current unit of KIND\n"
    "\n"
    "The current unit of a kind is the display unit the application uses for it. Setting it\n"
    "stores its registry number in the settings file (the file named by ORVANE_REGISTRY, or\n"
    "$XDG_CONFIG_HOME/orvane/registry.ini) and announces the change to the kind's listeners;\n"
    "format and parse use it when no UNIT is given. KIND is angle, length, area or volume;\n"
    "'orvane-tools units' lists the unit names.\n"
    "\n"
    "Examples:\n"
    "  orvane-tools current length ft-in         length  ft-in  ft./in.  (was m)\n"
    "  orvane-tools format length 1612.9         5'-3 1/2\"\n";

// "length  ft-in  ft./in."
std::string describe(const UnitKind& kind, const VLOCN_AbstractRepresentation* rep) {
    std::string name = "?";
    for (VLOCN_Unit::REPS code : kind.codes) {
        if (VLOCN_Unit::getRep(code) == rep) name = asciiName(code);
    }
    return V_STRING::formatted("%-7s %-6s %s", kind.name, name.c_str(),
                               displayText(rep->getUnitDescription()).c_str())
        .str();
}

int run(const Args& args) {
    if (args.positional.size() > 2)
        return usageError("current", "needs [KIND [UNIT]] (see --help)");
    loadCurrentUnits();
    if (args.positional.empty()) {
        for (const UnitKind& kind : unitKinds()) {
            std::printf("%s\n", describe(kind, currentUnit(kind)).c_str());
        }
        return kOk;
    }
    const UnitKind* kind = findKind("current", args.positional[0]);
    if (kind == nullptr) return kUsage;
    const VLOCN_AbstractRepresentation* before = currentUnit(*kind);
    if (args.positional.size() == 1) {
        std::printf("%s\n", describe(*kind, before).c_str());
        return kOk;
    }
    const VLOCN_AbstractRepresentation* rep = findUnit("current", *kind, args.positional[1]);
    if (rep == nullptr) return kUsage;
    rep->setAsActualRep();
    std::string line = describe(*kind, currentUnit(*kind));
    if (before == rep) {
        line += "  (unchanged)";
    } else {
        line += "  (was " + displayText(before->getUnitDescription()) + ")";
    }
    std::printf("%s\n", line.c_str());
    return kOk;
}

}  // namespace

const Command kCurrentCommand = {
    "current", "show or set the current unit of a kind", kUsageText, &run, {}};

}  // namespace cli
