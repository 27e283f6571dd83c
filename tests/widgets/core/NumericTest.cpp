#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

#include "widgets/core/Numeric.h"

TEST(NumericRounding, RoundSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    // The largest double below one half: adding 0.5 and flooring would give 1.
    EXPECT_EQ(Round(0.49999999999999994), 0);
    EXPECT_EQ(Round(1e300), INT_MAX);
    EXPECT_EQ(Round(-1e300), INT_MIN);
    EXPECT_EQ(Round(std::nan("")), 0);
}

TEST(NumericRounding, RoundHalfUpTruncatesAfterAddingAHalf) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(-1.7), -1);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
}

TEST(NumericFunctions, ArcTan2StaysInItsRangeAndPowerTakesAnyBase) {
    EXPECT_DOUBLE_EQ(ArcTan2(-0.0, -1), std::numbers::pi);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), -std::numbers::pi / 2);
    EXPECT_NEAR(Power(10, 3), 1000, 1e-9);
    EXPECT_NEAR(Power(4, -0.5), 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(Power(0, 2), 0);
    EXPECT_DOUBLE_EQ(Power(-2, 3), -8);
}

TEST(NumericPolar, CardinalDirectionsWithYGrowingDownward) {
    const TPoint c{100, 100};
    EXPECT_EQ(PolarPoint(c, 50, 0), (TPoint{150, 100}));
    EXPECT_EQ(PolarPoint(c, 50, 90), (TPoint{100, 50}));
    EXPECT_EQ(PolarPoint(c, 50, 180), (TPoint{50, 100}));
    EXPECT_EQ(PolarPoint(c, 50, 270), (TPoint{100, 150}));
}

TEST(NumericPolar, HalvesRoundToEvenOnlyForIntegerPoints) {
    const TPoint c{10, 10};
    EXPECT_EQ(PolarPoint(c, 2.5, 0), (TPoint{12, 10}));
    EXPECT_EQ(PolarPoint(c, 3.5, 0), (TPoint{14, 10}));
    EXPECT_EQ(PolarPoint(c, 2.5, 180), (TPoint{8, 10}));
    EXPECT_EQ(PolarPoint(c, 2.5, 90), (TPoint{10, 8}));
    EXPECT_EQ(PolarPoint(c, 3.5, 270), (TPoint{10, 14}));

    const TRealPoint p = PolarPointReal({0.25, 0.25}, 2.5, 90);
    EXPECT_NEAR(p.X, 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(p.Y, -2.25);
    EXPECT_EQ(RealPointToPoint({2.5, -3.5}), (TPoint{2, -4}));
}

TEST(NumericBounds, NarrowSpansWidenAroundTheirMiddle) {
    const std::vector<TPoint> single{{10, 20}};
    EXPECT_EQ(BoundingRectMin(single, 8), Rect(6, 16, 14, 24));

    const std::vector<TPoint> wide{{0, 5}, {30, 5}, {12, 7}};
    EXPECT_EQ(BoundingRectMin(wide, 8), Rect(0, 2, 30, 10));

    // Exactly minSize apart is not wider than minSize, so the span is rebuilt from the middle.
    const std::vector<TPoint> exact{{0, 0}, {7, 8}};
    EXPECT_EQ(BoundingRectMin(exact, 8), Rect(-1, 0, 7, 8));

    // The middle of -3..0 truncates to -1, not down to -2.
    const std::vector<TPoint> negative{{-3, -3}, {0, 0}};
    EXPECT_EQ(BoundingRectMin(negative, 8), Rect(-5, -5, 3, 3));

    EXPECT_TRUE(BoundingRectMin({}, 8).IsEmpty());
}

TEST(NumericColors, DimColorDividesEachChannel) {
    EXPECT_EQ(DimColor(RGB(0, 255, 0), 3), RGB(0, 85, 0));
    EXPECT_EQ(DimColor(RGB(100, 200, 50), 3), RGB(33, 66, 16));
    // clBtnFace's low bytes hold its palette index 15, not its grey.
    EXPECT_EQ(DimColor(clBtnFace, 3), RGB(5, 0, 0));
    EXPECT_EQ(DimColor(RGB(9, 8, 7), 0), RGB(9, 8, 7));
}
