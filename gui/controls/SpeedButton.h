#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Font.h"

class TImageList;

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

// A button without a window of its own: a glyph and a caption laid out along Layout, a raised
// face (or, when Flat, only a thin edge while the mouse is over it), sunk while pressed.
// Buttons of one GroupIndex on a form act as radio buttons.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    // Its bottom-left pixel is the transparent colour.
    TBitmap& Glyph() { return m_glyph; }
    const TBitmap& Glyph() const { return m_glyph; }
    // Copies the glyph.
    void SetGlyph(const TBitmap& value) { m_glyph = value; }
    // The glyph holds this many pictures side by side: up, disabled, down, exclusive.
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    // Copies the font.
    void SetFont(const TFont& value) { m_font = value; }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    // -1 centres glyph and caption together.
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    // -1 spreads glyph and caption evenly.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    // Only a button of a group stays down.
    bool Down() const { return m_down; }
    void SetDown(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value);

    TButtonState State() const;

    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;
    void Paint(TCanvas& canvas) override;
    void Click() override;
    bool DialogChar(char32_t key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    struct TContentLayout {
        TPoint glyph;
        TRect text;
    };

    template <class T> void Set(T& field, T value);
    bool Hot() const;
    void SetMouseInControl(bool value);
    void EndPress();
    void ReleaseGroup();
    // Glyph and caption positions in control coordinates, before the pressed offset.
    TContentLayout CalcLayout(TCanvas& canvas) const;
    TSize GlyphSize() const;
    const TImageList& Glyphs();
    void DrawFace(TCanvas& canvas, TButtonState state) const;
    void DrawGlyph(TCanvas& canvas, TPoint at, TButtonState state);
    void DrawCaption(TCanvas& canvas, TRect rect, TButtonState state) const;

    bool m_flat = false;
    TBitmap m_glyph;
    // The glyph cut into masked pictures, built when first drawn after a change.
    std::unique_ptr<TImageList> m_glyphs;
    int m_numGlyphs = 1;
    std::string m_caption;
    TFont m_font;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    bool m_transparent = true;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    // The left button went down on the button and has not come up yet.
    bool m_pressed = false;
    bool m_mouseInControl = false;
};
