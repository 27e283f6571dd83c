#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/Geometry.h"
#include "gui/graphics/TextRenderer.h"

class TFont;

// Splits the text of one DrawText call into the lines it shows: accelerator prefixes resolved,
// paragraphs and word wrapping, tab stops and ellipses applied, each line measured.
class DrawTextLayout {
public:
    struct Line {
        std::string text;
        TextRenderer::Underlines underlines;
        int width = 0;
    };

    DrawTextLayout(const TFont& font, std::string_view text, const TRect& rect, unsigned format);

    const std::vector<Line>& Lines() const { return m_lines; }
    int LineHeight() const { return m_lineHeight; }
    int MaxWidth() const;
    bool Shortened() const { return m_shortened; }
    // The lines joined by line feeds, as DT_MODIFYSTRING hands them back.
    std::string Text() const;

    // Draws one line's text with its tab stops expanded, the top of its cell at y.
    void DrawLine(cairo_t* cr, const Line& line, int x, int y) const;

private:
    void AddParagraph(const Line& paragraph);
    void Wrap(const Line& paragraph);
    void Shorten(Line& line);
    void EndEllipsis(Line& line);
    bool WordEllipsis(Line& line);
    bool PathEllipsis(Line& line);
    int Measure(const Line& line) const;
    int NextTabStop(int x) const;
    Line Finished(Line line);

    const TFont& m_font;
    unsigned m_format;
    int m_available;
    int m_lineHeight = 0;
    int m_tabWidth = 0;
    bool m_shortened = false;
    std::vector<Line> m_lines;
};
