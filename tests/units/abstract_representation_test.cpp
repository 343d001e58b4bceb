#include <gtest/gtest.h>
#include <orvane/units/abstract_representation.h>
#include <orvane/units/area_representations.h>
#include <orvane/units/length_representations.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// A length representation of the test's own, to reach the framework's protected members.
class ProbeLength final : public VLOCN_BaseLengthClass {
public:
    static std::string text(double v) { return string(v).data(); }
    static std::string text(double v, int precision) { return string(v, precision).data(); }
    static void store(const VLOCN_AbstractRepresentation* rep) { probe().setCurrent(rep); }

    const V_STRING& getUnitDescription() const override { return m_text; }
    const V_STRING& getUnitDescriptionLong() const override { return m_text; }
    long getUnitRegistryNumber() const override { return 299; }
    V_STRING asString(double) const override { return V_STRING(); }
    bool asFloat(const V_STRING&, double&) const override { return false; }
    double getConversionScalar() const override { return 1.0; }
    void setUnitDescriptions(const V_STRING&, const V_STRING&) override {}

private:
    static const ProbeLength& probe() {
        static const ProbeLength p;
        return p;
    }
    V_STRING m_text;
};

std::string str(const V_STRING& s) {
    return s.str();
}

}  // namespace

TEST(VLOCN_AbstractRepresentation, FormatsWithoutPrecisionAsGeneralOrTrimmedFixed) {
    EXPECT_EQ(ProbeLength::text(0.5), "0.5");
    EXPECT_EQ(ProbeLength::text(0.001), "0.001");  // "%.12f", then trimmed
    EXPECT_EQ(ProbeLength::text(1234.5678901234), "1234.56789");
    EXPECT_EQ(ProbeLength::text(0.01), "0.01");  // at the limit: "%.9g"
    EXPECT_EQ(ProbeLength::text(-0.0034567), "-0.0034567");
    EXPECT_EQ(ProbeLength::text(1e-9), "1e-09");  // at the lower limit: "%.9g"
    EXPECT_EQ(ProbeLength::text(2e-9), "0.000000002");
    EXPECT_EQ(ProbeLength::text(0), "0");
    EXPECT_EQ(ProbeLength::text(1e20), "1e+20");
    EXPECT_EQ(ProbeLength::text(std::numeric_limits<double>::infinity()), "inf");
}

TEST(VLOCN_AbstractRepresentation, FormatsWithPrecisionTrimmingZerosAndPoint) {
    EXPECT_EQ(ProbeLength::text(1234.5, 3), "1234.5");
    EXPECT_EQ(ProbeLength::text(10, 3), "10");
    EXPECT_EQ(ProbeLength::text(0, 3), "0");
    EXPECT_EQ(ProbeLength::text(0.005, 3), "0.005");
    EXPECT_EQ(ProbeLength::text(0.0012346, 3), "0.001235");  // three more decimals below 0.01
    EXPECT_EQ(ProbeLength::text(2.00004, 4), "2");
    EXPECT_EQ(ProbeLength::text(-0.0034567, 4), "-0.0034567");
    EXPECT_EQ(ProbeLength::text(1e-10, 3), "0");
    EXPECT_EQ(ProbeLength::text(-1e300, 6).size(), 302u);  // long texts are whole
    // A precision of 0 prints no point, so nothing is trimmed; a negative one counts as 0.
    EXPECT_EQ(ProbeLength::text(10, 0), "10");
    EXPECT_EQ(ProbeLength::text(100, -5), "100");
    EXPECT_EQ(ProbeLength::text(std::nan(""), 3), "nan");
}

TEST(VLOCN_AbstractRepresentation, ComposesLongAndShortText) {
    VLOCN_MillimeterConversion* mm =
        const_cast<VLOCN_MillimeterConversion*>(VLOCN_MillimeterConversion::thisRepresentation());
    EXPECT_EQ(str(mm->getUnitDescriptionComposed()), "mm [mm]");
    mm->setUnitDescriptions("x", "long x");
    EXPECT_EQ(str(mm->getUnitDescriptionComposed()), "long x [x]");
    mm->setUnitDescriptions("mm", "mm");
    EXPECT_EQ(str(VLOCN_SquareInch::thisRepresentation()->getUnitDescriptionComposed()),
              "sqare inch [sq.in.]");
}

TEST(VLOCN_AbstractRepresentation, SetCurrentOfAnotherKindStoresNull) {
    VLOCN_MeterConversion::setAsActual();
    ProbeLength::store(VLOCN_QuadratMeter::thisRepresentation());
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), nullptr);
    EXPECT_FALSE(VLOCN_MeterConversion::thisRepresentation()->isActualRep());

    ProbeLength::store(VLOCN_InchConversion::thisRepresentation());
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), VLOCN_InchConversion::thisRepresentation());
    ProbeLength::store(nullptr);
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), nullptr);
    VLOCN_MeterConversion::setAsActual();
}

TEST(VLOCN_AbstractRepresentation, IsActualRepComparesRegistryNumbers) {
    ProbeLength::store(nullptr);
    EXPECT_FALSE(VLOCN_MillimeterConversion::thisRepresentation()->isActualRep());  // no current
    VLOCN_MillimeterConversion::setAsActual();
    EXPECT_TRUE(VLOCN_MillimeterConversion::thisRepresentation()->isActualRep());
    EXPECT_FALSE(VLOCN_CentimeterConversion::thisRepresentation()->isActualRep());
    VLOCN_BaseLengthClass::setFromRegistry(204);
}
