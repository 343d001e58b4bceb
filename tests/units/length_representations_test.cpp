#include <gtest/gtest.h>
#include <orvane/units/feet_inch_representation.h>
#include <orvane/units/length_representations.h>

#include <string>
#include <vector>

namespace {

std::string shown(const VLOCN_AbstractRepresentation* rep, double mm) {
    return rep->asString(mm).str();
}

double read(const VLOCN_AbstractRepresentation* rep, const char* text) {
    double v = -1;
    EXPECT_TRUE(rep->asFloat(text, v)) << text;
    return v;
}

struct Row {
    const VLOCN_AbstractRepresentation* rep;
    long registry;
    long registryStatic;
    const V_STRING& text;
    const char* expectedText;
    double scale;
};

}  // namespace

TEST(VLOCN_BaseLengthClass, ConcreteClassesCarryTheirNumbersTextsAndFactors) {
    const std::vector<Row> rows = {
        {VLOCN_MillimeterConversion::thisRepresentation(), 201,
         VLOCN_MillimeterConversion::getUnitRegistryNumberStatic(),
         VLOCN_MillimeterConversion::getUnitDescriptionStatic(), "mm", 1.0},
        {VLOCN_CentimeterConversion::thisRepresentation(), 202,
         VLOCN_CentimeterConversion::getUnitRegistryNumberStatic(),
         VLOCN_CentimeterConversion::getUnitDescriptionStatic(), "cm", 0.1},
        {VLOCN_DecimeterConversion::thisRepresentation(), 203,
         VLOCN_DecimeterConversion::getUnitRegistryNumberStatic(),
         VLOCN_DecimeterConversion::getUnitDescriptionStatic(), "dm", 0.01},
        {VLOCN_MeterConversion::thisRepresentation(), 204,
         VLOCN_MeterConversion::getUnitRegistryNumberStatic(),
         VLOCN_MeterConversion::getUnitDescriptionStatic(), "m", 0.001},
        {VLOCN_KilometerConversion::thisRepresentation(), 205,
         VLOCN_KilometerConversion::getUnitRegistryNumberStatic(),
         VLOCN_KilometerConversion::getUnitDescriptionStatic(), "km", 1e-6},
        {VLOCN_FeetInchRepresentation::thisRepresentation(), 206,
         VLOCN_FeetInchRepresentation::getUnitRegistryNumberStatic(),
         VLOCN_FeetInchRepresentation::getUnitDescriptionStatic(), "ft./in.", 0.03937007874015748},
        {VLOCN_InchConversion::thisRepresentation(), 207,
         VLOCN_InchConversion::getUnitRegistryNumberStatic(),
         VLOCN_InchConversion::getUnitDescriptionStatic(), "in.", 0.03937007874015748},
        {VLOCN_FeetConversion::thisRepresentation(), 208,
         VLOCN_FeetConversion::getUnitRegistryNumberStatic(),
         VLOCN_FeetConversion::getUnitDescriptionStatic(), "ft.", 0.0032808398950131233},
        {VLOCN_MilesConversion::thisRepresentation(), 209,
         VLOCN_MilesConversion::getUnitRegistryNumberStatic(),
         VLOCN_MilesConversion::getUnitDescriptionStatic(), "mi.", 6.21371192237334e-7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expectedText);
        EXPECT_EQ(row.rep->getUnitRegistryNumber(), row.registry);
        EXPECT_EQ(row.registryStatic, row.registry);
        EXPECT_EQ(row.text.str(), row.expectedText);
        EXPECT_EQ(&row.rep->getUnitDescription(), &row.text);
        EXPECT_EQ(row.rep->getUnitDescriptionLong().str(), row.expectedText);
        EXPECT_EQ(row.rep->getConversionScalar(), row.scale);
        EXPECT_STREQ(row.rep->getEventName(), "LengthUnitChanged");
        EXPECT_STREQ(row.rep->getRegistryValueName(), "LengthSettings");
    }
    EXPECT_EQ(VLOCN_BaseLengthClass::getMin(), -1e12);
    EXPECT_EQ(VLOCN_BaseLengthClass::getMax(), 1e12);
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

TEST(VLOCN_BaseLengthClass, ReadsExpressionsInTheDisplayUnit) {
    const VLOCN_AbstractRepresentation* m = VLOCN_MeterConversion::thisRepresentation();
    EXPECT_EQ(read(m, "2.5"), 2500);
    EXPECT_EQ(read(m, "1.5+1"), 2500);
    EXPECT_EQ(read(m, "(1+1)*2"), 4000);
    EXPECT_EQ(read(m, "1/2"), 0);  // whole numbers divide as integers
    EXPECT_EQ(read(m, "1.0/2"), 500);
    EXPECT_EQ(read(VLOCN_MillimeterConversion::thisRepresentation(), "2.5"), 2.5);
    EXPECT_EQ(read(VLOCN_CentimeterConversion::thisRepresentation(), "2.5"), 25);
    EXPECT_EQ(read(VLOCN_DecimeterConversion::thisRepresentation(), "2.5"), 250);
    EXPECT_EQ(read(VLOCN_KilometerConversion::thisRepresentation(), "2.5"), 2500000);
    EXPECT_EQ(read(VLOCN_InchConversion::thisRepresentation(), "2.5"), 63.5);
    EXPECT_EQ(read(VLOCN_FeetConversion::thisRepresentation(), "2.5"), 762);
    EXPECT_EQ(read(VLOCN_MilesConversion::thisRepresentation(), "2.5"), 4023360);

    double v = 7;
    EXPECT_FALSE(m->asFloat("", v));
    EXPECT_FALSE(m->asFloat("2 3", v));
    EXPECT_FALSE(m->asFloat("2 m", v));  // unit texts are not part of the input
}

TEST(VLOCN_BaseLengthClass, SetFromRegistryPicksTheNumberedUnitOrMetres) {
    const struct {
        long number;
        const VLOCN_BaseLengthClass* rep;
    } cases[] = {
        {201, VLOCN_MillimeterConversion::thisRepresentation()},
        {202, VLOCN_CentimeterConversion::thisRepresentation()},
        {203, VLOCN_DecimeterConversion::thisRepresentation()},
        {204, VLOCN_MeterConversion::thisRepresentation()},
        {205, VLOCN_KilometerConversion::thisRepresentation()},
        {206, VLOCN_FeetInchRepresentation::thisRepresentation()},
        {207, VLOCN_InchConversion::thisRepresentation()},
        {208, VLOCN_FeetConversion::thisRepresentation()},
        {209, VLOCN_MilesConversion::thisRepresentation()},
        {210, VLOCN_MeterConversion::thisRepresentation()},
        {0, VLOCN_MeterConversion::thisRepresentation()},
        {-201, VLOCN_MeterConversion::thisRepresentation()},
    };
    for (const auto& c : cases) {
        VLOCN_FeetConversion::setAsActual();
        VLOCN_BaseLengthClass::setFromRegistry(c.number);
        EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), c.rep) << c.number;
        EXPECT_TRUE(c.rep->isActualRep());
    }
    VLOCN_KilometerConversion::setAsActual();
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), VLOCN_KilometerConversion::thisRepresentation());
    VLOCN_MeterConversion::setAsActual();
}

TEST(VLOCN_BaseLengthClass, ReplacesTextsOfOneClassOnly) {
    VLOCN_CentimeterConversion* cm =
        const_cast<VLOCN_CentimeterConversion*>(VLOCN_CentimeterConversion::thisRepresentation());
    cm->setUnitDescriptions("Zm", "Zentimeter");
    EXPECT_EQ(VLOCN_CentimeterConversion::getUnitDescriptionStatic().str(), "Zm");
    EXPECT_EQ(cm->getUnitDescriptionLong().str(), "Zentimeter");
    EXPECT_EQ(VLOCN_DecimeterConversion::getUnitDescriptionStatic().str(), "dm");
    cm->setUnitDescriptions(cm->getUnitDescriptionLong(), cm->getUnitDescription());  // swap
    EXPECT_EQ(cm->getUnitDescriptionComposed().str(), "Zm [Zentimeter]");
    cm->setUnitDescriptions("cm", "cm");
}
