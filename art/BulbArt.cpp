#include "art/BulbArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtImageList.h"
#include "art/ArtOutput.h"

namespace {

constexpr double GlobeX = 35;
constexpr double GlobeY = 27;
constexpr double GlobeRadius = 17;
constexpr double NeckY = 47;
constexpr double BaseBottom = 60;

constexpr TRgb ColdGlass = TRgb::Bytes(64, 64, 70);
constexpr TRgb HotGlass = TRgb::Bytes(255, 226, 80);
constexpr TRgb ColdWire = TRgb::Bytes(40, 36, 34);
constexpr TRgb HotWire = TRgb::Bytes(255, 255, 230);
constexpr TRgb Glow = TRgb::Bytes(255, 214, 70);
constexpr TRgb Brass = TRgb::Bytes(196, 160, 84);
constexpr TRgb Yellow = TRgb::Bytes(255, 222, 0);

// The pear of the glass: the globe narrowing into the neck above the base.
void AddGlass(cairo_t* cr) {
    const double a = 40 * M_PI / 180;
    const double sx = GlobeRadius * std::cos(a);
    const double sy = GlobeY + GlobeRadius * std::sin(a);
    cairo_new_sub_path(cr);
    cairo_arc(cr, GlobeX, GlobeY, GlobeRadius, M_PI - a, 2 * M_PI + a);
    cairo_curve_to(cr, GlobeX + sx - 3, sy + 4, GlobeX + 7, NeckY - 4, GlobeX + 7, NeckY);
    cairo_line_to(cr, GlobeX - 7, NeckY);
    cairo_curve_to(cr, GlobeX - 7, NeckY - 4, GlobeX - sx + 3, sy + 4, GlobeX - sx, sy);
    cairo_close_path(cr);
}

} // namespace

void TBulbArt::Write(const TArtOutput& output) {
    TArtImageList list(Side, Side);
    for (int i = 0; i < FrameCount; ++i) {
        const TArtCanvas canvas(Side, Side);
        DrawFrame(canvas, i / (FrameCount - 1.0));
        list.AddOpaque(canvas);
    }
    output.ImageList("bench/bulbs.il", list.List());
    WriteHighlight(output);
}

void TBulbArt::DrawFrame(const TArtCanvas& canvas, double brightness) {
    cairo_t* cr = canvas.Cr();
    // A dark lamp housing, so that the glow shows.
    cairo_pattern_t* back = cairo_pattern_create_radial(GlobeX, GlobeY, 4, GlobeX, GlobeY + 8, 52);
    TRgb::Bytes(40, 40, 46).Stop(back, 0);
    TRgb::Bytes(8, 8, 10).Stop(back, 1);
    cairo_set_source(cr, back);
    cairo_paint(cr);
    cairo_pattern_destroy(back);
    DrawGlow(cr, brightness);
    DrawBase(cr);
    DrawGlass(cr, brightness);
    DrawFilament(cr, brightness);
}

// Light spilling round the glass, growing faster than the brightness as a lamp's does.
void TBulbArt::DrawGlow(cairo_t* cr, double brightness) {
    if (brightness <= 0) {
        return;
    }
    const double strength = std::pow(brightness, 1.5);
    cairo_pattern_t* glow = cairo_pattern_create_radial(GlobeX, GlobeY, GlobeRadius * 0.6, GlobeX,
                                                        GlobeY, GlobeRadius + 6 + 14 * strength);
    Glow.Stop(glow, 0, 0.95 * strength);
    Glow.Stop(glow, 0.45, 0.45 * strength);
    Glow.Stop(glow, 1, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
}

void TBulbArt::DrawGlass(cairo_t* cr, double brightness) {
    const TRgb glass = ColdGlass.Mix(HotGlass, brightness);
    AddGlass(cr);
    cairo_pattern_t* fill =
        cairo_pattern_create_radial(GlobeX - 5, GlobeY - 6, 2, GlobeX, GlobeY, GlobeRadius + 8);
    glass.Lighter(0.25 + 0.3 * brightness).Stop(fill, 0);
    glass.Stop(fill, 0.55);
    glass.Darker(0.35 - 0.25 * brightness).Stop(fill, 1);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1);
    glass.Darker(0.45).Use(cr, 0.8);
    cairo_stroke(cr);
    // The window reflected in the glass.
    cairo_new_sub_path(cr);
    cairo_arc(cr, GlobeX, GlobeY, GlobeRadius - 4, 200 * M_PI / 180, 250 * M_PI / 180);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    TRgb{1, 1, 1}.Use(cr, 0.55);
    cairo_stroke(cr);
}

// Two lead-in wires holding a coiled filament.
void TBulbArt::DrawFilament(cairo_t* cr, double brightness) {
    const TRgb wire = ColdWire.Mix(HotWire, brightness);
    cairo_move_to(cr, GlobeX - 3, NeckY + 1);
    cairo_line_to(cr, GlobeX - 6, GlobeY + 2);
    cairo_move_to(cr, GlobeX + 3, NeckY + 1);
    cairo_line_to(cr, GlobeX + 6, GlobeY + 2);
    cairo_set_line_width(cr, 0.9);
    ColdWire.Mix(TRgb::Bytes(120, 110, 90), 0.5 + 0.5 * brightness).Use(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, GlobeX - 6, GlobeY + 2);
    for (int i = 1; i <= 8; ++i) {
        const double x = GlobeX - 6 + 12.0 * i / 8;
        cairo_line_to(cr, x, GlobeY + 2 - ((i % 2) ? 4 : 0) - 2 * std::sin(M_PI * i / 8));
    }
    if (brightness > 0) {
        cairo_set_line_width(cr, 4);
        Glow.Lighter(0.5).Use(cr, 0.6 * brightness);
        cairo_stroke_preserve(cr);
    }
    cairo_set_line_width(cr, 1.2);
    wire.Use(cr);
    cairo_stroke(cr);
}

// The brass screw base with its threads, the black insulator and the contact.
void TBulbArt::DrawBase(cairo_t* cr) {
    const double left = GlobeX - 8;
    cairo_rectangle(cr, left, NeckY - 1, 16, BaseBottom - NeckY + 1);
    cairo_pattern_t* brass = cairo_pattern_create_linear(left, 0, left + 16, 0);
    Brass.Darker(0.35).Stop(brass, 0);
    Brass.Lighter(0.45).Stop(brass, 0.35);
    Brass.Stop(brass, 0.6);
    Brass.Darker(0.5).Stop(brass, 1);
    cairo_set_source(cr, brass);
    cairo_fill(cr);
    cairo_pattern_destroy(brass);
    cairo_set_line_width(cr, 1.2);
    for (double y = NeckY + 2.5; y < BaseBottom - 1; y += 3) {
        cairo_move_to(cr, left, y + 1);
        cairo_line_to(cr, left + 16, y - 1);
        Brass.Darker(0.6).Use(cr, 0.7);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, GlobeX - 5, BaseBottom, 10, 3);
    TRgb::Bytes(20, 20, 20).Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, GlobeX - 2.5, BaseBottom + 3, 5, 2.5);
    Brass.Use(cr);
    cairo_fill(cr);
}

// A yellow square frame with a soft glow, open inside so the lamp's display shows through.
void TBulbArt::WriteHighlight(const TArtOutput& output) {
    const TArtCanvas canvas(90, 90);
    cairo_t* cr = canvas.Cr();
    TArtCanvas::RoundedRect(cr, 4.5, 4.5, 81, 81, 5);
    cairo_set_line_width(cr, 6);
    Yellow.Use(cr, 0.3);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    Yellow.Use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1);
    Yellow.Lighter(0.6).Use(cr);
    cairo_stroke(cr);
    output.Icon("bench/highlight.ico", canvas);
}
