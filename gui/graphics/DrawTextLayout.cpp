#include "gui/graphics/DrawTextLayout.h"

#include <algorithm>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Font.h"

namespace {

constexpr std::string_view kEllipsis = "...";

std::size_t CharLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

// Offsets where a character starts, plus the end of the text.
std::vector<std::size_t> CharBoundaries(std::string_view text) {
    std::vector<std::size_t> boundaries;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        boundaries.push_back(i);
    }
    boundaries.push_back(text.size());
    return boundaries;
}

// Drops the characters a mode does not show: line breaks on a single line, tabs unless they
// are expanded.
std::string Visible(std::string_view text, unsigned format) {
    std::string visible;
    visible.reserve(text.size());
    for (char c : text) {
        const bool lineBreak = c == '\r' || c == '\n';
        if ((lineBreak && (format & DT_SINGLELINE)) || (c == '\t' && !(format & DT_EXPANDTABS))) {
            continue;
        }
        visible += c;
    }
    return visible;
}

// "&x" shows x underlined, "&&" shows "&", a final "&" shows nothing.
DrawTextLayout::Line ResolvePrefixes(std::string_view text) {
    DrawTextLayout::Line line;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            line.text += text[i++];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '&') {
            line.text += '&';
        } else if (i + 1 < text.size()) {
            const std::size_t length = CharLength(text, i + 1);
            const int start = static_cast<int>(line.text.size());
            line.text.append(text.substr(i + 1, length));
            line.underlines.emplace_back(start, start + static_cast<int>(length));
            i += length - 1;
        }
        i += 2;
    }
    return line;
}

DrawTextLayout::Line Slice(const DrawTextLayout::Line& line, std::size_t begin, std::size_t end) {
    DrawTextLayout::Line part;
    part.text = line.text.substr(begin, end - begin);
    const int b = static_cast<int>(begin);
    const int e = static_cast<int>(end);
    for (const auto& [first, last] : line.underlines) {
        if (first >= b && last <= e) {
            part.underlines.emplace_back(first - b, last - b);
        }
    }
    return part;
}

DrawTextLayout::Line Concat(DrawTextLayout::Line head, const DrawTextLayout::Line& tail) {
    const int shift = static_cast<int>(head.text.size());
    head.text += tail.text;
    for (const auto& [first, last] : tail.underlines) {
        head.underlines.emplace_back(first + shift, last + shift);
    }
    return head;
}

DrawTextLayout::Line Plain(std::string_view text) {
    return {std::string(text), {}, 0};
}

} // namespace

DrawTextLayout::DrawTextLayout(const TFont& font, std::string_view text, const TRect& rect,
                               unsigned format)
    : m_font(font), m_format(format), m_available(rect.Width()) {
    const TextRenderer::Metrics& metrics = TextRenderer::Instance().FontMetrics(font);
    m_lineHeight = metrics.height;
    m_tabWidth = std::max(1, 8 * metrics.aveCharWidth);
    const std::string visible = Visible(text, format);
    const Line all = (format & DT_NOPREFIX) ? Plain(visible) : ResolvePrefixes(visible);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= all.text.size(); ++i) {
        if (i < all.text.size() && all.text[i] != '\r' && all.text[i] != '\n') {
            continue;
        }
        AddParagraph(Slice(all, start, i));
        if (i + 1 < all.text.size() && all.text[i] == '\r' && all.text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
}

void DrawTextLayout::AddParagraph(const Line& paragraph) {
    if ((m_format & DT_WORDBREAK) && !(m_format & DT_SINGLELINE)) {
        Wrap(paragraph);
    } else {
        m_lines.push_back(Finished(paragraph));
    }
}

// Greedy wrapping at spaces; a word wider than the rectangle stands alone on its line.
void DrawTextLayout::Wrap(const Line& paragraph) {
    const std::string& text = paragraph.text;
    std::size_t start = 0;
    do {
        std::size_t best = std::string::npos;
        for (std::size_t end = start + 1; end <= text.size(); ++end) {
            const bool wordEnd = end == text.size() || (text[end] == ' ' && text[end - 1] != ' ');
            if (!wordEnd) {
                continue;
            }
            if (best != std::string::npos && Measure(Slice(paragraph, start, end)) > m_available) {
                break;
            }
            best = end;
        }
        if (best == std::string::npos) {
            best = text.size();
        }
        m_lines.push_back(Finished(Slice(paragraph, start, best)));
        start = best;
        while (start < text.size() && text[start] == ' ') {
            ++start;
        }
    } while (start < text.size());
}

DrawTextLayout::Line DrawTextLayout::Finished(Line line) {
    line.width = Measure(line);
    const unsigned ellipses = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;
    if ((m_format & ellipses) && line.width > m_available) {
        Shorten(line);
        line.width = Measure(line);
    }
    return line;
}

void DrawTextLayout::Shorten(Line& line) {
    m_shortened = true;
    if ((m_format & DT_PATH_ELLIPSIS) && PathEllipsis(line)) {
        return;
    }
    if ((m_format & DT_WORD_ELLIPSIS) && WordEllipsis(line)) {
        return;
    }
    EndEllipsis(line);
}

// Keeps the longest start of the text that still fits with "..." after it.
void DrawTextLayout::EndEllipsis(Line& line) {
    const std::vector<std::size_t> boundaries = CharBoundaries(line.text);
    std::size_t low = 0;
    std::size_t high = boundaries.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (Measure(Concat(Slice(line, 0, boundaries[middle]), Plain(kEllipsis))) <= m_available) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    line = Concat(Slice(line, 0, boundaries[low]), Plain(kEllipsis));
}

bool DrawTextLayout::WordEllipsis(Line& line) {
    for (std::size_t end = line.text.size(); end > 0; --end) {
        if (line.text[end - 1] == ' ' || (end < line.text.size() && line.text[end] != ' ')) {
            continue;
        }
        Line candidate = Concat(Slice(line, 0, end), Plain(kEllipsis));
        if (Measure(candidate) <= m_available) {
            line = candidate;
            return true;
        }
    }
    return false;
}

// Keeps the last path element whole and shortens what comes before it.
bool DrawTextLayout::PathEllipsis(Line& line) {
    const std::size_t separator = line.text.find_last_of("\\/");
    if (separator == std::string::npos) {
        return false;
    }
    const Line tail = Concat(Plain(kEllipsis), Slice(line, separator, line.text.size()));
    const std::vector<std::size_t> boundaries =
        CharBoundaries(std::string_view(line.text).substr(0, separator));
    for (std::size_t i = boundaries.size(); i-- > 0;) {
        Line candidate = Concat(Slice(line, 0, boundaries[i]), tail);
        if (Measure(candidate) <= m_available) {
            line = candidate;
            return true;
        }
    }
    return false;
}

int DrawTextLayout::NextTabStop(int x) const {
    return (x / m_tabWidth + 1) * m_tabWidth;
}

int DrawTextLayout::Measure(const Line& line) const {
    TextRenderer& renderer = TextRenderer::Instance();
    int x = 0;
    std::size_t start = 0;
    for (std::size_t tab = line.text.find('\t'); tab != std::string::npos;
         tab = line.text.find('\t', start)) {
        x += renderer.Width(m_font, std::string_view(line.text).substr(start, tab - start));
        x = NextTabStop(x);
        start = tab + 1;
    }
    return x + renderer.Width(m_font, std::string_view(line.text).substr(start));
}

void DrawTextLayout::DrawLine(cairo_t* cr, const Line& line, int x, int y) const {
    TextRenderer& renderer = TextRenderer::Instance();
    int offset = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.text.find('\t', start);
        const std::size_t end = tab == std::string::npos ? line.text.size() : tab;
        const Line segment = Slice(line, start, end);
        renderer.Draw(cr, m_font, x + offset, y, segment.text, segment.underlines);
        if (tab == std::string::npos) {
            return;
        }
        offset += renderer.Width(m_font, segment.text);
        offset = NextTabStop(offset);
        start = tab + 1;
    }
}

int DrawTextLayout::MaxWidth() const {
    int width = 0;
    for (const Line& line : m_lines) {
        width = std::max(width, line.width);
    }
    return width;
}

std::string DrawTextLayout::Text() const {
    std::string text;
    for (const Line& line : m_lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line.text;
    }
    return text;
}
