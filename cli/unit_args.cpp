// Kind and unit names of the unit commands, shared by units, format, parse, convert and current.
#include "unit_args.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "command.h"
#include "diagnostics.h"
#include "reading_notes.h"

namespace cli {

namespace {

struct NamedCode {
    VLOCN_Unit::REPS code;
    const char* ascii;
};

const NamedCode kNames[] = {
    {VLOCN_Unit::ANGLE_RAD, "rad"},      {VLOCN_Unit::ANGLE_DEG, "deg"},
    {VLOCN_Unit::ANGLE_GON, "gon"},      {VLOCN_Unit::LENGTH_MM, "mm"},
    {VLOCN_Unit::LENGTH_CM, "cm"},       {VLOCN_Unit::LENGTH_DM, "dm"},
    {VLOCN_Unit::LENGTH_M, "m"},         {VLOCN_Unit::LENGTH_KM, "km"},
    {VLOCN_Unit::LENGTH_INCH, "in"},     {VLOCN_Unit::LENGTH_FEET, "ft"},
    {VLOCN_Unit::LENGTH_MILES, "mi"},    {VLOCN_Unit::LENGTH_FEET_INCH, "ft-in"},
    {VLOCN_Unit::AREA_MM2, "mm2"},       {VLOCN_Unit::AREA_CM2, "cm2"},
    {VLOCN_Unit::AREA_DM2, "dm2"},       {VLOCN_Unit::AREA_M2, "m2"},
    {VLOCN_Unit::AREA_KM2, "km2"},       {VLOCN_Unit::AREA_SQ_INCH, "sq-in"},
    {VLOCN_Unit::AREA_SQ_FEET, "sq-ft"}, {VLOCN_Unit::AREA_SQ_YARD, "sq-yd"},
    {VLOCN_Unit::VOLUME_MM3, "mm3"},     {VLOCN_Unit::VOLUME_CM3, "cm3"},
    {VLOCN_Unit::VOLUME_DM3, "dm3"},     {VLOCN_Unit::VOLUME_M3, "m3"},
};

// Unicode code points of the bytes 0x80 to 0xFF of code page 850.
const std::uint16_t kCodePage850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string validNames(const UnitKind& kind) {
    std::string list;
    for (VLOCN_Unit::REPS code : kind.codes) {
        const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);
        if (!list.empty()) list += ", ";
        list += asciiName(code);
        const std::string shown = displayText(rep->getUnitDescription());
        if (shown != asciiName(code)) list += " (" + shown + ")";
    }
    return list;
}

}  // namespace

const std::vector<UnitKind>& unitKinds() {
    static const std::vector<UnitKind> kinds = {
        {"angle",
         "rad",
         VLOCN_Unit::ANGLE_ACTUAL,
         {VLOCN_Unit::ANGLE_RAD, VLOCN_Unit::ANGLE_DEG, VLOCN_Unit::ANGLE_GON},
         &VLOCN_BaseAngleClass::setFromRegistry},
        {"length",
         "mm",
         VLOCN_Unit::LENGTH_ACTUAL,
         {VLOCN_Unit::LENGTH_MM, VLOCN_Unit::LENGTH_CM, VLOCN_Unit::LENGTH_DM, VLOCN_Unit::LENGTH_M,
          VLOCN_Unit::LENGTH_KM, VLOCN_Unit::LENGTH_INCH, VLOCN_Unit::LENGTH_FEET,
          VLOCN_Unit::LENGTH_MILES, VLOCN_Unit::LENGTH_FEET_INCH},
         &VLOCN_BaseLengthClass::setFromRegistry},
        {"area",
         "mm\u00B2",
         VLOCN_Unit::AREA_ACTUAL,
         {VLOCN_Unit::AREA_MM2, VLOCN_Unit::AREA_CM2, VLOCN_Unit::AREA_DM2, VLOCN_Unit::AREA_M2,
          VLOCN_Unit::AREA_KM2, VLOCN_Unit::AREA_SQ_INCH, VLOCN_Unit::AREA_SQ_FEET,
          VLOCN_Unit::AREA_SQ_YARD},
         &VLOCN_BaseAreaClass::setFromRegistry},
        {"volume",
         "mm\u00B3",
         VLOCN_Unit::VOLUME_ACTUAL,
         {VLOCN_Unit::VOLUME_MM3, VLOCN_Unit::VOLUME_CM3, VLOCN_Unit::VOLUME_DM3,
          VLOCN_Unit::VOLUME_M3},
         &VLOCN_BaseVolumeClass::setFromRegistry},
    };
    return kinds;
}

const UnitKind* findKind(const char* command, const std::string& name) {
    for (const UnitKind& kind : unitKinds()) {
        if (name == kind.name) return &kind;
    }
    usageError(command, "unknown kind '" + name + "'; the kinds are angle, length, area, volume");
    return nullptr;
}

const char* asciiName(VLOCN_Unit::REPS code) {
    for (const NamedCode& n : kNames) {
        if (n.code == code) return n.ascii;
    }
    return "";
}

const VLOCN_AbstractRepresentation* findUnit(const char* command, const UnitKind& kind,
                                             const std::string& name) {
    for (VLOCN_Unit::REPS code : kind.codes) {
        const VLOCN_AbstractRepresentation* rep = VLOCN_Unit::getRep(code);
        const V_STRING& text = rep->getUnitDescription();
        if (name == asciiName(code) || name == text.str() || name == displayText(text)) return rep;
    }
    usageError(command, "unknown " + std::string(kind.name) + " unit '" + name +
                            "'; the units are " + validNames(kind));
    return nullptr;
}

const VLOCN_AbstractRepresentation* currentUnit(const UnitKind& kind) {
    return VLOCN_Unit::getRep(kind.actual);
}

std::string displayText(const V_STRING& text) {
    std::string out;
    for (const char c : text.str()) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte < 0x80 ? byte : kCodePage850[byte - 0x80]);
    }
    return out;
}

std::string padded(const std::string& text, std::size_t width) {
    std::size_t columns = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++columns;
    }
    return columns < width ? text + std::string(width - columns, ' ') : text;
}

void loadCurrentUnits() {
    VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, false);
    for (const UnitKind& kind : unitKinds()) {
        // A missing value reads as 0, which every kind maps to its default unit.
        bool found = false;
        const char* name = VLOCN_Unit::getRep(kind.codes.front())->getRegistryValueName();
        kind.setFromRegistry(key.getIntValue(name, found));
    }
}

bool readInUnit(const char* command, const UnitKind& kind, const VLOCN_AbstractRepresentation* rep,
                const std::string& text, double& value) {
    bool ok = false;
    std::size_t diagnostics = 0;
    {
        DiagnosticCapture capture(command);
        ok = rep->asFloat(text.c_str(), value);
        diagnostics = capture.finish();
    }
    if (!ok || diagnostics > 0) {
        std::fprintf(stderr, "orvane-tools %s: '%s' is not a %s in %s\n", command, text.c_str(),
                     kind.name, displayText(rep->getUnitDescription()).c_str());
        return false;
    }
    const bool feetInch = rep == VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_FEET_INCH);
    noteReading(command, text, feetInch ? Reading::feetInch : Reading::expression);
    return true;
}

std::string internalText(double value) {
    return V_STRING::formatted("%.12g", value).str();
}

}  // namespace cli
