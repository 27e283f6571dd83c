#include "art/AppIconArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"

namespace {

constexpr double Pi = std::numbers::pi;
// The scale sweeps 270 degrees clockwise from the lower left, as on the bench's gauges; the
// pointer rests at two thirds of it.
constexpr double ScaleStart = 225.0;
constexpr double ScaleSweep = 270.0;
constexpr double PointerShare = 0.68;

// Screen direction of a scale angle in degrees counter-clockwise from 3 o'clock.
double Radians(double degrees) {
    return -degrees * Pi / 180.0;
}

} // namespace

void TAppIconArt::Write(const TArtOutput& output) {
    for (const int size : Sizes) {
        const TArtCanvas canvas(size, size);
        Draw(canvas);
        const std::string edge = std::to_string(size);
        output.Png("icons/hicolor/" + edge + "x" + edge + "/apps/stend.png", canvas);
    }
}

void TAppIconArt::Draw(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const TDial dial = DialOf(canvas.Width());
    // The red panel, the dial's bezel and face on it, the scale, then the pointer over it all.
    DrawPanel(cr, dial.size);
    DrawFace(cr, dial);
    DrawTicks(cr, dial);
    DrawPointer(cr, dial);
}

TAppIconArt::TDial TAppIconArt::DialOf(double size) {
    return {size / 2.0, size * 0.53, size * 0.36, size};
}

void TAppIconArt::DrawPanel(cairo_t* cr, double size) {
    const double inset = size / 32.0;
    TArtCanvas::RoundedRect(cr, inset, inset, size - 2 * inset, size - 2 * inset, size * 0.18);
    cairo_pattern_t* red = cairo_pattern_create_linear(0, 0, 0, size);
    ArtPalette::PlaqueRed.Stop(red, 0);
    ArtPalette::PanelRed.Stop(red, 0.55);
    ArtPalette::PanelDark.Stop(red, 1);
    cairo_set_source(cr, red);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(red);
    ArtPalette::PanelDark.Darker(0.3).Use(cr);
    cairo_set_line_width(cr, std::max(1.0, size / 48.0));
    cairo_stroke(cr);
}

void TAppIconArt::DrawFace(cairo_t* cr, const TDial& dial) {
    const auto [cx, cy, radius, size] = dial;
    TArtCanvas::Ellipse(cr, cx, cy, radius + size * 0.05, radius + size * 0.05);
    cairo_pattern_t* bezel = cairo_pattern_create_linear(0, cy - radius, 0, cy + radius);
    ArtPalette::Gold.Stop(bezel, 0);
    ArtPalette::GoldDark.Stop(bezel, 1);
    cairo_set_source(cr, bezel);
    cairo_fill(cr);
    cairo_pattern_destroy(bezel);
    TArtCanvas::Ellipse(cr, cx, cy, radius, radius);
    cairo_pattern_t* face =
        cairo_pattern_create_radial(cx - radius * 0.3, cy - radius * 0.3, 0, cx, cy, radius);
    ArtPalette::Cream.Lighter(0.5).Stop(face, 0);
    ArtPalette::Cream.Darker(0.08).Stop(face, 1);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
}

// Small icons keep only the major ticks, which stay apart at a pixel or two.
void TAppIconArt::DrawTicks(cairo_t* cr, const TDial& dial) {
    const auto [cx, cy, radius, size] = dial;
    const int steps = size < 48 ? 4 : 20;
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int i = 0; i <= steps; ++i) {
        const bool major = steps == 4 || i % 5 == 0;
        const double angle = Radians(ScaleStart - ScaleSweep * i / steps);
        const double outer = radius * 0.9;
        const double inner = radius * (major ? 0.68 : 0.78);
        cairo_move_to(cr, cx + outer * std::cos(angle), cy + outer * std::sin(angle));
        cairo_line_to(cr, cx + inner * std::cos(angle), cy + inner * std::sin(angle));
        cairo_set_line_width(cr, std::max(1.0, size * (major ? 0.03 : 0.012)));
        cairo_stroke(cr);
    }
    // The last part of the scale is the red overload section.
    cairo_set_source_rgb(cr, 0.85, 0.1, 0.08);
    cairo_set_line_width(cr, std::max(1.0, size * 0.04));
    cairo_arc(cr, cx, cy, radius * 0.84, Radians(ScaleStart - ScaleSweep * 0.8),
              Radians(ScaleStart - ScaleSweep));
    cairo_stroke(cr);
}

void TAppIconArt::DrawPointer(cairo_t* cr, const TDial& dial) {
    const auto [cx, cy, radius, size] = dial;
    const double angle = Radians(ScaleStart - ScaleSweep * PointerShare);
    const double length = radius * 0.92;
    const double half = std::max(0.75, size * 0.025);
    const double nx = -std::sin(angle);
    const double ny = std::cos(angle);
    cairo_move_to(cr, cx + length * std::cos(angle), cy + length * std::sin(angle));
    cairo_line_to(cr, cx + half * nx, cy + half * ny);
    cairo_line_to(cr, cx - half * nx, cy - half * ny);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.75, 0.05, 0.05);
    cairo_fill(cr);
    TArtCanvas::Ellipse(cr, cx, cy, size * 0.06, size * 0.06);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    cairo_fill(cr);
}
