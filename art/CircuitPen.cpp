#include "art/CircuitPen.h"

#include <cmath>

#include "art/ArtText.h"

namespace {

constexpr double LineWidth = 1.6;
constexpr TRgb Ink = TRgb::Bytes(24, 24, 30);
constexpr double ResistorLength = 30;
constexpr double ResistorWidth = 11;

} // namespace

void TCircuitPen::Wire(double x0, double y0, double x1, double y1) const {
    cairo_move_to(m_cr, x0, y0);
    cairo_line_to(m_cr, x1, y1);
    cairo_set_line_width(m_cr, LineWidth);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_SQUARE);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
}

void TCircuitPen::Polyline(std::initializer_list<double> points) const {
    const double* p = points.begin();
    cairo_move_to(m_cr, p[0], p[1]);
    for (std::size_t i = 2; i + 1 < points.size(); i += 2) {
        cairo_line_to(m_cr, p[i], p[i + 1]);
    }
    cairo_set_line_width(m_cr, LineWidth);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
}

void TCircuitPen::Junction(double x, double y) const {
    cairo_arc(m_cr, x, y, 3, 0, 2 * M_PI);
    Ink.Use(m_cr);
    cairo_fill(m_cr);
}

void TCircuitPen::Armature(double cx, double cy, double r) const {
    // Brushes: small dark blocks touching the circle above and below.
    for (const double side : {-1.0, 1.0}) {
        cairo_rectangle(m_cr, cx - 5, cy + side * r - (side < 0 ? 6 : 0), 10, 6);
        Ink.Use(m_cr);
        cairo_fill(m_cr);
    }
    cairo_arc(m_cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* face = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 1, cx, cy, r);
    TRgb{1, 1, 1}.Stop(face, 0);
    TRgb::Bytes(214, 222, 236).Stop(face, 1);
    cairo_set_source(m_cr, face);
    cairo_fill_preserve(m_cr);
    cairo_pattern_destroy(face);
    cairo_set_line_width(m_cr, LineWidth);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
    const TArtText letter(m_cr, "Я", "PT Sans Bold " + std::to_string(static_cast<int>(r)) + "px");
    letter.DrawCentred(cx, cy, Ink);
    // The generator's polarity beside its brushes.
    Label(cx + 8, cy - r - 17, "+", 12);
    Label(cx + 8, cy + r + 2, "−", 12);
}

void TCircuitPen::Winding(double x0, double y0, double x1, double y1, int loops) const {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const double step = length / loops;
    cairo_save(m_cr);
    cairo_translate(m_cr, x0, y0);
    cairo_rotate(m_cr, std::atan2(y1 - y0, x1 - x0));
    cairo_move_to(m_cr, 0, 0);
    for (int i = 0; i < loops; ++i) {
        cairo_arc(m_cr, step * (i + 0.5), 0, step / 2, M_PI, 2 * M_PI);
    }
    cairo_restore(m_cr);
    cairo_set_line_width(m_cr, LineWidth + 0.4);
    TRgb::Bytes(170, 80, 20).Use(m_cr);
    cairo_stroke(m_cr);
}

void TCircuitPen::Resistor(double x0, double y0, double x1, double y1, bool variable) const {
    const double length = std::hypot(x1 - x0, y1 - y0);
    cairo_save(m_cr);
    cairo_translate(m_cr, x0, y0);
    cairo_rotate(m_cr, std::atan2(y1 - y0, x1 - x0));
    const double start = (length - ResistorLength) / 2;
    cairo_move_to(m_cr, 0, 0);
    cairo_line_to(m_cr, start, 0);
    cairo_move_to(m_cr, start + ResistorLength, 0);
    cairo_line_to(m_cr, length, 0);
    cairo_rectangle(m_cr, start, -ResistorWidth / 2, ResistorLength, ResistorWidth);
    if (variable) {
        const double ax = start - 4;
        const double ay = ResistorWidth + 3;
        const double bx = start + ResistorLength + 4;
        const double by = -ResistorWidth - 3;
        cairo_move_to(m_cr, ax, ay);
        cairo_line_to(m_cr, bx, by);
        const double angle = std::atan2(by - ay, bx - ax);
        cairo_move_to(m_cr, bx + 6 * std::cos(angle + M_PI * 0.85),
                      by + 6 * std::sin(angle + M_PI * 0.85));
        cairo_line_to(m_cr, bx, by);
        cairo_line_to(m_cr, bx + 6 * std::cos(angle - M_PI * 0.85),
                      by + 6 * std::sin(angle - M_PI * 0.85));
    }
    cairo_restore(m_cr);
    cairo_set_line_width(m_cr, LineWidth);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
}

void TCircuitPen::Battery(double cx, double cy) const {
    cairo_set_line_width(m_cr, LineWidth);
    Ink.Use(m_cr);
    cairo_move_to(m_cr, cx - 12, cy - 3);
    cairo_line_to(m_cr, cx + 12, cy - 3);
    cairo_stroke(m_cr);
    cairo_set_line_width(m_cr, 4);
    cairo_move_to(m_cr, cx - 6, cy + 3);
    cairo_line_to(m_cr, cx + 6, cy + 3);
    cairo_stroke(m_cr);
    Label(cx + 12, cy - 16, "+", 12);
    Label(cx + 12, cy + 2, "−", 12);
}

void TCircuitPen::Meter(double cx, double cy, double r, const std::string& letter) const {
    cairo_new_sub_path(m_cr);
    cairo_arc(m_cr, cx, cy, r, 0, 2 * M_PI);
    TRgb{1, 1, 1}.Use(m_cr);
    cairo_fill_preserve(m_cr);
    cairo_set_line_width(m_cr, LineWidth);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
    const TArtText text(m_cr, letter,
                        "PT Sans Bold " + std::to_string(static_cast<int>(r * 1.3)) + "px");
    text.DrawCentred(cx, cy, Ink);
}

void TCircuitPen::Lamp(double cx, double cy, double r) const {
    cairo_new_sub_path(m_cr);
    cairo_arc(m_cr, cx, cy, r, 0, 2 * M_PI);
    TRgb{1, 1, 1}.Use(m_cr);
    cairo_fill_preserve(m_cr);
    const double d = r * M_SQRT1_2;
    cairo_move_to(m_cr, cx - d, cy - d);
    cairo_line_to(m_cr, cx + d, cy + d);
    cairo_move_to(m_cr, cx + d, cy - d);
    cairo_line_to(m_cr, cx - d, cy + d);
    cairo_set_line_width(m_cr, LineWidth);
    Ink.Use(m_cr);
    cairo_stroke(m_cr);
}

void TCircuitPen::Label(double x, double y, const std::string& text, int fontPx) const {
    const TArtText label(m_cr, text, "PT Sans Bold " + std::to_string(fontPx) + "px");
    label.Draw(x, y, Ink);
}
