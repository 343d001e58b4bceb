#include <gtest/gtest.h>
#include <orvane/base/registry_key.h>
#include <orvane/events/named_event.h>
#include <orvane/units/abstract_representation.h>
#include <orvane/units/angle_representations.h>
#include <orvane/units/area_representations.h>
#include <orvane/units/feet_inch_representation.h>
#include <orvane/units/length_representations.h>
#include <orvane/units/scalar.h>
#include <orvane/units/volume_representations.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

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

using Heard = std::vector<const VLOCN_AbstractRepresentation*>;

// Hears one kind's change event and notes the current representation at each call.
class ChangeListener : public VSHSI_EventListenerImpl {
public:
    ChangeListener(const char* event, const VLOCN_AbstractRepresentation* (*current)())
        : VSHSI_EventListenerImpl(event), m_current(current) {}
    void onEvent(const void* data) override {
        EXPECT_EQ(data, nullptr);
        heard.push_back(m_current());
    }
    Heard heard;

private:
    const VLOCN_AbstractRepresentation* (*m_current)();
};

const VLOCN_AbstractRepresentation* currentLength() {
    return VLOCN_BaseLengthClass::getActual();
}

}  // namespace

TEST(VLOCN_AbstractRepresentation, FormatsWithAndWithoutPrecisionTrimmingZerosAndPoint) {
    // Without a precision: "%.9g", or "%.12f" trimmed for magnitudes above 1e-9 and below 0.01.
    const std::pair<double, const char*> general[] = {
        {0.5, "0.5"},
        {0.001, "0.001"},
        {1234.5678901234, "1234.56789"},
        {0.01, "0.01"},
        {-0.0034567, "-0.0034567"},
        {1e-9, "1e-09"},
        {2e-9, "0.000000002"},
        {0, "0"},
        {1e20, "1e+20"},
        {std::numeric_limits<double>::infinity(), "inf"}};
    for (const auto& [v, text] : general)
        EXPECT_EQ(ProbeLength::text(v), text) << v;

    // With one, three more decimals in the same range; a precision of 0 prints no point, so
    // nothing is trimmed; a negative one counts as 0.
    const std::tuple<double, int, const char*> withPrecision[] = {{1234.5, 3, "1234.5"},
                                                                  {10, 3, "10"},
                                                                  {0, 3, "0"},
                                                                  {0.005, 3, "0.005"},
                                                                  {0.0012346, 3, "0.001235"},
                                                                  {2.00004, 4, "2"},
                                                                  {-0.0034567, 4, "-0.0034567"},
                                                                  {1e-10, 3, "0"},
                                                                  {std::nan(""), 3, "nan"},
                                                                  {0.01, 1, "0"},
                                                                  {10, 0, "10"},
                                                                  {100, -5, "100"}};
    for (const auto& [v, precision, text] : withPrecision)
        EXPECT_EQ(ProbeLength::text(v, precision), text) << v << " to " << precision;
    EXPECT_EQ(ProbeLength::text(-1e300, 6).size(), 302u);  // long texts are whole
}

TEST(VLOCN_AbstractRepresentation, SetAsActualRepChangesEvenWhenTheRegistryCannotBeWritten) {
    TempRegistry reg;
    setenv("ORVANE_REGISTRY", reg.dir().c_str(), 1);  // a folder: every write fails
    ChangeListener lengths("LengthUnitChanged", &currentLength);
    VLOCN_MeterConversion::setAsActual();
    DumpCapture dump;  // the registry's own report of the unreadable file
    VLOCN_KilometerConversion::thisRepresentation()->setAsActualRep();
    EXPECT_EQ(VLOCN_BaseLengthClass::getActual(), VLOCN_KilometerConversion::thisRepresentation());
    EXPECT_EQ(lengths.heard.size(), 1u);
    VLOCN_MeterConversion::setAsActual();
}
