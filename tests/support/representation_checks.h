// Checks a family of unit representations (angles, lengths, areas, volumes) from one table:
//
//   checkUnits<VLOCN_BaseVolumeClass>(
//       {unit<VLOCN_KubikMillimeter>(0x4001, 401, "mm\xFC", "mm\xFC", 1.0, 1.0), ...},
//       "VolumeUnitChanged", "VolumeSettings", "1", VLOCN_KubikMeter::thisRepresentation(),
//       {0, 405});
#ifndef ORVANE_TESTS_SUPPORT_REPRESENTATION_CHECKS_H
#define ORVANE_TESTS_SUPPORT_REPRESENTATION_CHECKS_H

#include <gtest/gtest.h>
#include <orvane/units/abstract_representation.h>
#include <orvane/units/unit.h>

#include <cmath>
#include <initializer_list>

// One unit: its VLOCN_Unit code, registry number, short and long text, conversion factor, and
// what the family's sample text reads as in the base unit (NaN: not checked here).
struct UnitRow {
    const VLOCN_AbstractRepresentation* rep;
    int code;
    long number;
    const char* shortText;
    const char* longText;
    double scale;
    double sample;
};

// The row of representation class `Rep`; also checks that the class's static number and text
// are those of its representation.
template <class Rep>
UnitRow unit(int code, long number, const char* shortText, const char* longText, double scale,
             double sample = std::nan("")) {
    EXPECT_EQ(Rep::getUnitRegistryNumberStatic(), number) << shortText;
    EXPECT_EQ(&Rep::getUnitDescriptionStatic(), &Rep::thisRepresentation()->getUnitDescription())
        << shortText;
    return {Rep::thisRepresentation(), code, number, shortText, longText, scale, sample};
}

// Checks every row through the abstract interface and VLOCN_Unit::getRep, that
// `Base::setFromRegistry` makes each one
// current, and that the numbers in `others` pick `fallback`, which is left current at the end.
template <class Base>
void checkUnits(std::initializer_list<UnitRow> rows, const char* event, const char* valueName,
                const char* sampleText, const VLOCN_AbstractRepresentation* fallback,
                std::initializer_list<long> others) {
    const VLOCN_AbstractRepresentation* previous = fallback;
    for (const UnitRow& row : rows) {
        SCOPED_TRACE(row.longText);
        EXPECT_EQ(VLOCN_Unit::getRep(static_cast<VLOCN_Unit::REPS>(row.code)), row.rep);
        EXPECT_EQ(row.rep->getUnitRegistryNumber(), row.number);
        EXPECT_EQ(row.rep->getUnitDescription().str(), row.shortText);
        EXPECT_EQ(row.rep->getUnitDescriptionLong().str(), row.longText);
        EXPECT_EQ(row.rep->getConversionScalar(), row.scale);
        EXPECT_STREQ(row.rep->getEventName(), event);
        EXPECT_STREQ(row.rep->getRegistryValueName(), valueName);
        double v = 0;
        if (!std::isnan(row.sample)) {
            EXPECT_TRUE(row.rep->asFloat(sampleText, v));
            EXPECT_EQ(v, row.sample);
        }
        Base::setFromRegistry(previous->getUnitRegistryNumber());
        Base::setFromRegistry(row.number);
        EXPECT_EQ(Base::getActual(), row.rep);
        EXPECT_TRUE(row.rep->isActualRep());
        previous = row.rep;
    }
    for (long number : others) {
        Base::setFromRegistry(rows.begin()->number);
        Base::setFromRegistry(number);
        EXPECT_EQ(Base::getActual(), fallback) << number;
    }
}

#endif
