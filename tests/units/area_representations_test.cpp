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

TEST(VLOCN_BaseAreaClass, ShowsAndReadsAreas) {
    EXPECT_EQ(VLOCN_QuadratMeter::thisRepresentation()->asString(2500000).str(), "2.5");
    EXPECT_EQ(VLOCN_QuadratMeter::thisRepresentation()->asString(5000).str(), "0.005");
    EXPECT_EQ(VLOCN_QuadratMillimeter::thisRepresentation()->asString(1.23456).str(), "1.235");
    EXPECT_EQ(VLOCN_QuadratCentimeter::thisRepresentation()->asString(150).str(), "1.5");
    EXPECT_EQ(VLOCN_QuadratDecimeter::thisRepresentation()->asString(15000).str(), "1.5");
    EXPECT_EQ(VLOCN_QuadratKilometer::thisRepresentation()->asString(2.5e12).str(), "2.5");
    EXPECT_EQ(VLOCN_SquareInch::thisRepresentation()->asString(645.16).str(), "1");
    EXPECT_EQ(VLOCN_SquareFeet::thisRepresentation()->asString(92903.04).str(), "1");
    EXPECT_EQ(VLOCN_SquareYard::thisRepresentation()->asString(836127.36).str(), "1");

    double v = 0;
    EXPECT_TRUE(VLOCN_QuadratMeter::thisRepresentation()->asFloat("1.5", v));
    EXPECT_EQ(v, 1500000);
    EXPECT_TRUE(VLOCN_QuadratMeter::thisRepresentation()->asFloat("2", v));
    EXPECT_EQ(v, 2000000);
    EXPECT_TRUE(VLOCN_SquareYard::thisRepresentation()->asFloat("1.5", v));
    EXPECT_EQ(v, 1254191.04);
    EXPECT_FALSE(VLOCN_SquareFeet::thisRepresentation()->asFloat("", v));
}
