#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "support/PixelProbe.h"

namespace {

// A white picture with a black one-pixel pen and a red brush.
struct Picture {
    TBitmap bitmap;
    TCanvas& canvas;

    Picture(int width, int height) : bitmap(width, height), canvas(bitmap.Canvas()) {
        bitmap.Fill(clWhite);
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetColor(clRed);
    }

    TColor At(int x, int y) const { return bitmap.Pixel(x, y); }

    std::vector<std::uint32_t> Pixels() const {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < bitmap.Height(); ++y) {
            const std::uint32_t* row = bitmap.ScanLine(y);
            pixels.insert(pixels.end(), row, row + bitmap.Width());
        }
        return pixels;
    }

    TRect Ink() const { return InkBounds(bitmap); }
    int Count(TColor color) const { return CountPixels(bitmap, color); }
};

} // namespace

TEST(CanvasShapes, RectangleKeepsRightAndBottomEdgesOutside) {
    Picture p(10, 10);
    p.canvas.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(p.At(2, 2), clBlack);
    EXPECT_EQ(p.At(5, 2), clBlack);
    EXPECT_EQ(p.At(2, 4), clBlack);
    EXPECT_EQ(p.At(5, 4), clBlack);
    EXPECT_EQ(p.At(3, 3), clRed);
    EXPECT_EQ(p.At(6, 2), clWhite);
    EXPECT_EQ(p.At(2, 5), clWhite);
    EXPECT_EQ(p.Ink(), Rect(2, 2, 6, 5));
}

TEST(CanvasShapes, RectangleWithoutPenLeavesOneMorePixelOut) {
    Picture p(10, 10);
    p.canvas.Pen().SetStyle(psClear);
    p.canvas.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(p.Ink(), Rect(2, 2, 5, 5));
    EXPECT_EQ(p.At(2, 2), clRed);
}

TEST(CanvasShapes, FillRectAndFrameRectUseTheBrushOnly) {
    Picture p(10, 10);
    p.canvas.FillRect(Rect(1, 1, 4, 4));
    EXPECT_EQ(p.Ink(), Rect(1, 1, 4, 4));
    EXPECT_EQ(p.Count(clRed), 9);

    Picture q(10, 10);
    q.canvas.FrameRect(Rect(1, 1, 5, 5));
    EXPECT_EQ(q.Count(clRed), 12);
    EXPECT_EQ(q.At(2, 2), clWhite);

    Picture empty(10, 10);
    empty.canvas.FillRect(Rect(5, 5, 5, 9));
    empty.canvas.FillRect(Rect(6, 6, 2, 2));
    EXPECT_EQ(empty.Count(clWhite), 100);
}

TEST(CanvasLines, LineToLeavesTheEndPointInEveryDirection) {
    struct Case {
        TPoint from, to;
    };
    const Case cases[] = {{{2, 5}, {7, 5}}, {{7, 5}, {2, 5}}, {{5, 2}, {5, 7}}, {{5, 7}, {5, 2}}};
    for (const Case& c : cases) {
        Picture p(10, 10);
        p.canvas.MoveTo(c.from.X, c.from.Y);
        p.canvas.LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(p.Count(clBlack), 5) << c.from.X << "," << c.from.Y;
        EXPECT_EQ(p.At(c.from.X, c.from.Y), clBlack);
        EXPECT_EQ(p.At(c.to.X, c.to.Y), clWhite);
        EXPECT_EQ(p.canvas.PenPos(), c.to);
    }
}

TEST(CanvasLines, LinesPaintThePixelsNearestTheIdealLine) {
    // Odd lengths along the major axis, so that no pixel lies exactly halfway.
    const TPoint ends[] = {{25, 12}, {3, 27}, {-21, 7}, {-9, -23}, {17, -31}, {30, 30}};
    for (const TPoint& end : ends) {
        Picture p(80, 80);
        const TPoint from{40, 40};
        const TPoint to{from.X + end.X, from.Y + end.Y};
        p.canvas.MoveTo(from.X, from.Y);
        p.canvas.LineTo(to.X, to.Y);
        const bool xMajor = std::abs(end.X) >= std::abs(end.Y);
        const int steps = std::max(std::abs(end.X), std::abs(end.Y));
        EXPECT_EQ(p.Count(clBlack), steps);
        for (int i = 0; i < steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int x = xMajor ? from.X + i * (end.X > 0 ? 1 : -1)
                                 : static_cast<int>(std::lround(from.X + t * end.X));
            const int y = xMajor ? static_cast<int>(std::lround(from.Y + t * end.Y))
                                 : from.Y + i * (end.Y > 0 ? 1 : -1);
            EXPECT_EQ(p.At(x, y), clBlack) << "line to " << end.X << "," << end.Y << " step " << i;
        }
        EXPECT_EQ(p.At(to.X, to.Y), clWhite);
    }
}

TEST(CanvasLines, PolylinePaintsInnerVerticesButNotTheLastPoint) {
    Picture p(10, 10);
    const TPoint points[] = {{1, 1}, {6, 1}, {6, 6}};
    p.canvas.Polyline(points);
    EXPECT_EQ(p.At(6, 1), clBlack);
    EXPECT_EQ(p.At(6, 5), clBlack);
    EXPECT_EQ(p.At(6, 6), clWhite);
    EXPECT_EQ(p.Count(clBlack), 10);
}

TEST(CanvasLines, DashedPenFillsGapsOnlyWithASolidBrush) {
    Picture p(40, 3);
    p.canvas.Pen().SetStyle(psDot);
    p.canvas.MoveTo(0, 1);
    p.canvas.LineTo(12, 1);
    EXPECT_EQ(p.At(0, 1), clBlack);
    EXPECT_EQ(p.At(2, 1), clBlack);
    EXPECT_EQ(p.At(3, 1), clRed);
    EXPECT_EQ(p.At(6, 1), clBlack);

    Picture q(40, 3);
    q.canvas.Pen().SetStyle(psDot);
    q.canvas.Brush().SetStyle(bsClear);
    q.canvas.MoveTo(0, 1);
    q.canvas.LineTo(12, 1);
    EXPECT_EQ(q.At(3, 1), clWhite);
    EXPECT_EQ(q.Count(clBlack), 6);
}

TEST(CanvasShapes, PolygonFillsTopLeftEdgesAndOutlinesEveryVertex) {
    Picture p(10, 10);
    p.canvas.Pen().SetStyle(psClear);
    const TPoint square[] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
    p.canvas.Polygon(square);
    EXPECT_EQ(p.Ink(), Rect(2, 2, 6, 6));

    Picture q(10, 10);
    q.canvas.Polygon(square);
    EXPECT_EQ(q.Ink(), Rect(2, 2, 7, 7));
    EXPECT_EQ(q.At(6, 6), clBlack);
    EXPECT_EQ(q.At(4, 4), clRed);
}

TEST(CanvasShapes, EllipseTouchesEverySideOfItsBoxAndNothingOutside) {
    for (const TRect box : {Rect(3, 4, 23, 24), Rect(5, 5, 30, 16), Rect(2, 2, 5, 9)}) {
        Picture p(40, 40);
        p.canvas.Ellipse(box);
        EXPECT_EQ(p.Ink(), box);
        const int cx = (box.Left + box.Right) / 2;
        const int cy = (box.Top + box.Bottom) / 2;
        EXPECT_NE(p.At(cx, cy), clWhite);
        EXPECT_EQ(p.At(box.Left, box.Top), clWhite);
        EXPECT_EQ(p.At(box.Right - 1, box.Bottom - 1), clWhite);
        // The shape is mirror-symmetric in both axes.
        for (int y = box.Top; y < box.Bottom; ++y) {
            for (int x = box.Left; x < box.Right; ++x) {
                const int mx = box.Left + box.Right - 1 - x;
                const int my = box.Top + box.Bottom - 1 - y;
                ASSERT_EQ(p.At(x, y), p.At(mx, y));
                ASSERT_EQ(p.At(x, y), p.At(x, my));
            }
        }
    }
}

TEST(CanvasShapes, EllipseOutlineIsThePenAndInsideIsTheBrush) {
    Picture p(30, 30);
    p.canvas.Ellipse(0, 0, 20, 20);
    EXPECT_EQ(p.At(0, 10), clBlack);
    EXPECT_EQ(p.At(19, 10), clBlack);
    EXPECT_EQ(p.At(10, 0), clBlack);
    EXPECT_EQ(p.At(1, 10), clRed);
    EXPECT_EQ(p.At(10, 10), clRed);

    Picture noPen(30, 30);
    noPen.canvas.Pen().SetStyle(psClear);
    noPen.canvas.Ellipse(0, 0, 20, 20);
    EXPECT_EQ(noPen.Ink(), Rect(0, 0, 19, 19));
}

TEST(CanvasShapes, AWidePenOutlinesTheEllipseAlikeOnEverySide) {
    for (const int width : {2, 3}) {
        for (const TRect box : {Rect(10, 10, 50, 40), Rect(10, 10, 31, 31), Rect(10, 10, 35, 20)}) {
            Picture p(60, 50);
            p.canvas.Pen().SetWidth(width);
            p.canvas.Ellipse(box);
            const TRect ink = p.Ink();
            const int cx2 = box.Left + box.Right - 1;
            const int cy2 = box.Top + box.Bottom - 1;
            for (int y = ink.Top; y < ink.Bottom; ++y) {
                for (int x = ink.Left; x < ink.Right; ++x) {
                    ASSERT_EQ(p.At(x, y), p.At(cx2 - x, y))
                        << width << " " << box.Right << "x" << box.Bottom << ": " << x << "," << y;
                    ASSERT_EQ(p.At(x, y), p.At(x, cy2 - y))
                        << width << " " << box.Right << "x" << box.Bottom << ": " << x << "," << y;
                }
            }
        }
    }
}

TEST(CanvasShapes, RoundRectCornersFollowTheirEllipse) {
    Picture p(40, 40);
    p.canvas.RoundRect(0, 0, 40, 30, 10, 10);
    EXPECT_EQ(p.Ink(), Rect(0, 0, 40, 30));
    EXPECT_EQ(p.At(0, 0), clWhite);
    EXPECT_EQ(p.At(20, 0), clBlack);
    EXPECT_EQ(p.At(0, 15), clBlack);
    EXPECT_EQ(p.At(20, 15), clRed);
}

TEST(CanvasShapes, ArcDrawsOnlyTheCounterClockwiseSweep) {
    Picture p(40, 40);
    // Upper-left quarter: from 12 o'clock counter-clockwise to 9 o'clock.
    p.canvas.Arc(0, 0, 40, 40, 20, 0, 0, 20);
    const TRect ink = p.Ink();
    EXPECT_GE(p.Count(clBlack), 20);
    EXPECT_LE(ink.Right, 21);
    EXPECT_LE(ink.Bottom, 21);
    EXPECT_EQ(ink.Left, 0);
    EXPECT_EQ(ink.Top, 0);
}

TEST(CanvasBrush, HatchesStayAlignedToTheBitmapUnderAnyOffset) {
    Picture p(24, 24);
    p.canvas.Brush().SetStyle(bsHorizontal);
    p.canvas.FillRect(Rect(3, 5, 20, 20));
    EXPECT_EQ(p.At(4, 7), clRed);
    EXPECT_EQ(p.At(4, 15), clRed);
    EXPECT_EQ(p.At(4, 6), clWhite);
    EXPECT_EQ(p.At(4, 8), clWhite);

    Picture q(24, 24);
    q.canvas.Brush().SetStyle(bsFDiagonal);
    q.canvas.FillRect(Rect(5, 3, 21, 22));
    q.canvas.FillRect(Rect(1, 1, 4, 4));
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool inside =
                Rect(5, 3, 21, 22).Contains({x, y}) || Rect(1, 1, 4, 4).Contains({x, y});
            ASSERT_EQ(q.At(x, y) == clRed, inside && x % 8 == y % 8) << x << "," << y;
        }
    }

    Picture moved(24, 24);
    moved.canvas.Brush().SetStyle(bsHorizontal);
    moved.canvas.SetBrushOrigin({0, 2});
    moved.canvas.FillRect(Rect(0, 0, 24, 24));
    EXPECT_EQ(moved.At(0, 9), clRed);
    EXPECT_EQ(moved.At(0, 7), clWhite);
}

TEST(CanvasBrush, ClearBrushLeavesTheInsideAlone) {
    Picture p(10, 10);
    p.canvas.Brush().SetStyle(bsClear);
    p.canvas.Rectangle(1, 1, 8, 8);
    EXPECT_EQ(p.At(4, 4), clWhite);
    EXPECT_EQ(p.At(1, 1), clBlack);
}

TEST(CanvasClip, NothingIsDrawnOutsideTheClipRectangle) {
    Picture p(20, 20);
    p.canvas.SetClipRect(Rect(5, 5, 10, 10));
    p.canvas.FillRect(Rect(0, 0, 20, 20));
    p.canvas.MoveTo(0, 7);
    p.canvas.LineTo(20, 7);
    p.canvas.Ellipse(0, 0, 20, 20);
    p.canvas.TextOut(0, 0, "Стенд");
    EXPECT_EQ(p.Ink(), Rect(5, 5, 10, 10));
    p.canvas.ResetClipRect();
    p.canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(p.At(0, 0), clRed);
}

TEST(CanvasClip, ThinFillsStopAtTheClipAndTheEdges) {
    Picture p(20, 20);
    p.canvas.SetClipRect(Rect(5, 5, 10, 10));
    // Beside, above and across the clip; a line wholly outside it draws nothing.
    p.canvas.FillRect(Rect(12, 0, 13, 20));
    p.canvas.FillRect(Rect(0, 2, 20, 3));
    p.canvas.FillRect(Rect(7, 0, 8, 20));
    p.canvas.FillRect(Rect(0, 8, 20, 9));
    EXPECT_EQ(p.Ink(), Rect(5, 5, 10, 10));
    EXPECT_EQ(p.Count(clRed), 9);
    p.canvas.ResetClipRect();
    p.canvas.FillRect(Rect(-3, 15, 2, 40));
    p.canvas.FillRect(Rect(18, -5, 30, -4));
    EXPECT_EQ(p.Count(clRed), 9 + 10);
}

TEST(CanvasFrames, FocusRectangleTwiceLeavesNoTrace) {
    Picture p(16, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            p.bitmap.SetPixel(x, y, RGB(x * 13, y * 20, (x * y) % 256));
        }
    }
    const std::vector<std::uint32_t> before = p.Pixels();
    p.canvas.DrawFocusRect(Rect(2, 1, 13, 10));
    const std::vector<std::uint32_t> once = p.Pixels();
    EXPECT_NE(once, before);
    p.canvas.DrawFocusRect(Rect(2, 1, 13, 10));
    EXPECT_EQ(p.Pixels(), before);
}

TEST(CanvasFrames, FocusRectangleIsADottedFrame) {
    Picture p(12, 12);
    p.canvas.DrawFocusRect(Rect(2, 2, 10, 10));
    EXPECT_EQ(p.At(2, 2), clBlack);
    EXPECT_EQ(p.At(3, 2), clWhite);
    EXPECT_EQ(p.At(4, 2), clBlack);
    EXPECT_EQ(p.At(5, 5), clWhite);
    EXPECT_EQ(p.Ink(), Rect(2, 2, 10, 10));
}

TEST(CanvasFrames, RaisedAndSunkenEdgesUseTheClassicColours) {
    Picture p(10, 10);
    p.canvas.DrawEdge(Rect(0, 0, 10, 10), EDGE_RAISED, BF_RECT);
    EXPECT_EQ(p.At(3, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(p.At(0, 3), ColorToRGB(cl3DLight));
    EXPECT_EQ(p.At(3, 9), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(p.At(9, 3), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(p.At(3, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(p.At(1, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(p.At(3, 8), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p.At(8, 3), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p.At(4, 4), clWhite);

    Picture q(10, 10);
    q.canvas.DrawEdge(Rect(0, 0, 10, 10), EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(q.At(3, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(q.At(9, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(q.At(1, 3), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(q.At(8, 3), ColorToRGB(cl3DLight));
    EXPECT_EQ(q.At(4, 4), ColorToRGB(clBtnFace));
}

TEST(CanvasPictures, DrawSkipsTheTransparentColourAndBlendsAlpha) {
    TBitmap sprite(4, 4);
    sprite.Fill(clLime);
    sprite.SetPixel(1, 1, clBlue);
    sprite.SetTransparent(true);
    sprite.SetTransparentColor(clLime);
    Picture p(10, 10);
    p.canvas.Draw(3, 3, sprite);
    EXPECT_EQ(p.At(4, 4), clBlue);
    EXPECT_EQ(p.At(3, 3), clWhite);
    EXPECT_EQ(p.Count(clBlue), 1);

    TBitmap glass(2, 2);
    for (int y = 0; y < 2; ++y) {
        std::uint32_t* row = glass.ScanLine(y);
        row[0] = 0x00000000u;
        row[1] = 0x80000000u;
    }
    Picture q(4, 4);
    q.canvas.Draw(0, 0, glass);
    EXPECT_EQ(q.At(0, 0), clWhite);
    EXPECT_NEAR(GetRValue(q.At(1, 0)), 127, 1);
}

TEST(CanvasPictures, CopyPutsEveryPixelInPlaceWithinTheClip) {
    TBitmap sprite(4, 4);
    sprite.Fill(clLime);
    sprite.ScanLine(0)[0] = 0x00000000u;
    sprite.SetTransparent(true);
    sprite.SetTransparentColor(clLime);
    Picture p(10, 10);
    p.canvas.SetClipRect(Rect(0, 0, 6, 10));
    p.canvas.Copy(3, 3, sprite);
    EXPECT_EQ(p.bitmap.Argb(3, 3), 0u);
    EXPECT_EQ(p.At(5, 6), clLime);
    EXPECT_EQ(p.At(6, 6), clWhite);
    EXPECT_EQ(p.Count(clLime), 3 * 4 - 1);
}

TEST(CanvasPictures, StretchDrawFillsTheTargetRectangleOnly) {
    TBitmap small(2, 2);
    small.Fill(clBlue);
    Picture p(20, 20);
    p.canvas.StretchDraw(Rect(4, 5, 14, 17), small);
    EXPECT_EQ(p.Ink(), Rect(4, 5, 14, 17));
    EXPECT_EQ(p.At(9, 10), clBlue);
}

TEST(CanvasPictures, CopyRectWithinOneCanvasCopiesTheOldPixels) {
    Picture p(20, 10);
    p.canvas.FillRect(Rect(0, 0, 5, 5));
    p.canvas.CopyRect(Rect(3, 0, 8, 5), p.canvas, Rect(0, 0, 5, 5));
    EXPECT_EQ(p.Ink(), Rect(0, 0, 8, 5));
    EXPECT_EQ(p.Count(clRed), 40);
}

TEST(CanvasPictures, DrawingOnABitmapNotifiesItsOwner) {
    TBitmap bitmap(5, 5);
    int changes = 0;
    bitmap.OnChange = [&changes](TObject*) { ++changes; };
    bitmap.Canvas().FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, 1);
    TBitmap other(3, 3);
    bitmap = other;
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Width(), 3);
    ASSERT_TRUE(bitmap.OnChange);
}
