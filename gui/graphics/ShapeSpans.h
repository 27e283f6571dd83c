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

    // The inside pixels of row i that do not touch the outside on any of their four sides:
    // [first, last]. When there are none, first is Right(row) + 1 and last is Right(row), so
    // that the edge pixels are always [Left, first) and (last, Right].
    void Interior(int row, int& first, int& last) const;

    template <typename Plot> void ForEachEdgePixel(Plot plot) const {
        for (int row = 0; row < Rows(); ++row) {
            int first = 0;
            int last = 0;
            Interior(row, first, last);
            for (int x = Left(row); x < first; ++x) {
                plot(x, m_top + row);
            }
            for (int x = last + 1; x <= Right(row); ++x) {
                plot(x, m_top + row);
            }
        }
    }

private:
    int m_top = 0;
    std::vector<int> m_left;
    std::vector<int> m_right;
};
