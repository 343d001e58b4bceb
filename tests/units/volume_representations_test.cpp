#include <gtest/gtest.h>
#include <orvane/units/volume_representations.h>

TEST(VLOCN_BaseVolumeClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    const struct {
        const VLOCN_AbstractRepresentation* rep;
        long registry;
        const char* text;
        double scale;
        double oneUnitInMm3;
    } rows[] = {
        {VLOCN_KubikMillimeter::thisRepresentation(), 401, "mm\xFC", 1.0, 1.0},
        {VLOCN_KubikCentimeter::thisRepresentation(), 402, "cm\xFC", 0.001, 1000.0},
        {VLOCN_KubikDecimeter::thisRepresentation(), 403, "dm\xFC", 1e-6, 1e6},
        {VLOCN_KubikMeter::thisRepresentation(), 404, "m\xFC", 1e-9, 1e9},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.rep->getUnitRegistryNumber(), row.registry);
        EXPECT_EQ(row.rep->getUnitDescription().str(), row.text);
        EXPECT_EQ(row.rep->getUnitDescriptionLong().str(), row.text);
        EXPECT_EQ(row.rep->getConversionScalar(), row.scale);
        EXPECT_STREQ(row.rep->getEventName(), "VolumeUnitChanged");
        EXPECT_STREQ(row.rep->getRegistryValueName(), "VolumeSettings");
        double v = 0;
        EXPECT_TRUE(row.rep->asFloat("1", v));
        EXPECT_EQ(v, row.oneUnitInMm3);
    }
    EXPECT_EQ(VLOCN_KubikMeter::getUnitDescriptionStatic().str(), "m\xFC");
    EXPECT_EQ(VLOCN_KubikMeter::getUnitRegistryNumberStatic(), 404);
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

TEST(VLOCN_BaseVolumeClass, SetFromRegistryPicksTheNumberedUnitOrCubicMetres) {
    VLOCN_BaseVolumeClass::setFromRegistry(401);
    EXPECT_EQ(VLOCN_BaseVolumeClass::getActual(), VLOCN_KubikMillimeter::thisRepresentation());
    VLOCN_BaseVolumeClass::setFromRegistry(402);
    EXPECT_EQ(VLOCN_BaseVolumeClass::getActual(), VLOCN_KubikCentimeter::thisRepresentation());
    VLOCN_BaseVolumeClass::setFromRegistry(403);
    EXPECT_EQ(VLOCN_BaseVolumeClass::getActual(), VLOCN_KubikDecimeter::thisRepresentation());
    for (long number : {404L, 0L, 405L}) {
        VLOCN_KubikMillimeter::setAsActual();
        VLOCN_BaseVolumeClass::setFromRegistry(number);
        EXPECT_EQ(VLOCN_BaseVolumeClass::getActual(), VLOCN_KubikMeter::thisRepresentation());
    }
}
