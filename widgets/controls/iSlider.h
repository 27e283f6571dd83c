#pragma once

#include <cstdint>

#include "widgets/controls/SliderTypes.h"
#include "widgets/scale/iScaleComponent.h"

enum TiSliderMouseControlStyle : std::uint8_t { ismcsSlideOnly, ismcsSlidePage, ismcsGoto };

// The linear input control: a track with a pointer and a straight scale beside it, moved by the
// mouse, the arrow and page keys and the wheel.
class TiSlider : public TiScaleComponent {
public:
    explicit TiSlider(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int EndsMargin() const { return m_endsMargin; }
    void SetEndsMargin(int value);
    TColor PointerIndicatorInactiveColor() const { return m_pointerIndicatorInactiveColor; }
    void SetPointerIndicatorInactiveColor(TColor value);
    TColor PointerIndicatorActiveColor() const { return m_pointerIndicatorActiveColor; }
    void SetPointerIndicatorActiveColor(TColor value);
    double KeyPageStepSize() const { return m_keyPageStepSize; }
    void SetKeyPageStepSize(double value);
    double KeyArrowStepSize() const { return m_keyArrowStepSize; }
    void SetKeyArrowStepSize(double value);
    double MouseWheelStepSize() const { return m_mouseWheelStepSize; }
    void SetMouseWheelStepSize(double value);
    int PointerHeight() const { return m_pointerHeight; }
    void SetPointerHeight(int value);
    int PointerWidth() const { return m_pointerWidth; }
    void SetPointerWidth(int value);
    TiSliderPointerStyle PointerStyle() const { return m_pointerStyle; }
    void SetPointerStyle(TiSliderPointerStyle value);
    TiOrientationSide OrientationTickMarks() const { return m_orientationTickMarks; }
    void SetOrientationTickMarks(TiOrientationSide value);
    TiOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TiOrientation value);
    TColor TrackColor() const { return m_trackColor; }
    void SetTrackColor(TColor value);
    TiSliderTrackStyle TrackStyle() const { return m_trackStyle; }
    void SetTrackStyle(TiSliderTrackStyle value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool value);
    bool ReverseScale() const { return m_reverseScale; }
    void SetReverseScale(bool value);
    TiSliderMouseControlStyle MouseControlStyle() const { return m_mouseControlStyle; }
    void SetMouseControlStyle(TiSliderMouseControlStyle value) { m_mouseControlStyle = value; }
    bool AutoCenter() const { return m_autoCenter; }
    void SetAutoCenter(bool value);

    // The pixels the pointer travels over the whole range.
    int TrackLength() const;
    // The value under a point along the track, limited to the range.
    double ValueAt(int coordinate) const;

    // Where the track and the pointer lie, with the scale measured on the given canvas.
    struct TLayout {
        TRect Track;
        TRect Pointer;
    };
    TLayout Layout(TCanvas& measure) const;

protected:
    void DrawWidget(TCanvas& canvas) override;
    bool DrawingStartsWithCachedBackground() const override { return CachedDrawing(); }
    void KillFocusHook() override;
    void WantSpecialKeyHook(TKey& charCode, int& result) override;
    void KeyUpHook(TKey& key, TShiftState shift) override;
    void KeyDownHook(TKey& key, TShiftState shift) override;
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMoveHook(TShiftState shift, int x, int y) override;
    bool MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) override;
    void PositionOutputHook() override;

private:
    bool Vertical() const { return m_orientation == ioVertical; }
    bool ScaleBottomRight() const { return m_orientationTickMarks == iosBottomRight; }
    int Indent() const { return m_pointerStyle == ispsLed ? 2 : 0; }
    int Overhang() const { return m_pointerStyle == ispsLed ? 0 : 4; }
    int EdgeMargin() const { return m_pointerStyle == ispsLed ? 0 : 5; }
    TRect TrackRect() const;
    TRect PointerRect(const TRect& track) const;
    int CentringShift(TCanvas& measure, const TRect& track) const;
    TColor LampColor(bool active) const;
    void StartDrag(int x, int y);
    void PressOutsideDrag(int x, int y, const TRect& pointer);
    bool StepByKey(TKey key);

    void UpdateScale(const TRect& track);
    void DrawTrack(TCanvas& canvas, const TRect& track);
    void DrawPointer(TCanvas& canvas, const TRect& pointer);
    void DrawBarPointer(TCanvas& canvas, const TRect& pointer, TColor pen, TColor face);

    double m_startPosition = 0;
    bool m_dragging = false;
    int m_downX = 0;
    int m_downY = 0;
    TDateTime m_lastWheel = 0;
    bool m_keyActive = false;
    int m_endsMargin = 5;
    TColor m_pointerIndicatorInactiveColor = clBlack;
    TColor m_pointerIndicatorActiveColor = clRed;
    double m_keyPageStepSize = 10;
    double m_keyArrowStepSize = 1;
    double m_mouseWheelStepSize = 1;
    int m_pointerHeight = 10;
    int m_pointerWidth = 15;
    TiSliderPointerStyle m_pointerStyle = ispsLed;
    TiOrientationSide m_orientationTickMarks = iosBottomRight;
    TiOrientation m_orientation = ioVertical;
    TColor m_trackColor = clWhite;
    TiSliderTrackStyle m_trackStyle = istsBox;
    bool m_showFocusRect = true;
    bool m_reverseScale = false;
    TiSliderMouseControlStyle m_mouseControlStyle = ismcsSlideOnly;
    bool m_autoCenter = false;
};
