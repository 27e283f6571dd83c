#include "widgets/core/ArcBand.h"

#include "widgets/core/Drawing.h"

TArcBand::TArcBand(double radius1, double radius2, TPoint center, double angle1, double angle2)
    : m_radius1(radius1), m_radius2(radius2), m_center(center), m_angle1(angle1), m_angle2(angle2) {
    TArcBandPoints storage;
    const std::span<const TPoint> outline =
        ArcBandOutline(radius1, radius2, center, angle1, angle2, storage);
    if (radius1 == radius2)
        m_arc.assign(outline.begin(), outline.end());
    else
        m_band = TRasterPolygon(outline);
}

bool TArcBand::Matches(double radius1, double radius2, TPoint center, double angle1,
                       double angle2) const {
    return radius1 == m_radius1 && radius2 == m_radius2 && center == m_center &&
           angle1 == m_angle1 && angle2 == m_angle2;
}

void TArcBand::Draw(TCanvas& canvas, TColor color) const {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    if (m_radius1 == m_radius2)
        canvas.Polyline(m_arc);
    else
        canvas.Polygon(m_band);
}
