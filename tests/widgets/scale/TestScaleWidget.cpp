#include "TestScaleWidget.h"

#include "widgets/core/Drawing.h"

namespace {

constexpr int Inset = 10;

} // namespace

TTestScaleWidget::TTestScaleWidget(TComponent* owner) : TiScaleComponent(owner) {
    SetBounds(0, 0, 80, 200);
}

const TClassInfo& TTestScaleWidget::StaticClassInfo() {
    using W = TTestScaleWidget;
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassBuilder<W> builder("TTestScaleWidget", &TiScaleComponent::StaticClassInfo());
        PublishScaleProperties(builder, 5);
        PublishTickStyles(builder);
        builder
            .Enumeration("Orientation", &W::Orientation, &W::SetOrientation,
                         {"ioVertical", "ioHorizontal"}, ioVertical)
            .Enumeration("OrientationTickMarks", &W::OrientationTickMarks,
                         &W::SetOrientationTickMarks, {"iosBottomRight", "iosTopLeft"},
                         iosBottomRight)
            .Boolean("ReverseScale", &W::ReverseScale, &W::SetReverseScale, false)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace);
        return builder.Build();
    }();
    return info;
}

void TTestScaleWidget::SetOrientation(TiOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    BackGroundChange();
}

void TTestScaleWidget::SetOrientationTickMarks(TiOrientationSide value) {
    if (value == m_orientationTickMarks)
        return;
    m_orientationTickMarks = value;
    BackGroundChange();
}

void TTestScaleWidget::SetReverseScale(bool value) {
    SetBooleanProperty(value, m_reverseScale, ckBackGround);
}

void TTestScaleWidget::Invalidate() {
    ++m_invalidations;
    TiScaleComponent::Invalidate();
}

void TTestScaleWidget::DrawWidget(TCanvas& canvas) {
    PlaceScale();
    // Background and scale, from the cache while nothing static changed.
    if (BackGroundChanged()) {
        DrawStatic(GetBackGroundBitmap().Canvas());
        ClearBackGroundChange();
    }
    DrawCachedBackground(canvas);
    // The value.
    DrawMark(canvas);
}

void TTestScaleWidget::PlaceScale() {
    TiScaleObject& scale = Scale();
    const bool vertical = m_orientation == ioVertical;
    const int across = vertical ? Width() : Height();
    const int along = vertical ? Height() : Width();
    scale.SetScaleMin(PositionMin());
    scale.SetScaleMax(PositionMax());
    scale.SetOrientation(m_orientation);
    scale.SetOrientationTickMarks(m_orientationTickMarks);
    scale.SetReverseScale(m_reverseScale);
    scale.SetPixelMin(vertical ? along - 1 - Inset : Inset);
    scale.SetPixelMax(vertical ? Inset : along - 1 - Inset);
    scale.SetBaseLine(m_orientationTickMarks == iosBottomRight ? Inset : across - 1 - Inset);
}

void TTestScaleWidget::DrawStatic(TCanvas& canvas) {
    ++m_backGroundDraws;
    DrawBackground(canvas, BackGroundColor());
    Scale().Draw(canvas);
}

void TTestScaleWidget::DrawMark(TCanvas& canvas) {
    const int pixel = Scale().ValueToPixel(Position());
    const int baseLine = Scale().BaseLine();
    canvas.Pen().SetColor(clRed);
    if (m_orientation == ioVertical)
        DrawLine(canvas, baseLine - 3, pixel, baseLine + 4, pixel);
    else
        DrawLine(canvas, pixel, baseLine - 3, pixel, baseLine + 4);
}
