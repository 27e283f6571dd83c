#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/RtfDocument.h"
#include "gui/graphics/Font.h"

// A piece of one line drawn in one format, x from the left of the text area.
struct TRtfFragment {
    int x = 0;
    int width = 0;
    int format = 0;
    // Pixels above the line's baseline, negative below it, for sub- and superscripts.
    int rise = 0;
    std::string text;
};

// top and baseline in pixels from the top of the document and of the line.
struct TRtfLine {
    int top = 0;
    int height = 0;
    int baseline = 0;
    std::vector<TRtfFragment> fragments;
};

// A document broken into lines for a text area of a given width: words wrapped at spaces,
// mixed fonts sharing a baseline, paragraphs aligned, indented and spaced, tabs expanded.
class TRtfLayout {
public:
    // Default tab stops every half inch.
    static constexpr int DefaultTabPixels = 48;

    // Without wrap, lines end only where the document ends them; width still places centred
    // and right-aligned lines.
    void Build(const TRtfDocument& document, const TFont& baseFont, int width, bool wrap);
    void Clear();

    const std::vector<TRtfLine>& Lines() const { return m_lines; }
    int Height() const { return m_height; }
    // The font the layout measured a format with; what it names the box's font fills in.
    const TFont& Font(int format) const { return *m_fonts[format]; }
    int Rise(int format) const { return m_rises[format]; }
    // Whether spaces in the format show (underlined, struck out or highlighted).
    bool ShowsSpaces(int format) const { return m_showsSpaces[format]; }
    // The first line that reaches below the pixel row y of the document.
    std::size_t FirstLineBelow(int y) const;

    static int TwipsToPixels(int twips);

private:
    std::vector<std::unique_ptr<TFont>> m_fonts;
    // How far each format sits above the baseline.
    std::vector<int> m_rises;
    std::vector<bool> m_showsSpaces;
    std::vector<TRtfLine> m_lines;
    int m_height = 0;
};
