#include <gtest/gtest.h>
#include <orvane/units/angle_representations.h>
#include <orvane/units/length_representations.h>

#include <string>
#include <tuple>

#include "support/representation_checks.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;

std::string shown(const VLOCN_AbstractRepresentation* rep, double rad) {
    return rep->asString(rad).str();
}

}  // namespace

TEST(VLOCN_BaseAngleClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    checkUnits<VLOCN_BaseAngleClass>(
        {unit<VLOCN_AngleRad>(0x1001, 101, "rad", "rad", 1.0),
         unit<VLOCN_AngleDeg>(0x1002, 102, "deg", "deg", 57.29577951308232),
         unit<VLOCN_AngleGon>(0x1003, 103, "gon", "gon", 63.66197723675814)},
        "AngleUnitChanged", "AngleSettings", "", VLOCN_AngleDeg::thisRepresentation(),
        {0, 104, 201});
    EXPECT_EQ(VLOCN_AngleDeg::thisRepresentation()->getUnitDescriptionComposed().str(),
              "deg [deg]");
    EXPECT_EQ(VLOCN_BaseAngleClass::getMin(), -6.283185307179586);
    EXPECT_EQ(VLOCN_BaseAngleClass::getMax(), 6.283185307179586);
    // The kinds are separate: a length change leaves the angle unit alone.
    VLOCN_MillimeterConversion::setAsActual();
    EXPECT_EQ(VLOCN_BaseAngleClass::getActual(), VLOCN_AngleDeg::thisRepresentation());
    EXPECT_FALSE(VLOCN_AngleGon::thisRepresentation()->isActualRep());
    VLOCN_MeterConversion::setAsActual();
}

TEST(VLOCN_BaseAngleClass, ShowsAnglesUntrimmed) {
    EXPECT_EQ(shown(VLOCN_AngleDeg::thisRepresentation(), kHalfPi), "90.00");
    EXPECT_EQ(shown(VLOCN_AngleDeg::thisRepresentation(), -0.001), "-0.06");
    EXPECT_EQ(shown(VLOCN_AngleGon::thisRepresentation(), kHalfPi), "100.00");
    EXPECT_EQ(shown(VLOCN_AngleRad::thisRepresentation(), kHalfPi), "1.5708");
    EXPECT_EQ(shown(VLOCN_AngleRad::thisRepresentation(), 0), "0.0000");
}

TEST(VLOCN_BaseAngleClass, ReadsIntoATemporaryAndKeepsValueOnRejection) {
    const std::tuple<const VLOCN_AbstractRepresentation*, const char*, double> cases[] = {
        {VLOCN_AngleDeg::thisRepresentation(), "90", kHalfPi},
        {VLOCN_AngleDeg::thisRepresentation(), "3*30", kHalfPi},
        {VLOCN_AngleDeg::thisRepresentation(), "45", 0.7853981633974483},
        {VLOCN_AngleGon::thisRepresentation(), "100", 1.5707963267948968},
        {VLOCN_AngleRad::thisRepresentation(), "0.5", 0.5}};
    double v = 0;
    for (const auto& [rep, text, rad] : cases) {
        EXPECT_TRUE(rep->asFloat(text, v)) << text;
        EXPECT_EQ(v, rad) << text;
    }
    for (const char* bad : {"", "2 3", "1+2)", "abc"}) {
        v = 42.0;
        EXPECT_FALSE(VLOCN_AngleDeg::thisRepresentation()->asFloat(bad, v)) << bad;
        EXPECT_EQ(v, 42.0) << bad;
        EXPECT_FALSE(VLOCN_AngleRad::thisRepresentation()->asFloat(bad, v)) << bad;
        EXPECT_EQ(v, 42.0) << bad;
    }
}

TEST(VLOCN_BaseAngleClass, FoldsAngles) {
    EXPECT_EQ(VLOCN_BaseAngleClass::map2PI(-7.0), -0.7168146928204138);
    EXPECT_EQ(VLOCN_BaseAngleClass::map2PI(7.0), 0.7168146928204138);
    EXPECT_EQ(VLOCN_BaseAngleClass::mapRange0to2PI(-7.0), -0.7168146928204138);
    EXPECT_EQ(VLOCN_BaseAngleClass::mapRange0to2PI(-1.0), 5.283185307179586);
    EXPECT_EQ(VLOCN_BaseAngleClass::mapRange0to2PI(1.0), 1.0);
    EXPECT_EQ(VLOCN_BaseAngleClass::mapRange0to2PI(0.0), 0.0);
    EXPECT_EQ(VLOCN_BaseAngleClass::map4PI(7.0), 7.0);
    EXPECT_EQ(VLOCN_BaseAngleClass::map4PI(13.0), 6.716814692820414);
    EXPECT_EQ(VLOCN_BaseAngleClass::map4PI(-13.0), -6.716814692820414);
    EXPECT_EQ(VLOCN_BaseAngleClass::map4PI(1.0), 1.0);
    EXPECT_EQ(VLOCN_BaseAngleClass::map4PI(6.283184), 6.283184);  // inside the tolerance
}
