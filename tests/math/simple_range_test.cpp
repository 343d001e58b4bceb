#include <orvane/math/simple_range.h>

#include <gtest/gtest.h>

#include <cfloat>

#include "support/math_checks.h"

namespace {

void expectRange(const VMATH_SimpleRange& r, double min, double max, double tol) {
    EXPECT_EQ(r.getMin(), min);
    EXPECT_EQ(r.getMax(), max);
    EXPECT_EQ(r.getTolerance(), tol);
}

// Reaches the protected raw setter.
class RawRange : public VMATH_SimpleRange {
public:
    RawRange(double low, double high) : VMATH_SimpleRange(0.0) { setLimitsRaw(low, high); }
};

}  // namespace

TEST(VMATH_SimpleRange, ContainmentOverlapUnionAndIntersectionUseThisRangesTolerance) {
    using R = VMATH_SimpleRange;
    const R r(0, 10, 0.5);
    const auto unknown = static_cast<R::eRangeType>(4);
    const struct {
        double x;
        R::eRangeType type;
        bool inside;
    } values[] = {{10.5, R::eClosed, true}, {10.6, R::eClosed, false},  {0.5, R::eOpenMin, false},
                  {0.6, R::eOpenMin, true}, {10.0, R::eOpenMax, false}, {9.5, R::eOpenMax, false},
                  {9.4, R::eOpen, true},    {0.5, R::eOpen, false},     {kNaN, R::eClosed, false},
                  {5.0, unknown, false}};
    for (const auto& v : values)
        EXPECT_EQ(r.isInside(v.x, v.type), v.inside) << v.x << " type " << v.type;
    EXPECT_FALSE(R().isInside(0.0, R::eClosed));

    // Of a range, the second type counts for both borders.
    EXPECT_TRUE(r.isInside(R(-0.5, 10.5, 0), R::eOpen, R::eClosed));
    EXPECT_FALSE(r.isInside(R(-0.5, 10.5, 0), R::eClosed, R::eOpen));
    EXPECT_TRUE(r.isInside(R(0.0, 5.0, 0), R::eOpenMin, R::eOpenMax));
    EXPECT_FALSE(r.isInside(R(0.0, 5.0, 0), R::eOpenMax, R::eOpenMin));

    EXPECT_TRUE(r.overlaps(R(10.5, 20, 0)));
    EXPECT_FALSE(r.overlaps(R(10.6, 20, 0)));
    EXPECT_TRUE(r.overlaps(R(-5, -0.5, 0)));
    EXPECT_FALSE(r.overlaps(R(-5, -0.6, 0)));
    EXPECT_FALSE(r.overlaps(R()));

    expectRange(r.calcSimpleUnion(VMATH_SimpleRange(-0.3, 10.4, 0)), 0, 10, 0.5);
    expectRange(r.calcSimpleUnion(VMATH_SimpleRange(-0.6, 10.6, 0)), -0.6, 10.6, 0.5);
    expectRange(r.calcSimpleUnion(VMATH_SimpleRange(20, 30, 0)), 0, 30, 0.5);  // no overlap test
    expectRange(r.calcSimpleIntersection(VMATH_SimpleRange(0.3, 9.6, 0)), 0, 10, 0.5);
    expectRange(r.calcSimpleIntersection(VMATH_SimpleRange(2, 8, 0)), 2, 8, 0.5);
    // Apart: the intersection's borders cross and are exchanged.
    expectRange(r.calcSimpleIntersection(VMATH_SimpleRange(20, 30, 0)), 10, 20, 0.5);
    // Crossed by no more than the tolerance: kept as they are.
    expectRange(r.calcSimpleIntersection(VMATH_SimpleRange(10.4, 30, 0)), 10.4, 10, 0.5);
    // The result carries this range's tolerance.
    expectRange(VMATH_SimpleRange(2, 8, 0).calcSimpleUnion(r), 0, 10, 0);
    // The checked forms give the empty range for ranges apart.
    expectRange(r.calcUnion(VMATH_SimpleRange(20, 30, 0)), DBL_MAX, -DBL_MAX, 1e-9);
    expectRange(r.calcIntersection(VMATH_SimpleRange(20, 30, 0)), DBL_MAX, -DBL_MAX, 1e-9);
    EXPECT_LT(r.calcIntersection(VMATH_SimpleRange(-9, -1, 0)).getRange(), 0.0);
    expectRange(r.calcUnion(VMATH_SimpleRange(10.5, 30, 0)), 0, 30, 0.5);
    expectRange(r.calcIntersection(VMATH_SimpleRange(5, 30, 0)), 5, 10, 0.5);
}
