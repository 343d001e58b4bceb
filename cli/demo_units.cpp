// The demo's section on units: typed values in several units and a change of the current unit.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <orvane/tools.h>

#include "demo.h"
#include "unit_args.h"

namespace cli {

namespace {

void showIn(const char* what, double internal, std::initializer_list<VLOCN_Unit::REPS> codes) {
    std::printf("%s\n", what);
    for (VLOCN_Unit::REPS code : codes) {
        const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);
        std::printf("  %s %s\n", padded(displayText(rep->getUnitDescription()), 10).c_str(),
                    rep->asString(internal).data());
    }
}

void typeIn(VLOCN_Unit::REPS code, const char* text, const char* internalUnit) {
    const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);
    double value = 0;
    const bool ok = rep->asFloat(text, value);
    std::printf("  %-12s typed in %s -> %s\n", text,
                padded(displayText(rep->getUnitDescription()), 8).c_str(),
                ok ? (internalText(value) + " " + internalUnit).c_str() : "rejected");
}

class LengthUnitWatcher : public VSHSI_EventListenerImpl {
public:
    LengthUnitWatcher() : VSHSI_EventListenerImpl("LengthUnitChanged") {}
    void onEvent(const void*) override {
        const VLOCN_BaseLengthClass* now = VLOCN_BaseLengthClass::getActual();
        std::printf(
            "  a listener heard \"LengthUnitChanged\": lengths now show as %s, 1612.9 mm "
            "as %s\n",
            now->getUnitDescription().data(), now->asString(1612.9).data());
    }
};

// Points the settings file at a temporary one while it lives, so that the demo leaves the
// user's settings alone.
class ScratchSettings {
public:
    ScratchSettings() {
        const char* previous = std::getenv("ORVANE_REGISTRY");
        m_hadPrevious = previous != nullptr;
        if (m_hadPrevious) m_previous = previous;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-demo-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) m_dir = pattern;
        m_path = (m_dir.empty() ? std::string("/nonexistent-orvane-demo") : m_dir) + "/demo.ini";
        setenv("ORVANE_REGISTRY", m_path.c_str(), 1);
    }
    ~ScratchSettings() {
        if (m_hadPrevious) {
            setenv("ORVANE_REGISTRY", m_previous.c_str(), 1);
        } else {
            unsetenv("ORVANE_REGISTRY");
        }
        std::error_code ignored;
        if (!m_dir.empty()) std::filesystem::remove_all(m_dir, ignored);
    }
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    std::string contents() const {
        std::ifstream in(m_path);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

private:
    std::string m_dir, m_path, m_previous;
    bool m_hadPrevious = false;
};

}  // namespace

void demoUnits() {
    showIn("A length of 1612.9 mm, shown in several units:", 1612.9,
           {VLOCN_Unit::LENGTH_MM, VLOCN_Unit::LENGTH_M, VLOCN_Unit::LENGTH_INCH,
            VLOCN_Unit::LENGTH_FEET, VLOCN_Unit::LENGTH_FEET_INCH});
    std::printf("What a user types, read as an internal value:\n");
    typeIn(VLOCN_Unit::LENGTH_FEET_INCH, "5'-3 1/2\"", "mm");
    typeIn(VLOCN_Unit::LENGTH_FEET_INCH, "-1/2\"", "mm");
    typeIn(VLOCN_Unit::LENGTH_FEET_INCH, "2*6", "mm");
    typeIn(VLOCN_Unit::LENGTH_M, "1.5+1", "mm");
    typeIn(VLOCN_Unit::LENGTH_M, "1/2", "mm");
    typeIn(VLOCN_Unit::LENGTH_M, "1.0/2", "mm");
    typeIn(VLOCN_Unit::LENGTH_FEET_INCH, "5'3 1/2\"", "mm");

    showIn("\nA right angle:", 1.5707963267948966,
           {VLOCN_Unit::ANGLE_RAD, VLOCN_Unit::ANGLE_DEG, VLOCN_Unit::ANGLE_GON});
    typeIn(VLOCN_Unit::ANGLE_DEG, "3*30", "rad");
    typeIn(VLOCN_Unit::ANGLE_GON, "100", "rad");

    showIn("\nAn area of 2 500 000 mm\u00B2:", 2500000,
           {VLOCN_Unit::AREA_M2, VLOCN_Unit::AREA_CM2, VLOCN_Unit::AREA_SQ_FEET,
            VLOCN_Unit::AREA_SQ_YARD});
    typeIn(VLOCN_Unit::AREA_SQ_YARD, "1.5", "mm\u00B2");

    std::printf("\nChanging the current length unit (in a scratch settings file):\n");
    const VLOCN_BaseLengthClass* before = VLOCN_BaseLengthClass::getActual();
    {
        ScratchSettings scratch;
        VLOCN_MeterConversion::setAsActual();  // as at start-up: no write, no event
        LengthUnitWatcher watcher;
        std::printf("  choosing ft./in.:\n");
        VLOCN_FeetInchRepresentation::thisRepresentation()->setAsActualRep();
        std::printf("  choosing ft./in. again announces nothing.\n");
        VLOCN_FeetInchRepresentation::thisRepresentation()->setAsActualRep();
        std::printf("  the settings file now holds:\n");
        std::istringstream lines(scratch.contents());
        for (std::string line; std::getline(lines, line);)
            std::printf("    %s\n", line.c_str());
    }
    if (before != nullptr) {
        // Back to the unit the program started with, again without a write or an event.
        VLOCN_BaseLengthClass::setFromRegistry(before->getUnitRegistryNumber());
    }
}

}  // namespace cli
