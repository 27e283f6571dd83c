#include "widgets/controls/iLedSpiral.h"

#include <algorithm>

#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/Numeric.h"

namespace {

constexpr int OffDivisor = 3;

} // namespace

TiLedSpiral::TiLedSpiral(TComponent* owner) : TiProgressComponent(owner) {
    SetBounds(Left(), Top(), 110, 110);
    CreateBackGroundPicture();
}

const TClassInfo& TiLedSpiral::StaticClassInfo() {
    using C = TiLedSpiral;
    static const TClassInfo& info =
        TClassBuilder<C>("TiLedSpiral", &TiProgressComponent::StaticClassInfo())
            .Integer("SegmentCount", &C::SegmentCount, &C::SetSegmentCount, 32)
            .Integer("SegmentSize", &C::SegmentSize, &C::SetSegmentSize, 1)
            .Integer("SegmentWidth", &C::SegmentWidth, &C::SetSegmentWidth, 10)
            .Integer("OuterRadius", &C::OuterRadius, &C::SetOuterRadius, 50)
            .Integer("RangeDegrees", &C::RangeDegrees, &C::SetRangeDegrees, 360)
            .Integer("StartDegrees", &C::StartDegrees, &C::SetStartDegrees, 180)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Integer("OuterMargin", &C::OuterMargin, &C::SetOuterMargin, 5)
            .Enumeration("Style", &C::Style, &C::SetStyle, {"ilssProgress", "ilssPointer"},
                         ilssProgress)
            .Object("BackGroundPicture", &TiComponent::BackGroundPicture,
                    TFrameworkClasses::Bitmap())
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Build();
    return info;
}

void TiLedSpiral::SetSegmentCount(int value) {
    SetIntegerProperty(value, m_segmentCount, ckInvalidate);
}

void TiLedSpiral::SetSegmentSize(int value) {
    SetIntegerProperty(value, m_segmentSize, ckInvalidate);
}

void TiLedSpiral::SetSegmentWidth(int value) {
    SetIntegerProperty(value, m_segmentWidth, ckInvalidate);
}

void TiLedSpiral::SetOuterRadius(int value) {
    SetIntegerProperty(value, m_outerRadius, ckInvalidate);
}

void TiLedSpiral::SetRangeDegrees(int value) {
    SetIntegerProperty(std::min(value, MaxRangeDegrees), m_rangeDegrees, ckBackGround);
}

void TiLedSpiral::SetStartDegrees(int value) {
    SetIntegerProperty(value, m_startDegrees, ckInvalidate);
}

void TiLedSpiral::SetAutoSize(bool value) {
    SetBooleanProperty(value, m_autoSize, ckInvalidate);
}

void TiLedSpiral::SetOuterMargin(int value) {
    SetIntegerProperty(value, m_outerMargin, ckInvalidate);
}

void TiLedSpiral::SetStyle(TiLedSpiralStyle value) {
    if (value == m_style)
        return;
    m_style = value;
    BackGroundChange();
}

// Half a bar is added before rounding, so the first bar lights as soon as the value leaves the
// minimum.
int TiLedSpiral::LitCount() const {
    return Round(PositionPercent(GetPosition()) * m_segmentCount + 0.5);
}

// A single bar on a part circle has no neighbour to keep a distance from.
double TiLedSpiral::StepDegrees() const {
    if (m_rangeDegrees % 360 == 0)
        return m_segmentCount > 0 ? static_cast<double>(m_rangeDegrees) / m_segmentCount : 0;
    return m_segmentCount > 1 ? static_cast<double>(m_rangeDegrees) / (m_segmentCount - 1) : 0;
}

std::array<TPoint, 4> TiLedSpiral::BarCorners(int index) const {
    const double angle = m_startDegrees - index * StepDegrees();
    const TRealPoint centre = GetCenterPointDouble();
    const TRealPoint outer = PolarPointReal(centre, m_outerRadius, angle);
    const TRealPoint inner = PolarPointReal(centre, m_outerRadius - m_segmentWidth, angle);
    return {RealPointToPoint(PolarPointReal(outer, m_segmentSize, angle - 90)),
            RealPointToPoint(PolarPointReal(outer, m_segmentSize, angle + 90)),
            RealPointToPoint(PolarPointReal(inner, m_segmentSize, angle + 90)),
            RealPointToPoint(PolarPointReal(inner, m_segmentSize, angle - 90))};
}

// The pointer lights the bar at the value; at the very top of the range the count runs one past
// the last bar, which then stays lit rather than leaving the ring dark.
bool TiLedSpiral::BarLit(int index, int lit) const {
    if (m_style == ilssPointer)
        return index == std::max(std::min(lit, m_segmentCount) - 1, 0);
    return index < lit;
}

TiLedSpiral::TBarGeometry TiLedSpiral::BarGeometry() const {
    return {Width(),       Height(),       m_outerRadius,  m_segmentWidth,
            m_segmentSize, m_segmentCount, m_rangeDegrees, m_startDegrees};
}

const std::vector<TRasterPolygon>& TiLedSpiral::Bars() {
    const TBarGeometry geometry = BarGeometry();
    if (m_barGeometry != geometry) {
        m_bars.clear();
        for (int i = 0; i < m_segmentCount; ++i)
            m_bars.emplace_back(BarCorners(i));
        m_barGeometry = geometry;
    }
    return m_bars;
}

void TiLedSpiral::DrawWidget(TCanvas& canvas) {
    if (m_autoSize)
        m_outerRadius = (std::min(Width(), Height()) - 2 * m_outerMargin) / 2;
    // Background.
    DrawBackground(canvas, BackGroundColor());
    // Bars, clockwise from the start angle, each in the colour of its section.
    const int lit = LitCount();
    const std::vector<TRasterPolygon>& bars = Bars();
    canvas.Brush().SetStyle(bsSolid);
    for (int i = 0; i < m_segmentCount; ++i) {
        const bool on = BarLit(i, lit);
        if (!on && !ShowOffSegments()) {
            if (m_style == ilssProgress)
                break;
            continue;
        }
        const TColor section = SectionColorAt(i * PositionMax() / m_segmentCount);
        const TColor color = on ? section : DimColor(section, OffDivisor);
        canvas.Brush().SetColor(color);
        canvas.Pen().SetColor(color);
        canvas.Polygon(bars[i]);
    }
}
