#include "gui/controls/SpeedButton.h"

#include <algorithm>

#include "gui/controls/EngravedText.h"
#include "gui/framework/Accelerator.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/ImageList.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    m_font.OnChange = [this](TObject*) { Invalidate(); };
    m_glyph.OnChange = [this](TObject*) {
        m_glyphs.reset();
        Invalidate();
    };
}

TSpeedButton::~TSpeedButton() = default;

template <class T> void TSpeedButton::Set(T& field, T value) {
    if (value == field)
        return;
    field = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
    Set(m_flat, value);
}

void TSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    m_glyphs.reset();
    Invalidate();
}

void TSpeedButton::SetCaption(const std::string& value) {
    Set(m_caption, value);
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    Set(m_layout, value);
}

void TSpeedButton::SetMargin(int value) {
    Set(m_margin, value);
}

void TSpeedButton::SetSpacing(int value) {
    Set(m_spacing, value);
}

void TSpeedButton::SetTransparent(bool value) {
    Set(m_transparent, value);
}

void TSpeedButton::SetDown(bool value) {
    // Only a button of a group latches; the last one down of a group that may not be all up
    // comes up only when another one goes down.
    if (m_groupIndex == 0)
        value = false;
    if (value == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = value;
    if (m_down)
        ReleaseGroup();
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == m_groupIndex)
        return;
    m_groupIndex = value;
    if (m_groupIndex == 0)
        m_down = false;
    else if (m_down)
        ReleaseGroup();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    Set(m_allowAllUp, value);
}

void TSpeedButton::ReleaseGroup() {
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->m_groupIndex == m_groupIndex && other->m_down) {
            other->m_down = false;
            other->Invalidate();
        }
    }
}

TButtonState TSpeedButton::State() const {
    if (!Enabled())
        return bsDisabled;
    if (m_pressed && m_mouseInControl)
        return bsDown;
    return m_down ? bsExclusive : bsUp;
}

bool TSpeedButton::Hot() const {
    return m_flat && m_mouseInControl && State() == bsUp && !m_pressed;
}

void TSpeedButton::SetEnabled(bool value) {
    if (!value)
        m_pressed = m_mouseInControl = false;
    TGraphicControl::SetEnabled(value);
}

void TSpeedButton::SetVisible(bool value) {
    // Shown again, the button looks released and not hot.
    if (!value && (m_pressed || m_mouseInControl)) {
        m_pressed = m_mouseInControl = false;
        Invalidate();
    }
    TGraphicControl::SetVisible(value);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    m_pressed = true;
    m_mouseInControl = true;
    Invalidate();
}

// While the button is held the mouse is captured, so moves arrive from outside too.
void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    SetMouseInControl(ClientRect().Contains({x, y}));
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        EndPress();
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::MouseEnter() {
    SetMouseInControl(true);
}

void TSpeedButton::MouseLeave() {
    SetMouseInControl(false);
}

void TSpeedButton::SetMouseInControl(bool value) {
    if (value == m_mouseInControl)
        return;
    m_mouseInControl = value;
    if (m_flat || m_pressed)
        Invalidate();
}

void TSpeedButton::EndPress() {
    if (!m_pressed)
        return;
    m_pressed = false;
    Invalidate();
}

// A grouped button changes state before OnClick runs, so the handler reads the new Down.
void TSpeedButton::Click() {
    if (m_groupIndex != 0)
        SetDown(!m_down || !m_allowAllUp);
    TGraphicControl::Click();
}

bool TSpeedButton::DialogChar(char32_t key) {
    if (!IsAccel(key, m_caption))
        return false;
    Click();
    return true;
}

void TSpeedButton::Paint(TCanvas& canvas) {
    const TButtonState state = State();
    // Face and edges.
    DrawFace(canvas, state);
    // Glyph and caption, one pixel down and right while the button is down.
    canvas.Font() = m_font;
    const TContentLayout layout = CalcLayout(canvas);
    const int shift = state == bsDown || state == bsExclusive ? 1 : 0;
    DrawGlyph(canvas, {layout.glyph.X + shift, layout.glyph.Y + shift}, state);
    DrawCaption(canvas,
                Bounds(layout.text.Left + shift, layout.text.Top + shift, layout.text.Width(),
                       layout.text.Height()),
                state);
}

void TSpeedButton::DrawFace(TCanvas& canvas, TButtonState state) const {
    const TRect rect = BoundsRect();
    const bool sunk = state == bsDown || state == bsExclusive;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    if (!m_flat) {
        canvas.FillRect(rect);
        canvas.DrawEdge(rect, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        return;
    }
    if (!m_transparent)
        canvas.FillRect(rect);
    if (sunk)
        canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
    else if (Hot())
        canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT);
}

TSize TSpeedButton::GlyphSize() const {
    const int width = m_glyph.Width() / m_numGlyphs;
    if (width == 0 || m_glyph.Height() == 0)
        return {0, 0};
    return {width, m_glyph.Height()};
}

// Along the layout axis glyph and caption follow each other, separated by Spacing and placed
// Margin from the glyph's side; across it each is centred on its own.
TSpeedButton::TContentLayout TSpeedButton::CalcLayout(TCanvas& canvas) const {
    const bool horizontal = m_layout == blGlyphLeft || m_layout == blGlyphRight;
    const bool glyphFirst = m_layout == blGlyphLeft || m_layout == blGlyphTop;
    auto along = [horizontal](TSize size) { return horizontal ? size.cx : size.cy; };
    auto across = [horizontal](TSize size) { return horizontal ? size.cy : size.cx; };

    const TSize client{Width(), Height()};
    const TSize glyph = GlyphSize();
    TSize text;
    if (!m_caption.empty()) {
        TRect bounds{0, 0, client.cx, 0};
        canvas.DrawText(m_caption, bounds, DT_CALCRECT);
        text = {bounds.Width(), bounds.Height()};
    }

    int spacing = text.cx == 0 || glyph.cx == 0 ? 0 : m_spacing;
    int margin = m_margin;
    const int content = along(glyph) + along(text);
    if (margin == -1 && spacing == -1) {
        margin = (along(client) - content) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (along(client) - content - spacing + 1) / 2;
    } else if (spacing == -1) {
        spacing = (along(client) - margin - content) / 2;
    }

    const int glyphAlong = glyphFirst ? margin : along(client) - margin - along(glyph);
    const int textAlong =
        glyphFirst ? glyphAlong + along(glyph) + spacing : glyphAlong - spacing - along(text);
    const int glyphAcross = (across(client) - across(glyph) + 1) / 2;
    const int textAcross = (across(client) - across(text) + 1) / 2;
    auto place = [&](int alongValue, int acrossValue) {
        return horizontal ? TPoint{Left() + alongValue, Top() + acrossValue}
                          : TPoint{Left() + acrossValue, Top() + alongValue};
    };
    const TPoint textAt = place(textAlong, textAcross);
    return {place(glyphAlong, glyphAcross), Bounds(textAt.X, textAt.Y, text.cx, text.cy)};
}

const TImageList& TSpeedButton::Glyphs() {
    if (m_glyphs)
        return *m_glyphs;
    const TSize size = GlyphSize();
    m_glyphs = std::make_unique<TImageList>(size.cx, size.cy);
    const TColor transparent = m_glyph.Pixel(0, m_glyph.Height() - 1);
    TBitmap part(size.cx, size.cy);
    for (int i = 0; i < m_numGlyphs; ++i) {
        part.Canvas().CopyRect(Rect(0, 0, size.cx, size.cy), m_glyph.Canvas(),
                               Bounds(i * size.cx, 0, size.cx, size.cy));
        m_glyphs->AddMasked(part, transparent);
    }
    return *m_glyphs;
}

void TSpeedButton::DrawGlyph(TCanvas& canvas, TPoint at, TButtonState state) {
    if (GlyphSize().cx == 0)
        return;
    // The glyph strip holds up, disabled, down and exclusive pictures in that order; a missing
    // one falls back on the first, embossed when it stands for the disabled state.
    const int index = state < m_numGlyphs ? state : 0;
    Glyphs().Draw(canvas, at.X, at.Y, index, state != bsDisabled || index != 0);
}

void TSpeedButton::DrawCaption(TCanvas& canvas, TRect rect, TButtonState state) const {
    if (m_caption.empty())
        return;
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    canvas.Brush().SetStyle(bsClear);
    if (state != bsDisabled)
        canvas.DrawText(m_caption, rect, flags);
    else
        DrawEngravedText(canvas, m_caption, rect, flags);
}
