#include "gui/graphics/RasterPolygon.h"

TRasterPolygon::TRasterPolygon(std::span<const TPoint> points) {
    if (points.size() < 2) {
        return;
    }
    m_outline.assign(points.begin(), points.end());
    m_outline.push_back(points.front());
    PixelRaster::PolygonSpans(points, m_spans);
    for (std::size_t i = 1; i < m_outline.size(); ++i) {
        PixelRaster::LinePixels(m_outline[i - 1], m_outline[i], m_outlinePixels);
    }
}
