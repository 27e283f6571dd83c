#pragma once

#include <string>
#include <vector>

#include "gui/graphics/Font.h"
#include "widgets/core/ArcBand.h"
#include "widgets/scale/AngularGaugeDrawing.h"
#include "widgets/scale/iGaugeComponent.h"

// The round dial: a circular scale of ticks and labels with optional coloured sections, a
// painted face, two free text labels, pointers, min/max pointers the user may drag, and a hub.
// Face, sections, arcs, ticks and tick labels form the cached background; a new Position only
// redraws the free labels, the pointers and the hub over it.
class TiAngularGauge : public TiGaugeComponent {
public:
    explicit TiAngularGauge(TComponent* owner);
    ~TiAngularGauge() override;

    static const TClassInfo& StaticClassInfo();

    int ArcRangeDegrees() const { return m_arcRangeDegrees; }
    // At most 360.
    void SetArcRangeDegrees(int value);
    int ArcRadius() const { return m_arcRadius; }
    void SetArcRadius(int value);
    int ArcStartDegrees() const { return m_arcStartDegrees; }
    void SetArcStartDegrees(int value);
    bool ShowInnerArcRadius() const { return m_showInnerArcRadius; }
    void SetShowInnerArcRadius(bool value);
    bool ShowOuterArcRadius() const { return m_showOuterArcRadius; }
    void SetShowOuterArcRadius(bool value);
    bool ShowHub() const { return m_showHub; }
    void SetShowHub(bool value);
    int HubSize() const { return m_hubSize; }
    void SetHubSize(int value);
    TColor HubColor() const { return m_hubColor; }
    void SetHubColor(TColor value);
    TiAngularGaugePointerStyle MinMaxPointerStyle() const { return m_minMaxPointerStyle; }
    void SetMinMaxPointerStyle(TiAngularGaugePointerStyle value);

    bool ShowLabel1() const { return m_label1.Show; }
    void SetShowLabel1(bool value);
    const std::string& Label1Text() const { return m_label1.Text; }
    void SetLabel1Text(const std::string& value);
    TFont& Label1Font() { return m_label1.Font; }
    void SetLabel1Font(const TFont& value) { m_label1.Font = value; }
    int Label1OffsetX() const { return m_label1.Offset.X; }
    void SetLabel1OffsetX(int value);
    int Label1OffsetY() const { return m_label1.Offset.Y; }
    void SetLabel1OffsetY(int value);
    TiAlignmentHorizontal Label1AlignHorizontal() const { return m_label1.Horizontal; }
    void SetLabel1AlignHorizontal(TiAlignmentHorizontal value);
    TiAlignmentVertical Label1AlignVertical() const { return m_label1.Vertical; }
    void SetLabel1AlignVertical(TiAlignmentVertical value);
    bool ShowLabel2() const { return m_label2.Show; }
    void SetShowLabel2(bool value);
    const std::string& Label2Text() const { return m_label2.Text; }
    void SetLabel2Text(const std::string& value);
    TFont& Label2Font() { return m_label2.Font; }
    void SetLabel2Font(const TFont& value) { m_label2.Font = value; }
    int Label2OffsetX() const { return m_label2.Offset.X; }
    void SetLabel2OffsetX(int value);
    int Label2OffsetY() const { return m_label2.Offset.Y; }
    void SetLabel2OffsetY(int value);
    TiAlignmentHorizontal Label2AlignHorizontal() const { return m_label2.Horizontal; }
    void SetLabel2AlignHorizontal(TiAlignmentHorizontal value);
    TiAlignmentVertical Label2AlignVertical() const { return m_label2.Vertical; }
    void SetLabel2AlignVertical(TiAlignmentVertical value);

    bool ReverseScale() const { return m_reverseScale; }
    void SetReverseScale(bool value);
    bool AutoCenter() const { return m_autoCenter; }
    void SetAutoCenter(bool value);
    TiLabelAlignment TickLabelAlignment() const { return m_tickLabelAlignment; }
    void SetTickLabelAlignment(TiLabelAlignment value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    int OuterMargin() const { return m_outerMargin; }
    void SetOuterMargin(int value);
    TiPanelFaceStyle PanelFaceStyle() const { return m_panelFaceStyle; }
    void SetPanelFaceStyle(TiPanelFaceStyle value);
    int PanelFaceSize() const { return m_panelFaceSize; }
    void SetPanelFaceSize(int value);
    TColor PanelFaceOuterColor() const { return m_panelFaceOuterColor; }
    void SetPanelFaceOuterColor(TColor value);
    TColor PanelFaceInnerColor() const { return m_panelFaceInnerColor; }
    void SetPanelFaceInnerColor(TColor value);

    TiAngularGaugePointerStyle PointerStyle() const;
    void SetPointerStyle(TiAngularGaugePointerStyle value);

    // Where the value lies on the dial.
    double ValueToAngle(double value) const;
    double TickValue(int index) const;
    // The label text of a major tick, as the application may have customised it.
    std::string TickLabelText(int index);
    // Measured with the tick label font on the canvas.
    TRect TickLabelRect(TCanvas& canvas, int index, TPoint centre);

    // The centre, centred on the dial's extent when AutoCenter or AutoSize is on; remembered
    // for mouse handling.
    TPoint GetCenterPoint(TCanvas& canvas) override;
    // The centre and pointer hit areas of the latest paint.
    TPoint Centre() const { return m_centre; }
    TRect MaxPointerRect() const { return m_maxPointerRect; }
    TRect MinPointerRect() const { return m_minPointerRect; }

protected:
    void DrawWidget(TCanvas& canvas) override;
    bool DrawingStartsWithCachedBackground() const override { return CachedDrawing(); }
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMoveHook(TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    struct TFreeLabel {
        bool Show = false;
        std::string Text;
        TFont Font;
        TPoint Offset;
        TiAlignmentHorizontal Horizontal = iahCenter;
        TiAlignmentVertical Vertical = iavCenter;
    };

    // A major tick's label text and its size in the tick label font.
    struct TTickLabel {
        std::string Text;
        TSize Size;
    };
    using TTickLabels = std::vector<TTickLabel>;

    double TickStart() const;
    double TickEnd() const;
    // Every label is formatted, customised and measured once per picture of the background, and
    // the sizing, the centring and the drawing share the results.
    TTickLabels MeasureTickLabels(TCanvas& canvas);
    TRect PlacedTickLabel(int index, TSize size, TPoint centre) const;
    void ApplyAutoSize(const TTickLabels& labels);
    TPoint CentreAmong(TCanvas& canvas, const TTickLabels& labels);

    void DrawStatic(TCanvas& canvas, TPoint centre, const TTickLabels& labels);
    void DrawSections(TCanvas& canvas, TPoint centre);
    void DrawArcs(TCanvas& canvas, TPoint centre);
    void DrawTicks(TCanvas& canvas, TPoint centre, const TTickLabels& labels);
    void DrawMinorTick(TCanvas& canvas, TPoint centre, double value);
    void DrawFillTicks(TCanvas& canvas, TPoint centre, double start, double end, double step);
    void DrawFreeLabel(TCanvas& canvas, TPoint centre, const TFreeLabel& label);
    void DrawMinMaxPointers(TCanvas& canvas, TPoint centre);
    void DrawLimitPointers(TCanvas& canvas, TPoint centre);
    void DrawPointers(TCanvas& canvas, TPoint centre);
    void DrawBand(TCanvas& canvas, double radius1, double radius2, TColor color, TPoint centre,
                  double angle1, double angle2);
    TRect DrawPointer(TCanvas& canvas, TPoint centre, double value, int style, int size, int margin,
                      TColor color, bool outside);

    void DragTo(double degrees);

    int m_arcRangeDegrees = 90;
    int m_arcRadius = 60;
    int m_arcStartDegrees = 180;
    bool m_showInnerArcRadius = false;
    bool m_showHub = true;
    int m_hubSize = 14;
    TColor m_hubColor = clBlack;
    bool m_showOuterArcRadius = false;
    TiAngularGaugePointerStyle m_minMaxPointerStyle = iagpsArrowLine;
    TFreeLabel m_label1;
    TFreeLabel m_label2;
    bool m_reverseScale = false;
    bool m_autoCenter = true;
    TPoint m_centre;
    // Five sections and two arcs, with room for a change of geometry.
    static constexpr std::size_t MaxKeptBands = 8;
    std::vector<TArcBand> m_bands;
    // Where this paint drew the pointers and the hub over the static picture.
    TRect m_moving;
    TRect m_maxPointerRect;
    TRect m_minPointerRect;
    bool m_draggingMin = false;
    bool m_draggingMax = false;
    double m_dragDegrees = 0;
    TiLabelAlignment m_tickLabelAlignment = ilaCenter;
    bool m_autoSize = false;
    int m_outerMargin = 5;
    TiPanelFaceStyle m_panelFaceStyle = ipfsNone;
    int m_panelFaceSize = 15;
    TColor m_panelFaceOuterColor = clBlack;
    TColor m_panelFaceInnerColor = clWhite;
};
