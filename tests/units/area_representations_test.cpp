#include <gtest/gtest.h>
#include <orvane/units/area_representations.h>

#include "support/representation_checks.h"

TEST(VLOCN_BaseAreaClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    checkUnits<VLOCN_BaseAreaClass>(
        {unit<VLOCN_QuadratMillimeter>(0x3001, 301, "mm\xFD", "mm\xFD", 1.0, 1.0),
         unit<VLOCN_QuadratCentimeter>(0x3002, 302, "cm\xFD", "cm\xFD", 0.01, 100.0),
         unit<VLOCN_QuadratDecimeter>(0x3003, 303, "dm\xFD", "dm\xFD", 0.0001, 10000.0),
         unit<VLOCN_QuadratMeter>(0x3004, 304, "m\xFD", "m\xFD", 1e-6, 1e6),
         unit<VLOCN_QuadratKilometer>(0x3005, 305, "km\xFD", "km\xFD", 1e-12, 1e12),
         unit<VLOCN_SquareInch>(0x3006, 306, "sq.in.", "sqare inch", 0.0015500031000062, 645.16),
         unit<VLOCN_SquareFeet>(0x3007, 307, "sq.ft.", "square feet", 1.0763910416709721e-5,
                                92903.04000000001),
         unit<VLOCN_SquareYard>(0x3008, 308, "sq.yd.", "square yard", 1.1959900463010804e-6,
                                836127.36)},
        "AreaUnitChanged", "AreaSettings", "1", VLOCN_QuadratMeter::thisRepresentation(), {309, 0});
    EXPECT_EQ(VLOCN_SquareFeet::thisRepresentation()->getUnitDescriptionComposed().str(),
              "square feet [sq.ft.]");
    EXPECT_EQ(VLOCN_BaseAreaClass::getMin(), -1e12);
    EXPECT_EQ(VLOCN_BaseAreaClass::getMax(), 1e12);
}
