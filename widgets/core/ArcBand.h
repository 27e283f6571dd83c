#pragma once

#include <vector>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Geometry.h"
#include "gui/graphics/RasterPolygon.h"

// A ring sector worked out into points and pixels once, for a dial that draws the same bands and
// arcs each time its background is drawn anew; DrawArcBand draws a band once through it.
class TArcBand {
public:
    TArcBand(double radius1, double radius2, TPoint center, double angle1, double angle2);

    bool Matches(double radius1, double radius2, TPoint center, double angle1, double angle2) const;
    // Leaves the pen and brush in color.
    void Draw(TCanvas& canvas, TColor color) const;

private:
    double m_radius1;
    double m_radius2;
    TPoint m_center;
    double m_angle1;
    double m_angle2;
    // An arc is a polyline; a band is a polygon.
    std::vector<TPoint> m_arc;
    TRasterPolygon m_band;
};
