#include "widgets/controls/iSwitchSlider.h"

#include <algorithm>

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/controls/SliderDrawing.h"
#include "widgets/core/Drawing.h"
#include "widgets/core/Numeric.h"

namespace {

TRect Moved(TRect rect, int dx, int dy) {
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

} // namespace

TiSwitchSlider::TiSwitchSlider(TComponent* owner) : TiSwitchMultiPosition(owner) {
    SetBounds(Left(), Top(), 80, 80);
    SetPositionLabels("Low, Medium, High");
    CreateBackGroundPicture();
}

const TClassInfo& TiSwitchSlider::StaticClassInfo() {
    using C = TiSwitchSlider;
    static const TClassInfo& info =
        TClassBuilder<C>("TiSwitchSlider", &TiSwitchMultiPosition::StaticClassInfo())
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         {"ioVertical", "ioHorizontal"}, ioVertical)
            .Enumeration("OrientationLabels", &C::OrientationLabels, &C::SetOrientationLabels,
                         {"iosBottomRight", "iosTopLeft"}, iosBottomRight)
            .Integer("EndsMargin", &C::EndsMargin, &C::SetEndsMargin, 5)
            .Enumeration("PointerStyle", &C::PointerStyle, &C::SetPointerStyle,
                         {"ispsLed", "ispsPointer", "ispsBar", "ispsLightBar", "ispsBarColor"},
                         ispsPointer)
            .Integer("PointerHeight", &C::PointerHeight, &C::SetPointerHeight, 8)
            .Integer("PointerWidth", &C::PointerWidth, &C::SetPointerWidth, 13)
            .Color("PointerIndicatorActiveColor", &C::PointerIndicatorActiveColor,
                   &C::SetPointerIndicatorActiveColor, clRed)
            .Color("PointerIndicatorInactiveColor", &C::PointerIndicatorInactiveColor,
                   &C::SetPointerIndicatorInactiveColor, clBlack)
            .Color("TrackColor", &C::TrackColor, &C::SetTrackColor, clWhite)
            .Enumeration("TrackStyle", &C::TrackStyle, &C::SetTrackStyle,
                         {"istsBox", "istsLine", "istsBevelLowered", "istsBevelRasied"}, istsBox)
            .Enumeration("PositionIndicatorStyle", &C::PositionIndicatorStyle,
                         &C::SetPositionIndicatorStyle, {"issisDot", "issisLine"}, issisDot)
            .Boolean("AutoCenter", &C::AutoCenter, &C::SetAutoCenter, false)
            .Integer("OffsetX", &TiComponent::OffsetX, &TiComponent::SetOffsetX, 0)
            .Integer("OffsetY", &TiComponent::OffsetY, &TiComponent::SetOffsetY, 0)
            .Object("BackGroundPicture", &TiComponent::BackGroundPicture,
                    TFrameworkClasses::Bitmap())
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Build();
    return info;
}

void TiSwitchSlider::SetEndsMargin(int value) {
    SetIntegerProperty(value, m_endsMargin, ckInvalidate);
}

void TiSwitchSlider::SetPointerIndicatorInactiveColor(TColor value) {
    SetColorProperty(value, m_pointerIndicatorInactiveColor, ckInvalidate);
}

void TiSwitchSlider::SetPointerIndicatorActiveColor(TColor value) {
    SetColorProperty(value, m_pointerIndicatorActiveColor, ckInvalidate);
}

void TiSwitchSlider::SetOrientationLabels(TiOrientationSide value) {
    if (value == m_orientationLabels)
        return;
    m_orientationLabels = value;
    InvalidateChange();
}

// Turning the switch turns its rectangle too, except when a layout gives the size.
void TiSwitchSlider::SetOrientation(TiOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    InvalidateChange();
}

void TiSwitchSlider::SetPointerHeight(int value) {
    SetIntegerProperty(value, m_pointerHeight, ckInvalidate);
}

void TiSwitchSlider::SetPointerStyle(TiSliderPointerStyle value) {
    if (value == m_pointerStyle)
        return;
    m_pointerStyle = value;
    InvalidateChange();
}

void TiSwitchSlider::SetPointerWidth(int value) {
    SetIntegerProperty(value, m_pointerWidth, ckInvalidate);
}

void TiSwitchSlider::SetTrackColor(TColor value) {
    SetColorProperty(value, m_trackColor, ckInvalidate);
}

void TiSwitchSlider::SetTrackStyle(TiSliderTrackStyle value) {
    if (value == m_trackStyle)
        return;
    m_trackStyle = value;
    InvalidateChange();
}

void TiSwitchSlider::SetPositionIndicatorStyle(TiSwitchSliderIndicatorStyle value) {
    if (value == m_positionIndicatorStyle)
        return;
    m_positionIndicatorStyle = value;
    InvalidateChange();
}

void TiSwitchSlider::SetAutoCenter(bool value) {
    SetBooleanProperty(value, m_autoCenter, ckBackGround);
}

int TiSwitchSlider::TravelLength() const {
    const int length = Vertical() ? Height() : Width();
    return length - m_pointerHeight - 2 * m_endsMargin - 2 * Inset();
}

// A switch with fewer than two positions, or with no room to travel, keeps every position at
// the start of the track.
double TiSwitchSlider::Step() const {
    const int travel = TravelLength();
    if (PositionCount() < 2 || travel <= 0)
        return 0;
    return static_cast<double>(travel) / (PositionCount() - 1);
}

int TiSwitchSlider::PositionOffset(int index) const {
    return Round(Step() * index) + m_pointerHeight / 2 + Inset();
}

int TiSwitchSlider::PositionAt(int x, int y) const {
    const double step = Step();
    if (step <= 0)
        return 0;
    const int along = Vertical() ? Height() - y : x;
    return Round((along - (m_endsMargin + Inset() + m_pointerHeight / 2)) / step);
}

TRect TiSwitchSlider::TrackRect() const {
    const int w = Width();
    const int h = Height();
    const int em = m_endsMargin;
    const int a = EdgeMargin();
    const int d = m_pointerWidth + 2 * Inset();
    if (Vertical())
        return LabelsBottomRight() ? TRect{a, em, a + d, h - em}
                                   : TRect{w - a - d, em, w - a, h - em};
    return LabelsBottomRight() ? TRect{em, a, w - em, a + d} : TRect{em, h - a - d, w - em, h - a};
}

TRect TiSwitchSlider::PointerRect(const TRect& k) const {
    const int e = Inset();
    const int o = Overhang();
    const int ph = m_pointerHeight;
    const int p = Round(Step() * Position());
    if (Vertical()) {
        const int y0 = k.Bottom - e - p;
        return m_pointerStyle == ispsLed ? TRect{k.Left + e, y0 - ph, k.Right - e, y0}
                                         : TRect{k.Left - o, y0 - ph, k.Right + o, y0};
    }
    const int x0 = k.Left + e + p;
    return m_pointerStyle == ispsLed ? TRect{x0, k.Top + e, x0 + ph, k.Bottom - e}
                                     : TRect{x0, k.Top - o, x0 + ph, k.Bottom + o};
}

// Half of what is left across the travel once track, marks and names are counted.
int TiSwitchSlider::CentringShift(TCanvas& measure, const TRect& track) const {
    if (!m_autoCenter)
        return 0;
    int extent = 0;
    if (ShowPositionLabels()) {
        int largest = 0;
        for (const std::string& name : PositionNames()) {
            for (bool active : {true, false}) {
                measure.Font() = LabelFont(active);
                const TSize size = measure.TextExtent(name);
                largest = std::max(largest, Vertical() ? size.cx : size.cy);
            }
        }
        extent += PositionLabelMargin() + largest;
    }
    if (ShowPositionIndicators())
        extent += PositionIndicatorMargin() + PositionIndicatorSize();
    if (Vertical())
        return (Width() - (extent + track.Width() + Overhang())) / 2;
    return (Height() - (extent + track.Height() + Overhang())) / 2;
}

TiSwitchSlider::TLayout TiSwitchSlider::Layout(TCanvas& measure) const {
    const TRect track = TrackRect();
    const TRect pointer = PointerRect(track);
    const int across = (Vertical() ? OffsetX() : OffsetY()) + CentringShift(measure, track);
    const int shift = LabelsBottomRight() ? across : -across;
    const int dx = Vertical() ? shift : 0;
    const int dy = Vertical() ? 0 : shift;
    return {Moved(track, dx, dy), Moved(pointer, dx, dy)};
}

TColor TiSwitchSlider::LampColor() const {
    return Held() ? m_pointerIndicatorActiveColor : m_pointerIndicatorInactiveColor;
}

void TiSwitchSlider::DrawWidget(TCanvas& canvas) {
    const TLayout layout = Layout(canvas);
    // Background.
    DrawBackground(canvas, BackGroundColor());
    // Track.
    DrawTrack(canvas, layout.Track);
    // A mark and a name beside every position.
    DrawMarksAndNames(canvas, layout.Track);
    // Pointer.
    DrawPointer(canvas, layout.Pointer);
    // Focus rectangle.
    if (ShowFocusRect() && HasFocus())
        DrawColoredFocusRectangle(canvas, ClientRect(), BackGroundColor());
}

void TiSwitchSlider::DrawTrack(TCanvas& canvas, const TRect& k) {
    const int e = Inset();
    switch (m_trackStyle) {
    case istsBox:
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(m_trackColor);
        canvas.FillRect(k);
        DrawColoredPolyline(canvas, clBtnShadow,
                            {{k.Right, k.Top}, {k.Left, k.Top}, {k.Left, k.Bottom}});
        DrawColoredPolyline(
            canvas, clBtnShadow,
            {{k.Right - 1, k.Top + 1}, {k.Left + 1, k.Top + 1}, {k.Left + 1, k.Bottom - 1}});
        DrawColoredPolyline(
            canvas, clBtnHighlight,
            {{k.Right - 1, k.Top}, {k.Right - 1, k.Bottom - 1}, {k.Left, k.Bottom - 1}});
        DrawColoredPolyline(
            canvas, clBtnFace,
            {{k.Right - 2, k.Top + 2}, {k.Right - 2, k.Bottom - 2}, {k.Left, k.Bottom - 2}});
        break;
    case istsLine:
        DrawTrackCentreLine(canvas, k, Vertical(), e, m_trackColor);
        break;
    case istsBevelLowered:
        DrawTrackLines(canvas, k, Vertical(), e, clBtnShadow, clBtnHighlight);
        break;
    case istsBevelRasied:
        DrawTrackLines(canvas, k, Vertical(), e, clBtnHighlight, clBtnShadow);
        break;
    }
}

void TiSwitchSlider::DrawMarksAndNames(TCanvas& canvas, const TRect& k) {
    const int m = PositionIndicatorMargin();
    const int z = PositionIndicatorSize();
    for (int i = 0; i < PositionCount(); ++i) {
        const int r = PositionOffset(i);
        if (ShowPositionIndicators()) {
            if (Vertical())
                DrawMark(canvas, LabelsBottomRight() ? TRect{k.Right + m, k.Bottom - r - z,
                                                             k.Right + m + 2 * z, k.Bottom - r + z}
                                                     : TRect{k.Left - m - 2 * z, k.Bottom - r - z,
                                                             k.Left - m, k.Bottom - r + z});
            else
                DrawMark(canvas, LabelsBottomRight() ? TRect{k.Left + r - z, k.Bottom + m,
                                                             k.Left + r + z, k.Bottom + m + 2 * z}
                                                     : TRect{k.Left + r - z, k.Top - m - 2 * z,
                                                             k.Left + r + z, k.Top - m});
        }
        if (ShowPositionLabels())
            DrawName(canvas, k, i);
    }
}

void TiSwitchSlider::DrawMark(TCanvas& canvas, const TRect& d) {
    const TiBevelStyle bevel = PositionIndicatorBevelStyle();
    const int z = PositionIndicatorSize();
    if (m_positionIndicatorStyle == issisLine) {
        canvas.Pen().SetColor(PositionIndicatorColor());
        const int x1 = Vertical() ? d.Left : (d.Left + d.Right) / 2;
        const int y1 = Vertical() ? (d.Top + d.Bottom) / 2 : d.Top;
        const int x2 = Vertical() ? x1 + z : x1;
        const int y2 = Vertical() ? y1 : y1 + z;
        if (bevel == ibsNone)
            DrawLine(canvas, x1, y1, x2, y2);
        else
            DrawEtchedLine(canvas, x1, y1, x2, y2, bevel);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(PositionIndicatorColor());
    canvas.Pen().SetStyle(psClear);
    canvas.Ellipse(d);
    canvas.Pen().SetStyle(psSolid);
    if (bevel == ibsNone)
        return;
    canvas.Pen().SetColor(bevel == ibsRaised ? clWhite : clGray);
    canvas.Arc(d.Left, d.Top, d.Right, d.Bottom, d.Right, d.Top, d.Left, d.Bottom);
    canvas.Pen().SetColor(bevel == ibsRaised ? clGray : clWhite);
    canvas.Arc(d.Left, d.Top, d.Right, d.Bottom, d.Left, d.Bottom, d.Right, d.Top);
}

void TiSwitchSlider::DrawName(TCanvas& canvas, const TRect& k, int index) {
    canvas.Brush().SetStyle(bsClear);
    canvas.Font() = LabelFont(index == Position());
    const std::string& name = PositionNames()[index];
    const TSize size = canvas.TextExtent(name);
    const int r = PositionOffset(index);
    const int lm =
        PositionLabelMargin() +
        (ShowPositionIndicators() ? PositionIndicatorMargin() + PositionIndicatorSize() : 0);
    if (Vertical())
        canvas.TextOut(LabelsBottomRight() ? k.Right + lm : k.Left - lm - size.cx,
                       k.Bottom - r - size.cy / 2, name);
    else
        canvas.TextOut(k.Left + r - size.cx / 2,
                       LabelsBottomRight() ? k.Bottom + lm : k.Top - lm - size.cy, name);
}

void TiSwitchSlider::DrawPointer(TCanvas& canvas, const TRect& p) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    switch (m_pointerStyle) {
    case ispsLed:
        DrawLedPointer(canvas, p, LampColor());
        break;
    case ispsPointer:
        DrawArrowPointer(canvas, p, m_orientation, m_orientationLabels,
                         Held() ? clBtnHighlight : clBtnFace);
        break;
    case ispsBar:
        DrawBarPointer(canvas, p, Held() ? clBtnHighlight : clBtnFace);
        break;
    case ispsBarColor:
        DrawBarPointer(canvas, p, LampColor());
        break;
    case ispsLightBar:
        DrawLightBarPointer(canvas, p);
        break;
    }
}

void TiSwitchSlider::DrawBarPointer(TCanvas& canvas, const TRect& p, TColor face) {
    canvas.Pen().SetColor(clBtnFace);
    canvas.Brush().SetColor(face);
    canvas.Rectangle(p);
    DrawColoredPolyline(canvas, clWhite, {{p.Left, p.Bottom}, {p.Left, p.Top}, {p.Right, p.Top}});
    DrawColoredPolyline(canvas, clBlack,
                        {{p.Right, p.Top}, {p.Right, p.Bottom}, {p.Left, p.Bottom}});
}

// A plain bar with a lamp line across its middle between a dark and a light line.
void TiSwitchSlider::DrawLightBarPointer(TCanvas& canvas, const TRect& p) {
    DrawBarPointer(canvas, p, clBtnFace);
    const TColor colors[] = {clBtnShadow, LampColor(), clBtnHighlight};
    for (int i = 0; i < 3; ++i) {
        if (Vertical()) {
            const int y = (p.Top + p.Bottom) / 2 - 1 + i;
            DrawColoredLine(canvas, colors[i], p.Left + 1, y, p.Right - 1, y);
        } else {
            const int x = (p.Left + p.Right) / 2 - 1 + i;
            DrawColoredLine(canvas, colors[i], x, p.Top + 1, x, p.Bottom - 1);
        }
    }
}

void TiSwitchSlider::MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    SetDragging(true);
    MouseMove(shift, x, y);
    InvalidateChange();
}

// The pointer snaps to the position nearest to the mouse wherever the press began.
void TiSwitchSlider::MouseMoveHook(TShiftState, int x, int y) {
    if (Dragging())
        SetPositionByUser(PositionAt(x, y));
}

void TiSwitchSlider::MouseUpHook(TMouseButton, TShiftState, int, int) {
    InvalidateChange();
    if (!Dragging())
        return;
    SetDragging(false);
    FinishChange();
}
