#include <gtest/gtest.h>
#include <orvane/units/angle_representations.h>
#include <orvane/units/area_representations.h>
#include <orvane/units/feet_inch_representation.h>
#include <orvane/units/length_representations.h>
#include <orvane/units/scalar.h>
#include <orvane/units/unit.h>
#include <orvane/units/volume_representations.h>

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
