#include "gui/controls/Label.h"

#include "gui/controls/EngravedText.h"
#include "gui/framework/Accelerator.h"
#include "gui/framework/WinControl.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"

namespace {

// Measuring text needs a canvas but no pixels.
TCanvas& MeasuringCanvas() {
    static TBitmap empty;
    return empty.Canvas();
}

unsigned AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    m_font.OnChange = [this](TObject*) { Changed(); };
    AdjustBounds();
}

void TLabel::SetCaption(const std::string& value) {
    if (value == m_caption)
        return;
    m_caption = value;
    Changed();
}

void TLabel::SetColor(TColor value) {
    if (value == m_color)
        return;
    m_color = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    if (value == m_transparent)
        return;
    m_transparent = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    Changed();
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == m_alignment)
        return;
    m_alignment = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    Changed();
}

void TLabel::SetShowAccelChar(bool value) {
    if (value == m_showAccelChar)
        return;
    m_showAccelChar = value;
    Changed();
}

// A change that may alter the text's extent: resizing already repaints both rectangles.
void TLabel::Changed() {
    if (!AdjustBounds())
        Invalidate();
}

unsigned TLabel::TextFlags() const {
    return DT_EXPANDTABS | (m_wordWrap ? DT_WORDBREAK : 0) | (m_showAccelChar ? 0 : DT_NOPREFIX);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    Changed();
}

bool TLabel::AdjustBounds() {
    if (!m_autoSize || IsLoading())
        return false;
    TCanvas& canvas = MeasuringCanvas();
    canvas.Font() = m_font;
    // An empty caption still measures one line high, so the label does not vanish.
    const bool blank = m_caption.empty() || (m_showAccelChar && m_caption == "&");
    TRect rect = ClientRect();
    canvas.DrawText(blank ? m_caption + " " : m_caption, rect, TextFlags() | DT_CALCRECT);
    const TRect old = BoundsRect();
    SetBounds(Left(), Top(), rect.Width(), rect.Height());
    return BoundsRect() != old;
}

void TLabel::Paint(TCanvas& canvas) {
    if (!m_transparent) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(m_color);
        canvas.FillRect(BoundsRect());
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.Font() = m_font;
    DrawCaption(canvas, BoundsRect(), TextFlags() | AlignmentFlag(m_alignment));
}

void TLabel::DrawCaption(TCanvas& canvas, TRect rect, unsigned flags) const {
    if (Enabled())
        canvas.DrawText(m_caption, rect, flags);
    else
        DrawEngravedText(canvas, m_caption, rect, flags);
}

void TLabel::SetFocusControl(TWinControl* value) {
    if (m_focusControl)
        m_focusControl->RemoveFreeNotification(this);
    m_focusControl = value;
    if (m_focusControl)
        m_focusControl->FreeNotification(this);
}

void TLabel::Notification(TComponent* component) {
    if (component == m_focusControl)
        m_focusControl = nullptr;
}

bool TLabel::DialogChar(char32_t key) {
    if (!m_showAccelChar || !m_focusControl || !IsAccel(key, m_caption) ||
        !m_focusControl->CanFocus())
        return false;
    m_focusControl->SetFocus();
    return true;
}
