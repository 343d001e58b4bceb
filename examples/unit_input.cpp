// Typed input of a length in the current unit.
//
// The application keeps lengths in millimetres and shows them in the current length unit, which
// the user chose earlier and the settings file remembers. This program reads that choice (metres
// when there is none), then turns typed texts into millimetres and back into display text:
//
//   unit_input                  # a few sample texts in the current unit
//   unit_input '2.5' '1/2+1'    # your own texts
//
// It only reads the settings file; it changes nothing there.
#include <orvane/tools.h>

#include <cstdio>

namespace {

// Makes the stored length unit current without writing anything back. A missing value reads
// as 0, which setFromRegistry turns into metres.
void loadCurrentLengthUnit() {
    const VSYST_RegistryKey settings(VSYST_RegistryStandardKey::ApplicationSettings, false);
    bool found = false;
    VLOCN_BaseLengthClass::setFromRegistry(settings.getIntValue("LengthSettings", found));
}

// Reads `text` in `unit`; prints what it means and shows it back. False when it is rejected.
bool readLength(const VLOCN_AbstractRepresentation& unit, const char* text) {
    double mm = 0;
    if (!unit.asFloat(text, mm)) {
        std::printf("%-12s rejected\n", text);
        return false;
    }
    std::printf("%-12s = %.4f mm, shown as %s %s\n", text, mm, unit.asString(mm).data(),
                unit.getUnitDescription().data());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    loadCurrentLengthUnit();
    const VLOCN_AbstractRepresentation* current = VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_ACTUAL);
    std::printf("current length unit: %s\n", current->getUnitDescriptionComposed().data());

    bool allRead = true;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            allRead = readLength(*current, argv[i]) && allRead;
        return allRead ? 0 : 1;
    }

    // Expressions in the current unit: "1/2" divides whole numbers (0), "1.0/2" does not.
    for (const char* text : {"2.5", "1.5+1", "1.0/2", "3*(2+1.5)"})
        allRead = readLength(*current, text) && allRead;

    // Any unit can be asked for by its code, whatever is current: here feet and inches.
    const VLOCN_AbstractRepresentation* feetInch = VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_FEET_INCH);
    allRead = readLength(*feetInch, "5'-3 1/2\"") && allRead;

    // A text that is no length is rejected, and the caller's value is not to be trusted then.
    double mm = 0;
    const bool rejected = !current->asFloat("3 apples", mm);
    std::printf("%-12s %s\n", "3 apples", rejected ? "rejected" : "accepted?");
    return allRead && rejected ? 0 : 1;
}
