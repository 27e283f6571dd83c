#include "gui/graphics/PixelRaster.h"

#include <cairo.h>
#include <pixman.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "gui/graphics/Bitmap.h"

namespace {

constexpr std::array<int, 2> kDash = {18, 6};
constexpr std::array<int, 2> kDot = {3, 3};
constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};

// Runs of the dash pattern, alternately painted and gap, starting with a painted run.
std::span<const int> DashPattern(TPenStyle style) {
    switch (style) {
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
        return kDashDot;
    case psDashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}

bool InDash(std::span<const int> pattern, int phase) {
    int total = 0;
    for (int run : pattern) {
        total += run;
    }
    int position = phase % total;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (position < pattern[i]) {
            return i % 2 == 0;
        }
        position -= pattern[i];
    }
    return true;
}

} // namespace

PixelRaster::PixelRaster(TBitmap& target, const TRect& clip) : m_target(target) {
    m_clip = clip.Intersect({0, 0, target.Width(), target.Height()});
    if (!target.Empty()) {
        m_data = target.ScanLine(0);
        m_width = target.Width();
    }
}

PixelRaster::~PixelRaster() {
    if (m_target.Surface()) {
        cairo_surface_mark_dirty(m_target.Surface());
    }
}

void PixelRaster::Plot(int x, int y, std::uint32_t pixel) {
    if (m_clip.Contains({x, y})) {
        m_data[static_cast<std::size_t>(y) * m_width + x] = pixel;
    }
}

void PixelRaster::Invert(int x, int y) {
    if (m_clip.Contains({x, y})) {
        std::uint32_t& p = m_data[static_cast<std::size_t>(y) * m_width + x];
        p = (p & 0xFF000000u) | (~p & 0x00FFFFFFu);
    }
}

void PixelRaster::FillSpan(int y, int left, int right, const FillStyle& fill) {
    if (fill.style == bsClear || y < m_clip.Top || y >= m_clip.Bottom) {
        return;
    }
    left = std::max(left, m_clip.Left);
    right = std::min(right, m_clip.Right);
    std::uint32_t* row = m_data + static_cast<std::size_t>(y) * m_width;
    if (fill.style == bsSolid) {
        std::fill(row + std::max(left, 0), row + std::max(right, left), fill.pixel);
        return;
    }
    for (int x = left; x < right; ++x) {
        if (TBrush::HatchCovers(fill.style, x - fill.origin.X, y - fill.origin.Y)) {
            row[x] = fill.pixel;
        }
    }
}

void PixelRaster::FillRect(const TRect& rect, const FillStyle& fill) {
    if (fill.style == bsSolid) {
        const TRect clipped = rect.Intersect(m_clip);
        if (clipped.IsEmpty()) {
            return;
        }
        // pixman sets up every row anew, which costs more than filling a few pixels of it: the
        // lines of a bevel frame are filled here.
        constexpr int narrow = 4;
        if (clipped.Width() <= narrow || clipped.Height() <= narrow) {
            for (int y = clipped.Top; y < clipped.Bottom; ++y) {
                std::uint32_t* row = m_data + static_cast<std::size_t>(y) * m_width;
                std::fill(row + clipped.Left, row + clipped.Right, fill.pixel);
            }
        } else {
            pixman_fill(m_data, m_width, 32, clipped.Left, clipped.Top, clipped.Width(),
                        clipped.Height(), fill.pixel);
        }
        return;
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        FillSpan(y, rect.Left, rect.Right, fill);
    }
}

void PixelRaster::Copy(int x, int y, const TBitmap& picture) {
    const TRect area = Bounds(x, y, picture.Width(), picture.Height()).Intersect(m_clip);
    if (area.IsEmpty()) {
        return;
    }
    auto* source = const_cast<std::uint32_t*>(picture.ScanLine(0));
    pixman_blt(source, m_data, picture.Width(), m_width, 32, 32, area.Left - x, area.Top - y,
               area.Left, area.Top, area.Width(), area.Height());
}

void PixelRaster::CopySpans(int x, int y, const TBitmap& picture, std::span<const Span> spans) {
    const std::uint32_t* source = picture.ScanLine(0);
    const int pitch = picture.Width();
    for (const Span& span : spans) {
        const int row = y + span.y;
        if (row < m_clip.Top || row >= m_clip.Bottom) {
            continue;
        }
        const int left = std::max(x + span.left, m_clip.Left);
        const int right = std::min(x + span.right, m_clip.Right);
        if (left < right) {
            std::copy(source + static_cast<std::size_t>(span.y) * pitch + (left - x),
                      source + static_cast<std::size_t>(span.y) * pitch + (right - x),
                      m_data + static_cast<std::size_t>(row) * m_width + left);
        }
    }
}

namespace {

// Calls emit(y, left, right) for every row of the even-odd fill between rows top and bottom.
template <class Emit>
void ScanPolygon(std::span<const TPoint> points, int top, int bottom, Emit emit) {
    struct Edge {
        int top;
        int bottom;
        double x0;
        double slope;
        int y0;
    };
    constexpr double epsilon = 1.0 / 256;
    // Kept between calls: a widget fills dozens of small polygons in every paint.
    thread_local std::vector<Edge> edgeScratch;
    thread_local std::vector<const Edge*> activeScratch;
    thread_local std::vector<double> crossingScratch;
    std::vector<Edge>& edges = edgeScratch;
    std::vector<const Edge*>& active = activeScratch;
    std::vector<double>& crossings = crossingScratch;
    edges.clear();
    active.clear();
    int first = bottom;
    int last = top;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % points.size()];
        if (a.Y == b.Y) {
            continue;
        }
        const TPoint& upper = a.Y < b.Y ? a : b;
        const TPoint& lower = a.Y < b.Y ? b : a;
        // Rows whose sample line y + epsilon crosses the edge.
        edges.push_back({upper.Y, lower.Y, static_cast<double>(upper.X),
                         static_cast<double>(lower.X - upper.X) / (lower.Y - upper.Y), upper.Y});
        first = std::min(first, upper.Y);
        last = std::max(last, lower.Y);
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& l, const Edge& r) { return l.top < r.top; });
    first = std::max(first, top);
    last = std::min(last, bottom);
    std::size_t next = 0;
    for (int y = first; y < last; ++y) {
        while (next < edges.size() && edges[next].top <= y) {
            active.push_back(&edges[next++]);
        }
        std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
        crossings.clear();
        for (const Edge* e : active) {
            crossings.push_back(e->x0 + (y + epsilon - e->y0) * e->slope);
        }
        // Mostly two or four crossings, already nearly in order.
        for (std::size_t i = 1; i < crossings.size(); ++i) {
            for (std::size_t j = i; j > 0 && crossings[j] < crossings[j - 1]; --j) {
                std::swap(crossings[j], crossings[j - 1]);
            }
        }
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int left = static_cast<int>(std::floor(crossings[i] - epsilon)) + 1;
            const int right = static_cast<int>(std::floor(crossings[i + 1] - epsilon)) + 1;
            emit(y, left, right);
        }
    }
}

// Calls plot(x, y) for every pixel of the line from `from` towards `to`, leaving `to` out.
template <class Plot> void StepLine(TPoint from, TPoint to, Plot plot) {
    int x = from.X;
    int y = from.Y;
    const int dx = std::abs(to.X - from.X);
    const int dy = std::abs(to.Y - from.Y);
    const bool xMajor = dx >= dy;
    // Steps along the longer axis; the other coordinate follows the error term.
    int& along = xMajor ? x : y;
    int& across = xMajor ? y : x;
    const int alongStep = (xMajor ? to.X >= from.X : to.Y >= from.Y) ? 1 : -1;
    const int acrossStep = (xMajor ? to.Y >= from.Y : to.X >= from.X) ? 1 : -1;
    const int major = std::max(dx, dy);
    const int minor = std::min(dx, dy);
    int error = 2 * minor - major;
    for (int i = 0; i < major; ++i) {
        plot(x, y);
        if (error > 0) {
            across += acrossStep;
            error -= 2 * major;
        }
        error += 2 * minor;
        along += alongStep;
    }
}

} // namespace

void PixelRaster::FillPolygon(std::span<const TPoint> points, const FillStyle& fill) {
    ScanPolygon(points, m_clip.Top, m_clip.Bottom,
                [&](int y, int left, int right) { FillSpan(y, left, right, fill); });
}

void PixelRaster::PolygonSpans(std::span<const TPoint> points, std::vector<Span>& spans) {
    spans.clear();
    ScanPolygon(points, INT_MIN, INT_MAX, [&spans](int y, int left, int right) {
        spans.push_back({y, left, right});
    });
}

void PixelRaster::FillSpans(std::span<const Span> spans, const FillStyle& fill) {
    for (const Span& span : spans) {
        FillSpan(span.y, span.left, span.right, fill);
    }
}

void PixelRaster::PlotStyled(int x, int y, const LineStyle& line, int& phase) {
    const std::span<const int> pattern = DashPattern(line.style);
    if (pattern.empty() || InDash(pattern, phase)) {
        Plot(x, y, line.pixel);
    } else if (line.gapPixel != 0) {
        Plot(x, y, line.gapPixel);
    }
    ++phase;
}

void PixelRaster::Line(TPoint from, TPoint to, const LineStyle& line, int& phase) {
    if (DashPattern(line.style).empty()) {
        StepLine(from, to, [&](int x, int y) {
            Plot(x, y, line.pixel);
            ++phase;
        });
        return;
    }
    StepLine(from, to, [&](int x, int y) { PlotStyled(x, y, line, phase); });
}

void PixelRaster::LinePixels(TPoint from, TPoint to, std::vector<TPoint>& pixels) {
    StepLine(from, to, [&pixels](int x, int y) { pixels.push_back({x, y}); });
}

void PixelRaster::Trace(std::span<const TPoint> pixels, const LineStyle& line, int& phase) {
    if (DashPattern(line.style).empty()) {
        for (const TPoint p : pixels) {
            Plot(p.X, p.Y, line.pixel);
        }
        phase += static_cast<int>(pixels.size());
        return;
    }
    for (const TPoint p : pixels) {
        PlotStyled(p.X, p.Y, line, phase);
    }
}
