#pragma once

#include <cstdint>
#include <string>

#include "gui/graphics/Font.h"
#include "widgets/core/iCustomComponent.h"

// The side of a face on which something sits.
enum TiSideAlignment : std::uint8_t { isaBottom, isaTop, isaLeft, isaRight };
// The caption beside the lamp, or on the far side of the face.
enum TiSwitchLedCaptionAlignment : std::uint8_t { islcaIndicator, islcaOppisiteSide };

// A push-on/push-off button with a small lamp (or a picture) that shows the on state. A click,
// the space bar and the caption's accelerator each toggle Active.
class TiSwitchLed : public TiCustomComponent {
public:
    explicit TiSwitchLed(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    bool Active() const { return m_active; }
    void SetActive(bool value);
    TColor ActiveColor() const { return m_activeColor; }
    void SetActiveColor(TColor value);
    bool AutoLedSize() const { return m_autoLedSize; }
    void SetAutoLedSize(bool value);
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    TFont& CaptionFont() { return m_captionFont; }
    void SetCaptionFont(const TFont& value) { m_captionFont = value; }
    int CaptionMargin() const { return m_captionMargin; }
    void SetCaptionMargin(int value);
    int IndicatorHeight() const { return m_indicatorHeight; }
    void SetIndicatorHeight(int value);
    TiSideAlignment IndicatorAlignment() const { return m_indicatorAlignment; }
    void SetIndicatorAlignment(TiSideAlignment value);
    int IndicatorMargin() const { return m_indicatorMargin; }
    void SetIndicatorMargin(int value);
    int IndicatorWidth() const { return m_indicatorWidth; }
    void SetIndicatorWidth(int value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool value);
    TiSwitchLedCaptionAlignment CaptionAlignment() const { return m_captionAlignment; }
    void SetCaptionAlignment(TiSwitchLedCaptionAlignment value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    int BorderSize() const { return m_borderSize; }
    void SetBorderSize(int value);
    TBitmap& Glyph() { return m_glyph; }
    void SetGlyph(const TBitmap& value);
    TColor BorderShadowColor() const { return m_borderShadowColor; }
    void SetBorderShadowColor(TColor value);
    TColor BorderHighlightColor() const { return m_borderHighlightColor; }
    void SetBorderHighlightColor(TColor value);

    // The face inside the frame, and the lamp and caption rectangles on it (not yet shifted
    // by the pressed look). Painting and tests share them.
    TRect FaceRect() const;
    TRect LampRect() const;
    TRect CaptionRect() const;
    // DrawTextWithOptions bits for the caption.
    unsigned CaptionOptions() const;
    bool Pressed() const { return m_mousePressed || m_keyPressed; }

    bool DialogChar(char32_t key) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

protected:
    void DrawWidget(TCanvas& canvas) override;
    void KillFocusHook() override;
    void KeyUpHook(TKey& key, TShiftState shift) override;
    void KeyDownHook(TKey& key, TShiftState shift) override;
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TSize LampSize() const;
    void UserToggle();
    void TakeFocus();
    void DrawFrame(TCanvas& canvas);
    void DrawUpperLeft(TCanvas& canvas, int inset, TColor color);
    void DrawLowerRight(TCanvas& canvas, int inset, TColor color);
    void DrawCaption(TCanvas& canvas);
    void DrawLamp(TCanvas& canvas);

    bool m_mousePressed = false;
    bool m_keyPressed = false;
    bool m_active = false;
    TColor m_activeColor = clLime;
    bool m_autoLedSize = true;
    std::string m_caption = "On";
    TFont m_captionFont;
    int m_captionMargin = 2;
    int m_indicatorHeight = 4;
    TiSideAlignment m_indicatorAlignment = isaBottom;
    int m_indicatorMargin = 5;
    int m_indicatorWidth = 10;
    bool m_showFocusRect = true;
    TiSwitchLedCaptionAlignment m_captionAlignment = islcaIndicator;
    bool m_userChange = false;
    bool m_wordWrap = false;
    int m_borderSize = 2;
    TBitmap m_glyph;
    TColor m_borderShadowColor = clBtnShadow;
    TColor m_borderHighlightColor = clBtnHighlight;
};
