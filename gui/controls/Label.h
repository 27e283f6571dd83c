#pragma once

#include <cstdint>
#include <string>

#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"

class TWinControl;

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// A line (or, with WordWrap, a paragraph) of text painted on its form. "&" marks the character
// of an accelerator that focuses FocusControl.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    // Copies the font.
    void SetFont(const TFont& value) { m_font = value; }
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    // The size follows the text; Left and Top stay.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* value);

    void Paint(TCanvas& canvas) override;
    bool DialogChar(char32_t key) override;
    void Loaded() override;

protected:
    void Notification(TComponent* component) override;

private:
    unsigned TextFlags() const;
    void Changed();
    // Fits the bounds to the text when AutoSize asks for it; returns whether they changed. While
    // a layout is read the width the text wraps at may not have arrived yet, so it waits.
    bool AdjustBounds();
    void DrawCaption(TCanvas& canvas, TRect rect, unsigned flags) const;

    std::string m_caption;
    TFont m_font;
    TColor m_color = clBtnFace;
    bool m_transparent = false;
    bool m_autoSize = true;
    TAlignment m_alignment = taLeftJustify;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    TWinControl* m_focusControl = nullptr;
};
