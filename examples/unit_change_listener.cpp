// Listening for a change of the current length unit.
//
// Whoever shows lengths (a ruler, a dimension, an input field) listens for "LengthUnitChanged"
// and reads the new current unit when it hears it. `setAsActualRep` makes a unit current, stores
// its number in the settings file (so the choice outlives the program) and then tells every
// listener, synchronously and oldest first.
//
// The program switches the length unit to inches and to feet-and-inches, then puts back the unit
// it found (metres when the settings had none), so the settings file ends with the same choice.
#include <orvane/tools.h>

#include <cstdio>

namespace {

// Redraws a length whenever the current length unit changes.
class Ruler : public VSHSI_EventListenerImpl {
public:
    explicit Ruler(double mm) : VSHSI_EventListenerImpl("LengthUnitChanged"), m_mm(mm) {}

    // The event carries no data: the listener asks for the new current unit itself.
    void onEvent(const void*) override {
        const VLOCN_AbstractRepresentation* unit = VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_ACTUAL);
        std::printf("ruler: %s %s\n", unit->asString(m_mm).data(),
                    unit->getUnitDescription().data());
        ++m_redraws;
    }

    int redraws() const { return m_redraws; }

private:
    double m_mm;
    int m_redraws = 0;
};

}  // namespace

int main() {
    // The unit the settings hold now; 0 when there is none, which means metres.
    {
        const VSYST_RegistryKey settings(VSYST_RegistryStandardKey::ApplicationSettings, false);
        bool found = false;
        VLOCN_BaseLengthClass::setFromRegistry(settings.getIntValue("LengthSettings", found));
    }
    const VLOCN_BaseLengthClass* before = VLOCN_BaseLengthClass::getActual();
    std::printf("current: %s\n", before->getUnitDescriptionComposed().data());

    Ruler ruler(1612.9);                                                   // 5'-3 1/2"
    VLOCN_InchConversion::thisRepresentation()->setAsActualRep();          // ruler: 63.5 in.
    VLOCN_FeetInchRepresentation::thisRepresentation()->setAsActualRep();  // ruler: 5'-3 1/2"
    VLOCN_FeetInchRepresentation::thisRepresentation()->setAsActualRep();  // current already: quiet
    before->setAsActualRep();                                              // back, heard again

    std::printf("redraws: %d\n", ruler.redraws());
    // Inches and feet-and-inches are heard; the repeated call is not. Putting back the unit is
    // heard too, unless it was one of the two.
    const bool backToInchOrFeetInch = before == VLOCN_InchConversion::thisRepresentation() ||
                                      before == VLOCN_FeetInchRepresentation::thisRepresentation();
    return ruler.redraws() == (backToInchOrFeetInch ? 2 : 3) ? 0 : 1;
}
