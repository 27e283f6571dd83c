#pragma once

#include "widgets/controls/SliderTypes.h"
#include "widgets/controls/iSwitchMultiPosition.h"

enum TiSwitchSliderIndicatorStyle : std::uint8_t { issisDot, issisLine };

// A slide switch: a straight track whose pointer snaps to the named positions, with a mark and
// a name beside each position. The pointer follows the mouse from wherever it is pressed.
class TiSwitchSlider : public TiSwitchMultiPosition {
public:
    explicit TiSwitchSlider(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int EndsMargin() const { return m_endsMargin; }
    void SetEndsMargin(int value);
    TColor PointerIndicatorInactiveColor() const { return m_pointerIndicatorInactiveColor; }
    void SetPointerIndicatorInactiveColor(TColor value);
    TColor PointerIndicatorActiveColor() const { return m_pointerIndicatorActiveColor; }
    void SetPointerIndicatorActiveColor(TColor value);
    TiOrientationSide OrientationLabels() const { return m_orientationLabels; }
    void SetOrientationLabels(TiOrientationSide value);
    TiOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TiOrientation value);
    int PointerHeight() const { return m_pointerHeight; }
    void SetPointerHeight(int value);
    TiSliderPointerStyle PointerStyle() const { return m_pointerStyle; }
    void SetPointerStyle(TiSliderPointerStyle value);
    int PointerWidth() const { return m_pointerWidth; }
    void SetPointerWidth(int value);
    TColor TrackColor() const { return m_trackColor; }
    void SetTrackColor(TColor value);
    TiSliderTrackStyle TrackStyle() const { return m_trackStyle; }
    void SetTrackStyle(TiSliderTrackStyle value);
    TiSwitchSliderIndicatorStyle PositionIndicatorStyle() const { return m_positionIndicatorStyle; }
    void SetPositionIndicatorStyle(TiSwitchSliderIndicatorStyle value);
    bool AutoCenter() const { return m_autoCenter; }
    void SetAutoCenter(bool value);

    // Where the track and the pointer lie, measured with the fonts of the given canvas.
    struct TLayout {
        TRect Track;
        TRect Pointer;
    };
    TLayout Layout(TCanvas& measure) const;
    // The length the pointer travels from the first position to the last.
    int TravelLength() const;
    // The distance of a position's centre from the start of the track.
    int PositionOffset(int index) const;
    // The position nearest to a point of the widget along the travel.
    int PositionAt(int x, int y) const;

protected:
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMoveHook(TShiftState shift, int x, int y) override;
    void DrawWidget(TCanvas& canvas) override;

private:
    bool Vertical() const { return m_orientation == ioVertical; }
    bool LabelsBottomRight() const { return m_orientationLabels == iosBottomRight; }
    // The pointer's inset inside the track, its overhang beyond it and the track's distance
    // from the widget's edge.
    int Inset() const { return m_pointerStyle == ispsLed ? 2 : 0; }
    int Overhang() const { return m_pointerStyle == ispsLed ? 0 : 4; }
    int EdgeMargin() const { return m_pointerStyle == ispsLed ? 0 : 5; }
    double Step() const;
    TRect TrackRect() const;
    TRect PointerRect(const TRect& track) const;
    int CentringShift(TCanvas& measure, const TRect& track) const;
    TColor LampColor() const;

    void DrawTrack(TCanvas& canvas, const TRect& track);
    void DrawMarksAndNames(TCanvas& canvas, const TRect& track);
    void DrawMark(TCanvas& canvas, const TRect& box);
    void DrawName(TCanvas& canvas, const TRect& track, int index);
    void DrawPointer(TCanvas& canvas, const TRect& p);
    void DrawBarPointer(TCanvas& canvas, const TRect& p, TColor face);
    void DrawLightBarPointer(TCanvas& canvas, const TRect& p);

    int m_endsMargin = 5;
    TColor m_pointerIndicatorInactiveColor = clBlack;
    TColor m_pointerIndicatorActiveColor = clRed;
    TiOrientationSide m_orientationLabels = iosBottomRight;
    TiOrientation m_orientation = ioVertical;
    int m_pointerHeight = 8;
    TiSliderPointerStyle m_pointerStyle = ispsPointer;
    int m_pointerWidth = 13;
    TColor m_trackColor = clWhite;
    TiSliderTrackStyle m_trackStyle = istsBox;
    TiSwitchSliderIndicatorStyle m_positionIndicatorStyle = issisDot;
    bool m_autoCenter = false;
};
