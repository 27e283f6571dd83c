#include "art/ArtCanvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gui/graphics/Exception.h"

namespace {

// One pass of a running-sum box filter over count values spaced step bytes apart.
void BoxPass(std::uint8_t* data, int count, int step, int radius, std::vector<int>& scratch) {
    scratch.assign(count, 0);
    for (int i = 0; i < count; ++i) {
        scratch[i] = data[i * step];
    }
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius - 1; i < radius; ++i) {
        sum += scratch[std::clamp(i, 0, count - 1)];
    }
    for (int i = 0; i < count; ++i) {
        sum += scratch[std::min(i + radius, count - 1)] - scratch[std::max(i - radius - 1, 0)];
        data[i * step] = static_cast<std::uint8_t>(sum / window);
    }
}

// Three box passes each way come close to a Gaussian blur.
void Blur(cairo_surface_t* mask, int radius) {
    cairo_surface_flush(mask);
    std::uint8_t* data = cairo_image_surface_get_data(mask);
    const int width = cairo_image_surface_get_width(mask);
    const int height = cairo_image_surface_get_height(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    const int passRadius = std::max(1, radius / 2);
    std::vector<int> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            BoxPass(data + y * stride, width, 1, passRadius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            BoxPass(data + x, height, stride, passRadius, scratch);
        }
    }
    cairo_surface_mark_dirty(mask);
}

} // namespace

TArtCanvas::TArtCanvas(int width, int height)
    : m_width(width), m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_cr(cairo_create(m_surface)) {
    if (cairo_status(m_cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
        throw Exception("Cannot create a picture to draw the artwork on");
    }
}

TArtCanvas::~TArtCanvas() {
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

std::uint32_t* TArtCanvas::Row(int y) const {
    auto* data = cairo_image_surface_get_data(m_surface);
    return reinterpret_cast<std::uint32_t*>(data + y * cairo_image_surface_get_stride(m_surface));
}

void TArtCanvas::Flush() const {
    cairo_surface_flush(m_surface);
}

void TArtCanvas::MarkDirty() const {
    cairo_surface_mark_dirty(m_surface);
}

void TArtCanvas::Fill(const TRgb& color) const {
    cairo_save(m_cr);
    color.Use(m_cr);
    cairo_paint(m_cr);
    cairo_restore(m_cr);
}

void TArtCanvas::VerticalGradient(double top, double bottom, const TRgb& topColor,
                                  const TRgb& bottomColor) const {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, top, 0, bottom);
    topColor.Stop(pattern, 0);
    bottomColor.Stop(pattern, 1);
    cairo_set_source(m_cr, pattern);
    cairo_fill(m_cr);
    cairo_pattern_destroy(pattern);
}

void TArtCanvas::SoftShadow(const std::function<void(cairo_t*)>& addPath, double dx, double dy,
                            int blur, double alpha, bool inside) const {
    cairo_save(m_cr);
    cairo_new_path(m_cr);
    addPath(m_cr);
    const TArea area = ShadowArea(blur, dx, dy);
    if (area.right > area.left && area.bottom > area.top) {
        cairo_surface_t* mask = ShadowMask(addPath, area, dx, dy, inside);
        Blur(mask, blur);
        // The inner shadow of a recess falls only inside its outline.
        if (inside) {
            cairo_clip(m_cr);
        } else {
            cairo_new_path(m_cr);
        }
        cairo_set_source_rgba(m_cr, 0, 0, 0, alpha);
        cairo_mask_surface(m_cr, mask, area.left, area.top);
        cairo_surface_destroy(mask);
    }
    cairo_restore(m_cr);
}

// The part of the canvas the blurred shadow of the current path can reach.
TArtCanvas::TArea TArtCanvas::ShadowArea(int blur, double dx, double dy) const {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_path_extents(m_cr, &x1, &y1, &x2, &y2);
    const int margin = 2 * blur + static_cast<int>(std::ceil(std::abs(dx) + std::abs(dy))) + 2;
    return {std::max(0, static_cast<int>(x1) - margin), std::max(0, static_cast<int>(y1) - margin),
            std::min(m_width, static_cast<int>(x2) + margin),
            std::min(m_height, static_cast<int>(y2) + margin)};
}

// The shape, offset, as coverage in an 8-bit mask over the area; inverted for an inner shadow.
cairo_surface_t* TArtCanvas::ShadowMask(const std::function<void(cairo_t*)>& addPath,
                                        const TArea& area, double dx, double dy, bool inside) {
    cairo_surface_t* mask =
        cairo_image_surface_create(CAIRO_FORMAT_A8, area.right - area.left, area.bottom - area.top);
    cairo_t* cr = cairo_create(mask);
    cairo_translate(cr, dx - area.left, dy - area.top);
    if (inside) {
        cairo_set_source_rgba(cr, 0, 0, 0, 1);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    }
    addPath(cr);
    cairo_fill(cr);
    cairo_destroy(cr);
    return mask;
}

std::uint32_t TArtCanvas::Grained(std::uint32_t pixel, int delta) {
    std::uint32_t grained = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int value = std::clamp(static_cast<int>((pixel >> shift) & 0xFF) + delta, 0, 255);
        grained |= static_cast<std::uint32_t>(value) << shift;
    }
    return grained;
}

void TArtCanvas::RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void TArtCanvas::Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void TArtCanvas::StrokeCircle(cairo_t* cr, double cx, double cy, double radius, const TRgb& color,
                              double width, double alpha) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_line_width(cr, width);
    color.Use(cr, alpha);
    cairo_stroke(cr);
}
