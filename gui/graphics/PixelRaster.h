#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gui/graphics/Brush.h"
#include "gui/graphics/Geometry.h"
#include "gui/graphics/Pen.h"

class TBitmap;

// Direct pixel access to a bitmap for the shapes whose pixels must match the classic rules
// exactly (one-pixel lines, ellipse outlines, focus rectangles), limited to a clip rectangle.
class PixelRaster {
public:
    // How a one-pixel line is painted: its colour, its dash pattern and what fills the gaps
    // (nothing when gapPixel is 0).
    struct LineStyle {
        std::uint32_t pixel = 0xFF000000u;
        TPenStyle style = psSolid;
        std::uint32_t gapPixel = 0;
    };

    // How an area is filled: a solid colour or a hatch anchored at the brush origin.
    struct FillStyle {
        std::uint32_t pixel = 0xFFFFFFFFu;
        TBrushStyle style = bsSolid;
        TPoint origin;
    };

    // Pixels left .. right - 1 of row y.
    struct Span {
        int y = 0;
        int left = 0;
        int right = 0;
    };

    PixelRaster(TBitmap& target, const TRect& clip);
    PixelRaster(const PixelRaster&) = delete;
    PixelRaster& operator=(const PixelRaster&) = delete;
    ~PixelRaster();

    void Plot(int x, int y, std::uint32_t pixel);
    void Invert(int x, int y);
    // Pixels left .. right - 1 of row y.
    void FillSpan(int y, int left, int right, const FillStyle& fill);
    void FillRect(const TRect& rect, const FillStyle& fill);
    // The picture's pixels in place of the target's, its top left at (x, y). The picture must
    // not be the target.
    void Copy(int x, int y, const TBitmap& picture);
    // The same for the given spans of the picture only (in its own coordinates).
    void CopySpans(int x, int y, const TBitmap& picture, std::span<const Span> spans);

    // Even-odd fill of the polygon: a pixel is inside when a point just right of and below its
    // top-left corner is, so top and left edges belong to the shape and bottom and right
    // edges do not.
    void FillPolygon(std::span<const TPoint> points, const FillStyle& fill);
    // The rows FillPolygon fills, top to bottom, before clipping.
    static void PolygonSpans(std::span<const TPoint> points, std::vector<Span>& spans);
    void FillSpans(std::span<const Span> spans, const FillStyle& fill);

    // The line from `from` towards `to`, leaving `to` unpainted. `phase` carries the dash
    // position from one segment to the next of a polyline.
    void Line(TPoint from, TPoint to, const LineStyle& line, int& phase);
    // The pixels Line paints, in the order it paints them, before clipping.
    static void LinePixels(TPoint from, TPoint to, std::vector<TPoint>& pixels);
    // Pixels painted as a line paints its own, each one step further along the dash pattern.
    void Trace(std::span<const TPoint> pixels, const LineStyle& line, int& phase);

private:
    void PlotStyled(int x, int y, const LineStyle& line, int& phase);

    std::uint32_t* m_data = nullptr;
    int m_width = 0;
    TRect m_clip;
    TBitmap& m_target;
};
