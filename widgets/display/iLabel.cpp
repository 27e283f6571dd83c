#include "widgets/display/iLabel.h"

#include <algorithm>
#include <cstdlib>

#include "gui/framework/Accelerator.h"
#include "gui/framework/WinControl.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/Drawing.h"
#include "widgets/display/DisplaySize.h"

namespace {

// The non-const accessor of an owned sub-object, picked out of its const twin.
template <class C, class T> constexpr auto SubObject(T& (C::*getter)()) {
    return getter;
}

// Clears the re-entrancy flag however the sizing ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
    ~TFlagScope() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

TiLabel::TiLabel(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(Left(), Top(), 28, 13);
    SetTabStop(false);
    m_font.OnChange = [this](TObject*) {
        ApplyAutoSize();
        InvalidateChange();
    };
    ApplyAutoSize();
}

TiLabel::~TiLabel() {
    BeginDestroy();
    SetFocusControl(nullptr);
}

const TClassInfo& TiLabel::StaticClassInfo() {
    using C = TiLabel;
    static const TClassInfo& info =
        TClassBuilder<C>("TiLabel", &TiCustomComponent::StaticClassInfo())
            .String("Caption", &C::Caption, &C::SetCaption)
            .Object("Font", SubObject<C, TFont>(&C::Font), TFrameworkClasses::Font())
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment,
                         {"iahCenter", "iahLeft", "iahRight"}, iahLeft)
            .Enumeration("BorderStyle", &C::BorderStyle,
                         static_cast<void (C::*)(TiLabelBorderStyle)>(&C::SetBorderStyle),
                         {"ilbsNone", "ilbsSingle", "ilbsLowered", "ilbsRaised"}, ilbsNone)
            .Integer("OuterMarginLeft", &C::OuterMarginLeft, &C::SetOuterMarginLeft, 0)
            .Integer("OuterMarginTop", &C::OuterMarginTop, &C::SetOuterMarginTop, 0)
            .Integer("OuterMarginRight", &C::OuterMarginRight, &C::SetOuterMarginRight, 0)
            .Integer("OuterMarginBottom", &C::OuterMarginBottom, &C::SetOuterMarginBottom, 0)
            .Boolean("ShadowShow", &C::ShadowShow, &C::SetShadowShow, false)
            .Integer("ShadowXOffset", &C::ShadowXOffset, &C::SetShadowXOffset, 1)
            .Integer("ShadowYOffset", &C::ShadowYOffset, &C::SetShadowYOffset, 1)
            .Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor, clGray)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Build();
    return info;
}

void TiLabel::SetCaption(const std::string& value) {
    if (value == m_caption)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Caption", allow);
    if (!allow)
        return;
    m_caption = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiLabel::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiLabel::SetAlignment(TiAlignmentHorizontal value) {
    if (value == m_alignment)
        return;
    m_alignment = value;
    InvalidateChange();
}

void TiLabel::SetBorderStyle(TiLabelBorderStyle value) {
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiLabel::SetLayoutProperty(int value, int& field) {
    value = std::clamp(value, -MaxDisplayMeasure, MaxDisplayMeasure);
    if (value == field)
        return;
    field = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiLabel::SetOuterMarginLeft(int value) {
    SetLayoutProperty(value, m_outerMarginLeft);
}

void TiLabel::SetOuterMarginTop(int value) {
    SetLayoutProperty(value, m_outerMarginTop);
}

void TiLabel::SetOuterMarginRight(int value) {
    SetLayoutProperty(value, m_outerMarginRight);
}

void TiLabel::SetOuterMarginBottom(int value) {
    SetLayoutProperty(value, m_outerMarginBottom);
}

void TiLabel::SetShadowShow(bool value) {
    if (value == m_shadowShow)
        return;
    m_shadowShow = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiLabel::SetShadowXOffset(int value) {
    SetLayoutProperty(value, m_shadowXOffset);
}

void TiLabel::SetShadowYOffset(int value) {
    SetLayoutProperty(value, m_shadowYOffset);
}

void TiLabel::SetShadowColor(TColor value) {
    SetColorProperty(value, m_shadowColor, ckInvalidate);
}

// Always repaints: the caption's "&" changes meaning with the focus control.
void TiLabel::SetFocusControl(TWinControl* value) {
    if (m_focusControl)
        m_focusControl->RemoveFreeNotification(this);
    m_focusControl = value;
    if (m_focusControl)
        m_focusControl->FreeNotification(this);
    InvalidateChange();
}

void TiLabel::Notification(TComponent* component) {
    TiCustomComponent::Notification(component);
    if (component == m_focusControl)
        m_focusControl = nullptr;
}

bool TiLabel::DialogChar(char32_t key) {
    if (!m_focusControl || !Enabled() || !IsAccel(key, m_caption) || !m_focusControl->CanFocus())
        return false;
    m_focusControl->SetFocus();
    return true;
}

int TiLabel::BorderWidth() const {
    switch (m_borderStyle) {
    case ilbsSingle:
        return 1;
    case ilbsLowered:
    case ilbsRaised:
        return 2;
    case ilbsNone:
        break;
    }
    return 0;
}

TRect TiLabel::TextRect() const {
    const int border = BorderWidth();
    return {border + m_outerMarginLeft, border + m_outerMarginTop,
            Width() - border - m_outerMarginRight, Height() - border - m_outerMarginBottom};
}

// A layout being read keeps its stored size, and a size change made here must not start
// another sizing through the font or bounds it touches.
void TiLabel::ApplyAutoSize() {
    if (!m_autoSize || IsLoading() || m_autoSizing)
        return;
    TFlagScope sizing(m_autoSizing);
    TCanvas& canvas = Canvas();
    canvas.Font() = m_font;
    const int shadowX = m_shadowShow ? std::abs(m_shadowXOffset) : 0;
    const int shadowY = m_shadowShow ? std::abs(m_shadowYOffset) : 0;
    const int frame = 2 * BorderWidth();
    SetBounds(
        Left(), Top(),
        frame + m_outerMarginLeft + m_outerMarginRight + canvas.TextWidth(m_caption) + shadowX,
        frame + m_outerMarginTop + m_outerMarginBottom + canvas.TextHeight(m_caption) + shadowY);
}

unsigned TiLabel::TextOptions() const {
    unsigned options = dtoSingleLine | dtoVCenter;
    switch (m_alignment) {
    case iahCenter:
        options |= dtoCenter;
        break;
    case iahLeft:
        options |= dtoLeft;
        break;
    case iahRight:
        options |= dtoRight;
        break;
    }
    if (m_focusControl)
        options |= dtoPrefix;
    return options;
}

void TiLabel::DrawWidget(TCanvas& canvas) {
    // Colour or what lies beneath.
    DrawBackground(canvas, BackGroundColor());
    // Shadow and text.
    canvas.Font() = m_font;
    canvas.Brush().SetStyle(bsClear);
    DrawCaption(canvas, TextOptions());
    // The frame goes over the text.
    DrawFrame(canvas);
}

// The shadow always lies at the offsets from the text: with a negative x offset the text moves
// away from the shadow instead of the shadow away from the text.
void TiLabel::DrawCaption(TCanvas& canvas, unsigned options) const {
    TRect rect = TextRect();
    if (m_shadowShow) {
        const int dx = m_shadowXOffset;
        const int dy = m_shadowYOffset;
        canvas.Font().SetColor(m_shadowColor);
        if (dx >= 0)
            rect = {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
        DrawTextWithOptions(canvas, m_caption, rect, options);
        canvas.Font().SetColor(m_font.Color());
        rect = {rect.Left - dx, rect.Top - dy, rect.Right - dx, rect.Bottom - dy};
    }
    DrawTextWithOptions(canvas, m_caption, rect, options);
}

void TiLabel::DrawFrame(TCanvas& canvas) const {
    canvas.Pen().SetColor(clWindowFrame);
    switch (m_borderStyle) {
    case ilbsSingle:
        canvas.Rectangle(ClientRect());
        break;
    case ilbsLowered:
    case ilbsRaised:
        DrawBevelFrame(canvas, ClientRect(), m_borderStyle == ilbsRaised);
        break;
    case ilbsNone:
        break;
    }
}
