#include "widgets/scale/iAngularGauge.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/Drawing.h"
#include "widgets/scale/iGaugePointer.h"

namespace {

constexpr unsigned TickLabelOptions = dtoCenter | dtoVCenter | dtoSingleLine | dtoNoClip;
// The centring scan steps through the range by tenths.
constexpr int CentringPoints = 10;
// The fill ticks beyond a fixed tick range stop here, whatever the step.
constexpr int MaxFillTicks = 1000;

struct TBox {
    int MinX, MinY, MaxX, MaxY;

    explicit TBox(TPoint p) : MinX(p.X), MinY(p.Y), MaxX(p.X), MaxY(p.Y) {}
    void Add(TPoint p) { Add(TRect{p.X, p.Y, p.X, p.Y}); }
    void Add(const TRect& r) {
        MinX = std::min(MinX, r.Left);
        MinY = std::min(MinY, r.Top);
        MaxX = std::max(MaxX, r.Right);
        MaxY = std::max(MaxY, r.Bottom);
    }
};

} // namespace

TiAngularGauge::TiAngularGauge(TComponent* owner) : TiGaugeComponent(owner) {
    SetBounds(Left(), Top(), 150, 150);
    SetTickLabelMargin(15);
    m_label1.Offset = {-15, -35};
    m_label2.Offset = {-15, -20};
    m_label1.Font.OnChange = [this](TObject*) { BackGroundChange(); };
    m_label2.Font.OnChange = [this](TObject*) { BackGroundChange(); };
    CreateBackGroundPicture();
}

TiAngularGauge::~TiAngularGauge() {
    BeginDestroy();
}

const TClassInfo& TiAngularGauge::StaticClassInfo() {
    using G = TiAngularGauge;
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassBuilder<G> builder("TiAngularGauge", &TiGaugeComponent::StaticClassInfo());
        PublishScaleProperties(builder, 15);
        PublishMinMaxPointers(builder);
        const std::vector<std::string> pointerStyles = {"iagpsArrowLine", "iagpsArrow", "iagpsLine",
                                                        "iagpsTriangle"};
        const std::vector<std::string> horizontal = {"iahCenter", "iahLeft", "iahRight"};
        const std::vector<std::string> vertical = {"iavCenter", "iavTop", "iavBottom"};
        builder.Default("Width", 150)
            .Default("Height", 150)
            .Integer("OffsetX", &G::OffsetX, &G::SetOffsetX, 0)
            .Integer("OffsetY", &G::OffsetY, &G::SetOffsetY, 0)
            .Object("BackGroundPicture", &G::BackGroundPicture, TFrameworkClasses::Bitmap())
            .Color("BackGroundColor", &G::BackGroundColor, &G::SetBackGroundColor, clBtnFace)
            .Enumeration("BorderStyle", &G::BorderStyle, &G::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Boolean("CachedDrawing", &G::CachedDrawing, &G::SetCachedDrawing, true)
            .Boolean("Transparent", &G::Transparent, &G::SetTransparent, false)
            .Integer("PointerMargin", &G::PointerMargin, &G::SetPointerMargin, 0)
            .Color("PointerColor", &G::PointerColor, &G::SetPointerColor, clBlack)
            .Integer("PointerSize", &G::PointerSize, &G::SetPointerSize, 10)
            .Enumeration("PointerStyle", &G::PointerStyle, &G::SetPointerStyle, pointerStyles,
                         iagpsTriangle)
            .Double("SectionEnd1", &G::SectionEnd1, &G::SetSectionEnd1)
            .Double("SectionEnd2", &G::SectionEnd2, &G::SetSectionEnd2)
            .Double("SectionEnd3", &G::SectionEnd3, &G::SetSectionEnd3)
            .Double("SectionEnd4", &G::SectionEnd4, &G::SetSectionEnd4)
            .Integer("SectionCount", &G::SectionCount, &G::SetSectionCount, 0)
            .Color("SectionColor1", &G::SectionColor1, &G::SetSectionColor1, clGreen)
            .Color("SectionColor2", &G::SectionColor2, &G::SetSectionColor2, clYellow)
            .Color("SectionColor3", &G::SectionColor3, &G::SetSectionColor3, clRed)
            .Color("SectionColor4", &G::SectionColor4, &G::SetSectionColor4, clYellow)
            .Color("SectionColor5", &G::SectionColor5, &G::SetSectionColor5, clYellow)
            .Integer("ArcRangeDegrees", &G::ArcRangeDegrees, &G::SetArcRangeDegrees, 90)
            .Integer("ArcRadius", &G::ArcRadius, &G::SetArcRadius, 60)
            .Integer("ArcStartDegrees", &G::ArcStartDegrees, &G::SetArcStartDegrees, 180)
            .Boolean("ShowInnerArcRadius", &G::ShowInnerArcRadius, &G::SetShowInnerArcRadius, false)
            .Boolean("ShowHub", &G::ShowHub, &G::SetShowHub, true)
            .Integer("HubSize", &G::HubSize, &G::SetHubSize, 14)
            .Color("HubColor", &G::HubColor, &G::SetHubColor, clBlack)
            .Boolean("ShowOuterArcRadius", &G::ShowOuterArcRadius, &G::SetShowOuterArcRadius, false)
            .Enumeration("MinMaxPointerStyle", &G::MinMaxPointerStyle, &G::SetMinMaxPointerStyle,
                         pointerStyles, iagpsArrowLine)
            .Boolean("ShowLabel2", &G::ShowLabel2, &G::SetShowLabel2, false)
            .Boolean("ShowLabel1", &G::ShowLabel1, &G::SetShowLabel1, false)
            .Integer("Label1OffsetX", &G::Label1OffsetX, &G::SetLabel1OffsetX, -15)
            // The constructor's -20, so that every other offset, -25 included, is written and
            // comes back; layouts that store -20 read the same.
            .Integer("Label2OffsetY", &G::Label2OffsetY, &G::SetLabel2OffsetY, -20)
            .Integer("Label1OffsetY", &G::Label1OffsetY, &G::SetLabel1OffsetY, -35)
            .Integer("Label2OffsetX", &G::Label2OffsetX, &G::SetLabel2OffsetX, -15)
            .String("Label2Text", &G::Label2Text, &G::SetLabel2Text)
            .String("Label1Text", &G::Label1Text, &G::SetLabel1Text)
            .Object("Label1Font", &G::Label1Font, TFrameworkClasses::Font())
            .Object("Label2Font", &G::Label2Font, TFrameworkClasses::Font())
            .Enumeration("Label1AlignHorizontal", &G::Label1AlignHorizontal,
                         &G::SetLabel1AlignHorizontal, horizontal, iahCenter)
            .Enumeration("Label2AlignHorizontal", &G::Label2AlignHorizontal,
                         &G::SetLabel2AlignHorizontal, horizontal, iahCenter)
            .Enumeration("Label1AlignVertical", &G::Label1AlignVertical, &G::SetLabel1AlignVertical,
                         vertical, iavCenter)
            .Enumeration("Label2AlignVertical", &G::Label2AlignVertical, &G::SetLabel2AlignVertical,
                         vertical, iavCenter)
            .Boolean("ReverseScale", &G::ReverseScale, &G::SetReverseScale, false)
            .Boolean("AutoCenter", &G::AutoCenter, &G::SetAutoCenter, true)
            .Enumeration("TickLabelAlignment", &G::TickLabelAlignment, &G::SetTickLabelAlignment,
                         {"ilaCenter", "ilaJustified"}, ilaCenter)
            .Boolean("AutoSize", &G::AutoSize, &G::SetAutoSize, false)
            .Integer("OuterMargin", &G::OuterMargin, &G::SetOuterMargin, 5)
            .Enumeration("PanelFaceStyle", &G::PanelFaceStyle, &G::SetPanelFaceStyle,
                         {"ipfsNone", "ipfsStandard", "ipfsPicture"}, std::nullopt)
            .Integer("PanelFaceSize", &G::PanelFaceSize, &G::SetPanelFaceSize)
            .Color("PanelFaceOuterColor", &G::PanelFaceOuterColor, &G::SetPanelFaceOuterColor,
                   std::nullopt)
            .Color("PanelFaceInnerColor", &G::PanelFaceInnerColor, &G::SetPanelFaceInnerColor,
                   std::nullopt);
        return builder.Build();
    }();
    return info;
}

void TiAngularGauge::SetArcRangeDegrees(int value) {
    SetIntegerProperty(std::min(value, 360), m_arcRangeDegrees, ckBackGround);
}

void TiAngularGauge::SetArcRadius(int value) {
    SetIntegerProperty(value, m_arcRadius, ckBackGround);
}

void TiAngularGauge::SetArcStartDegrees(int value) {
    SetIntegerProperty(value, m_arcStartDegrees, ckBackGround);
}

void TiAngularGauge::SetShowInnerArcRadius(bool value) {
    SetBooleanProperty(value, m_showInnerArcRadius, ckBackGround);
}

void TiAngularGauge::SetShowOuterArcRadius(bool value) {
    SetBooleanProperty(value, m_showOuterArcRadius, ckBackGround);
}

void TiAngularGauge::SetShowHub(bool value) {
    SetBooleanProperty(value, m_showHub, ckBackGround);
}

void TiAngularGauge::SetHubSize(int value) {
    SetIntegerProperty(value, m_hubSize, ckBackGround);
}

void TiAngularGauge::SetHubColor(TColor value) {
    SetColorProperty(value, m_hubColor, ckBackGround);
}

void TiAngularGauge::SetMinMaxPointerStyle(TiAngularGaugePointerStyle value) {
    if (value == m_minMaxPointerStyle)
        return;
    m_minMaxPointerStyle = value;
    BackGroundChange();
}

void TiAngularGauge::SetShowLabel1(bool value) {
    SetBooleanProperty(value, m_label1.Show, ckBackGround);
}

void TiAngularGauge::SetLabel1Text(const std::string& value) {
    SetStringProperty(value, m_label1.Text, ckBackGround);
}

void TiAngularGauge::SetLabel1OffsetX(int value) {
    SetIntegerProperty(value, m_label1.Offset.X, ckBackGround);
}

void TiAngularGauge::SetLabel1OffsetY(int value) {
    SetIntegerProperty(value, m_label1.Offset.Y, ckBackGround);
}

void TiAngularGauge::SetLabel1AlignHorizontal(TiAlignmentHorizontal value) {
    if (value == m_label1.Horizontal)
        return;
    m_label1.Horizontal = value;
    BackGroundChange();
}

void TiAngularGauge::SetLabel1AlignVertical(TiAlignmentVertical value) {
    if (value == m_label1.Vertical)
        return;
    m_label1.Vertical = value;
    BackGroundChange();
}

void TiAngularGauge::SetShowLabel2(bool value) {
    SetBooleanProperty(value, m_label2.Show, ckBackGround);
}

void TiAngularGauge::SetLabel2Text(const std::string& value) {
    SetStringProperty(value, m_label2.Text, ckBackGround);
}

void TiAngularGauge::SetLabel2OffsetX(int value) {
    SetIntegerProperty(value, m_label2.Offset.X, ckBackGround);
}

void TiAngularGauge::SetLabel2OffsetY(int value) {
    SetIntegerProperty(value, m_label2.Offset.Y, ckBackGround);
}

void TiAngularGauge::SetLabel2AlignHorizontal(TiAlignmentHorizontal value) {
    if (value == m_label2.Horizontal)
        return;
    m_label2.Horizontal = value;
    BackGroundChange();
}

void TiAngularGauge::SetLabel2AlignVertical(TiAlignmentVertical value) {
    if (value == m_label2.Vertical)
        return;
    m_label2.Vertical = value;
    BackGroundChange();
}

void TiAngularGauge::SetReverseScale(bool value) {
    SetBooleanProperty(value, m_reverseScale, ckBackGround);
}

void TiAngularGauge::SetAutoCenter(bool value) {
    SetBooleanProperty(value, m_autoCenter, ckBackGround);
}

void TiAngularGauge::SetTickLabelAlignment(TiLabelAlignment value) {
    if (value == m_tickLabelAlignment)
        return;
    m_tickLabelAlignment = value;
    BackGroundChange();
}

void TiAngularGauge::SetAutoSize(bool value) {
    SetBooleanProperty(value, m_autoSize, ckBackGround);
}

void TiAngularGauge::SetOuterMargin(int value) {
    SetIntegerProperty(value, m_outerMargin, ckBackGround);
}

void TiAngularGauge::SetPanelFaceStyle(TiPanelFaceStyle value) {
    if (value == m_panelFaceStyle)
        return;
    m_panelFaceStyle = value;
    BackGroundChange();
}

void TiAngularGauge::SetPanelFaceSize(int value) {
    SetIntegerProperty(value, m_panelFaceSize, ckBackGround);
}

void TiAngularGauge::SetPanelFaceOuterColor(TColor value) {
    SetColorProperty(value, m_panelFaceOuterColor, ckBackGround);
}

void TiAngularGauge::SetPanelFaceInnerColor(TColor value) {
    SetColorProperty(value, m_panelFaceInnerColor, ckBackGround);
}

// Pointer 0 may hold a style no name stands for (it then draws nothing); the published
// property shows the default for it, and the stored pointer collection keeps the number.
TiAngularGaugePointerStyle TiAngularGauge::PointerStyle() const {
    const int style = PointerStyleValue();
    return style >= iagpsArrowLine && style <= iagpsTriangle
               ? static_cast<TiAngularGaugePointerStyle>(style)
               : iagpsTriangle;
}

void TiAngularGauge::SetPointerStyle(TiAngularGaugePointerStyle value) {
    SetPointerStyleValue(value);
}

double TiAngularGauge::ValueToAngle(double value) const {
    return GaugeAngle(PositionPercent(value), m_arcStartDegrees, m_arcRangeDegrees, m_reverseScale);
}

double TiAngularGauge::TickStart() const {
    return AutoScaleEnabled() && AutoScaleStyle() == iassFixedMinMax ? AutoScaleFirstTick()
                                                                     : PositionMin();
}

double TiAngularGauge::TickEnd() const {
    return AutoScaleEnabled() && AutoScaleStyle() == iassFixedMinMax ? AutoScaleLastTick()
                                                                     : PositionMax();
}

double TiAngularGauge::TickValue(int index) const {
    return TickStart() + (TickEnd() - TickStart()) / (TickMajorCount() - 1) * index;
}

std::string TiAngularGauge::TickLabelText(int index) {
    std::string text = TiScaleObject::FormatTickLabel(TickValue(index), LabelDecimals());
    if (OnCustomizeTickLabel)
        OnCustomizeTickLabel(this, index, text);
    return text;
}

TRect TiAngularGauge::TickLabelRect(TCanvas& canvas, int index, TPoint centre) {
    canvas.Font() = TickLabelFont();
    return PlacedTickLabel(index, canvas.TextExtent(TickLabelText(index)), centre);
}

TiAngularGauge::TTickLabels TiAngularGauge::MeasureTickLabels(TCanvas& canvas) {
    canvas.Font() = TickLabelFont();
    TTickLabels labels;
    for (int i = 0; i < TickMajorCount(); ++i) {
        std::string text = TickLabelText(i);
        const TSize size = canvas.TextExtent(text);
        labels.push_back({std::move(text), size});
    }
    return labels;
}

TRect TiAngularGauge::PlacedTickLabel(int index, TSize size, TPoint centre) const {
    const int radius = TickMargin() + m_arcRadius + TickMajorLength() + TickLabelMargin() + 4;
    const double degrees = ValueToAngle(TickValue(index));
    return TickLabelBox(PolarPoint(centre, radius, degrees), size, degrees, m_tickLabelAlignment);
}

// The labels need a fixed room whatever the radius; the arc gets what is left.
void TiAngularGauge::ApplyAutoSize(const TTickLabels& labels) {
    m_arcRadius = 0;
    TBox box(TPoint{0, 0});
    for (int i = 0; i < static_cast<int>(labels.size()); ++i)
        box.Add(PlacedTickLabel(i, labels[i].Size, {0, 0}));
    const int space = std::min(Width() - (box.MaxX - box.MinX), Height() - (box.MaxY - box.MinY));
    m_arcRadius = AutoArcRadius(space, m_arcRangeDegrees, m_outerMargin, m_hubSize);
}

TPoint TiAngularGauge::GetCenterPoint(TCanvas& canvas) {
    const bool centred = m_autoCenter || m_autoSize;
    m_centre = CentreAmong(canvas, centred ? MeasureTickLabels(canvas) : TTickLabels());
    return m_centre;
}

TPoint TiAngularGauge::CentreAmong(TCanvas& canvas, const TTickLabels& labels) {
    TPoint centre = TiGaugeComponent::GetCenterPoint(canvas);
    if (m_autoCenter || m_autoSize) {
        TBox box(centre);
        box.Add(TRect{centre.X - m_hubSize / 2, centre.Y - m_hubSize / 2, centre.X + m_hubSize / 2,
                      centre.Y + m_hubSize / 2});
        const double step = (PositionMax() - PositionMin()) / CentringPoints;
        const int radius = TickMargin() + m_arcRadius + TickMinorLength();
        double value = PositionMin();
        for (int i = 0; i < CentringPoints && value < PositionMax(); ++i, value += step)
            box.Add(PolarPoint(centre, radius, ValueToAngle(value)));
        for (int i = 0; i < static_cast<int>(labels.size()); ++i)
            box.Add(PlacedTickLabel(i, labels[i].Size, centre));
        centre.X += -((box.MinX + box.MaxX - Width()) / 2) + OffsetX();
        centre.Y += -((box.MinY + box.MaxY - Height()) / 2) + OffsetY();
    }
    return centre;
}

void TiAngularGauge::DrawWidget(TCanvas& canvas) {
    // The labels, the centre and an automatic radius change only with what changes the
    // background.
    const bool rebuild = !CachedDrawing() || BackGroundChanged();
    TTickLabels labels;
    if (rebuild) {
        if (ShowTickLabels() || m_autoCenter || m_autoSize)
            labels = MeasureTickLabels(canvas);
        if (m_autoSize)
            ApplyAutoSize(labels);
        m_centre = CentreAmong(canvas, labels);
    }
    const TPoint centre = m_centre;
    // Background, face, sections, arcs, ticks, tick labels and free labels: the static picture.
    if (!CachedDrawing()) {
        DrawStatic(canvas, centre, labels);
    } else {
        if (BackGroundChanged()) {
            DrawStatic(GetBackGroundBitmap().Canvas(), centre, labels);
            ClearBackGroundChange();
        }
        DrawCachedBackground(canvas);
    }
    m_moving = TRect{};
    // Min/max pointers, then the limits' pointers.
    DrawMinMaxPointers(canvas, centre);
    DrawLimitPointers(canvas, centre);
    // The pointers, pointer 0 first.
    DrawPointers(canvas, centre);
    // The hub covers the roots of the needles.
    if (m_showHub) {
        DrawHub(canvas, centre, m_hubSize, m_hubColor);
        m_moving = m_moving.Union(HubBounds(centre, m_hubSize));
    }
    if (CachedDrawing())
        PaintedMovingParts(m_moving);
}

void TiAngularGauge::DrawStatic(TCanvas& canvas, TPoint centre, const TTickLabels& labels) {
    DrawBackground(canvas, BackGroundColor());
    if (m_panelFaceStyle != ipfsNone)
        DrawPanelFace(canvas, {Width(), Height()}, m_panelFaceSize, m_panelFaceOuterColor,
                      m_panelFaceInnerColor);
    DrawSections(canvas, centre);
    DrawArcs(canvas, centre);
    DrawTicks(canvas, centre, labels);
    // The free labels never move with the value, so they belong to the static picture.
    DrawFreeLabel(canvas, centre, m_label1);
    DrawFreeLabel(canvas, centre, m_label2);
}

void TiAngularGauge::DrawSections(TCanvas& canvas, TPoint centre) {
    const double inner = TickMargin() + m_arcRadius + (m_showInnerArcRadius ? 1 : 0);
    const double outer =
        TickMargin() + m_arcRadius + TickMajorLength() - (m_showOuterArcRadius ? 1 : 0);
    for (const TGaugeSection& section : Sections())
        DrawBand(canvas, inner, outer, section.Color, centre, ValueToAngle(section.Start),
                 ValueToAngle(section.End));
}

// The bands and arcs keep their points and pixels while their geometry holds, so a background
// drawn anew for another colour or label finds them worked out.
void TiAngularGauge::DrawBand(TCanvas& canvas, double radius1, double radius2, TColor color,
                              TPoint centre, double angle1, double angle2) {
    auto found = std::find_if(m_bands.begin(), m_bands.end(), [&](const TArcBand& band) {
        return band.Matches(radius1, radius2, centre, angle1, angle2);
    });
    if (found == m_bands.end()) {
        if (m_bands.size() >= MaxKeptBands)
            m_bands.clear();
        m_bands.emplace_back(radius1, radius2, centre, angle1, angle2);
        found = m_bands.end() - 1;
    }
    found->Draw(canvas, color);
}

void TiAngularGauge::DrawArcs(TCanvas& canvas, TPoint centre) {
    const double from = ValueToAngle(PositionMin());
    const double to = ValueToAngle(PositionMax());
    const double inner = TickMargin() + m_arcRadius;
    if (m_showInnerArcRadius)
        DrawBand(canvas, inner, inner, TickMajorColor(), centre, from, to);
    if (m_showOuterArcRadius)
        DrawBand(canvas, inner + TickMajorLength(), inner + TickMajorLength(), TickMajorColor(),
                 centre, from, to);
}

void TiAngularGauge::DrawTicks(TCanvas& canvas, TPoint centre, const TTickLabels& labels) {
    canvas.Brush().SetStyle(bsClear);
    if (ShowTickLabels())
        canvas.Font() = TickLabelFont();
    const double start = TickStart();
    const double end = TickEnd();
    const double majorStep = (end - start) / (TickMajorCount() - 1);
    const double minorStep = majorStep / (TickMinorCount() + 1);
    const double inner = TickMargin() + m_arcRadius;
    const double outer = inner + TickMajorLength();
    for (int i = 0; i < TickMajorCount(); ++i) {
        const double value = start + i * majorStep;
        const double degrees = ValueToAngle(value);
        if (ShowTicksMajor()) {
            canvas.Pen().SetColor(TickMajorColor());
            const TPoint from = PolarPoint(centre, outer, degrees);
            const TPoint to = PolarPoint(centre, inner, degrees);
            DrawLine(canvas, from.X, from.Y, to.X, to.Y);
        }
        // A customising handler that changed the tick count while it ran has fewer labels.
        if (ShowTickLabels() && i < static_cast<int>(labels.size())) {
            TRect rect = PlacedTickLabel(i, labels[i].Size, centre);
            DrawTextWithOptions(canvas, labels[i].Text, rect, TickLabelOptions);
        }
        if (ShowTicksMinor() && i < TickMajorCount() - 1) {
            canvas.Pen().SetColor(TickMinorColor());
            for (int j = 1; j <= TickMinorCount(); ++j)
                DrawMinorTick(canvas, centre, value + j * minorStep);
        }
    }
    if (AutoScaleStyle() == iassFixedMinMax && ShowTicksMinor() && minorStep > 0)
        DrawFillTicks(canvas, centre, start, end, minorStep);
}

void TiAngularGauge::DrawMinorTick(TCanvas& canvas, TPoint centre, double value) {
    const double inner = TickMargin() + m_arcRadius;
    const double outer = inner + TickMajorLength();
    double from = inner;
    double to = inner + TickMinorLength();
    if (TickMinorAlignment() == itmnaCenter) {
        from = (inner + outer) / 2 - TickMinorLength() / 2.0;
        to = (inner + outer) / 2 + TickMinorLength() / 2.0;
    } else if (TickMinorAlignment() == itmnaOutside) {
        from = outer - TickMinorLength();
        to = outer;
    }
    const double degrees = ValueToAngle(value);
    const TPoint a = PolarPoint(centre, from, degrees);
    const TPoint b = PolarPoint(centre, to, degrees);
    DrawLine(canvas, a.X, a.Y, b.X, b.Y);
}

// Continues the minor grid from the round first and last ticks out to the ends of the range.
void TiAngularGauge::DrawFillTicks(TCanvas& canvas, TPoint centre, double start, double end,
                                   double step) {
    canvas.Pen().SetColor(TickMinorColor());
    for (int k = 1; k <= MaxFillTicks && end + k * step <= PositionMax(); ++k)
        DrawMinorTick(canvas, centre, end + k * step);
    for (int k = 1; k <= MaxFillTicks && start - k * step >= PositionMin(); ++k)
        DrawMinorTick(canvas, centre, start - k * step);
}

void TiAngularGauge::DrawFreeLabel(TCanvas& canvas, TPoint centre, const TFreeLabel& label) {
    if (!label.Show)
        return;
    canvas.Font() = label.Font;
    canvas.Brush().SetStyle(bsClear);
    const TSize text = canvas.TextExtent(label.Text);
    const TPoint origin = FreeLabelOrigin(centre, {Width(), Height()}, text, label.Offset,
                                          label.Horizontal, label.Vertical);
    canvas.TextOut(origin.X, origin.Y, label.Text);
}

TRect TiAngularGauge::DrawPointer(TCanvas& canvas, TPoint centre, double value, int style, int size,
                                  int margin, TColor color, bool outside) {
    const TGaugePointerShape shape =
        GaugePointerShape(centre, {ValueToAngle(value), m_arcRadius, size, margin, style, outside});
    if (shape.Drawn) {
        DrawGaugePointer(canvas, centre, shape, color);
        m_moving = m_moving.Union(GaugePointerBounds(centre, shape));
    }
    return shape.HitArea;
}

void TiAngularGauge::DrawMinMaxPointers(TCanvas& canvas, TPoint centre) {
    if (ShowMaxPointer())
        m_maxPointerRect =
            DrawPointer(canvas, centre, CurrentMax(), m_minMaxPointerStyle, MinMaxPointerSize(),
                        MinMaxPointerMargin(), MaxPointerColor(), false);
    if (ShowMinPointer())
        m_minPointerRect =
            DrawPointer(canvas, centre, CurrentMin(), m_minMaxPointerStyle, MinMaxPointerSize(),
                        MinMaxPointerMargin(), MinPointerColor(), false);
}

void TiAngularGauge::DrawLimitPointers(TCanvas& canvas, TPoint centre) {
    for (int i = 0; i < LimitCount(); ++i) {
        const TiLimitObject& limit = Limit(i);
        if (limit.ShowUpperPointer)
            DrawPointer(canvas, centre, limit.UpperValue, iagpsArrow, limit.PointerSize,
                        limit.PointerMargin, limit.UpperColor, limit.Outside != 0);
        if (limit.ShowLowerPointer)
            DrawPointer(canvas, centre, limit.LowerValue, iagpsArrow, limit.PointerSize,
                        limit.PointerMargin, limit.LowerColor, limit.Outside != 0);
    }
}

void TiAngularGauge::DrawPointers(TCanvas& canvas, TPoint centre) {
    for (int i = 0; i < PointerCount(); ++i) {
        const TiGaugePointer& pointer = Pointer(i);
        DrawPointer(canvas, centre, pointer.Position(), pointer.Style(), pointer.Size(),
                    pointer.Margin(), pointer.Color(), false);
    }
}

void TiAngularGauge::MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) {
    TiGaugeComponent::MouseDownHook(button, shift, x, y);
    if (!MinMaxUserCanMove() || button != mbLeft)
        return;
    const TPoint point{x, y};
    if (ShowMinPointer() && m_minPointerRect.Contains(point))
        m_draggingMin = true;
    else if (ShowMaxPointer() && m_maxPointerRect.Contains(point))
        m_draggingMax = true;
    if (m_draggingMin || m_draggingMax)
        m_dragDegrees = ScreenDegrees(m_centre, x, y);
    InvalidateChange();
}

void TiAngularGauge::MouseMoveHook(TShiftState shift, int x, int y) {
    TiGaugeComponent::MouseMoveHook(shift, x, y);
    if (m_draggingMin || m_draggingMax)
        DragTo(ScreenDegrees(m_centre, x, y));
}

// Each step moves the value by the angle swept since the previous one.
void TiAngularGauge::DragTo(double degrees) {
    if (m_arcStartDegrees < -degrees)
        degrees = -m_arcStartDegrees;
    const double swept = SweptDegrees(m_dragDegrees, degrees);
    m_dragDegrees = degrees;
    if (m_arcRangeDegrees == 0)
        return;
    double change = swept / m_arcRangeDegrees * (PositionMax() - PositionMin());
    if (m_reverseScale)
        change = -change;
    if (m_draggingMax) {
        SetCurrentMax(CurrentMax() - change);
        if (CurrentMin() > CurrentMax())
            SetCurrentMin(CurrentMax());
    } else {
        SetCurrentMin(CurrentMin() - change);
        if (CurrentMax() < CurrentMin())
            SetCurrentMax(CurrentMin());
    }
}

void TiAngularGauge::MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) {
    TiGaugeComponent::MouseUpHook(button, shift, x, y);
    m_draggingMin = false;
    m_draggingMax = false;
}
