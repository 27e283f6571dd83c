#include "gui/controls/RichEdit.h"

#include <algorithm>

#include "gui/controls/RtfReader.h"
#include "gui/framework/Application.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/FileBytes.h"
#include "gui/graphics/TextRenderer.h"

namespace {

constexpr int WheelNotch = 120;

} // namespace

TRichEdit::TRichEdit(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    m_font.OnChange = [this](TObject*) { ContentChanged(); };
}

TRichEdit::~TRichEdit() {
    StopRepeat();
}

void TRichEdit::LoadFromFile(const std::string& path) {
    const std::vector<std::uint8_t> data = ReadFileBytes(path, MaxFileSize);
    try {
        LoadFromBytes(data);
    } catch (const Exception& error) {
        throw Exception("Cannot load \"" + path + "\": " + error.Message());
    }
}

// The document is read in full before anything is replaced, so a failure keeps the old one.
void TRichEdit::LoadFromBytes(std::span<const std::uint8_t> data) {
    m_document = TRtfReader::Read(data);
    m_scrollBar.SetPosition(0);
    ContentChanged();
}

void TRichEdit::Clear() {
    m_document = {};
    m_scrollBar.SetPosition(0);
    ContentChanged();
}

void TRichEdit::SetReadOnly(bool value) {
    m_readOnly = value;
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    if (value == m_scrollBars)
        return;
    m_scrollBars = value;
    ContentChanged();
}

void TRichEdit::SetWordWrap(bool value) {
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    ContentChanged();
}

void TRichEdit::SetColor(TColor value) {
    if (value == m_color)
        return;
    m_color = value;
    Invalidate();
}

void TRichEdit::SetScrollPos(int value) {
    UpdateScrollRange();
    if (m_scrollBar.SetPosition(value))
        Invalidate();
}

int TRichEdit::ContentHeight() {
    return Layout().Height();
}

TRect TRichEdit::TextArea() const {
    const TRect inner = ClientRect().Inflate(-EdgeWidth, -EdgeWidth);
    const int barWidth = HasScrollBar() ? std::min(TRtfScrollBar::Size, inner.Width()) : 0;
    return {inner.Left, inner.Top, std::max(inner.Left, inner.Right - barWidth),
            std::max(inner.Top, inner.Bottom)};
}

const TRtfLayout& TRichEdit::Layout() {
    const int width = LayoutWidth();
    if (!m_layoutValid || width != m_layoutWidth) {
        m_layout.Build(m_document, m_font, width, m_wordWrap);
        m_layoutValid = true;
        m_layoutWidth = width;
    }
    return m_layout;
}

const TRtfScrollBar& TRichEdit::ScrollBar() {
    UpdateScrollRange();
    return m_scrollBar;
}

int TRichEdit::LayoutWidth() const {
    return std::max(1, TextArea().Width() - 2 * Margin);
}

void TRichEdit::ContentChanged() {
    m_layoutValid = false;
    Invalidate();
}

// The bar's range follows the layout, which is rebuilt only when the width or content changed.
void TRichEdit::UpdateScrollRange() {
    const TRect area = TextArea();
    const TRect inner = ClientRect().Inflate(-EdgeWidth, -EdgeWidth);
    m_scrollBar.SetBounds(HasScrollBar() ? TRect{area.Right, inner.Top, inner.Right, inner.Bottom}
                                         : TRect{});
    m_scrollBar.SetRange(Layout().Height(), area.Height());
}

void TRichEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        StopRepeat();
        UpdateScrollRange();
        m_pointer = {x, y};
        const TRtfScrollPart part = m_scrollBar.Press(m_pointer);
        ScrollPart(part);
        if (part != spNowhere && part != spThumb && Application)
            m_repeat =
                Application->StartTimer(RepeatDelay, RepeatPeriod, [this] { RepeatPress(); });
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TRichEdit::ScrollPart(TRtfScrollPart part) {
    ScrollBy(StepOf(part));
    // The pressed look of an arrow.
    Invalidate();
}

int TRichEdit::StepOf(TRtfScrollPart part) const {
    switch (part) {
    case spLineUp:
        return -LineStep;
    case spLineDown:
        return LineStep;
    case spPageUp:
        return -m_scrollBar.Page();
    case spPageDown:
        return m_scrollBar.Page();
    default:
        return 0;
    }
}

// Repeats only while the pointer stays on the pressed part; a track press therefore stops when
// the thumb has come under the pointer.
void TRichEdit::RepeatPress() {
    const TRtfScrollPart part = m_scrollBar.Pressed();
    if (m_scrollBar.PartAt(m_pointer) == part)
        ScrollPart(part);
}

void TRichEdit::StopRepeat() {
    if (m_repeat != 0 && Application)
        Application->StopTimer(m_repeat);
    m_repeat = 0;
}

void TRichEdit::MouseMove(TShiftState shift, int x, int y) {
    m_pointer = {x, y};
    if (m_scrollBar.Drag({x, y}))
        Invalidate();
    TCustomControl::MouseMove(shift, x, y);
}

void TRichEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        StopRepeat();
        m_scrollBar.Release();
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

// Wheels with fine steps send parts of a notch; they add up to whole lines.
bool TRichEdit::MouseWheel(int wheelDelta, TShiftState, TPoint) {
    m_wheelRest += wheelDelta;
    const int notchLines = m_wheelRest * WheelLines / WheelNotch;
    m_wheelRest -= notchLines * WheelNotch / WheelLines;
    ScrollBy(-notchLines * LineStep);
    return true;
}

// The arrow and page keys do what the scroll bar's arrows and track do.
void TRichEdit::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    UpdateScrollRange();
    switch (key) {
    case VK_UP:
        ScrollBy(StepOf(spLineUp));
        break;
    case VK_DOWN:
        ScrollBy(StepOf(spLineDown));
        break;
    case VK_PRIOR:
        ScrollBy(StepOf(spPageUp));
        break;
    case VK_NEXT:
        ScrollBy(StepOf(spPageDown));
        break;
    case VK_HOME:
        SetScrollPos(0);
        break;
    case VK_END:
        SetScrollPos(m_scrollBar.MaxPosition());
        break;
    default:
        break;
    }
}

bool TRichEdit::WantSpecialKey(TKey key) {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

// Drawn in order: the background, the visible lines, the scroll bar, the sunken edge.
void TRichEdit::Paint() {
    TCanvas& canvas = Canvas();
    UpdateScrollRange();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(m_color);
    canvas.FillRect(ClientRect());
    PaintText(canvas);
    m_scrollBar.Paint(canvas);
    canvas.DrawEdge(ClientRect(), EDGE_SUNKEN, BF_RECT);
}

void TRichEdit::PaintText(TCanvas& canvas) {
    const TRect area = TextArea();
    if (area.IsEmpty())
        return;
    canvas.SetClipRect(area);
    const TPoint origin{area.Left + Margin, area.Top - ScrollPos()};
    const std::vector<TRtfLine>& lines = m_layout.Lines();
    for (std::size_t i = m_layout.FirstLineBelow(ScrollPos()); i < lines.size(); ++i) {
        if (origin.Y + lines[i].top >= area.Bottom)
            break;
        PaintLine(canvas, lines[i], origin);
    }
    canvas.ResetClipRect();
}

void TRichEdit::PaintLine(TCanvas& canvas, const TRtfLine& line, TPoint origin) {
    TextRenderer& renderer = TextRenderer::Instance();
    const int top = origin.Y + line.top;
    for (const TRtfFragment& fragment : line.fragments) {
        const TFont& font = m_layout.Font(fragment.format);
        const TColor highlight = m_document.Format(fragment.format).highlight;
        const int x = origin.X + fragment.x;
        if (highlight != clNone) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(highlight);
            canvas.FillRect({x, top, x + fragment.width, top + line.height});
        }
        canvas.Brush().SetStyle(bsClear);
        canvas.Font() = font;
        canvas.TextOut(x, top + line.baseline - fragment.rise - renderer.FontMetrics(font).ascent,
                       fragment.text);
    }
}
