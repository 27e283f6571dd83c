#include <gtest/gtest.h>

#include "gui/graphics/Bitmap.h"
#include "support/PixelProbe.h"
#include "widgets/scale/AngularGaugeDrawing.h"

TEST(AngularGaugeGeometry, ValuesGrowClockwiseFromTheStartOrFromTheOtherEndWhenReversed) {
    EXPECT_EQ(GaugeAngle(0, 180, 90, false), 180);
    EXPECT_EQ(GaugeAngle(0.5, 180, 90, false), 135);
    EXPECT_EQ(GaugeAngle(1, 180, 90, false), 90);
    EXPECT_EQ(GaugeAngle(0, 180, 90, true), 90);
    EXPECT_EQ(GaugeAngle(1, 180, 90, true), 180);
    EXPECT_EQ(GaugeAngle(0.7, 225, 0, false), 225);
}

TEST(AngularGaugeGeometry, JustifiedLabelsTouchTheCircleWithTheSideFacingTheCentre) {
    const TPoint p{100, 100};
    const TSize text{20, 10};
    struct Case {
        double degrees;
        TRect box;
    };
    const Case cases[] = {
        {0, {100, 95, 120, 105}},
        {45, {100, 90, 120, 100}},
        {90, {90, 90, 110, 100}},
        {135, {80, 90, 100, 100}},
        {180, {80, 95, 100, 105}},
        {225, {80, 100, 100, 110}},
        {270, {90, 100, 110, 110}},
        {315, {100, 100, 120, 110}},
        // Angles beyond one turn take the row of the same direction.
        {-45, {100, 100, 120, 110}},
        {-90, {90, 100, 110, 110}},
        {360, {100, 95, 120, 105}},
        {450, {90, 90, 110, 100}},
        {-315, {100, 90, 120, 100}},
        {-720, {100, 95, 120, 105}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TickLabelBox(p, text, c.degrees, ilaJustified), c.box) << c.degrees;
}

TEST(AngularGaugeGeometry, CentredLabelsSitOnTheirAnchor) {
    EXPECT_EQ(TickLabelBox({50, 40}, {21, 13}, 123, ilaCenter), (TRect{40, 34, 60, 46}));
}

TEST(AngularGaugeGeometry, AutoRadiusByArcRangeNeverBelowZero) {
    // A quarter circle also leaves room for the hub.
    EXPECT_EQ(AutoArcRadius(100, 90, 5, 14), 81);
    EXPECT_EQ(AutoArcRadius(100, 0, 5, 14), 81);
    // Half ... three quarters of the room past a quarter circle.
    EXPECT_EQ(AutoArcRadius(100, 135, 5, 14), 62);
    EXPECT_EQ(AutoArcRadius(100, 180, 5, 14), 45);
    // Halves go to the even neighbour.
    EXPECT_EQ(AutoArcRadius(101, 270, 0, 14), 50);
    EXPECT_EQ(AutoArcRadius(103, 270, 0, 14), 52);
    EXPECT_EQ(AutoArcRadius(10, 90, 5, 14), 0);
    EXPECT_EQ(AutoArcRadius(-40, 300, 5, 14), 0);
}

TEST(AngularGaugeGeometry, FreeLabelsAlignToTheCentreOrTheWidgetEdges) {
    const TPoint centre{80, 90};
    const TSize client{177, 177};
    const TSize text{14, 20};
    EXPECT_EQ(FreeLabelOrigin(centre, client, text, {-10, -20}, iahCenter, iavCenter),
              (TPoint{63, 60}));
    EXPECT_EQ(FreeLabelOrigin(centre, client, text, {3, 4}, iahLeft, iavTop), (TPoint{3, 4}));
    EXPECT_EQ(FreeLabelOrigin(centre, client, text, {-3, -4}, iahRight, iavBottom),
              (TPoint{160, 153}));
}

TEST(AngularGaugeGeometry, PointerShapesAndWhereTheyArePickedUp) {
    const TPoint c{75, 75};
    // The default needle at the top of the scale.
    TGaugePointerShape needle = GaugePointerShape(c, {90, 60, 10, 0, iagpsTriangle, false});
    EXPECT_TRUE(needle.HasLine && needle.HasTriangle);
    EXPECT_EQ(needle.Tip, (TPoint{75, 15}));
    EXPECT_EQ(needle.Corner1, (TPoint{70, 75}));
    EXPECT_EQ(needle.Corner2, (TPoint{80, 75}));
    EXPECT_EQ(needle.HitArea, (TRect{72, 12, 78, 18}));

    TGaugePointerShape arrowLine = GaugePointerShape(c, {180, 60, 8, 2, iagpsArrowLine, false});
    EXPECT_TRUE(arrowLine.HasLine && arrowLine.HasTriangle);
    EXPECT_EQ(arrowLine.Tip, (TPoint{17, 75}));
    EXPECT_EQ(arrowLine.Corner1, (TPoint{25, 79}));
    EXPECT_EQ(arrowLine.Corner2, (TPoint{25, 71}));
    EXPECT_EQ(arrowLine.HitArea, (TRect{17, 71, 25, 79}));

    TGaugePointerShape inside = GaugePointerShape(c, {90, 60, 8, 0, iagpsArrow, false});
    EXPECT_FALSE(inside.HasLine);
    EXPECT_EQ(inside.Tip, (TPoint{75, 15}));
    TGaugePointerShape outside = GaugePointerShape(c, {90, 60, 8, 3, iagpsArrow, true});
    EXPECT_EQ(outside.Tip, (TPoint{75, 12}));
    EXPECT_EQ(outside.Corner1.Y, 4);

    TGaugePointerShape line = GaugePointerShape(c, {0, 60, 8, 5, iagpsLine, false});
    EXPECT_TRUE(line.HasLine);
    EXPECT_FALSE(line.HasTriangle);
    EXPECT_EQ(line.Tip, (TPoint{130, 75}));

    EXPECT_FALSE(GaugePointerShape(c, {0, 60, 8, 0, 9, false}).Drawn);
    EXPECT_TRUE(GaugePointerShape(c, {0, 60, 8, 0, 9, false}).HitArea.IsEmpty());
}

TEST(AngularGaugeGeometry, NeedleIsPaintedInItsColourFromCentreToTip) {
    TBitmap picture(150, 150);
    picture.Fill(clWhite);
    const TPoint c{75, 75};
    DrawGaugePointer(picture.Canvas(), c,
                     GaugePointerShape(c, {90, 60, 10, 0, iagpsTriangle, false}), clRed);
    EXPECT_EQ(picture.Pixel(75, 16), clRed);
    EXPECT_EQ(picture.Pixel(75, 70), clRed);
    EXPECT_EQ(picture.Pixel(72, 74), clRed);
    EXPECT_EQ(picture.Pixel(75, 12), clWhite);
    EXPECT_EQ(picture.Pixel(60, 74), clWhite);
    EXPECT_EQ(InkBounds(picture, clWhite), (TRect{70, 15, 81, 76}));
}

TEST(AngularGaugeGeometry, PanelFaceIsARoundedPanelWithAnInsetDial) {
    TBitmap picture(150, 150);
    picture.Fill(clSilver);
    DrawPanelFace(picture.Canvas(), {150, 150}, 15, clBlack, clWhite);
    EXPECT_EQ(picture.Pixel(0, 0), clSilver);
    EXPECT_EQ(picture.Pixel(75, 0), clWhite);
    EXPECT_EQ(picture.Pixel(75, 5), clBlack);
    EXPECT_EQ(picture.Pixel(20, 20), clBlack);
    EXPECT_EQ(picture.Pixel(75, 16), clWhite);
    EXPECT_EQ(picture.Pixel(75, 75), clWhite);
    EXPECT_EQ(picture.Pixel(75, 136), clBlack);
}

TEST(AngularGaugeGeometry, DragSweepsTheShortWayRound) {
    EXPECT_EQ(SweptDegrees(10, 19), -9);
    EXPECT_EQ(SweptDegrees(-170, 175), 15);
    EXPECT_EQ(SweptDegrees(175, -170), -15);
    EXPECT_DOUBLE_EQ(ScreenDegrees({75, 75}, 75, 15), -90);
    EXPECT_DOUBLE_EQ(ScreenDegrees({75, 75}, 15, 75), 180);
}
