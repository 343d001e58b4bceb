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
