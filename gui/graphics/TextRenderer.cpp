#include "gui/graphics/TextRenderer.h"

#include <glib.h>
#include <pixman.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"
#include "gui/graphics/FontResolver.h"
#include "gui/graphics/Geometry.h"

namespace {

constexpr std::size_t kMaxCachedLayouts = 2048;
// Room around the ink extents for the anti-aliased fringe of hinted glyphs.
constexpr int kStampMargin = 4;
// A text drawn once, as most of a long page is, is not worth a stamp.
constexpr int kDrawsBeforeStamp = 2;

int CeilPixels(int pangoUnits) {
    return (pangoUnits + PANGO_SCALE - 1) / PANGO_SCALE;
}

void AppendNumber(std::string& key, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    key.append(digits, end);
}

// Keys are built in place of the last one: a widget asks for its labels on every paint, and a
// fresh string each time cost more than finding the layout.
void FontKey(const TFont& font, std::string& key) {
    key.clear();
    key += font.Name();
    key += '\x1f';
    AppendNumber(key, font.Height());
    key += '\x1f';
    AppendNumber(key, font.Style());
}

void LayoutKey(const TFont& font, std::string_view text, const TextRenderer::Underlines& underlines,
               std::string& key) {
    FontKey(font, key);
    for (const auto& [first, last] : underlines) {
        key += '\x1e';
        AppendNumber(key, first);
        key += ',';
        AppendNumber(key, last);
    }
    key += '\x1f';
    key += text;
}

void AddAttribute(PangoAttrList* list, PangoAttribute* attribute, int first, int last) {
    attribute->start_index = static_cast<guint>(first);
    attribute->end_index = static_cast<guint>(last);
    pango_attr_list_insert(list, attribute);
}

pixman_format_code_t PixmanFormat(cairo_format_t format) {
    switch (format) {
    case CAIRO_FORMAT_ARGB32:
        return PIXMAN_a8r8g8b8;
    case CAIRO_FORMAT_RGB24:
        return PIXMAN_x8r8g8b8;
    default:
        return static_cast<pixman_format_code_t>(0);
    }
}

bool IsIdentity(const cairo_matrix_t& m) {
    return m.xx == 1 && m.yx == 0 && m.xy == 0 && m.yy == 1 && m.x0 == 0 && m.y0 == 0;
}

// The pixel rectangle the context draws into, when its clip is one whole-pixel rectangle (or
// nothing at all, giving an empty one).
std::optional<TRect> PixelClip(cairo_t* cr) {
    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
    std::optional<TRect> clip;
    if (list->status == CAIRO_STATUS_SUCCESS && list->num_rectangles <= 1) {
        clip = TRect{};
        if (list->num_rectangles == 1) {
            const cairo_rectangle_t& r = list->rectangles[0];
            clip = TRect{static_cast<int>(r.x), static_cast<int>(r.y),
                         static_cast<int>(r.x + r.width), static_cast<int>(r.y + r.height)};
            if (clip->Left != r.x || clip->Top != r.y || clip->Right != r.x + r.width ||
                clip->Bottom != r.y + r.height)
                clip.reset();
        }
    }
    cairo_rectangle_list_destroy(list);
    return clip;
}

// The smallest rectangle holding every pixel of the mask that is not empty; pixels outside it
// would leave the target as it is.
TRect Inked(cairo_surface_t* mask) {
    const int width = cairo_image_surface_get_width(mask);
    const int height = cairo_image_surface_get_height(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    TRect inked{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (data[static_cast<std::size_t>(y) * stride + x] != 0) {
                inked = {std::min(inked.Left, x), std::min(inked.Top, y),
                         std::max(inked.Right, x + 1), std::max(inked.Bottom, y + 1)};
            }
        }
    }
    return inked.IsEmpty() ? TRect{} : inked;
}

// The source cairo makes of an 8-bit colour: each channel c becomes c * 257 of 65535.
pixman_image_t* SolidColor(TColor rgb) {
    const pixman_color_t color{static_cast<std::uint16_t>(GetRValue(rgb) * 257),
                               static_cast<std::uint16_t>(GetGValue(rgb) * 257),
                               static_cast<std::uint16_t>(GetBValue(rgb) * 257), 0xFFFF};
    return pixman_image_create_solid_fill(&color);
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
        FreeLayout(entry);
    }
    m_layouts.clear();
}

void TextRenderer::FreeLayout(LayoutEntry& entry) {
    g_object_unref(entry.layout);
    if (entry.stampImage) {
        pixman_image_unref(entry.stampImage);
    }
    if (entry.stamp) {
        cairo_surface_destroy(entry.stamp);
    }
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
    std::string& key = m_fontKey;
    FontKey(font, key);
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
    std::string& key = m_layoutKey;
    LayoutKey(font, text, underlines, key);
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
    entry.glyphsOnly =
        !font.HasStyle(fsUnderline) && !font.HasStyle(fsStrikeOut) && underlines.empty();
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
    LayoutEntry& entry = Layout(font, text, underlines);
    const TColor color = ColorToRGB(font.Color());
    if (entry.glyphsOnly && ++entry.draws >= kDrawsBeforeStamp &&
        DrawStamp(cr, entry, color, x, y)) {
        return;
    }
    cairo_save(cr);
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
    cairo_move_to(cr, x, y + entry.top);
    pango_cairo_show_layout(cr, entry.layout);
    cairo_restore(cr);
}

// The glyphs drawn once into an alpha mask. Where no two glyphs share a pixel, cairo lays each
// glyph's coverage over the target on its own; where they do, it adds the coverages into a mask
// first. Drawing the glyphs into an empty mask does the same, so the stamp holds exactly the
// coverage the target would get.
void TextRenderer::MakeStamp(LayoutEntry& entry) {
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(entry.layout, &ink, &logical);
    const int left = std::min(ink.x, logical.x) - kStampMargin;
    const int top = std::min(ink.y, logical.y) - kStampMargin;
    const int right = std::max(ink.x + ink.width, logical.x + logical.width) + kStampMargin;
    const int bottom = std::max(ink.y + ink.height, logical.y + logical.height) + kStampMargin;
    cairo_surface_t* stamp =
        cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top);
    if (cairo_surface_status(stamp) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(stamp);
        entry.glyphsOnly = false;
        return;
    }
    cairo_t* cr = cairo_create(stamp);
    cairo_move_to(cr, -left, -top);
    pango_cairo_show_layout(cr, entry.layout);
    cairo_destroy(cr);
    cairo_surface_flush(stamp);
    entry.stamp = stamp;
    entry.stampImage = pixman_image_create_bits(
        PIXMAN_a8, right - left, bottom - top,
        reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(stamp)),
        cairo_image_surface_get_stride(stamp));
    entry.stampLeft = left;
    entry.stampTop = top;
    entry.inked = Inked(stamp);
}

// The colour laid through the stamp over the target, as cairo lays it through each glyph, for
// a fraction of the cost of shaping, placing and compositing the glyphs anew. Only a plain
// image target under a whole-pixel rectangular clip qualifies; anything else goes the long way.
bool TextRenderer::DrawStamp(cairo_t* cr, LayoutEntry& entry, TColor color, int x, int y) {
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_get_operator(cr) != CAIRO_OPERATOR_OVER) {
        return false;
    }
    const pixman_format_code_t format = PixmanFormat(cairo_image_surface_get_format(target));
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    double offsetX = 0;
    double offsetY = 0;
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    const std::optional<TRect> clip = PixelClip(cr);
    if (!format || !IsIdentity(matrix) || offsetX != 0 || offsetY != 0 || !clip) {
        return false;
    }
    if (!entry.stamp) {
        MakeStamp(entry);
    }
    if (!entry.stamp) {
        return false;
    }
    const TPoint origin{x + entry.stampLeft, y + entry.top + entry.stampTop};
    const TRect area =
        clip->Intersect({origin.X + entry.inked.Left, origin.Y + entry.inked.Top,
                         origin.X + entry.inked.Right, origin.Y + entry.inked.Bottom});
    if (area.IsEmpty()) {
        return true;
    }
    cairo_surface_flush(target);
    pixman_image_t* destination = pixman_image_create_bits(
        format, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target),
        reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(target)),
        cairo_image_surface_get_stride(target));
    pixman_image_t* source = SolidColor(color);
    pixman_image_composite32(PIXMAN_OP_OVER, source, entry.stampImage, destination, 0, 0,
                             area.Left - origin.X, area.Top - origin.Y, area.Left, area.Top,
                             area.Width(), area.Height());
    pixman_image_unref(source);
    pixman_image_unref(destination);
    cairo_surface_mark_dirty_rectangle(target, area.Left, area.Top, area.Width(), area.Height());
    return true;
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
