#include <orvane/math/simple_range.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

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

TEST(VMATH_SimpleRange, ConstructionOrdersOnlyBeyondTheTolerance) {
    expectRange(VMATH_SimpleRange(), DBL_MAX, -DBL_MAX, 0);
    expectRange(VMATH_SimpleRange(0.25), DBL_MAX, -DBL_MAX, 0.25);
    EXPECT_LT(VMATH_SimpleRange().getRange(), 0.0);
    expectRange(VMATH_SimpleRange(3, 1, 0), 1, 3, 0);
    expectRange(VMATH_SimpleRange(1.05, 1.0, 0.1), 1.05, 1.0, 0.1);

    VMATH_SimpleRange r(0, 10, 0.5);
    r.setBorders(4, 3.6);  // 4 - 0.5 is not above 3.6
    expectRange(r, 4, 3.6, 0.5);
    r.setBorders(4, 3);
    expectRange(r, 3, 4, 0.5);
    EXPECT_EQ(r.getRange(), 1.0);
    EXPECT_EQ(r.length(), 1.0);
    EXPECT_EQ(r.getCenter(), 3.5);
    r.setTolerance(2);  // borders are not re-examined
    expectRange(r, 3, 4, 2);

    const RawRange raw(9, -9);
    EXPECT_EQ(raw.getMin(), 9.0);
    EXPECT_EQ(raw.getMax(), -9.0);
}

TEST(VMATH_SimpleRange, LoadTimeConstantsCarryRelTol) {
    expectRange(VMATH_SimpleRange::zero, 0, 0, 1e-9);
    expectRange(VMATH_SimpleRange::full, -DBL_MAX, DBL_MAX, 1e-9);
    expectRange(VMATH_SimpleRange::max, -DBL_MAX, DBL_MAX, 1e-9);
}

TEST(VMATH_SimpleRange, SettersRefuseBordersWithinTheTolerance) {
    VMATH_SimpleRange r(0, 10, 0.5);
    r.setMax(0.4);
    expectRange(r, 0, 10, 0.5);
    r.setMax(0.5);  // 0.5 - 0.5 > 0 is false
    expectRange(r, 0, 10, 0.5);
    r.setMax(0.6);
    expectRange(r, 0, 0.6, 0.5);

    VMATH_SimpleRange s(0, 10, 0.5);
    s.setMin(9.5);
    expectRange(s, 0, 10, 0.5);
    s.setMinimalBorder(9.4);
    expectRange(s, 9.4, 10, 0.5);
    s.setMaximalBorder(9.8);  // 9.3 > 9.4 is false
    expectRange(s, 9.4, 10, 0.5);
    s.setMin(std::numeric_limits<double>::quiet_NaN());
    expectRange(s, 9.4, 10, 0.5);
}

TEST(VMATH_SimpleRange, ContainmentOfValuesByType) {
    const VMATH_SimpleRange r(0, 10, 0.5);
    using R = VMATH_SimpleRange;
    EXPECT_TRUE(r.isInside(10.5, R::eClosed));
    EXPECT_FALSE(r.isInside(10.6, R::eClosed));
    EXPECT_FALSE(r.isInside(0.5, R::eOpenMin));
    EXPECT_TRUE(r.isInside(0.6, R::eOpenMin));
    EXPECT_FALSE(r.isInside(10.0, R::eOpenMax));
    EXPECT_FALSE(r.isInside(9.5, R::eOpenMax));
    EXPECT_TRUE(r.isInside(9.4, R::eOpen));
    EXPECT_FALSE(r.isInside(0.5, R::eOpen));
    EXPECT_FALSE(r.isInside(5.0, static_cast<R::eRangeType>(4)));
    EXPECT_FALSE(VMATH_SimpleRange().isInside(0.0, R::eClosed));
    EXPECT_FALSE(r.isInside(std::numeric_limits<double>::quiet_NaN(), R::eClosed));
}

TEST(VMATH_SimpleRange, ContainmentOfRangesUsesTheSecondTypeForBothBorders) {
    const VMATH_SimpleRange r(0, 10, 0.5);
    using R = VMATH_SimpleRange;
    const VMATH_SimpleRange wide(-0.5, 10.5, 0);
    EXPECT_TRUE(r.isInside(wide, R::eOpen, R::eClosed));
    EXPECT_FALSE(r.isInside(wide, R::eClosed, R::eOpen));
    const VMATH_SimpleRange lowEdge(0.0, 5.0, 0);
    EXPECT_TRUE(r.isInside(lowEdge, R::eOpenMin, R::eOpenMax));  // type1 is not read
    EXPECT_FALSE(r.isInside(lowEdge, R::eOpenMax, R::eOpenMin));
}

TEST(VMATH_SimpleRange, OverlapUsesThisRangesTolerance) {
    const VMATH_SimpleRange r(0, 10, 0.5);
    EXPECT_TRUE(r.overlaps(VMATH_SimpleRange(10.5, 20, 0)));
    EXPECT_FALSE(r.overlaps(VMATH_SimpleRange(10.6, 20, 0)));
    EXPECT_TRUE(r.overlaps(VMATH_SimpleRange(-5, -0.5, 0)));
    EXPECT_FALSE(r.overlaps(VMATH_SimpleRange(-5, -0.6, 0)));
    EXPECT_FALSE(r.overlaps(VMATH_SimpleRange()));
}

TEST(VMATH_SimpleRange, SimpleUnionAndIntersectionTakeBordersBeyondTheTolerance) {
    const VMATH_SimpleRange r(0, 10, 0.5);
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
}

TEST(VMATH_SimpleRange, UnionAndIntersectionOfRangesApartGiveTheEmptyRange) {
    const VMATH_SimpleRange r(0, 10, 0.5);
    expectRange(r.calcUnion(VMATH_SimpleRange(20, 30, 0)), DBL_MAX, -DBL_MAX, 1e-9);
    expectRange(r.calcIntersection(VMATH_SimpleRange(20, 30, 0)), DBL_MAX, -DBL_MAX, 1e-9);
    EXPECT_LT(r.calcIntersection(VMATH_SimpleRange(-9, -1, 0)).getRange(), 0.0);
    expectRange(r.calcUnion(VMATH_SimpleRange(10.5, 30, 0)), 0, 30, 0.5);
    expectRange(r.calcIntersection(VMATH_SimpleRange(5, 30, 0)), 5, 10, 0.5);
}

TEST(VMATH_SimpleRange, EqualityIsExactAndIgnoresTolerance) {
    EXPECT_TRUE(VMATH_SimpleRange(1, 2, 0.1) == VMATH_SimpleRange(1, 2, 0.7));
    EXPECT_FALSE(VMATH_SimpleRange(1, 2, 0) == VMATH_SimpleRange(1, 2 + 1e-15, 0));
    EXPECT_TRUE(VMATH_SimpleRange(1, 2, 0) != VMATH_SimpleRange(1, 2 + 1e-15, 0));
    EXPECT_TRUE(VMATH_SimpleRange::full == VMATH_SimpleRange::max);
    VMATH_SimpleRange copy(5);
    copy = VMATH_SimpleRange(3, 4, 0.2);
    expectRange(copy, 3, 4, 0.2);
}
