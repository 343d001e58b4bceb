// orvane-tools current: show or set the current unit of each kind.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "diagnostics.h"
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
    "  $ orvane-tools current length ft-in\n"
    "  length  ft-in  ft./in.  (was m)\n"
    "  $ orvane-tools format length 1612.9\n"
    "  5'-3 1/2\"\n";

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

// Whether the settings file now holds `rep` as the current unit of `kind`.
bool stored(const UnitKind& kind, const VLOCN_AbstractRepresentation* rep) {
    VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, false);
    bool found = false;
    const char* name = VLOCN_Unit::getRep(kind.codes.front())->getRegistryValueName();
    const long number = key.getIntValue(name, found);
    return found && number == rep->getUnitRegistryNumber();
}

// The settings file named by ORVANE_REGISTRY, when that names one.
std::string settingsPath() {
    const char* path = std::getenv("ORVANE_REGISTRY");
    return path != nullptr ? path : "";
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
    {
        DiagnosticCapture capture("current");
        rep->setAsActualRep();
        // The library does not report a failed write: read the stored number back.
        if (capture.finish() > 0 || !stored(*kind, rep)) {
            std::fprintf(stderr,
                         "orvane-tools current: the %s unit could not be saved in the settings "
                         "file%s%s; it stays %s\n",
                         kind->name, settingsPath().empty() ? "" : " ", settingsPath().c_str(),
                         displayText(before->getUnitDescription()).c_str());
            return kRejected;
        }
    }
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
