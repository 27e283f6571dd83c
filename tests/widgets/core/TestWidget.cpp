#include "TestWidget.h"

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"

TTestWidget::TTestWidget(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(0, 0, 40, 30);
    CreateBackGroundPicture();
    m_font.OnChange = [this](TObject*) { BackGroundChange(); };
}

const TClassInfo& TTestWidget::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TTestWidget>("TTestWidget", &TiCustomComponent::StaticClassInfo())
            .Integer("Count", &TTestWidget::Count, &TTestWidget::SetCount, 5)
            .Boolean("Active", &TTestWidget::Active, &TTestWidget::SetActive, false)
            .Enumeration("Shape", &TTestWidget::Shape, &TTestWidget::SetShape,
                         {"tsCircle", "tsSquare", "tsTriangle"}, tsCircle)
            .Set("Options", &TTestWidget::Options, &TTestWidget::SetOptions,
                 {"toFirst", "toSecond", "toThird"}, 0)
            .Double("Maximum", &TTestWidget::Maximum, &TTestWidget::SetMaximum)
            .String("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption)
            .Color("NeedleColor", &TTestWidget::NeedleColor, &TTestWidget::SetNeedleColor, clRed)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Object("Font", &TTestWidget::Font, TFrameworkClasses::Font())
            .Object("BackGroundPicture", &TiComponent::BackGroundPicture,
                    TFrameworkClasses::Bitmap())
            .String("LastHook", &TTestWidget::LastHook, nullptr)
            .NotStored()
            .Event("OnPaint", &TiComponent::OnPaint)
            .Event("OnChange", &TTestWidget::OnChange)
            .Event("OnOverLimit", &TTestWidget::OnOverLimit)
            .Defined(
                "Maximum_2", [](const TTestWidget&) { return true; },
                [](const TTestWidget& w) { return TLayoutValue::OfDouble(w.m_maximum); },
                [](TTestWidget& w, const TLayoutValue& v) { w.m_maximum = v.AsDouble(); })
            .Defined(
                "Caption_2", [](const TTestWidget&) { return true; },
                [](const TTestWidget& w) { return TLayoutValue::OfString(w.m_caption); },
                [](TTestWidget& w, const TLayoutValue& v) { w.m_caption = v.AsString(); })
            .Build();
    return info;
}

void TTestWidget::SetCount(int value) {
    if (value == m_count)
        return;
    m_count = value;
    InvalidateChange();
    if (OnChange)
        OnChange(this);
    if (m_count > m_maximum && OnOverLimit)
        OnOverLimit(this, 0);
}

void TTestWidget::SetShape(TTestShape value) {
    if (value == m_shape)
        return;
    m_shape = value;
    BackGroundChange();
}

void TTestWidget::SetOptions(std::uint8_t value) {
    if (value == m_options)
        return;
    m_options = value;
    InvalidateChange();
}

void TTestWidget::Invalidate() {
    ++m_invalidations;
    TiCustomComponent::Invalidate();
}

void TTestWidget::DrawWidget(TCanvas& canvas) {
    ++m_draws;
    DrawBackground(canvas, BackGroundColor());
    if (OnDraw)
        OnDraw();
    canvas.Brush().SetColor(m_needleColor);
    canvas.FillRect(Rect(Width() / 2, Height() / 2, Width() / 2 + 2, Height() / 2 + 2));
}

void TTestWidget::MouseDownHook(TMouseButton, TShiftState, int x, int y) {
    m_lastHook = "down " + std::to_string(x) + "," + std::to_string(y);
    Hooks.push_back(m_lastHook);
}

void TTestWidget::MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) {
    m_lastHook = "up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                 std::to_string(x) + "," + std::to_string(y);
    Hooks.push_back(m_lastHook);
}

void TTestWidget::MouseMoveHook(TShiftState shift, int x, int y) {
    m_lastHook =
        "move " + std::to_string(shift) + " " + std::to_string(x) + "," + std::to_string(y);
}

void TTestWidget::DoubleClickHook() {
    m_lastHook = "dblclick";
}

bool TTestWidget::MouseWheelHook(int wheelDelta, TShiftState shift, TPoint) {
    m_lastHook = "wheel " + std::to_string(wheelDelta) + " " + std::to_string(shift);
    return true;
}

void TTestWidget::KeyDownHook(TKey& key, TShiftState shift) {
    m_lastHook = "keydown " + std::to_string(key) + " " + std::to_string(shift);
}

void TTestWidget::KeyUpHook(TKey& key, TShiftState shift) {
    m_lastHook = "keyup " + std::to_string(key) + " " + std::to_string(shift);
    Hooks.push_back(m_lastHook);
}

void TTestWidget::KeyPressHook(char32_t& key) {
    m_lastHook = "char " + std::to_string(static_cast<std::uint32_t>(key));
}

void TTestWidget::WantSpecialKeyHook(TKey& charCode, int& result) {
    if (charCode == VK_LEFT)
        result = 1;
}
