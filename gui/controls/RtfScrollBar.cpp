#include "gui/controls/RtfScrollBar.h"

#include <algorithm>
#include <cstdint>

#include "gui/graphics/Canvas.h"

namespace {

constexpr int ArrowRows = 4;

std::int64_t Scale(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    return denominator <= 0 ? 0 : (value * numerator + denominator / 2) / denominator;
}

} // namespace

void TRtfScrollBar::SetRange(int content, int page) {
    m_content = std::max(0, content);
    m_page = std::max(0, page);
    SetPosition(m_position);
}

int TRtfScrollBar::MaxPosition() const {
    return std::max(0, m_content - m_page);
}

bool TRtfScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (value == m_position)
        return false;
    m_position = value;
    return true;
}

// Short bars share their height between the two buttons and have no track.
TRect TRtfScrollBar::UpButton() const {
    const int height = std::min(Size, m_bounds.Height() / 2);
    return {m_bounds.Left, m_bounds.Top, m_bounds.Right, m_bounds.Top + height};
}

TRect TRtfScrollBar::DownButton() const {
    const int height = std::min(Size, m_bounds.Height() / 2);
    return {m_bounds.Left, m_bounds.Bottom - height, m_bounds.Right, m_bounds.Bottom};
}

TRect TRtfScrollBar::Track() const {
    return {m_bounds.Left, UpButton().Bottom, m_bounds.Right, DownButton().Top};
}

TRect TRtfScrollBar::Thumb() const {
    const TRect track = Track();
    const int space = track.Height();
    if (!Enabled() || space < MinThumb)
        return {};
    const int length =
        std::clamp(static_cast<int>(Scale(space, m_page, m_content)), MinThumb, space);
    const int top = track.Top + static_cast<int>(Scale(space - length, m_position, MaxPosition()));
    return {track.Left, top, track.Right, top + length};
}

TRtfScrollPart TRtfScrollBar::PartAt(TPoint point) const {
    if (!Enabled() || !m_bounds.Contains(point))
        return spNowhere;
    if (UpButton().Contains(point))
        return spLineUp;
    if (DownButton().Contains(point))
        return spLineDown;
    const TRect thumb = Thumb();
    if (thumb.IsEmpty())
        return spNowhere;
    if (point.Y < thumb.Top)
        return spPageUp;
    return point.Y >= thumb.Bottom ? spPageDown : spThumb;
}

TRtfScrollPart TRtfScrollBar::Press(TPoint point) {
    m_pressed = PartAt(point);
    m_grab = point.Y - Thumb().Top;
    return m_pressed;
}

bool TRtfScrollBar::Drag(TPoint point) {
    if (!Dragging())
        return false;
    const TRect track = Track();
    const int travel = track.Height() - Thumb().Height();
    const int top = point.Y - m_grab - track.Top;
    return SetPosition(static_cast<int>(Scale(top, MaxPosition(), travel)));
}

// Drawn in order: the two buttons, the track, the thumb.
void TRtfScrollBar::Paint(TCanvas& canvas) {
    if (m_bounds.IsEmpty())
        return;
    PaintButton(canvas, UpButton(), true, m_pressed == spLineUp);
    PaintButton(canvas, DownButton(), false, m_pressed == spLineDown);
    PaintTrack(canvas);
    const TRect thumb = Thumb();
    if (thumb.IsEmpty())
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(thumb);
    canvas.DrawEdge(thumb, EDGE_RAISED, BF_RECT);
}

void TRtfScrollBar::PaintButton(TCanvas& canvas, const TRect& rect, bool up, bool pressed) const {
    if (rect.IsEmpty())
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(rect);
    if (pressed) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(rect);
    } else {
        canvas.DrawEdge(rect, EDGE_RAISED, BF_RECT);
    }
    const int offset = pressed ? 1 : 0;
    const int centerX = (rect.Left + rect.Right) / 2 + offset;
    const int top = (rect.Top + rect.Bottom - ArrowRows) / 2 + offset;
    if (Enabled()) {
        PaintArrow(canvas, centerX, top, up, clBtnText);
    } else {
        // The classic engraved look of a disabled arrow: a light copy below and to the right.
        PaintArrow(canvas, centerX + 1, top + 1, up, clBtnHighlight);
        PaintArrow(canvas, centerX, top, up, clBtnShadow);
    }
}

void TRtfScrollBar::PaintArrow(TCanvas& canvas, int centerX, int top, bool up, TColor color) const {
    canvas.Pen().SetColor(color);
    for (int row = 0; row < ArrowRows; ++row) {
        const int half = up ? row : ArrowRows - 1 - row;
        canvas.MoveTo(centerX - half, top + row);
        canvas.LineTo(centerX + half + 1, top + row);
    }
}

// Light and face pixels alternate like a checkerboard, as on the classic scroll bar.
void TRtfScrollBar::PaintTrack(TCanvas& canvas) {
    const TRect track = Track();
    if (track.IsEmpty())
        return;
    if (m_track.Width() != track.Width() || m_track.Height() != track.Height()) {
        m_track.SetSize(track.Width(), track.Height());
        const std::uint32_t light = ColorToPixel(clBtnHighlight);
        const std::uint32_t face = ColorToPixel(clBtnFace);
        for (int y = 0; y < track.Height(); ++y) {
            std::uint32_t* row = m_track.ScanLine(y);
            for (int x = 0; x < track.Width(); ++x)
                row[x] = (x + y) % 2 == 0 ? light : face;
        }
        cairo_surface_mark_dirty(m_track.Surface());
    }
    canvas.Draw(track.Left, track.Top, m_track);
}
