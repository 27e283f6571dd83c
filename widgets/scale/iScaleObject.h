#pragma once

#include <string>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Font.h"
#include "widgets/core/WidgetTypes.h"
#include "widgets/scale/ScaleTypes.h"

// The tick and label settings of a scale-bearing widget, and the drawing of a straight scale
// along one axis: major ticks, minor ticks between them, labels at the major ticks. Also the
// search for round tick steps that auto-scaling runs, and the label text rule the round gauges
// share. Owned by one scale component; every effective change of a setting is reported through
// OnChange so that the owner rebuilds its background.
//
// The owner keeps the geometry (ScaleMin .. ScaleMax onto PixelMin .. PixelMax, the base line,
// the orientation) current before each Draw.
class TiScaleObject : public TObject {
public:
    // The result of widening a range to round limits.
    struct TAutoRange {
        double NewMin = 0;
        double NewMax = 0;
        int TickCount = 2;
        // No candidate passed; the caller keeps its range and tick count.
        bool Found = false;
    };
    // Round first and last major ticks inside a range that stays.
    struct TFixedTicks {
        double FirstTick = 0;
        double LastTick = 0;
        int TickCount = 2;
        bool Found = false;
    };
    // The ticks of a candidate grid, from Lo to Hi.
    struct TTickSpan {
        double Lo = 0;
        double Hi = 0;
        bool Success = false;
    };

    TiScaleObject();
    TiScaleObject(const TiScaleObject&) = delete;
    TiScaleObject& operator=(const TiScaleObject&) = delete;

    bool ShowTicksMinor() const { return m_showTicksMinor; }
    void SetShowTicksMinor(bool value);
    bool ShowTicksMajor() const { return m_showTicksMajor; }
    void SetShowTicksMajor(bool value);
    bool ShowTickLabels() const { return m_showTickLabels; }
    void SetShowTickLabels(bool value);
    // 1 .. 100.
    int TickMinorCount() const { return m_tickMinorCount; }
    void SetTickMinorCount(int value);
    // At least 1.
    int TickMinorLength() const { return m_tickMinorLength; }
    void SetTickMinorLength(int value);
    // At least 1.
    int TickMajorLength() const { return m_tickMajorLength; }
    void SetTickMajorLength(int value);
    int TickMargin() const { return m_tickMargin; }
    void SetTickMargin(int value);
    // Both ends included; 2 .. 100.
    int TickMajorCount() const { return m_tickMajorCount; }
    void SetTickMajorCount(int value);
    // At least 0.
    int TickLabelPrecision() const { return m_tickLabelPrecision; }
    void SetTickLabelPrecision(int value);
    int TickLabelMargin() const { return m_tickLabelMargin; }
    void SetTickLabelMargin(int value);
    TColor TickMinorColor() const { return m_tickMinorColor; }
    void SetTickMinorColor(TColor value);
    TColor TickMajorColor() const { return m_tickMajorColor; }
    void SetTickMajorColor(TColor value);
    TFont& TickLabelFont() { return m_tickLabelFont; }
    const TFont& TickLabelFont() const { return m_tickLabelFont; }
    // Copies every attribute and reports a change even when they were the same.
    void SetTickLabelFont(const TFont& value);

    double ScaleMax() const { return m_scaleMax; }
    void SetScaleMax(double value);
    double ScaleMin() const { return m_scaleMin; }
    void SetScaleMin(double value);
    int PixelMin() const { return m_pixelMin; }
    void SetPixelMin(int value);
    int PixelMax() const { return m_pixelMax; }
    void SetPixelMax(int value);
    TiTickMinorAlignment TickMinorAlignment() const { return m_tickMinorAlignment; }
    void SetTickMinorAlignment(TiTickMinorAlignment value);
    TiOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TiOrientation value);
    TiOrientationSide OrientationTickMarks() const { return m_orientationTickMarks; }
    void SetOrientationTickMarks(TiOrientationSide value);
    // The cross-axis coordinate the tick margin is measured from.
    int BaseLine() const { return m_baseLine; }
    void SetBaseLine(int value);
    TiBevelStyle TickMajorStyle() const { return m_tickMajorStyle; }
    void SetTickMajorStyle(TiBevelStyle value);
    TiBevelStyle TickMinorStyle() const { return m_tickMinorStyle; }
    void SetTickMinorStyle(TiBevelStyle value);
    // Without end ticks the first and last labels still show.
    bool ShowEndTicks() const { return m_showEndTicks; }
    void SetShowEndTicks(bool value);
    bool SwapMinorAlignment() const { return m_swapMinorAlignment; }
    void SetSwapMinorAlignment(bool value);
    bool ReverseScale() const { return m_reverseScale; }
    void SetReverseScale(bool value);
    TiPrecisionStyle PrecisionStyle() const { return m_precisionStyle; }
    void SetPrecisionStyle(TiPrecisionStyle value);

    // Copies of the owner's auto-scale settings and of its latest round ticks.
    bool AutoScaleEnabled() const { return m_autoScaleEnabled; }
    void SetAutoScaleEnabled(bool value);
    int AutoScaleMaxTicks() const { return m_autoScaleMaxTicks; }
    void SetAutoScaleMaxTicks(int value);
    int AutoScaleDesiredTicks() const { return m_autoScaleDesiredTicks; }
    void SetAutoScaleDesiredTicks(int value);
    TiAutoScaleStyle AutoScaleStyle() const { return m_autoScaleStyle; }
    void SetAutoScaleStyle(TiAutoScaleStyle value);
    double AutoScaleFirstTick() const { return m_autoScaleFirstTick; }
    void SetAutoScaleFirstTick(double value);
    double AutoScaleLastTick() const { return m_autoScaleLastTick; }
    void SetAutoScaleLastTick(double value);

    TNotifyEvent OnChange;
    TOnCustomizeTickLabel OnCustomizeTickLabel;

    // ScaleMin lands on PixelMin and ScaleMax on PixelMax (the other way round when reversed);
    // values beyond the range are not clamped. An empty range puts every value in the middle.
    int ValueToPixel(double value) const;
    int LabelDecimals() const;
    // Draws the ticks and labels; leaves the brush clear, the label font and the last pen colour.
    void Draw(TCanvas& canvas);

    // Decimals for labels over a range of the given width: precision read as decimals, or as
    // the number of digits that matter over the range.
    static int LabelDecimalsFor(TiPrecisionStyle style, int precision, double rangeWidth);
    // Fixed-point with exactly the given decimals and the user's decimal separator.
    static std::string FormatTickLabel(double value, int decimals);

    static TAutoRange AutoScaleRange(int desiredTicks, int maxTicks, double min, double max);
    static TFixedTicks FixedScaleRange(int desiredTicks, int maxTicks, double min, double max);
    // The count nearest the desired one (the larger on a tie) whose step is 1, 2, 2.5, 5 or 7.5
    // times a power of ten; maxCount + 1 when there is none.
    static int NiceTickCount(int desiredTicks, int maxCount, double span);
    // The grid of count ticks over span that covers min .. max, zero on a tick.
    static TTickSpan CoverRange(int count, double span, double max, double min);
    // The grid of count ticks over span that fits inside min .. max and ends within one step of
    // max.
    static TTickSpan InsideRange(int count, double span, double max, double min);

private:
    template <class T> void Store(const T& value, T& field);
    void Changed();
    // +1 or -1 along the cross axis, the way ticks and labels grow from the base line.
    int Direction() const;
    void DrawTick(TCanvas& canvas, int pixel, int start, int length, TiBevelStyle style);
    void DrawLabel(TCanvas& canvas, int index, double value, int pixel, int labelPos);
    void DrawMinorTick(TCanvas& canvas, double value, int minorStart);
    int LabelPosition(int majorStart) const;
    int MinorStart(int majorStart) const;
    void FillFixedRange(TCanvas& canvas, double start, double end, double minorStep,
                        int minorStart);

    bool m_showTicksMinor = false;
    bool m_showTicksMajor = false;
    bool m_showTickLabels = false;
    int m_tickMinorCount = 4;
    int m_tickMinorLength = 3;
    int m_tickMajorLength = 7;
    int m_tickMargin = 5;
    int m_tickMajorCount = 5;
    int m_tickLabelPrecision = 0;
    int m_tickLabelMargin = 5;
    TColor m_tickMinorColor = clBlack;
    TColor m_tickMajorColor = clBlack;
    TFont m_tickLabelFont;
    double m_scaleMax = 0;
    double m_scaleMin = 0;
    int m_pixelMin = 0;
    int m_pixelMax = 0;
    TiTickMinorAlignment m_tickMinorAlignment = itmnaInside;
    TiOrientation m_orientation = ioVertical;
    TiOrientationSide m_orientationTickMarks = iosBottomRight;
    int m_baseLine = 0;
    TiBevelStyle m_tickMajorStyle = ibsNone;
    TiBevelStyle m_tickMinorStyle = ibsNone;
    bool m_showEndTicks = true;
    bool m_swapMinorAlignment = false;
    bool m_reverseScale = false;
    TiPrecisionStyle m_precisionStyle = ipsSignificantDigits;
    bool m_autoScaleEnabled = false;
    int m_autoScaleMaxTicks = 0;
    int m_autoScaleDesiredTicks = 0;
    TiAutoScaleStyle m_autoScaleStyle = iassAutoMinMax;
    double m_autoScaleFirstTick = 0;
    double m_autoScaleLastTick = 0;
};
