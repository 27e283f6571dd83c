#pragma once

#include <cstdint>
#include <string>

#include "gui/graphics/Font.h"
#include "widgets/core/iCustomComponent.h"

class TWinControl;

enum TiLabelBorderStyle : std::uint8_t { ilbsNone, ilbsSingle, ilbsLowered, ilbsRaised };

// One line of text with an optional drop shadow, frame and margins, sized to its text. With
// Transparent it sits on whatever lies beneath it. "&" marks an accelerator only when the label
// has a control to hand the focus to.
class TiLabel : public TiCustomComponent {
public:
    explicit TiLabel(TComponent* owner);
    ~TiLabel() override;

    static const TClassInfo& StaticClassInfo();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    // Copies the font.
    void SetFont(const TFont& value) { m_font = value; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    TiAlignmentHorizontal Alignment() const { return m_alignment; }
    void SetAlignment(TiAlignmentHorizontal value);
    // The label's own frame; the bevel border of the base stays off.
    TiLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TiLabelBorderStyle value);
    int OuterMarginLeft() const { return m_outerMarginLeft; }
    void SetOuterMarginLeft(int value);
    int OuterMarginTop() const { return m_outerMarginTop; }
    void SetOuterMarginTop(int value);
    int OuterMarginRight() const { return m_outerMarginRight; }
    void SetOuterMarginRight(int value);
    int OuterMarginBottom() const { return m_outerMarginBottom; }
    void SetOuterMarginBottom(int value);
    bool ShadowShow() const { return m_shadowShow; }
    void SetShadowShow(bool value);
    int ShadowXOffset() const { return m_shadowXOffset; }
    void SetShadowXOffset(int value);
    int ShadowYOffset() const { return m_shadowYOffset; }
    void SetShadowYOffset(int value);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value);
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* value);

    // The frame's width on each side: 0, 1 or 2 pixels.
    int BorderWidth() const;
    // Where the caption is laid out, inside the frame and the margins.
    TRect TextRect() const;

    bool DialogChar(char32_t key) override;

protected:
    void DrawWidget(TCanvas& canvas) override;
    void Notification(TComponent* component) override;

private:
    using TiCustomComponent::SetBorderStyle;

    void SetLayoutProperty(int value, int& field);
    void ApplyAutoSize();
    unsigned TextOptions() const;
    void DrawCaption(TCanvas& canvas, unsigned options) const;
    void DrawFrame(TCanvas& canvas) const;

    std::string m_caption = "iLabel";
    TFont m_font;
    bool m_autoSize = true;
    TiAlignmentHorizontal m_alignment = iahLeft;
    TiLabelBorderStyle m_borderStyle = ilbsNone;
    int m_outerMarginLeft = 0;
    int m_outerMarginTop = 0;
    int m_outerMarginRight = 0;
    int m_outerMarginBottom = 0;
    bool m_shadowShow = false;
    int m_shadowXOffset = 1;
    int m_shadowYOffset = 1;
    TColor m_shadowColor = clGray;
    TWinControl* m_focusControl = nullptr;
    bool m_autoSizing = false;
};
