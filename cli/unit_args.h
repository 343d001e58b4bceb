// What the unit commands of orvane-tools share: kind and unit names on the command line, the
// display of unit texts on a UTF-8 terminal, and the start-up that an application does.
#ifndef ORVANE_CLI_UNIT_ARGS_H
#define ORVANE_CLI_UNIT_ARGS_H

#include <cstddef>
#include <string>
#include <vector>

#include <orvane/tools.h>

namespace cli {

// One kind of value: its command-line name, the unit of its internal values and its REPS codes.
struct UnitKind {
    const char* name;          // "length"
    const char* internalUnit;  // "mm"
    VLOCN_Unit::REPS actual;   // LENGTH_ACTUAL
    std::vector<VLOCN_Unit::REPS> codes;
    void (*setFromRegistry)(long number);
};

// The four kinds: angle, length, area, volume.
const std::vector<UnitKind>& unitKinds();

// The kind of that name; null (after a usage message on standard error) when there is none.
const UnitKind* findKind(const char* command, const std::string& name);

// The plain ASCII name of a representation ("ft-in").
const char* asciiName(VLOCN_Unit::REPS code);

// The representation of `kind` that `name` names: its ASCII name or its short text (as stored
// or as shown on a UTF-8 terminal). Null, after a usage message listing the valid names, when
// there is none.
const VLOCN_AbstractRepresentation* findUnit(const char* command, const UnitKind& kind,
                                             const std::string& name);

// The kind's current representation (never null after loadCurrentUnits).
const VLOCN_AbstractRepresentation* currentUnit(const UnitKind& kind);

// A unit text (code page 850) as UTF-8, so that superscripts show on a terminal.
std::string displayText(const V_STRING& text);

// Pads UTF-8 `text` with blanks to `width` columns, counting each character once.
std::string padded(const std::string& text, std::size_t width);

// What an application does at start: reads the stored number of every kind's current
// representation from the registry and passes it to the kind's setFromRegistry.
void loadCurrentUnits();

// Reads `text` as typed in `rep`, a unit of `kind`, into the internal `value`. A text the unit
// rejects, or accepts only with a diagnostic of the library, is reported on standard error and
// gives false; an accepted one may be followed by reading notes.
bool readInUnit(const char* command, const UnitKind& kind, const VLOCN_AbstractRepresentation* rep,
                const std::string& text, double& value);

// An internal value with 12 significant digits ("1612.9", "2500", "1e+12").
std::string internalText(double value);

}  // namespace cli

#endif
