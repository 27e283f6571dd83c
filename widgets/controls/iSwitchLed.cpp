#include "widgets/controls/iSwitchLed.h"

#include <algorithm>

#include "gui/framework/Accelerator.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/Drawing.h"
#include "widgets/core/FlagScope.h"
#include "widgets/core/Numeric.h"

namespace {

constexpr int InactiveDivisor = 3;
constexpr int MinimumBorderSize = 2;
constexpr int FocusInset = 3;

TRect Shifted(TRect rect, int by) {
    return {rect.Left + by, rect.Top + by, rect.Right + by, rect.Bottom + by};
}

} // namespace

TiSwitchLed::TiSwitchLed(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(Left(), Top(), 40, 28);
    SetTabStop(true);
    m_captionFont.OnChange = [this](TObject*) { BackGroundChange(); };
    m_glyph.SetTransparent(true);
    m_glyph.SetTransparentMode(tmAuto);
    m_glyph.OnChange = [this](TObject*) { InvalidateChange(); };
}

const TClassInfo& TiSwitchLed::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiSwitchLed>("TiSwitchLed", &TiCustomComponent::StaticClassInfo())
            .Default("TabStop", true)
            .Boolean("Active", &TiSwitchLed::Active, &TiSwitchLed::SetActive, false)
            .Color("ActiveColor", &TiSwitchLed::ActiveColor, &TiSwitchLed::SetActiveColor, clLime)
            .Boolean("AutoLedSize", &TiSwitchLed::AutoLedSize, &TiSwitchLed::SetAutoLedSize, true)
            .String("Caption", &TiSwitchLed::Caption, &TiSwitchLed::SetCaption)
            .Object("CaptionFont", &TiSwitchLed::CaptionFont, TFrameworkClasses::Font())
            .Integer("CaptionMargin", &TiSwitchLed::CaptionMargin, &TiSwitchLed::SetCaptionMargin)
            .Integer("IndicatorHeight", &TiSwitchLed::IndicatorHeight,
                     &TiSwitchLed::SetIndicatorHeight, 4)
            .Enumeration("IndicatorAlignment", &TiSwitchLed::IndicatorAlignment,
                         &TiSwitchLed::SetIndicatorAlignment,
                         {"isaBottom", "isaTop", "isaLeft", "isaRight"}, isaBottom)
            .Integer("IndicatorMargin", &TiSwitchLed::IndicatorMargin,
                     &TiSwitchLed::SetIndicatorMargin, 5)
            .Integer("IndicatorWidth", &TiSwitchLed::IndicatorWidth,
                     &TiSwitchLed::SetIndicatorWidth, 10)
            .Boolean("ShowFocusRect", &TiSwitchLed::ShowFocusRect, &TiSwitchLed::SetShowFocusRect,
                     true)
            .Event("OnChange", &TiSwitchLed::OnChange)
            .Enumeration("CaptionAlignment", &TiSwitchLed::CaptionAlignment,
                         &TiSwitchLed::SetCaptionAlignment, {"islcaIndicator", "islcaOppisiteSide"},
                         islcaIndicator)
            .Boolean("WordWrap", &TiSwitchLed::WordWrap, &TiSwitchLed::SetWordWrap, false)
            .Event("OnChangeUser", &TiSwitchLed::OnChangeUser)
            .Integer("BorderSize", &TiSwitchLed::BorderSize, &TiSwitchLed::SetBorderSize)
            .Object("Glyph", &TiSwitchLed::Glyph, TFrameworkClasses::Bitmap())
            .Color("BorderShadowColor", &TiSwitchLed::BorderShadowColor,
                   &TiSwitchLed::SetBorderShadowColor, std::nullopt)
            .Color("BorderHighlightColor", &TiSwitchLed::BorderHighlightColor,
                   &TiSwitchLed::SetBorderHighlightColor, std::nullopt)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            // The published caption is not written when empty; this keeps an empty one.
            .Defined(
                "Caption_2", [](const TiSwitchLed&) { return true; },
                [](const TiSwitchLed& s) { return TLayoutValue::OfString(s.m_caption); },
                [](TiSwitchLed& s, const TLayoutValue& v) { s.m_caption = v.AsString(); })
            .Build();
    return info;
}

void TiSwitchLed::SetActive(bool value) {
    if (value == m_active)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Active", allow);
    if (!allow)
        return;
    m_active = value;
    InvalidateChange();
    if (!IsLoading()) {
        if (OnAfterChange)
            OnAfterChange(this, "Active");
        if (OnChange)
            OnChange(this);
        if (m_userChange && OnChangeUser)
            OnChangeUser(this);
    }
    OPCOutputData("Active", m_active ? 1 : 0);
}

void TiSwitchLed::SetActiveColor(TColor value) {
    SetColorProperty(value, m_activeColor, ckInvalidate);
}

void TiSwitchLed::SetAutoLedSize(bool value) {
    SetBooleanProperty(value, m_autoLedSize, ckInvalidate);
}

void TiSwitchLed::SetCaption(const std::string& value) {
    SetStringProperty(value, m_caption, ckInvalidate);
}

void TiSwitchLed::SetCaptionMargin(int value) {
    SetIntegerProperty(value, m_captionMargin, ckInvalidate);
}

void TiSwitchLed::SetIndicatorHeight(int value) {
    SetIntegerProperty(value, m_indicatorHeight, ckInvalidate);
}

void TiSwitchLed::SetIndicatorAlignment(TiSideAlignment value) {
    if (value == m_indicatorAlignment)
        return;
    m_indicatorAlignment = value;
    InvalidateChange();
}

void TiSwitchLed::SetIndicatorMargin(int value) {
    SetIntegerProperty(value, m_indicatorMargin, ckInvalidate);
}

void TiSwitchLed::SetIndicatorWidth(int value) {
    SetIntegerProperty(value, m_indicatorWidth, ckInvalidate);
}

void TiSwitchLed::SetShowFocusRect(bool value) {
    SetBooleanProperty(value, m_showFocusRect, ckInvalidate);
}

void TiSwitchLed::SetCaptionAlignment(TiSwitchLedCaptionAlignment value) {
    if (value == m_captionAlignment)
        return;
    m_captionAlignment = value;
    InvalidateChange();
}

void TiSwitchLed::SetWordWrap(bool value) {
    SetBooleanProperty(value, m_wordWrap, ckInvalidate);
}

void TiSwitchLed::SetBorderSize(int value) {
    SetIntegerProperty(std::max(value, MinimumBorderSize), m_borderSize, ckInvalidate);
}

void TiSwitchLed::SetGlyph(const TBitmap& value) {
    m_glyph = value;
    m_glyph.SetTransparent(true);
    m_glyph.SetTransparentMode(tmAuto);
}

void TiSwitchLed::SetBorderShadowColor(TColor value) {
    SetColorProperty(value, m_borderShadowColor, ckInvalidate);
}

void TiSwitchLed::SetBorderHighlightColor(TColor value) {
    SetColorProperty(value, m_borderHighlightColor, ckInvalidate);
}

TRect TiSwitchLed::FaceRect() const {
    const int b = m_borderSize - 2;
    return {b, b, Width() - 1 - b, Height() - 1 - b};
}

TSize TiSwitchLed::LampSize() const {
    if (!m_glyph.Empty())
        return {m_glyph.Width(), m_glyph.Height()};
    if (!m_autoLedSize)
        return {m_indicatorWidth, m_indicatorHeight};
    const TRect f = FaceRect();
    if (m_indicatorAlignment == isaBottom || m_indicatorAlignment == isaTop)
        return {f.Width() - 2 * m_indicatorMargin, m_indicatorHeight};
    return {m_indicatorWidth, f.Height() - 2 * m_indicatorMargin};
}

TRect TiSwitchLed::LampRect() const {
    const TRect f = FaceRect();
    const TSize size = LampSize();
    const int iw = size.cx;
    const int ih = size.cy;
    const int cx = Width() / 2;
    const int cy = Height() / 2;
    const int m = m_indicatorMargin;
    switch (m_indicatorAlignment) {
    case isaBottom:
        return {cx - iw / 2, f.Bottom - m - ih, cx + iw / 2, f.Bottom - m};
    case isaTop:
        return {cx - iw / 2, f.Top + m, cx + iw / 2, f.Top + m + ih};
    case isaLeft:
        return {f.Left + m, cy - ih / 2, f.Left + m + iw, cy + ih / 2};
    case isaRight:
        return {f.Right - m - iw, cy - ih / 2, f.Right - m, cy + ih / 2};
    }
    return {};
}

TRect TiSwitchLed::CaptionRect() const {
    const TRect f = FaceRect();
    const TRect l = LampRect();
    const int g = m_captionMargin;
    const bool beside = m_captionAlignment == islcaIndicator;
    switch (m_indicatorAlignment) {
    case isaBottom:
        return beside ? TRect{f.Left, f.Top, f.Right, l.Top - g}
                      : TRect{f.Left, f.Top + g, f.Right, l.Top};
    case isaTop:
        return beside ? TRect{f.Left, l.Bottom + g, f.Right, f.Bottom}
                      : TRect{f.Left, l.Bottom, f.Right, f.Bottom - g};
    case isaLeft:
        return beside ? TRect{l.Right + g, f.Top, f.Right, f.Bottom}
                      : TRect{l.Right, f.Top, f.Right - g, f.Bottom};
    case isaRight:
        return beside ? TRect{f.Left, f.Top, l.Left - g, f.Bottom}
                      : TRect{f.Left + g, f.Top, l.Left, f.Bottom};
    }
    return {};
}

// The caption hugs the lamp, or the far edge of the face.
unsigned TiSwitchLed::CaptionOptions() const {
    const bool beside = m_captionAlignment == islcaIndicator;
    unsigned alignment = 0;
    switch (m_indicatorAlignment) {
    case isaBottom:
        alignment = beside ? dtoCenter | dtoBottom : dtoCenter | dtoTop;
        break;
    case isaTop:
        alignment = beside ? dtoCenter | dtoTop : dtoCenter | dtoBottom;
        break;
    case isaLeft:
        alignment = beside ? dtoLeft | dtoVCenter : dtoRight | dtoVCenter;
        break;
    case isaRight:
        alignment = beside ? dtoRight | dtoVCenter : dtoLeft | dtoVCenter;
        break;
    }
    return alignment | dtoNoClip | dtoPrefix | (m_wordWrap ? dtoWordBreak : dtoSingleLine);
}

void TiSwitchLed::DrawWidget(TCanvas& canvas) {
    // Face colour and the 3D frame of the current state.
    DrawBackground(canvas, BackGroundColor());
    DrawFrame(canvas);
    // Caption, engraved while disabled.
    canvas.Font() = m_captionFont;
    DrawCaption(canvas);
    // Lamp or picture.
    if ((m_indicatorHeight > 1 && m_indicatorWidth > 1) || !m_glyph.Empty())
        DrawLamp(canvas);
    // Focus rectangle.
    if (m_showFocusRect && HasFocus()) {
        const TRect f = FaceRect();
        DrawColoredFocusRectangle(canvas, f.Inflate(-FocusInset, -FocusInset), BackGroundColor());
    }
}

void TiSwitchLed::DrawFrame(TCanvas& canvas) {
    canvas.Brush().SetStyle(bsClear);
    if (!HasFocus()) {
        DrawUpperLeft(canvas, 0, clBtnHighlight);
        DrawLowerRight(canvas, 0, clBlack);
        for (int a = 1; a < m_borderSize; ++a) {
            DrawUpperLeft(canvas, a, m_borderHighlightColor);
            DrawLowerRight(canvas, a, m_borderShadowColor);
        }
    } else if (!Pressed()) {
        DrawUpperLeft(canvas, 0, cl3DDkShadow);
        DrawLowerRight(canvas, 0, clBlack);
        for (int a = 1; a < m_borderSize; ++a) {
            DrawUpperLeft(canvas, a, m_borderHighlightColor);
            DrawLowerRight(canvas, a, m_borderShadowColor);
        }
        DrawLowerRight(canvas, m_borderSize, m_borderShadowColor);
    } else {
        DrawUpperLeft(canvas, 0, clBlack);
        DrawLowerRight(canvas, 0, clBlack);
        DrawUpperLeft(canvas, 1, cl3DDkShadow);
        DrawLowerRight(canvas, 1, cl3DDkShadow);
        for (int a = 2; a < m_borderSize; ++a) {
            DrawUpperLeft(canvas, a, m_borderShadowColor);
            DrawLowerRight(canvas, a, m_borderHighlightColor);
        }
    }
}

void TiSwitchLed::DrawUpperLeft(TCanvas& canvas, int a, TColor color) {
    const int r = Width() - 1;
    const int b = Height() - 1;
    canvas.Pen().SetColor(color);
    DrawLine(canvas, a, a, r - a, a);
    DrawLine(canvas, a, a, a, b - a);
}

void TiSwitchLed::DrawLowerRight(TCanvas& canvas, int a, TColor color) {
    const int r = Width() - 1;
    const int b = Height() - 1;
    canvas.Pen().SetColor(color);
    DrawLine(canvas, r - a, b - a, r - a, a - 1);
    DrawLine(canvas, r - a, b - a, a - 1, b - a);
}

void TiSwitchLed::DrawCaption(TCanvas& canvas) {
    const unsigned options = CaptionOptions();
    TRect rect = CaptionRect();
    if (!Enabled()) {
        TRect engraved = Shifted(rect, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawTextWithOptions(canvas, m_caption, engraved, options);
        canvas.Font().SetColor(clBtnShadow);
        DrawTextWithOptions(canvas, m_caption, rect, options);
        return;
    }
    if (Pressed())
        rect = Shifted(rect, 1);
    DrawTextWithOptions(canvas, m_caption, rect, options);
}

void TiSwitchLed::DrawLamp(TCanvas& canvas) {
    const TRect l = Shifted(LampRect(), Pressed() ? 1 : 0);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(m_active ? m_activeColor : DimColor(m_activeColor, InactiveDivisor));
    canvas.Pen().SetColor(clBlack);
    if (!m_glyph.Empty()) {
        canvas.Draw(l.Left, l.Top, m_glyph);
        return;
    }
    canvas.Rectangle(l.Left, l.Top, l.Right + 1, l.Bottom + 1);
    canvas.Pen().SetColor(clWhite);
    const TPoint highlight[] = {{l.Left, l.Bottom}, {l.Right, l.Bottom}, {l.Right, l.Top - 1}};
    canvas.Polyline(highlight);
}

void TiSwitchLed::TakeFocus() {
    if (CanFocus())
        SetFocus();
}

void TiSwitchLed::UserToggle() {
    TFlagScope scope(m_userChange);
    SetActive(!m_active);
}

void TiSwitchLed::MouseDownHook(TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft)
        return;
    TakeFocus();
    m_mousePressed = true;
    InvalidateChange();
}

// Releasing outside the switch cancels the press.
void TiSwitchLed::MouseUpHook(TMouseButton, TShiftState, int x, int y) {
    if (!m_mousePressed)
        return;
    InvalidateChange();
    m_mousePressed = false;
    if (ClientRect().Contains({x, y}))
        UserToggle();
}

void TiSwitchLed::KeyDownHook(TKey& key, TShiftState) {
    if (key != VK_SPACE)
        return;
    m_mousePressed = false;
    m_keyPressed = true;
    InvalidateChange();
}

// A release is shown to the hook twice; the cleared flag makes the second one do nothing.
void TiSwitchLed::KeyUpHook(TKey& key, TShiftState) {
    if (key != VK_SPACE || !m_keyPressed)
        return;
    InvalidateChange();
    m_mousePressed = false;
    m_keyPressed = false;
    UserToggle();
}

void TiSwitchLed::KillFocusHook() {
    m_mousePressed = false;
    m_keyPressed = false;
    InvalidateChange();
    TiCustomComponent::KillFocusHook();
}

bool TiSwitchLed::DialogChar(char32_t key) {
    if (!Enabled() || !IsAccel(key, m_caption))
        return false;
    TakeFocus();
    InvalidateChange();
    UserToggle();
    return true;
}
