#pragma once

#include <cstdint>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

class TCanvas;

enum TRtfScrollPart : std::uint8_t {
    spNowhere,
    spLineUp,
    spLineDown,
    spPageUp,
    spPageDown,
    spThumb
};

// The vertical scroll bar of the rich-text box in the classic look: arrow buttons at both ends,
// a dotted track and a thumb as long as the page is against the content. It keeps the scroll
// position in pixel rows; with nothing to scroll it looks disabled and ignores the mouse.
class TRtfScrollBar {
public:
    static constexpr int Size = 17;
    static constexpr int MinThumb = 8;

    void SetBounds(const TRect& bounds) { m_bounds = bounds; }
    const TRect& Bounds() const { return m_bounds; }
    // Content and page heights in pixels; the position is clamped to the new range.
    void SetRange(int content, int page);
    int Position() const { return m_position; }
    int MaxPosition() const;
    int Page() const { return m_page; }
    // Clamps the value; returns whether the position changed.
    bool SetPosition(int value);
    bool Enabled() const { return MaxPosition() > 0; }

    TRect UpButton() const;
    TRect DownButton() const;
    TRect Track() const;
    // Empty while the bar is disabled or too short for a thumb.
    TRect Thumb() const;
    TRtfScrollPart PartAt(TPoint point) const;

    // A mouse button went down on the bar; a press on the thumb starts a drag. Returns the part.
    TRtfScrollPart Press(TPoint point);
    // Follows the pointer while the thumb is dragged; returns whether the position changed.
    bool Drag(TPoint point);
    void Release() { m_pressed = spNowhere; }
    TRtfScrollPart Pressed() const { return m_pressed; }
    bool Dragging() const { return m_pressed == spThumb; }

    void Paint(TCanvas& canvas);

private:
    void PaintButton(TCanvas& canvas, const TRect& rect, bool up, bool pressed) const;
    void PaintArrow(TCanvas& canvas, int centerX, int top, bool up, TColor color) const;
    void PaintTrack(TCanvas& canvas);

    TRect m_bounds;
    int m_content = 0;
    int m_page = 0;
    int m_position = 0;
    TRtfScrollPart m_pressed = spNowhere;
    // Where in the thumb the drag took hold.
    int m_grab = 0;
    // The dotted track, remade when its size changes.
    TBitmap m_track;
};
