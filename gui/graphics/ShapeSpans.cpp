#include "gui/graphics/ShapeSpans.h"

#include <algorithm>
#include <cmath>

namespace {

// Leftmost inside pixel of row y of the ellipse filling box, or box.Right when the row is empty.
int EllipseRowLeft(const TRect& box, int y) {
    const double a = box.Width() / 2.0;
    const double b = box.Height() / 2.0;
    const double cx = box.Left + a;
    const double cy = box.Top + b;
    const double dy = (y + 0.5 - cy) / b;
    if (dy * dy > 1.0) {
        return box.Right;
    }
    const double dx = a * std::sqrt(1.0 - dy * dy);
    return static_cast<int>(std::ceil(cx - dx - 0.5 - 1e-9));
}

} // namespace

ShapeSpans ShapeSpans::Ellipse(const TRect& box) {
    return RoundRect(box, box.Width(), box.Height());
}

ShapeSpans ShapeSpans::RoundRect(const TRect& box, int ellipseWidth, int ellipseHeight) {
    ShapeSpans spans;
    spans.m_top = box.Top;
    if (box.IsEmpty()) {
        return spans;
    }
    const int ew = std::clamp(ellipseWidth, 0, box.Width());
    const int eh = std::clamp(ellipseHeight, 0, box.Height());
    const TRect corner{box.Left, box.Top, box.Left + ew, box.Top + eh};
    const int rows = box.Height();
    spans.m_left.resize(rows);
    spans.m_right.resize(rows);
    // Rows are computed for the top half and mirrored so both halves match pixel for pixel.
    for (int i = 0; i < (rows + 1) / 2; ++i) {
        int left = box.Left;
        if (ew > 0 && eh > 0 && i < (eh + 1) / 2) {
            left = std::min(EllipseRowLeft(corner, box.Top + i), box.Left + (ew - 1) / 2);
        }
        const int right = box.Left + box.Right - 1 - left;
        spans.m_left[i] = spans.m_left[rows - 1 - i] = left;
        spans.m_right[i] = spans.m_right[rows - 1 - i] = right;
    }
    return spans;
}

void ShapeSpans::Interior(int row, int& first, int& last) const {
    first = m_right[row] + 1;
    last = m_right[row];
    if (row == 0 || row == Rows() - 1) {
        return;
    }
    const int innerFirst = std::max({m_left[row] + 1, m_left[row - 1], m_left[row + 1]});
    const int innerLast = std::min({m_right[row] - 1, m_right[row - 1], m_right[row + 1]});
    if (innerFirst <= innerLast) {
        first = innerFirst;
        last = innerLast;
    }
}
