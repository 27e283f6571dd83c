#pragma once

#include <vector>

#include "gui/graphics/Geometry.h"

// The pixels of a convex shape as one span per row: row Top + i covers Left[i] .. Right[i]
// (both inside). Pixels count as inside when their centre lies inside the shape, which keeps
// the shape symmetric and touching every side of its box.
class ShapeSpans {
public:
    static ShapeSpans Ellipse(const TRect& box);
    static ShapeSpans RoundRect(const TRect& box, int ellipseWidth, int ellipseHeight);

    int Top() const { return m_top; }
    int Rows() const { return static_cast<int>(m_left.size()); }
    int Left(int row) const { return m_left[row]; }
    int Right(int row) const { return m_right[row]; }
    bool Contains(int x, int y) const;

    // The inside pixels of row i that do not touch the outside on any of their four sides:
    // [first, last], empty when first > last.
    void Interior(int row, int& first, int& last) const;

private:
    int m_top = 0;
    std::vector<int> m_left;
    std::vector<int> m_right;
};
