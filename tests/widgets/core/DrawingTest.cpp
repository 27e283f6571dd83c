#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "support/PixelProbe.h"
#include "widgets/core/ArcBand.h"
#include "widgets/core/Drawing.h"
#include "widgets/core/Numeric.h"

namespace {

// A silver picture, so that both the white and the black parts of 3D lines show.
struct Picture {
    TBitmap bitmap;
    TCanvas& canvas;

    Picture(int width, int height) : bitmap(width, height), canvas(bitmap.Canvas()) {
        bitmap.Fill(clSilver);
        canvas.Pen().SetColor(clRed);
    }

    TColor At(int x, int y) const { return bitmap.Pixel(x, y); }
    TRect Ink() const { return InkBounds(bitmap, clSilver); }
    int Count(TColor color) const { return CountPixels(bitmap, color); }
};

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The ring sector drawn the plain way: 400 steps along each arc, every point from PolarPoint.
void ReferenceArcBand(TCanvas& canvas, double radius1, double radius2, TPoint center, double from,
                      double to) {
    const double step = (to - from) / 400;
    std::vector<TPoint> points;
    for (int i = 0; i <= 400; ++i)
        points.push_back(PolarPoint(center, radius1, i == 400 ? to : from + i * step));
    if (radius1 == radius2) {
        canvas.Polyline(points);
        return;
    }
    for (int i = 400; i >= 0; --i)
        points.push_back(PolarPoint(center, radius2, i == 0 ? from : from + i * step));
    points.push_back(points.front());
    canvas.Polygon(points);
}

} // namespace

TEST(DrawingBevel, RaisedAndSunkenRingsUseTheirOwnColours) {
    struct Case {
        bool raised;
        TColor outerLight, outerDark, innerLight, innerDark;
    };
    const Case cases[] = {{true, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
                          {false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight}};
    for (const Case& c : cases) {
        Picture p(12, 12);
        p.bitmap.Fill(clLime);
        DrawBevelFrame(p.canvas, Rect(1, 1, 11, 11), c.raised);
        EXPECT_EQ(p.At(1, 1), ColorToRGB(c.outerLight));
        EXPECT_EQ(p.At(1, 5), ColorToRGB(c.outerLight));
        EXPECT_EQ(p.At(10, 10), ColorToRGB(c.outerDark));
        EXPECT_EQ(p.At(5, 10), ColorToRGB(c.outerDark));
        EXPECT_EQ(p.At(2, 2), ColorToRGB(c.innerLight));
        EXPECT_EQ(p.At(9, 5), ColorToRGB(c.innerDark));
        EXPECT_EQ(p.At(5, 9), ColorToRGB(c.innerDark));
        EXPECT_EQ(InkBounds(p.bitmap, clLime), Rect(1, 1, 11, 11));
        EXPECT_EQ(p.At(3, 3), clLime);
        EXPECT_EQ(p.At(8, 8), clLime);
    }
}

TEST(DrawingLines, EtchedVerticalLinesOrderTheirEnds) {
    Picture raised(10, 10);
    DrawEtchedLine(raised.canvas, 4, 8, 4, 2, ibsRaised);
    EXPECT_EQ(raised.Ink(), Rect(3, 2, 6, 8));
    EXPECT_EQ(raised.At(3, 2), clWhite);
    EXPECT_EQ(raised.At(4, 7), clWhite);
    EXPECT_EQ(raised.At(5, 5), clBlack);
    EXPECT_EQ(raised.canvas.Pen().Color(), clBlack);

    Picture lowered(10, 10);
    DrawEtchedLine(lowered.canvas, 4, 2, 4, 8, ibsLowered);
    EXPECT_EQ(lowered.At(3, 5), clBlack);
    EXPECT_EQ(lowered.At(4, 5), clWhite);
    EXPECT_EQ(lowered.At(5, 5), clWhite);
    EXPECT_EQ(lowered.canvas.Pen().Color(), clWhite);

    // The plain style is the current pen, end point left unpainted.
    Picture plain(10, 10);
    DrawEtchedLine(plain.canvas, 4, 8, 4, 2, ibsNone);
    EXPECT_EQ(plain.Ink(), Rect(4, 2, 5, 8));
    EXPECT_EQ(plain.Count(clRed), 6);
}

TEST(DrawingLines, EtchedHorizontalLinesAddARowBelow) {
    Picture raised(10, 10);
    DrawEtchedLine(raised.canvas, 8, 4, 2, 4, ibsRaised);
    EXPECT_EQ(raised.Ink(), Rect(2, 4, 8, 6));
    EXPECT_EQ(raised.At(2, 4), clWhite);
    EXPECT_EQ(raised.At(7, 5), clBlack);

    Picture lowered(10, 10);
    DrawEtchedLine(lowered.canvas, 2, 4, 8, 4, ibsLowered);
    EXPECT_EQ(lowered.At(5, 4), clBlack);
    EXPECT_EQ(lowered.At(5, 5), clWhite);
    EXPECT_EQ(lowered.canvas.Pen().Color(), clWhite);
}

TEST(DrawingFocus, ColoredFocusRectangleSetsColoursAndUndoesItself) {
    Picture p(10, 10);
    DrawColoredFocusRectangle(p.canvas, Rect(1, 1, 9, 9), clBlue);
    EXPECT_EQ(p.canvas.Pen().Color(), clBlue);
    EXPECT_EQ(p.canvas.Brush().Color(), clBlue);
    EXPECT_EQ(p.Ink(), Rect(1, 1, 9, 9));
    DrawFocusRectangle(p.canvas, Rect(1, 1, 9, 9));
    EXPECT_EQ(p.Count(clSilver), 100);
}

TEST(DrawingText, AmpersandIsLiteralUnlessPrefixesAreAsked) {
    auto inkOf = [](unsigned options) {
        Picture p(120, 40);
        p.canvas.Brush().SetStyle(bsClear);
        p.canvas.Font().SetName("Arial");
        p.canvas.Font().SetHeight(-16);
        TRect rect = Rect(0, 0, 120, 40);
        EXPECT_GT(DrawTextWithOptions(p.canvas, "&&A&B", rect, options), 0);
        return p.Ink();
    };
    const TRect literal = inkOf(146);
    const TRect prefixed = inkOf(146 | dtoPrefix);
    // "&&A&B" shows five glyphs literally but only "&AB" with prefixes processed.
    EXPECT_GT(literal.Width(), prefixed.Width());
}

TEST(DrawingText, CalcRectMeasuresWithoutDrawing) {
    Picture p(200, 100);
    p.canvas.Font().SetName("Arial");
    p.canvas.Font().SetHeight(-16);
    TRect oneLine = Rect(0, 0, 60, 0);
    const int lineHeight =
        DrawTextWithOptions(p.canvas, "Ток якоря, А", oneLine, dtoCalcRect | dtoSingleLine);
    TRect wrapped = Rect(0, 0, 60, 0);
    const int wrappedHeight =
        DrawTextWithOptions(p.canvas, "Ток якоря, А", wrapped, dtoCalcRect | dtoWordBreak);
    EXPECT_EQ(p.Ink().Right, -1);
    EXPECT_EQ(oneLine.Height(), lineHeight);
    EXPECT_GT(oneLine.Width(), 60);
    EXPECT_GT(wrappedHeight, lineHeight);
    EXPECT_LE(wrapped.Width(), 60);
}

TEST(DrawingArcBand, EqualRadiiDrawOnlyTheArc) {
    Picture p(60, 60);
    DrawArcBand(p.canvas, 20, 20, clNavy, {30, 30}, 0, 90);
    // An open polyline: its last point, straight above the centre, stays unpainted.
    EXPECT_EQ(p.Ink(), Rect(31, 10, 51, 31));
    EXPECT_EQ(p.At(40, 20), clSilver);
    EXPECT_EQ(p.At(44, 16), clNavy);
}

TEST(DrawingArcBand, BandIsFilledWhicheverWayTheAnglesRun) {
    Picture up(80, 80);
    DrawArcBand(up.canvas, 20, 30, clNavy, {40, 40}, 30, 150);
    EXPECT_EQ(up.At(40, 15), clNavy);
    EXPECT_EQ(up.At(40, 30), clSilver);
    EXPECT_EQ(up.At(40, 45), clSilver);
    EXPECT_EQ(up.canvas.Brush().Color(), clNavy);
    Picture same(80, 80);
    DrawArcBand(same.canvas, 20, 30, clNavy, {40, 40}, 150, 30);
    EXPECT_TRUE(SamePixels(up.bitmap, same.bitmap));
}

TEST(DrawingArcBand, EveryPixelIsThePlainPolarPointRecipes) {
    // Half-pixel radii and angles whose points fall on exact halves test the rounding; the
    // large radius runs far outside the picture.
    const double radii[][2] = {{20, 20}, {37.5, 37.5}, {60, 67},   {65.5, 71.5}, {1, 9},
                               {0, 12},  {125, 125},   {130, 137}, {2500, 2500}};
    const double angles[][2] = {{180, 90},      {0, 360},  {-45, 45}, {30, 30.5},
                                {112.5, 157.5}, {90, 450}, {200, 17}};
    for (const auto& [radius1, radius2] : radii) {
        for (const auto& [from, to] : angles) {
            Picture drawn(300, 300);
            DrawArcBand(drawn.canvas, radius1, radius2, clNavy, {150, 150}, from, to);
            Picture expected(300, 300);
            expected.canvas.Pen().SetColor(clNavy);
            expected.canvas.Brush().SetColor(clNavy);
            ReferenceArcBand(expected.canvas, radius1, radius2, {150, 150}, std::min(from, to),
                             std::max(from, to));
            EXPECT_TRUE(SamePixels(drawn.bitmap, expected.bitmap))
                << radius1 << ".." << radius2 << " from " << from << " to " << to;
            // Worked out once and drawn twice, as a dial keeps it, in a picture that cuts it.
            const TArcBand band(radius1, radius2, {150, 150}, from, to);
            Picture kept(300, 300);
            Picture direct(300, 300);
            for (Picture* picture : {&kept, &direct})
                picture->canvas.SetClipRect(Rect(40, 60, 260, 230));
            band.Draw(kept.canvas, clNavy);
            band.Draw(kept.canvas, clNavy);
            DrawArcBand(direct.canvas, radius1, radius2, clNavy, {150, 150}, from, to);
            EXPECT_TRUE(SamePixels(kept.bitmap, direct.bitmap))
                << "kept " << radius1 << ".." << radius2 << " from " << from << " to " << to;
        }
    }
}
