#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/RasterPolygon.h"

namespace {

std::vector<std::uint32_t> Pixels(const TBitmap& bitmap) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* row = bitmap.ScanLine(y);
        pixels.insert(pixels.end(), row, row + bitmap.Width());
    }
    return pixels;
}

// The polygon drawn from its points and from its worked-out pixels, on like canvases.
void ExpectSamePixels(std::span<const TPoint> points, const std::function<void(TCanvas&)>& setUp) {
    TBitmap direct(40, 30);
    TBitmap prepared(40, 30);
    for (TBitmap* bitmap : {&direct, &prepared}) {
        bitmap->Fill(clWhite);
        bitmap->Canvas().Pen().SetColor(clBlack);
        bitmap->Canvas().Brush().SetColor(clRed);
        setUp(bitmap->Canvas());
    }
    direct.Canvas().Polygon(points);
    prepared.Canvas().Polygon(TRasterPolygon(points));
    EXPECT_EQ(Pixels(direct), Pixels(prepared));
}

TEST(RasterPolygon, DrawsWhatThePointsDrawWithEveryPenBrushAndClip) {
    const std::vector<std::vector<TPoint>> shapes = {
        // A thin bar at a slant, as a LED ring has them.
        {{20, 2}, {24, 3}, {17, 25}, {13, 24}},
        // Concave, self-crossing and reaching past every edge of the picture.
        {{-5, -5}, {45, 10}, {5, 12}, {35, 40}},
        {{2, 2}, {30, 2}, {16, 20}, {16, 8}, {4, 26}},
        // Degenerate: a line, a single point twice.
        {{3, 3}, {30, 20}},
        {{7, 7}, {7, 7}},
    };
    const std::vector<std::function<void(TCanvas&)>> setUps = {
        [](TCanvas&) {},
        [](TCanvas& c) { c.Pen().SetStyle(psClear); },
        [](TCanvas& c) { c.Pen().SetStyle(psDashDot); },
        [](TCanvas& c) { c.Pen().SetWidth(3); },
        [](TCanvas& c) {
            c.Brush().SetStyle(bsDiagCross);
            c.SetBrushOrigin({3, 1});
        },
        [](TCanvas& c) { c.SetClipRect(Rect(5, 4, 28, 19)); },
    };
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        for (std::size_t u = 0; u < setUps.size(); ++u) {
            SCOPED_TRACE(testing::Message() << "shape " << s << ", set-up " << u);
            ExpectSamePixels(shapes[s], setUps[u]);
        }
    }
}

TEST(RasterPolygon, FewerThanTwoPointsDrawNothing) {
    TBitmap bitmap(8, 8);
    bitmap.Fill(clWhite);
    const TPoint one[] = {{3, 3}};
    bitmap.Canvas().Polygon(TRasterPolygon(one));
    bitmap.Canvas().Polygon(TRasterPolygon());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(bitmap.Pixel(x, y), clWhite) << x << "," << y;
}

} // namespace
