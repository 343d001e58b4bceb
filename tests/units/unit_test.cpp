#include <gtest/gtest.h>
#include <orvane/units/angle_representations.h>
#include <orvane/units/area_representations.h>
#include <orvane/units/feet_inch_representation.h>
#include <orvane/units/length_representations.h>
#include <orvane/units/scalar.h>
#include <orvane/units/unit.h>
#include <orvane/units/volume_representations.h>

#include <set>

TEST(VLOCN_Unit, MapsEveryCodeToItsSingleton) {
    const struct {
        int code;
        const VLOCN_AbstractRepresentation* rep;
    } table[] = {
        {0x0000, VLOCN_Scalar::thisRepresentation()},
        {0x1001, VLOCN_AngleRad::thisRepresentation()},
        {0x1002, VLOCN_AngleDeg::thisRepresentation()},
        {0x1003, VLOCN_AngleGon::thisRepresentation()},
        {0x2001, VLOCN_MillimeterConversion::thisRepresentation()},
        {0x2002, VLOCN_CentimeterConversion::thisRepresentation()},
        {0x2003, VLOCN_DecimeterConversion::thisRepresentation()},
        {0x2004, VLOCN_MeterConversion::thisRepresentation()},
        {0x2005, VLOCN_KilometerConversion::thisRepresentation()},
        {0x2006, VLOCN_InchConversion::thisRepresentation()},
        {0x2007, VLOCN_FeetConversion::thisRepresentation()},
        {0x2008, VLOCN_MilesConversion::thisRepresentation()},
        {0x2009, VLOCN_FeetInchRepresentation::thisRepresentation()},
        {0x3001, VLOCN_QuadratMillimeter::thisRepresentation()},
        {0x3002, VLOCN_QuadratCentimeter::thisRepresentation()},
        {0x3003, VLOCN_QuadratDecimeter::thisRepresentation()},
        {0x3004, VLOCN_QuadratMeter::thisRepresentation()},
        {0x3005, VLOCN_QuadratKilometer::thisRepresentation()},
        {0x3006, VLOCN_SquareInch::thisRepresentation()},
        {0x3007, VLOCN_SquareFeet::thisRepresentation()},
        {0x3008, VLOCN_SquareYard::thisRepresentation()},
        {0x4001, VLOCN_KubikMillimeter::thisRepresentation()},
        {0x4002, VLOCN_KubikCentimeter::thisRepresentation()},
        {0x4003, VLOCN_KubikDecimeter::thisRepresentation()},
        {0x4004, VLOCN_KubikMeter::thisRepresentation()},
    };
    std::set<const VLOCN_AbstractRepresentation*> distinct;
    for (const auto& row : table) {
        EXPECT_EQ(VLOCN_Unit::getRep(static_cast<VLOCN_Unit::REPS>(row.code)), row.rep)
            << std::hex << row.code;
        distinct.insert(row.rep);
    }
    EXPECT_EQ(distinct.size(), 25u);
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_INCH)->getUnitRegistryNumber(), 207);
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_FEET_INCH)->getUnitRegistryNumber(), 206);
    for (int unknown : {0x1004, 0x5000, 1, 0x200A, 0x3009, 0x4005, -1, 0x12001}) {
        EXPECT_EQ(VLOCN_Unit::getRep(static_cast<VLOCN_Unit::REPS>(unknown)), nullptr) << unknown;
        VLOCN_Unit::setLocalization(static_cast<VLOCN_Unit::REPS>(unknown), "x", "y");  // nothing
    }
}

TEST(VLOCN_Unit, ActualCodesFollowTheCurrentRepresentationAtCallTime) {
    VLOCN_AngleGon::setAsActual();
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::ANGLE_ACTUAL), VLOCN_AngleGon::thisRepresentation());
    const VLOCN_AbstractRepresentation* before = VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_ACTUAL);
    VLOCN_FeetConversion::setAsActual();
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::LENGTH_ACTUAL),
              VLOCN_FeetConversion::thisRepresentation());
    EXPECT_NE(before, VLOCN_FeetConversion::thisRepresentation());
    VLOCN_SquareFeet::setAsActual();
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::AREA_ACTUAL), VLOCN_SquareFeet::thisRepresentation());
    VLOCN_KubikCentimeter::setAsActual();
    EXPECT_EQ(VLOCN_Unit::getRep(VLOCN_Unit::VOLUME_ACTUAL),
              VLOCN_KubikCentimeter::thisRepresentation());
    VLOCN_MeterConversion::setAsActual();
    VLOCN_AngleDeg::setAsActual();
}

TEST(VLOCN_Unit, LocalizesTheTextsOfOneRepresentation) {
    VLOCN_Unit::setLocalization(VLOCN_Unit::AREA_SQ_INCH, "sq in", "square inch");
    EXPECT_EQ(VLOCN_SquareInch::getUnitDescriptionStatic().str(), "sq in");
    EXPECT_EQ(VLOCN_SquareInch::thisRepresentation()->getUnitDescriptionComposed().str(),
              "square inch [sq in]");
    EXPECT_EQ(VLOCN_SquareFeet::getUnitDescriptionStatic().str(), "sq.ft.");
    VLOCN_Unit::setLocalization(VLOCN_Unit::AREA_SQ_INCH, "sq.in.", "sqare inch");

    // Through an ACTUAL code, whichever is current is localised.
    VLOCN_KubikDecimeter::setAsActual();
    VLOCN_Unit::setLocalization(VLOCN_Unit::VOLUME_ACTUAL, "l", "litre");
    EXPECT_EQ(VLOCN_KubikDecimeter::getUnitDescriptionStatic().str(), "l");
    VLOCN_Unit::setLocalization(VLOCN_Unit::VOLUME_DM3, "dm\xFC", "dm\xFC");
    EXPECT_EQ(VLOCN_KubikDecimeter::thisRepresentation()->getUnitDescriptionLong().str(), "dm\xFC");

    VLOCN_Unit::setLocalization(VLOCN_Unit::SCALAR, "x", "y");
    EXPECT_EQ(VLOCN_Scalar::getUnitDescriptionStatic().str(), "");
}
