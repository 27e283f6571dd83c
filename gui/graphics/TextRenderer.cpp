#include "gui/graphics/TextRenderer.h"

#include <glib.h>

#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"
#include "gui/graphics/FontResolver.h"

namespace {

constexpr std::size_t kMaxCachedLayouts = 2048;

int CeilPixels(int pangoUnits) {
    return (pangoUnits + PANGO_SCALE - 1) / PANGO_SCALE;
}

std::string FontKey(const TFont& font) {
    return font.Name() + '\x1f' + std::to_string(font.Height()) + '\x1f' +
           std::to_string(font.Style());
}

std::string LayoutKey(const TFont& font, std::string_view text,
                      const TextRenderer::Underlines& underlines) {
    std::string key = FontKey(font);
    for (const auto& [first, last] : underlines) {
        key += '\x1e' + std::to_string(first) + ',' + std::to_string(last);
    }
    key += '\x1f';
    key += text;
    return key;
}

void AddAttribute(PangoAttrList* list, PangoAttribute* attribute, int first, int last) {
    attribute->start_index = static_cast<guint>(first);
    attribute->end_index = static_cast<guint>(last);
    pango_attr_list_insert(list, attribute);
}

} // namespace

TextRenderer& TextRenderer::Instance() {
    static TextRenderer renderer;
    return renderer;
}

TextRenderer::TextRenderer() {
    FontResolver::InstallAliases();
    m_fontMap = pango_cairo_font_map_new();
    m_context = pango_font_map_create_context(m_fontMap);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(m_context, 96);
}

TextRenderer::~TextRenderer() {
    ClearLayouts();
    for (auto& [key, entry] : m_fonts) {
        pango_font_description_free(entry.description);
    }
    g_object_unref(m_context);
    g_object_unref(m_fontMap);
}

void TextRenderer::ClearLayouts() {
    for (auto& [key, entry] : m_layouts) {
        g_object_unref(entry.layout);
    }
    m_layouts.clear();
}

TextRenderer::Metrics TextRenderer::Measure(PangoFontDescription* description) {
    PangoFontMetrics* fontMetrics = pango_context_get_metrics(m_context, description, nullptr);
    Metrics metrics;
    metrics.ascent = CeilPixels(pango_font_metrics_get_ascent(fontMetrics));
    metrics.descent = CeilPixels(pango_font_metrics_get_descent(fontMetrics));
    metrics.height = metrics.ascent + metrics.descent;
    metrics.aveCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(fontMetrics));
    pango_font_metrics_unref(fontMetrics);
    return metrics;
}

PangoFontDescription* TextRenderer::Describe(const TFont& font) {
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, font.Name().c_str());
    pango_font_description_set_weight(description, font.HasStyle(fsBold) ? PANGO_WEIGHT_BOLD
                                                                         : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description, font.HasStyle(fsItalic) ? PANGO_STYLE_ITALIC
                                                                          : PANGO_STYLE_NORMAL);
    constexpr double reference = 100.0;
    double emPixels = font.Height() < 0 ? -font.Height() : 11.0;
    if (font.Height() > 0) {
        // A positive height is the whole character cell, ascent plus descent.
        pango_font_description_set_absolute_size(description, reference * PANGO_SCALE);
        PangoFontMetrics* m = pango_context_get_metrics(m_context, description, nullptr);
        const double cell = static_cast<double>(pango_font_metrics_get_ascent(m) +
                                                pango_font_metrics_get_descent(m)) /
                            PANGO_SCALE;
        pango_font_metrics_unref(m);
        emPixels = cell > 0 ? font.Height() * reference / cell : font.Height();
    }
    pango_font_description_set_absolute_size(description, emPixels * PANGO_SCALE);
    return description;
}

TextRenderer::FontEntry& TextRenderer::Font(const TFont& font) {
    const std::string key = FontKey(font);
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) {
        return found->second;
    }
    FontEntry entry;
    entry.description = Describe(font);
    entry.metrics = Measure(entry.description);
    return m_fonts.emplace(key, entry).first->second;
}

const TextRenderer::Metrics& TextRenderer::FontMetrics(const TFont& font) {
    return Font(font).metrics;
}

TextRenderer::LayoutEntry& TextRenderer::Layout(const TFont& font, std::string_view text,
                                                const Underlines& underlines) {
    const std::string key = LayoutKey(font, text, underlines);
    auto found = m_layouts.find(key);
    if (found != m_layouts.end()) {
        return found->second;
    }
    if (m_layouts.size() >= kMaxCachedLayouts) {
        ClearLayouts();
    }
    PangoLayout* layout = pango_layout_new(m_context);
    pango_layout_set_font_description(layout, Font(font).description);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    // Text from files may not be valid UTF-8; pango would complain on the terminal.
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    pango_layout_set_text(layout, valid, -1);
    g_free(valid);
    PangoAttrList* attributes = pango_attr_list_new();
    const int length = static_cast<int>(text.size());
    if (font.HasStyle(fsUnderline)) {
        AddAttribute(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), 0, length);
    }
    if (font.HasStyle(fsStrikeOut)) {
        AddAttribute(attributes, pango_attr_strikethrough_new(TRUE), 0, length);
    }
    for (const auto& [first, last] : underlines) {
        AddAttribute(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), first, last);
    }
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);

    LayoutEntry entry;
    entry.layout = layout;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    entry.width = logical.width;
    entry.top = Font(font).metrics.ascent - PANGO_PIXELS(pango_layout_get_baseline(layout));
    return m_layouts.emplace(key, entry).first->second;
}

int TextRenderer::Width(const TFont& font, std::string_view text, const Underlines& underlines) {
    return text.empty() ? 0 : Layout(font, text, underlines).width;
}

void TextRenderer::Draw(cairo_t* cr, const TFont& font, int x, int y, std::string_view text,
                        const Underlines& underlines) {
    if (text.empty()) {
        return;
    }
    const LayoutEntry& entry = Layout(font, text, underlines);
    const TColor color = ColorToRGB(font.Color());
    cairo_save(cr);
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
    cairo_move_to(cr, x, y + entry.top);
    pango_cairo_show_layout(cr, entry.layout);
    cairo_restore(cr);
}

int TextRenderer::UnknownGlyphs(const TFont& font, std::string_view text) {
    return pango_layout_get_unknown_glyphs_count(Layout(font, text, {}).layout);
}

std::string TextRenderer::FamilyUsed(const TFont& font) {
    PangoFont* loaded = pango_context_load_font(m_context, Font(font).description);
    if (!loaded) {
        return {};
    }
    PangoFontDescription* described = pango_font_describe(loaded);
    std::string family = pango_font_description_get_family(described);
    pango_font_description_free(described);
    g_object_unref(loaded);
    return family;
}

bool TextRenderer::FamilyCovers(const TFont& font, std::string_view text) {
    PangoFont* loaded = pango_context_load_font(m_context, Font(font).description);
    if (!loaded) {
        return false;
    }
    PangoCoverage* coverage = pango_font_get_coverage(loaded, pango_language_get_default());
    bool covered = g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr);
    for (const char* p = text.data(); covered && p < text.data() + text.size();
         p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        covered = covered && (c == ' ' || pango_coverage_get(coverage, static_cast<int>(c)) ==
                                              PANGO_COVERAGE_EXACT);
    }
    pango_coverage_unref(coverage);
    g_object_unref(loaded);
    return covered;
}
