#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gui/controls/RtfDocument.h"
#include "gui/controls/RtfLayout.h"
#include "gui/controls/RtfScrollBar.h"
#include "gui/framework/CustomControl.h"
#include "gui/framework/TimerQueue.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// A box of formatted text read from RTF, with a classic vertical scroll bar and a sunken edge.
// It shows paragraphs of differently formatted runs, wrapped at its width, and scrolls by pixel
// rows with the bar, the wheel and the keys. The text cannot be edited.
class TRichEdit : public TCustomControl {
public:
    // Larger files are refused before they are read.
    static constexpr std::uintmax_t MaxFileSize = 16u << 20;
    static constexpr int EdgeWidth = 2;
    static constexpr int Margin = 2;
    static constexpr int LineStep = 16;
    static constexpr int WheelLines = 3;
    // A held arrow or track press repeats after the delay, every period.
    static constexpr int RepeatDelay = 400;
    static constexpr int RepeatPeriod = 50;

    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // Replaces the whole content with the file's. Throws Exception naming the file and the
    // reason, and keeps the previous content, when the file is missing, unreadable, too large
    // or not RTF.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::span<const std::uint8_t> data);
    // The text as UTF-8: every paragraph ends with '\n', a line break inside one is '\v'.
    std::string PlainText() const { return m_document.PlainText(); }
    void Clear();

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    // The character format of text that names no font, size or colour of its own.
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }

    // The document's pixel row shown at the top of the text area.
    int ScrollPos() const { return m_scrollBar.Position(); }
    void SetScrollPos(int value);
    // The document's height in pixels at the current width.
    int ContentHeight();
    // Inside the edge and left of the scroll bar, in control coordinates.
    TRect TextArea() const;
    // The laid-out lines at the current width, rebuilt only when the width or the content
    // changed.
    const TRtfLayout& Layout();
    // The vertical bar, placed and ranged for the current size and content.
    const TRtfScrollBar& ScrollBar();

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool MouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    bool WantSpecialKey(TKey key) override;

protected:
    void Paint() override;

private:
    bool HasScrollBar() const { return m_scrollBars == ssVertical || m_scrollBars == ssBoth; }
    int LayoutWidth() const;
    void ContentChanged();
    void UpdateScrollRange();
    void ScrollBy(int delta) { SetScrollPos(ScrollPos() + delta); }
    void ScrollPart(TRtfScrollPart part);
    // How far one step on a part of the scroll bar moves the content, up negative.
    int StepOf(TRtfScrollPart part) const;
    void RepeatPress();
    void StopRepeat();
    void PaintText(TCanvas& canvas);
    void PaintLine(TCanvas& canvas, const TRtfLine& line, TPoint origin);

    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    TColor m_color = clWindow;
    TFont m_font;
    TRtfDocument m_document;
    TRtfLayout m_layout;
    bool m_layoutValid = false;
    int m_layoutWidth = 0;
    TRtfScrollBar m_scrollBar;
    int m_wheelRest = 0;
    TTimerQueue::TimerId m_repeat = 0;
    // Where the mouse was last seen, so that a held press stops once the thumb reaches it.
    TPoint m_pointer;
};
