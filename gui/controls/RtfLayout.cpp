#include "gui/controls/RtfLayout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "gui/graphics/TextRenderer.h"

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int SingleSpacing = 240;
// No indent squeezes a line below this, so absurd indents still leave room for words.
constexpr int MinLineWidth = 16;
// Words longer than this many characters are measured in pieces, so that a line can break
// inside a word that is wider than the box.
constexpr int MaxPieceCharacters = 32;

enum TAtomKind : std::uint8_t { akWord, akSpace, akTab, akBreak };

struct TAtom {
    TAtomKind kind = akWord;
    int format = 0;
    std::string text;
    int width = 0;
};

struct TPlaced {
    const TAtom* atom = nullptr;
    int x = 0;
    int width = 0;
};

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

TAtomKind KindOf(char c) {
    return c == ' ' ? akSpace : c == '\t' ? akTab : c == '\v' ? akBreak : akWord;
}

// Cuts the runs into words, space runs, tabs and line breaks.
std::vector<TAtom> Atoms(const TRtfParagraph& paragraph, const TRtfLayout& layout) {
    std::vector<TAtom> atoms;
    int characters = 0;
    for (const TRtfRun& run : paragraph.runs) {
        bool joinable = false;
        for (const char c : run.text) {
            const TAtomKind kind = KindOf(c);
            const bool pieceFull =
                kind == akWord && StartsCharacter(c) && characters >= MaxPieceCharacters;
            if (!joinable || atoms.back().kind != kind || kind == akTab || kind == akBreak ||
                pieceFull) {
                atoms.push_back({kind, run.format, {}, 0});
                characters = 0;
            }
            atoms.back().text += c;
            characters += StartsCharacter(c) ? 1 : 0;
            joinable = true;
        }
    }
    TextRenderer& renderer = TextRenderer::Instance();
    for (TAtom& atom : atoms) {
        if (atom.kind == akWord || atom.kind == akSpace)
            atom.width = renderer.Width(layout.Font(atom.format), atom.text);
    }
    return atoms;
}

// Breaks one paragraph into lines and appends them.
class TParagraphLines {
public:
    TParagraphLines(const TRtfParagraph& paragraph, const TRtfLayout& layout, int width, bool wrap,
                    std::vector<TRtfLine>& lines, int& y)
        : m_paragraph(paragraph), m_format(paragraph.format), m_layout(layout), m_wrap(wrap),
          m_lines(lines), m_y(y) {
        const int minLine = std::min(MinLineWidth, std::max(width, 1));
        m_left = std::clamp(TRtfLayout::TwipsToPixels(m_format.leftIndent), 0,
                            std::max(0, width - minLine));
        m_right =
            std::max(m_left + minLine,
                     std::min(width, width - TRtfLayout::TwipsToPixels(m_format.rightIndent)));
        m_lineLeft = std::clamp(m_left + TRtfLayout::TwipsToPixels(m_format.firstIndent), 0,
                                std::max(0, m_right - minLine));
        m_x = m_lineLeft;
    }

    void Lay() {
        m_y += TRtfLayout::TwipsToPixels(m_format.spaceBefore);
        const std::vector<TAtom> atoms = Atoms(m_paragraph, m_layout);
        std::size_t i = 0;
        while (i < atoms.size())
            i = Place(atoms, i);
        FinishLine(false);
        m_y += TRtfLayout::TwipsToPixels(m_format.spaceAfter);
    }

private:
    // Places the atom at i, or the whole word starting there; returns the next to place.
    std::size_t Place(const std::vector<TAtom>& atoms, std::size_t i) {
        const TAtom& atom = atoms[i];
        switch (atom.kind) {
        case akBreak:
            Put(atom, 0);
            FinishLine(false);
            return i + 1;
        case akSpace:
            if (!m_skipSpaces)
                Put(atom, atom.width);
            return i + 1;
        case akTab:
            return PlaceTab(atom, i);
        case akWord:
            return PlaceWord(atoms, i);
        }
        return i + 1;
    }

    std::size_t PlaceTab(const TAtom& atom, std::size_t i) {
        const int stop = NextTabStop(m_x);
        if (m_wrap && stop > m_right && HasContent()) {
            FinishLine(true);
            return i;
        }
        Put(atom, stop - m_x);
        return i + 1;
    }

    std::size_t PlaceWord(const std::vector<TAtom>& atoms, std::size_t i) {
        std::size_t end = i;
        int width = 0;
        for (; end < atoms.size() && atoms[end].kind == akWord; ++end)
            width += atoms[end].width;
        if (Overflows(width))
            FinishLine(true);
        for (std::size_t k = i; k < end; ++k) {
            if (Overflows(atoms[k].width))
                FinishLine(true);
            Put(atoms[k], atoms[k].width);
        }
        return end;
    }

    bool Overflows(int width) const { return m_wrap && HasContent() && m_x + width > m_right; }

    bool HasContent() const {
        return std::any_of(m_placed.begin(), m_placed.end(), [](const TPlaced& placed) {
            return placed.atom->kind == akWord || placed.atom->kind == akTab;
        });
    }

    void Put(const TAtom& atom, int width) {
        m_placed.push_back({&atom, m_x, width});
        m_x += width;
        m_skipSpaces = false;
    }

    int NextTabStop(int x) const {
        for (const int stop : m_format.tabStops) {
            const int pixels = TRtfLayout::TwipsToPixels(stop);
            if (pixels > x)
                return pixels;
        }
        return (x / TRtfLayout::DefaultTabPixels + 1) * TRtfLayout::DefaultTabPixels;
    }

    void FinishLine(bool wrapped) {
        TRtfLine line;
        line.top = m_y;
        Measure(line);
        std::vector<int> shifts = Shifts(wrapped);
        for (std::size_t k = 0; k < m_placed.size(); ++k) {
            const TPlaced& placed = m_placed[k];
            const int extra = shifts[k + 1] - shifts[k];
            if (Drawn(*placed.atom))
                line.fragments.push_back({placed.x + shifts[k], placed.width + extra,
                                          placed.atom->format, m_layout.Rise(placed.atom->format),
                                          placed.atom->text});
        }
        m_y += line.height;
        m_lines.push_back(std::move(line));
        m_placed.clear();
        m_x = m_lineLeft = m_left;
        m_skipSpaces = wrapped;
    }

    bool Drawn(const TAtom& atom) const {
        return atom.kind == akWord || (atom.kind == akSpace && m_layout.ShowsSpaces(atom.format));
    }

    // The tallest ascent and descent of the line set its height, then the paragraph's spacing.
    void Measure(TRtfLine& line) const {
        TextRenderer& renderer = TextRenderer::Instance();
        int ascent = 0;
        int descent = 0;
        auto include = [&](int format) {
            const TextRenderer::Metrics& metrics = renderer.FontMetrics(m_layout.Font(format));
            const int rise = m_layout.Rise(format);
            ascent = std::max(ascent, metrics.ascent + rise);
            descent = std::max(descent, metrics.descent - rise);
        };
        for (const TPlaced& placed : m_placed)
            include(placed.atom->format);
        if (m_placed.empty())
            include(m_paragraph.endFormat);
        const int natural = ascent + descent;
        line.height = SpacedHeight(natural);
        line.baseline = line.height - descent;
    }

    int SpacedHeight(int natural) const {
        const int spacing = m_format.lineSpacing;
        if (spacing == 0)
            return natural;
        if (m_format.lineMultiple)
            return std::max(1, static_cast<int>(std::lround(static_cast<double>(natural) *
                                                            std::abs(spacing) / SingleSpacing)));
        const int pixels = TRtfLayout::TwipsToPixels(std::abs(spacing));
        return spacing > 0 ? std::max(natural, pixels) : std::max(1, pixels);
    }

    // How far each placed atom moves right; entry k + 1 minus entry k is what atom k widens by.
    std::vector<int> Shifts(bool wrapped) const {
        std::vector<int> shifts(m_placed.size() + 1, 0);
        int lastContent = -1;
        int lastTab = -1;
        for (std::size_t k = 0; k < m_placed.size(); ++k) {
            const TAtomKind kind = m_placed[k].atom->kind;
            if (kind == akWord || kind == akTab)
                lastContent = static_cast<int>(k);
            if (kind == akTab)
                lastTab = static_cast<int>(k);
        }
        const int end =
            lastContent < 0 ? m_lineLeft : m_placed[lastContent].x + m_placed[lastContent].width;
        const int free = m_right - end;
        if (free <= 0)
            return shifts;
        if (m_format.alignment == raJustify && wrapped && m_wrap)
            Justify(shifts, free, lastTab + 1, lastContent);
        else if (m_format.alignment == raCenter || m_format.alignment == raRight)
            std::fill(shifts.begin(), shifts.end(),
                      m_format.alignment == raCenter ? free / 2 : free);
        return shifts;
    }

    // Spreads the free pixels over the spaces between the last tab and the last word.
    void Justify(std::vector<int>& shifts, int free, int first, int lastContent) const {
        int gaps = 0;
        for (int k = first; k < lastContent; ++k)
            gaps += m_placed[k].atom->kind == akSpace ? 1 : 0;
        int gap = 0;
        int shift = 0;
        for (int k = first; k < static_cast<int>(m_placed.size()); ++k) {
            if (k < lastContent && m_placed[k].atom->kind == akSpace && gaps > 0) {
                ++gap;
                shift = free * gap / gaps;
            }
            shifts[k + 1] = shift;
        }
    }

    const TRtfParagraph& m_paragraph;
    const TRtfParaFormat& m_format;
    const TRtfLayout& m_layout;
    bool m_wrap;
    std::vector<TRtfLine>& m_lines;
    int& m_y;
    int m_left = 0;
    int m_right = 0;
    int m_lineLeft = 0;
    int m_x = 0;
    bool m_skipSpaces = false;
    std::vector<TPlaced> m_placed;
};

// The em size in pixels of the format's full-size text.
int EmPixels(const TRtfCharFormat& format, const TFont& base) {
    if (format.halfPoints > 0)
        return static_cast<int>(std::lround(format.halfPoints * TFont::PixelsPerInch / 144.0));
    return base.Height() < 0 ? -base.Height() : base.Height();
}

// Sub- and superscripts are two thirds of the size, lowered by a sixth or raised by a third of
// the full em, as word processors set them.
int RiseOf(const TRtfCharFormat& format, const TFont& base) {
    const int em = EmPixels(format, base);
    switch (format.script) {
    case rsSubscript:
        return -static_cast<int>(std::lround(em / 6.0));
    case rsSuperscript:
        return static_cast<int>(std::lround(em / 3.0));
    case rsNormal:
        break;
    }
    return 0;
}

std::unique_ptr<TFont> FontOf(const TRtfCharFormat& format, const TFont& base) {
    auto font = std::make_unique<TFont>();
    *font = base;
    if (!format.fontName.empty())
        font->SetName(format.fontName);
    const int em = EmPixels(format, base);
    if (format.halfPoints > 0 || format.script != rsNormal)
        font->SetHeight(-std::max(1, format.script == rsNormal ? em : em * 2 / 3));
    if (format.color != clDefault)
        font->SetColor(format.color);
    TFontStyles style = 0;
    style |= format.bold ? FontStyleBit(fsBold) : 0;
    style |= format.italic ? FontStyleBit(fsItalic) : 0;
    style |= format.underline ? FontStyleBit(fsUnderline) : 0;
    style |= format.strikeOut ? FontStyleBit(fsStrikeOut) : 0;
    font->SetStyle(style);
    return font;
}

} // namespace

int TRtfLayout::TwipsToPixels(int twips) {
    return (twips + (twips < 0 ? -TwipsPerPixel / 2 : TwipsPerPixel / 2)) / TwipsPerPixel;
}

void TRtfLayout::Build(const TRtfDocument& document, const TFont& baseFont, int width, bool wrap) {
    Clear();
    for (const TRtfCharFormat& format : document.Formats()) {
        m_fonts.push_back(FontOf(format, baseFont));
        m_rises.push_back(RiseOf(format, baseFont));
        m_showsSpaces.push_back(format.underline || format.strikeOut || format.highlight != clNone);
    }
    for (const TRtfParagraph& paragraph : document.Paragraphs())
        TParagraphLines(paragraph, *this, width, wrap, m_lines, m_height).Lay();
}

void TRtfLayout::Clear() {
    m_fonts.clear();
    m_rises.clear();
    m_showsSpaces.clear();
    m_lines.clear();
    m_height = 0;
}

std::size_t TRtfLayout::FirstLineBelow(int y) const {
    const auto found =
        std::partition_point(m_lines.begin(), m_lines.end(),
                             [y](const TRtfLine& line) { return line.top + line.height <= y; });
    return static_cast<std::size_t>(found - m_lines.begin());
}
