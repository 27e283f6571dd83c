#include "widgets/controls/iSlider.h"

#include <algorithm>
#include <cmath>

#include "gui/framework/Application.h"
#include "widgets/controls/SliderDrawing.h"
#include "widgets/core/Drawing.h"
#include "widgets/core/Numeric.h"

namespace {

constexpr double WheelIntervalMs = 30;
constexpr double MsPerDay = 24.0 * 60 * 60 * 1000;

TRect Moved(TRect rect, int dx, int dy) {
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

} // namespace

TiSlider::TiSlider(TComponent* owner) : TiScaleComponent(owner) {
    SetBounds(Left(), Top(), 70, 200);
    SetTabStop(true);
    CreateBackGroundPicture();
}

const TClassInfo& TiSlider::StaticClassInfo() {
    using C = TiSlider;
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassBuilder<C> builder("TiSlider", &TiScaleComponent::StaticClassInfo());
        PublishScaleProperties(builder, 5);
        PublishTickStyles(builder);
        PublishUserEvents(builder);
        builder.Default("TabStop", true)
            .Integer("EndsMargin", &C::EndsMargin, &C::SetEndsMargin, 5)
            .Color("PointerIndicatorInactiveColor", &C::PointerIndicatorInactiveColor,
                   &C::SetPointerIndicatorInactiveColor, clBlack)
            .Color("PointerIndicatorActiveColor", &C::PointerIndicatorActiveColor,
                   &C::SetPointerIndicatorActiveColor, clRed)
            .Double("KeyPageStepSize", &C::KeyPageStepSize, &C::SetKeyPageStepSize)
            .Double("KeyArrowStepSize", &C::KeyArrowStepSize, &C::SetKeyArrowStepSize)
            .Double("MouseWheelStepSize", &C::MouseWheelStepSize, &C::SetMouseWheelStepSize)
            .Integer("PointerHeight", &C::PointerHeight, &C::SetPointerHeight, 10)
            .Integer("PointerWidth", &C::PointerWidth, &C::SetPointerWidth, 15)
            .Enumeration("PointerStyle", &C::PointerStyle, &C::SetPointerStyle,
                         {"ispsLed", "ispsPointer", "ispsBar", "ispsLightBar", "ispsBarColor"},
                         ispsLed)
            .Enumeration("OrientationTickMarks", &C::OrientationTickMarks,
                         &C::SetOrientationTickMarks, {"iosBottomRight", "iosTopLeft"},
                         iosBottomRight)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         {"ioVertical", "ioHorizontal"}, ioVertical)
            .Color("TrackColor", &C::TrackColor, &C::SetTrackColor, clWhite)
            .Enumeration("TrackStyle", &C::TrackStyle, &C::SetTrackStyle,
                         {"istsBox", "istsLine", "istsBevelLowered", "istsBevelRasied"}, istsBox)
            .Boolean("ShowFocusRect", &C::ShowFocusRect, &C::SetShowFocusRect, true)
            .Boolean("ReverseScale", &C::ReverseScale, &C::SetReverseScale, false)
            .Enumeration("MouseControlStyle", &C::MouseControlStyle, &C::SetMouseControlStyle,
                         {"ismcsSlideOnly", "ismcsSlidePage", "ismcsGoto"}, ismcsSlideOnly)
            .Boolean("AutoCenter", &C::AutoCenter, &C::SetAutoCenter, false)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Object("BackGroundPicture", &TiComponent::BackGroundPicture,
                    TFrameworkClasses::Bitmap())
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Integer("OffsetX", &TiComponent::OffsetX, &TiComponent::SetOffsetX, 0)
            .Integer("OffsetY", &TiComponent::OffsetY, &TiComponent::SetOffsetY, 0)
            // Steps of 0 are not written as published reals, yet the constructor's are not 0.
            .Defined(
                "KeyArrowStepSize_2", [](const C&) { return true; },
                [](const C& c) { return TLayoutValue::OfDouble(c.m_keyArrowStepSize); },
                [](C& c, const TLayoutValue& v) { c.m_keyArrowStepSize = v.AsDouble(); })
            .Defined(
                "KeyPageStepSize_2", [](const C&) { return true; },
                [](const C& c) { return TLayoutValue::OfDouble(c.m_keyPageStepSize); },
                [](C& c, const TLayoutValue& v) { c.m_keyPageStepSize = v.AsDouble(); });
        return builder.Build();
    }();
    return info;
}

void TiSlider::SetEndsMargin(int value) {
    SetIntegerProperty(value, m_endsMargin, ckBackGround);
}

void TiSlider::SetPointerIndicatorInactiveColor(TColor value) {
    SetColorProperty(value, m_pointerIndicatorInactiveColor, ckBackGround);
}

void TiSlider::SetPointerIndicatorActiveColor(TColor value) {
    SetColorProperty(value, m_pointerIndicatorActiveColor, ckBackGround);
}

void TiSlider::SetKeyPageStepSize(double value) {
    SetDoubleProperty(value, m_keyPageStepSize, ckInvalidate);
}

void TiSlider::SetKeyArrowStepSize(double value) {
    SetDoubleProperty(value, m_keyArrowStepSize, ckInvalidate);
}

void TiSlider::SetMouseWheelStepSize(double value) {
    SetDoubleProperty(value, m_mouseWheelStepSize, ckInvalidate);
}

void TiSlider::SetPointerHeight(int value) {
    SetIntegerProperty(value, m_pointerHeight, ckBackGround);
}

void TiSlider::SetPointerWidth(int value) {
    SetIntegerProperty(value, m_pointerWidth, ckBackGround);
}

void TiSlider::SetPointerStyle(TiSliderPointerStyle value) {
    if (value == m_pointerStyle)
        return;
    m_pointerStyle = value;
    BackGroundChange();
}

void TiSlider::SetOrientationTickMarks(TiOrientationSide value) {
    if (value == m_orientationTickMarks)
        return;
    m_orientationTickMarks = value;
    BackGroundChange();
}

// Turning the slider turns its rectangle too, except when a layout gives the size.
void TiSlider::SetOrientation(TiOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    BackGroundChange();
}

void TiSlider::SetTrackColor(TColor value) {
    SetColorProperty(value, m_trackColor, ckBackGround);
}

void TiSlider::SetTrackStyle(TiSliderTrackStyle value) {
    if (value == m_trackStyle)
        return;
    m_trackStyle = value;
    BackGroundChange();
}

void TiSlider::SetShowFocusRect(bool value) {
    SetBooleanProperty(value, m_showFocusRect, ckInvalidate);
}

void TiSlider::SetReverseScale(bool value) {
    SetBooleanProperty(value, m_reverseScale, ckBackGround);
}

void TiSlider::SetAutoCenter(bool value) {
    SetBooleanProperty(value, m_autoCenter, ckBackGround);
}

int TiSlider::TrackLength() const {
    const int length = Vertical() ? Height() : Width();
    return length - m_pointerHeight - 2 * m_endsMargin - 2 * Indent();
}

// A track with no length has no value per pixel: the pointer stays where the value puts it
// and the mouse leaves the value alone.
double TiSlider::ValueAt(int coordinate) const {
    const int length = TrackLength();
    if (length <= 0)
        return Position();
    const double half = m_pointerHeight / 2.0;
    const double low = m_endsMargin + Indent() + half;
    const double high = (Vertical() ? Height() : Width()) - m_endsMargin - Indent() - half;
    const bool fromLow = Vertical() == m_reverseScale;
    const double start = fromLow ? low : high;
    const double distance = fromLow ? coordinate - start : start - coordinate;
    const double g = std::clamp(distance / length, 0.0, 1.0);
    return PositionMin() + (PositionMax() - PositionMin()) * g;
}

TRect TiSlider::TrackRect() const {
    const int w = Width();
    const int h = Height();
    const int em = m_endsMargin;
    const int a = EdgeMargin();
    const int t = 2 * Indent() + m_pointerWidth;
    if (Vertical())
        return ScaleBottomRight() ? TRect{a + 2, em, a + 2 + t, h - em}
                                  : TRect{w - a - t - 2, em, w - a - 2, h - em};
    return ScaleBottomRight() ? TRect{em, a + 2, w - em, a + 2 + t}
                              : TRect{em, h - t - a - 2, w - em, h - a - 2};
}

TRect TiSlider::PointerRect(const TRect& k) const {
    const int length = std::max(TrackLength(), 0);
    const int along = Round(length * PositionPercent(Position()));
    const int c = m_reverseScale ? length - along : along;
    const int i = Indent();
    const int o = Overhang();
    const int ph = m_pointerHeight;
    if (Vertical()) {
        const int bottom = k.Bottom - i - c;
        return m_pointerStyle == ispsLed ? TRect{k.Left + i, bottom - ph, k.Right - i, bottom}
                                         : TRect{k.Left - o, bottom - ph, k.Right + o, bottom};
    }
    const int left = k.Left + i + c;
    return m_pointerStyle == ispsLed ? TRect{left, k.Top + i, left + ph, k.Bottom - i}
                                     : TRect{left, k.Top - o, left + ph, k.Bottom + o};
}

// Half of what is left across the track once the track and the scale are counted.
int TiSlider::CentringShift(TCanvas& measure, const TRect& track) const {
    if (!m_autoCenter)
        return 0;
    int extent = 0;
    if (ShowTickLabels()) {
        measure.Font() = Scale().TickLabelFont();
        const TSize text =
            measure.TextExtent(TiScaleObject::FormatTickLabel(PositionMax(), LabelDecimals()));
        extent =
            TickMargin() + TickMajorLength() + TickLabelMargin() + (Vertical() ? text.cx : text.cy);
    } else if (ShowTicksMajor()) {
        extent = TickMargin() + TickMajorLength();
    }
    if (Vertical())
        return (Width() - track.Width() - extent - Overhang()) / 2;
    return (Height() - track.Height() - extent - Overhang()) / 2;
}

TiSlider::TLayout TiSlider::Layout(TCanvas& measure) const {
    const TRect track = TrackRect();
    const TRect pointer = PointerRect(track);
    const int across = (Vertical() ? OffsetX() : OffsetY()) + CentringShift(measure, track);
    const int shift = ScaleBottomRight() ? across : -across;
    const int dx = Vertical() ? shift : 0;
    const int dy = Vertical() ? 0 : shift;
    return {Moved(track, dx, dy), Moved(pointer, dx, dy)};
}

TColor TiSlider::LampColor(bool active) const {
    return active ? m_pointerIndicatorActiveColor : m_pointerIndicatorInactiveColor;
}

// Only the pointer and the focus rectangle move; everything else waits in the cached
// background until a change that touches it.
void TiSlider::DrawWidget(TCanvas& canvas) {
    const TLayout layout = Layout(canvas);
    UpdateScale(layout.Track);
    if (!CachedDrawing() || BackGroundChanged()) {
        TCanvas& target = CachedDrawing() ? GetBackGroundBitmap().Canvas() : canvas;
        // Background, track and scale.
        DrawBackground(target, BackGroundColor());
        DrawTrack(target, layout.Track);
        Scale().Draw(target);
        ClearBackGroundChange();
    }
    if (CachedDrawing())
        DrawCachedBackground(canvas);
    // Pointer.
    DrawPointer(canvas, layout.Pointer);
    // Focus rectangle.
    if (m_showFocusRect && HasFocus())
        DrawColoredFocusRectangle(canvas, ClientRect(), BackGroundColor());
}

// The scale runs from the pointer's centre at the minimum to its centre at the maximum.
void TiSlider::UpdateScale(const TRect& k) {
    TiScaleObject& scale = Scale();
    const int i = Indent();
    const int half = m_pointerHeight / 2;
    scale.SetScaleMax(PositionMax());
    scale.SetScaleMin(PositionMin());
    scale.SetOrientation(m_orientation);
    scale.SetOrientationTickMarks(m_orientationTickMarks);
    scale.SetReverseScale(m_reverseScale);
    if (Vertical()) {
        scale.SetPixelMin(k.Bottom - i - half - 1);
        scale.SetPixelMax(k.Top + i + half);
        scale.SetBaseLine(ScaleBottomRight() ? k.Right : k.Left);
    } else {
        scale.SetPixelMin(k.Left + i + half);
        scale.SetPixelMax(k.Right - i - half);
        scale.SetBaseLine(ScaleBottomRight() ? k.Bottom : k.Top);
    }
}

void TiSlider::DrawTrack(TCanvas& canvas, const TRect& k) {
    const int i = Indent();
    canvas.Brush().SetStyle(bsSolid);
    switch (m_trackStyle) {
    case istsBox:
        canvas.Brush().SetColor(m_trackColor);
        canvas.FillRect(k);
        DrawColoredPolyline(canvas, clBtnShadow,
                            {{k.Right, k.Top}, {k.Left, k.Top}, {k.Left, k.Bottom}});
        DrawColoredPolyline(
            canvas, BackGroundColor() == clWhite ? clBlack : clBtnShadow,
            {{k.Right - 1, k.Top + 1}, {k.Left + 1, k.Top + 1}, {k.Left + 1, k.Bottom - 1}});
        DrawColoredPolyline(
            canvas, clBtnHighlight,
            {{k.Right - 1, k.Top}, {k.Right - 1, k.Bottom - 1}, {k.Left, k.Bottom - 1}});
        DrawColoredPolyline(
            canvas, clSilver,
            {{k.Right - 2, k.Top + 2}, {k.Right - 2, k.Bottom - 2}, {k.Left, k.Bottom - 2}});
        break;
    case istsLine:
        DrawTrackCentreLine(canvas, k, Vertical(), i, m_trackColor);
        break;
    case istsBevelLowered:
        DrawTrackLines(canvas, k, Vertical(), i, clBtnShadow, clBtnHighlight);
        break;
    case istsBevelRasied:
        DrawTrackLines(canvas, k, Vertical(), i, clBtnHighlight, clBtnShadow);
        break;
    }
}

void TiSlider::DrawPointer(TCanvas& canvas, const TRect& p) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    switch (m_pointerStyle) {
    case ispsLed:
        DrawLedPointer(canvas, p, LampColor(m_dragging || m_keyActive));
        break;
    case ispsPointer:
        DrawArrowPointer(canvas, p, m_orientation, m_orientationTickMarks,
                         m_dragging ? clBtnHighlight : clBtnFace);
        break;
    case ispsBar:
        DrawBarPointer(canvas, p, clBtnFace, m_dragging ? clBtnHighlight : clBtnFace);
        break;
    case ispsLightBar: {
        DrawBarPointer(canvas, p, clBtnFace, clBtnFace);
        const TColor colors[] = {clBlack, LampColor(m_dragging), clWhite};
        for (int n = 0; n < 3; ++n) {
            if (Vertical()) {
                const int y = (p.Top + p.Bottom) / 2 - 1 + n;
                DrawColoredLine(canvas, colors[n], p.Left + 1, y, p.Right - 1, y);
            } else {
                const int x = (p.Left + p.Right) / 2 - 1 + n;
                DrawColoredLine(canvas, colors[n], x, p.Top + 1, x, p.Bottom - 1);
            }
        }
        break;
    }
    case ispsBarColor:
        DrawBarPointer(canvas, p, LampColor(m_dragging), LampColor(m_dragging));
        break;
    }
}

void TiSlider::DrawBarPointer(TCanvas& canvas, const TRect& p, TColor pen, TColor face) {
    canvas.Pen().SetColor(pen);
    canvas.Brush().SetColor(face);
    canvas.Rectangle(p);
    DrawColoredPolyline(canvas, clWhite, {{p.Left, p.Bottom}, {p.Left, p.Top}, {p.Right, p.Top}});
    DrawColoredPolyline(canvas, clBlack,
                        {{p.Right, p.Top}, {p.Right, p.Bottom}, {p.Left, p.Bottom}});
}

void TiSlider::MouseDownHook(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft)
        return;
    ClearPositionChangedSinceFinished();
    if (CanFocus())
        SetFocus();
    TBitmap scratch(1, 1);
    const TRect pointer = Layout(scratch.Canvas()).Pointer;
    switch (m_mouseControlStyle) {
    case ismcsSlideOnly:
        StartDrag(x, y);
        break;
    case ismcsSlidePage:
        if (Vertical() ? x < pointer.Left || x > pointer.Right
                       : y < pointer.Top || y > pointer.Bottom)
            return;
        PressOutsideDrag(x, y, pointer);
        break;
    case ismcsGoto:
        SetPositionByUser(ValueAt(Vertical() ? y : x));
        m_dragging = true;
        break;
    }
    InvalidateChange();
}

void TiSlider::StartDrag(int x, int y) {
    m_dragging = true;
    m_downX = x;
    m_downY = y;
    m_startPosition = Position();
}

// Before the pointer pages down, beyond it pages up, on it starts a drag.
void TiSlider::PressOutsideDrag(int x, int y, const TRect& pointer) {
    const bool before = Vertical() ? y > pointer.Bottom : x < pointer.Left;
    const bool beyond = Vertical() ? y < pointer.Top : x > pointer.Right;
    if (!before && !beyond) {
        StartDrag(x, y);
        return;
    }
    const bool raise = beyond != m_reverseScale;
    SetPositionByUser(Position() + (raise ? m_keyPageStepSize : -m_keyPageStepSize));
}

void TiSlider::MouseMoveHook(TShiftState, int x, int y) {
    if (!m_dragging)
        return;
    if (m_mouseControlStyle != ismcsSlideOnly) {
        SetPositionByUser(ValueAt(Vertical() ? y : x));
    } else if (TrackLength() > 0) {
        const double moved = Vertical() ? m_downY - y : x - m_downX;
        const double value = moved / TrackLength() * (PositionMax() - PositionMin());
        SetPositionByUser(m_startPosition + (m_reverseScale ? -value : value));
    }
    InvalidateChange();
}

void TiSlider::MouseUpHook(TMouseButton, TShiftState, int, int) {
    InvalidateChange();
    if (!m_dragging)
        return;
    m_dragging = false;
    DoPositionChangeFinished();
}

// The arrows move the pointer instead of the focus.
void TiSlider::WantSpecialKeyHook(TKey& charCode, int& result) {
    if (charCode >= VK_LEFT && charCode <= VK_DOWN)
        result = 1;
}

void TiSlider::KeyDownHook(TKey& key, TShiftState) {
    m_keyActive = true;
    if (StepByKey(key))
        key = 0;
}

// Up and right always raise the value, whichever way the scale runs.
bool TiSlider::StepByKey(TKey key) {
    switch (key) {
    case VK_LEFT:
    case VK_DOWN:
        SetPositionByUser(Position() - m_keyArrowStepSize);
        return true;
    case VK_RIGHT:
    case VK_UP:
        SetPositionByUser(Position() + m_keyArrowStepSize);
        return true;
    case VK_PRIOR:
        SetPositionByUser(Position() + m_keyPageStepSize);
        return true;
    case VK_NEXT:
        SetPositionByUser(Position() - m_keyPageStepSize);
        return true;
    case VK_HOME:
        SetPositionByUser(PositionMin());
        return true;
    case VK_END:
        SetPositionByUser(PositionMax());
        return true;
    default:
        return false;
    }
}

void TiSlider::KeyUpHook(TKey&, TShiftState) {
    InvalidateChange();
    if (!m_keyActive)
        return;
    m_keyActive = false;
    DoPositionChangeFinished();
}

void TiSlider::KillFocusHook() {
    TiScaleComponent::KillFocusHook();
    m_dragging = false;
    m_keyActive = false;
}

// One step per notch, at most one every 30 ms, each finished at once.
bool TiSlider::MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) {
    const bool handled = TiScaleComponent::MouseWheelHook(wheelDelta, shift, mousePos);
    const TDateTime now = Now();
    if ((now - m_lastWheel) * MsPerDay >= WheelIntervalMs) {
        m_lastWheel = now;
        const int sign = (wheelDelta > 0) - (wheelDelta < 0);
        SetPositionByUser(Position() + sign * m_mouseWheelStepSize);
        DoPositionChangeFinished();
    }
    return handled;
}

void TiSlider::PositionOutputHook() {
    OPCOutputData("Position", Position());
}
