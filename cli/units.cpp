// orvane-tools units: list every unit representation.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "unit_args.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools units\n"
    "\n"
    "Lists every unit representation: its kind, the name to use on the command line, its REPS\n"
    "code, its registry number, its short and long text. A '*' marks the current unit of each\n"
    "kind (see 'orvane-tools current').\n"
    "\n"
    "Internal values are millimetres, square and cubic millimetres and radians; 'format' shows\n"
    "them in a unit, 'parse' reads typed text back, 'convert' does both.\n";

int run(const Args& args) {
    if (!args.positional.empty()) return usageError("units", "takes no arguments");
    loadCurrentUnits();
    std::printf("%s%s%s%s%s%s\n", padded("kind", 8).c_str(), padded("name", 7).c_str(),
                padded("code", 8).c_str(), padded("reg", 5).c_str(), padded("short", 9).c_str(),
                "long");
    for (const UnitKind& kind : unitKinds()) {
        const VLOCN_AbstractRepresentation* current = currentUnit(kind);
        for (VLOCN_Unit::REPS code : kind.codes) {
            const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);
            char number[16];
            std::snprintf(number, sizeof number, "0x%04X", static_cast<unsigned>(code));
            std::string line = padded(kind.name, 8) + padded(asciiName(code), 7) +
                               padded(number, 8) +
                               padded(std::to_string(rep->getUnitRegistryNumber()), 5) +
                               padded(displayText(rep->getUnitDescription()), 9) +
                               padded(displayText(rep->getUnitDescriptionLong()), 12);
            if (rep == current) line += "*";
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            std::printf("%s\n", line.c_str());
        }
    }
    return kOk;
}

}  // namespace

const Command kUnitsCommand = {"units", "list the unit representations", kUsageText, &run, {}};

}  // namespace cli
