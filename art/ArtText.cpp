#include "art/ArtText.h"

#include <cmath>

#include "gui/graphics/Exception.h"

TArtText::TArtText(cairo_t* cr, const std::string& text, const std::string& font, int width,
                   PangoAlignment alignment)
    : m_cr(cr), m_layout(pango_cairo_create_layout(cr)) {
    PangoFontDescription* description = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(m_layout, description);
    pango_font_description_free(description);
    if (width > 0) {
        pango_layout_set_width(m_layout, width * PANGO_SCALE);
        pango_layout_set_wrap(m_layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(m_layout, alignment);
    pango_layout_set_text(m_layout, text.c_str(), -1);
    if (pango_layout_get_unknown_glyphs_count(m_layout) != 0) {
        g_object_unref(m_layout);
        throw Exception("The font \"" + font + "\" lacks glyphs for the text \"" + text + "\"");
    }
}

TArtText::~TArtText() {
    g_object_unref(m_layout);
}

double TArtText::Width() const {
    PangoRectangle logical;
    pango_layout_get_pixel_extents(m_layout, nullptr, &logical);
    return logical.width;
}

double TArtText::Height() const {
    PangoRectangle logical;
    pango_layout_get_pixel_extents(m_layout, nullptr, &logical);
    return logical.height;
}

double TArtText::Baseline() const {
    return static_cast<double>(pango_layout_get_baseline(m_layout)) / PANGO_SCALE;
}

PangoRectangle TArtText::Ink() const {
    PangoRectangle ink;
    pango_layout_get_pixel_extents(m_layout, &ink, nullptr);
    return ink;
}

void TArtText::Draw(double x, double y, const TRgb& color, double alpha) const {
    cairo_save(m_cr);
    color.Use(m_cr, alpha);
    cairo_move_to(m_cr, x, y);
    pango_cairo_show_layout(m_cr, m_layout);
    cairo_restore(m_cr);
}

void TArtText::DrawCentred(double cx, double cy, const TRgb& color, double alpha) const {
    const PangoRectangle ink = Ink();
    Draw(cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0, color, alpha);
}

void TArtText::AddPath(double x, double y) const {
    cairo_move_to(m_cr, x, y);
    pango_cairo_layout_path(m_cr, m_layout);
}

void TArtText::AddPathAlongBottomArc(double cx, double cy, double radius) const {
    cairo_save(m_cr);
    cairo_identity_matrix(m_cr);
    cairo_new_path(m_cr);
    cairo_move_to(m_cr, 0, 0);
    pango_cairo_layout_path(m_cr, m_layout);
    cairo_path_t* path = cairo_copy_path_flat(m_cr);
    cairo_new_path(m_cr);
    cairo_restore(m_cr);
    const double middle = Width() / 2;
    const double baseline = Baseline();
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& header = path->data[i];
        if (header.header.type == CAIRO_PATH_CLOSE_PATH) {
            cairo_close_path(m_cr);
            continue;
        }
        const cairo_path_data_t& point = path->data[i + 1];
        const double angle = M_PI / 2 + (middle - point.point.x) / radius;
        const double distance = radius + point.point.y - baseline;
        const double x = cx + distance * std::cos(angle);
        const double y = cy + distance * std::sin(angle);
        if (header.header.type == CAIRO_PATH_MOVE_TO) {
            cairo_move_to(m_cr, x, y);
        } else {
            cairo_line_to(m_cr, x, y);
        }
    }
    cairo_path_destroy(path);
}
