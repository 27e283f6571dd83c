#pragma once

#include <span>
#include <vector>

#include "gui/graphics/Geometry.h"
#include "gui/graphics/PixelRaster.h"

// A polygon worked out into pixels once, for a shape drawn again and again in the same place:
// the rows its fill covers and the pixels of its one-pixel outline in the order the pen paints
// them. TCanvas::Polygon draws it exactly as it draws the points it was made from.
class TRasterPolygon {
public:
    TRasterPolygon() = default;
    explicit TRasterPolygon(std::span<const TPoint> points);

    // The points with the first repeated at the end; empty for fewer than two points, which
    // draw nothing.
    std::span<const TPoint> Outline() const { return m_outline; }
    std::span<const PixelRaster::Span> Spans() const { return m_spans; }
    std::span<const TPoint> OutlinePixels() const { return m_outlinePixels; }

private:
    std::vector<TPoint> m_outline;
    std::vector<PixelRaster::Span> m_spans;
    std::vector<TPoint> m_outlinePixels;
};
