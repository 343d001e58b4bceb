#include <gtest/gtest.h>
#include <orvane/units/feet_inch_representation.h>
#include <orvane/units/length_representations.h>

#include <string>

#include "support/representation_checks.h"

namespace {

std::string shown(const VLOCN_AbstractRepresentation* rep, double mm) {
    return rep->asString(mm).str();
}

}  // namespace

TEST(VLOCN_BaseLengthClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    const double perInch = 0.03937007874015748;
    checkUnits<VLOCN_BaseLengthClass>(
        {unit<VLOCN_MillimeterConversion>(0x2001, 201, "mm", "mm", 1.0, 2.5),
         unit<VLOCN_CentimeterConversion>(0x2002, 202, "cm", "cm", 0.1, 25),
         unit<VLOCN_DecimeterConversion>(0x2003, 203, "dm", "dm", 0.01, 250),
         unit<VLOCN_MeterConversion>(0x2004, 204, "m", "m", 0.001, 2500),
         unit<VLOCN_KilometerConversion>(0x2005, 205, "km", "km", 1e-6, 2500000),
         unit<VLOCN_FeetInchRepresentation>(0x2009, 206, "ft./in.", "ft./in.", perInch),
         unit<VLOCN_InchConversion>(0x2006, 207, "in.", "in.", perInch, 63.5),
         unit<VLOCN_FeetConversion>(0x2007, 208, "ft.", "ft.", 0.0032808398950131233, 762),
         unit<VLOCN_MilesConversion>(0x2008, 209, "mi.", "mi.", 6.21371192237334e-7, 4023360)},
        "LengthUnitChanged", "LengthSettings", "2.5", VLOCN_MeterConversion::thisRepresentation(),
        {210, 0, -201});
    EXPECT_EQ(VLOCN_BaseLengthClass::getMin(), -1e12);
    EXPECT_EQ(VLOCN_BaseLengthClass::getMax(), 1e12);
    VLOCN_KilometerConversion::setAsActual();
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), VLOCN_KilometerConversion::thisRepresentation());
    VLOCN_MeterConversion::setAsActual();
}

TEST(VLOCN_BaseLengthClass, ShowsValuesInEachUnit) {
    EXPECT_EQ(shown(VLOCN_MillimeterConversion::thisRepresentation(), 1234.5678), "1234.568");
    EXPECT_EQ(shown(VLOCN_CentimeterConversion::thisRepresentation(), 12.34), "1.234");
    EXPECT_EQ(shown(VLOCN_DecimeterConversion::thisRepresentation(), 1234.5678), "12.346");
    const VLOCN_AbstractRepresentation* m = VLOCN_MeterConversion::thisRepresentation();
    EXPECT_EQ(shown(m, 1234.5), "1.2345");
    EXPECT_EQ(shown(m, 1000), "1");
    EXPECT_EQ(shown(m, 5), "0.005");
    EXPECT_EQ(shown(m, 1.23456), "0.0012346");  // below 0.01: 7 decimals
    EXPECT_EQ(shown(VLOCN_KilometerConversion::thisRepresentation(), 1234567.8), "1.234568");
    EXPECT_EQ(shown(VLOCN_InchConversion::thisRepresentation(), 25.4), "1");
    EXPECT_EQ(shown(VLOCN_InchConversion::thisRepresentation(), 1), "0.0393700787");
    EXPECT_EQ(shown(VLOCN_FeetConversion::thisRepresentation(), 304.8), "1");
    EXPECT_EQ(shown(VLOCN_MilesConversion::thisRepresentation(), 1609344), "1");
    EXPECT_EQ(shown(VLOCN_MilesConversion::thisRepresentation(), 1000), "0.000621371192");
}
