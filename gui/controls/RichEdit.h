#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gui/framework/CustomControl.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// A box of formatted text read from RTF, with a classic vertical scroll bar and a sunken edge.
// It shows paragraphs of differently formatted runs, wrapped at its width, and scrolls by pixel
// rows.
class TRichEdit : public TCustomControl {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // Replaces the whole content with the file's. Throws Exception naming the file and the
    // reason, and keeps the previous content, when the file is missing, unreadable, too large
    // or not RTF.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::span<const std::uint8_t> data);
    // The text as UTF-8: every paragraph ends with '\n', a line break inside one is '\v'.
    std::string PlainText() const;
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
    int ScrollPos() const { return m_scrollPos; }

private:
    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    TColor m_color = clWindow;
    TFont m_font;
    int m_scrollPos = 0;
};
