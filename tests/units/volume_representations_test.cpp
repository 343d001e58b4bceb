#include <gtest/gtest.h>
#include <orvane/units/volume_representations.h>

#include "support/representation_checks.h"

TEST(VLOCN_BaseVolumeClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    checkUnits<VLOCN_BaseVolumeClass>(
        {unit<VLOCN_KubikMillimeter>(0x4001, 401, "mm\xFC", "mm\xFC", 1.0, 1.0),
         unit<VLOCN_KubikCentimeter>(0x4002, 402, "cm\xFC", "cm\xFC", 0.001, 1000.0),
         unit<VLOCN_KubikDecimeter>(0x4003, 403, "dm\xFC", "dm\xFC", 1e-6, 1e6),
         unit<VLOCN_KubikMeter>(0x4004, 404, "m\xFC", "m\xFC", 1e-9, 1e9)},
        "VolumeUnitChanged", "VolumeSettings", "1", VLOCN_KubikMeter::thisRepresentation(),
        {0, 405});
}

TEST(VLOCN_BaseVolumeClass, ShowsAndReadsVolumes) {
    EXPECT_EQ(VLOCN_KubikMeter::thisRepresentation()->asString(1e9).str(), "1");
    EXPECT_EQ(VLOCN_KubikMeter::thisRepresentation()->asString(5e6).str(), "0.005");
    EXPECT_EQ(VLOCN_KubikCentimeter::thisRepresentation()->asString(1500).str(), "1.5");
    EXPECT_EQ(VLOCN_KubikDecimeter::thisRepresentation()->asString(1234567).str(), "1.2346");
    EXPECT_EQ(VLOCN_KubikMillimeter::thisRepresentation()->asString(0.5).str(), "0.5");
    double v = 0;
    EXPECT_TRUE(VLOCN_KubikDecimeter::thisRepresentation()->asFloat("1.5", v));
    EXPECT_EQ(v, 1500000);
    EXPECT_FALSE(VLOCN_KubikMeter::thisRepresentation()->asFloat("2 3", v));
}
