#include "art/BenchPhotoArt.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"
#include "art/ArtPalette.h"

namespace {

constexpr double SceneSize = 400;

void FillVertical(cairo_t* cr, double top, double bottom, const TRgb& a, const TRgb& b) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, top, 0, bottom);
    a.Stop(pattern, 0);
    b.Stop(pattern, 1);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

// A cylinder seen from the side, lit from above: light band near the top, dark underside.
void FillCylinder(cairo_t* cr, double top, double bottom, const TRgb& color) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, top, 0, bottom);
    color.Darker(0.3).Stop(pattern, 0);
    color.Lighter(0.45).Stop(pattern, 0.25);
    color.Stop(pattern, 0.5);
    color.Darker(0.65).Stop(pattern, 1);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace

void TBenchPhotoArt::Draw(const TArtCanvas& canvas, double cx, double cy, double radius) {
    cairo_t* cr = canvas.Cr();
    canvas.SoftShadow([&](cairo_t* c) { cairo_arc(c, cx, cy, radius + 8, 0, 2 * M_PI); }, 4, 7, 10,
                      0.7);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_translate(cr, cx - radius, cy - radius);
    cairo_scale(cr, 2 * radius / SceneSize, 2 * radius / SceneSize);
    DrawRoom(cr);
    DrawPanel(cr);
    DrawTable(cr);
    DrawMachine(cr, 70, 262, 120, 30);
    DrawMachine(cr, 215, 266, 100, 26);
    DrawCables(cr);
    cairo_restore(cr);
    DrawGrain(canvas, cx, cy, radius);
    DrawBezel(cr, cx, cy, radius);
}

void TBenchPhotoArt::DrawRoom(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, SceneSize, 250);
    FillVertical(cr, 0, 250, TRgb::Bytes(196, 202, 190), TRgb::Bytes(150, 156, 146));
    // Window light falling on the wall from the left.
    cairo_pattern_t* light = cairo_pattern_create_radial(40, 40, 10, 40, 40, 300);
    TRgb{1, 1, 0.95}.Stop(light, 0, 0.45);
    TRgb{1, 1, 0.95}.Stop(light, 1, 0);
    cairo_rectangle(cr, 0, 0, SceneSize, 250);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    cairo_rectangle(cr, 0, 250, SceneSize, 150);
    FillVertical(cr, 250, 400, TRgb::Bytes(110, 96, 80), TRgb::Bytes(60, 50, 40));
}

void TBenchPhotoArt::DrawPanel(cairo_t* cr) {
    // The grey instrument panel on its frame, standing on the back of the table.
    cairo_rectangle(cr, 30, 60, 340, 170);
    FillVertical(cr, 60, 230, TRgb::Bytes(120, 128, 132), TRgb::Bytes(84, 90, 94));
    cairo_rectangle(cr, 30.5, 60.5, 339, 169);
    cairo_set_line_width(cr, 2);
    TRgb::Bytes(40, 44, 46).Use(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, 32, 62);
    cairo_line_to(cr, 368, 62);
    TRgb{1, 1, 1}.Use(cr, 0.35);
    cairo_stroke(cr);
    const double needles[] = {-0.6, 0.2, 0.5, -0.1};
    for (int i = 0; i < 4; ++i) {
        DrawDial(cr, 75 + i * 83, 118, 30, needles[i]);
    }
    for (int i = 0; i < 6; ++i) {
        DrawToggle(cr, 62 + i * 55, 186, i % 2 == 0);
    }
}

void TBenchPhotoArt::DrawDial(cairo_t* cr, double cx, double cy, double r, double needle) {
    cairo_rectangle(cr, cx - r - 5, cy - r - 5, 2 * r + 10, 2 * r + 10);
    FillVertical(cr, cy - r - 5, cy + r + 5, TRgb::Bytes(50, 50, 52), TRgb::Bytes(20, 20, 22));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* face = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 1, cx, cy, r);
    TRgb::Bytes(255, 252, 240).Stop(face, 0);
    TRgb::Bytes(210, 206, 190).Stop(face, 1);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_set_line_width(cr, 1);
    TRgb{0.1, 0.1, 0.1}.Use(cr);
    for (int tick = 0; tick <= 10; ++tick) {
        const double angle = M_PI * (1.2 + 0.06 * tick);
        cairo_move_to(cr, cx + std::cos(angle) * r * 0.8, cy + std::sin(angle) * r * 0.8 + r * 0.3);
        cairo_line_to(cr, cx + std::cos(angle) * r * 0.95,
                      cy + std::sin(angle) * r * 0.95 + r * 0.3);
    }
    cairo_stroke(cr);
    const double angle = -M_PI / 2 + needle;
    cairo_move_to(cr, cx, cy + r * 0.5);
    cairo_line_to(cr, cx + std::cos(angle) * r * 0.9, cy + r * 0.5 + std::sin(angle) * r * 0.9);
    cairo_set_line_width(cr, 1.5);
    TRgb::Bytes(20, 20, 20).Use(cr);
    cairo_stroke(cr);
    // Glass reflection.
    cairo_arc(cr, cx - r * 0.25, cy - r * 0.35, r * 0.45, 0, 2 * M_PI);
    TRgb{1, 1, 1}.Use(cr, 0.25);
    cairo_fill(cr);
}

void TBenchPhotoArt::DrawToggle(cairo_t* cr, double x, double y, bool up) {
    cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
    FillVertical(cr, y - 9, y + 9, TRgb::Bytes(200, 200, 204), TRgb::Bytes(70, 70, 74));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 2, up ? y - 16 : y + 16);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    TRgb::Bytes(230, 230, 232).Use(cr);
    cairo_stroke(cr);
    cairo_arc(cr, x + 8, y - 22, 3, 0, 2 * M_PI);
    (up ? TRgb::Bytes(255, 80, 40) : TRgb::Bytes(90, 30, 20)).Use(cr);
    cairo_fill(cr);
}

void TBenchPhotoArt::DrawTable(cairo_t* cr) {
    // Table top in perspective, then its front edge.
    cairo_move_to(cr, 0, 250);
    cairo_line_to(cr, SceneSize, 250);
    cairo_line_to(cr, SceneSize, 318);
    cairo_line_to(cr, 0, 318);
    cairo_close_path(cr);
    FillVertical(cr, 250, 318, TRgb::Bytes(150, 112, 70), TRgb::Bytes(186, 144, 92));
    cairo_rectangle(cr, 0, 318, SceneSize, 22);
    FillVertical(cr, 318, 340, TRgb::Bytes(120, 84, 48), TRgb::Bytes(70, 46, 24));
    cairo_rectangle(cr, 0, 340, SceneSize, 60);
    FillVertical(cr, 340, 400, TRgb::Bytes(44, 36, 30), TRgb::Bytes(24, 20, 16));
}

void TBenchPhotoArt::DrawMachine(cairo_t* cr, double x, double y, double length, double radius) {
    const TRgb body = TRgb::Bytes(60, 90, 120);
    // Shadow on the table top.
    TArtCanvas::Ellipse(cr, x + length / 2, y + radius + 4, length * 0.6, 7);
    TRgb{0, 0, 0}.Use(cr, 0.35);
    cairo_fill(cr);
    // Feet, body with cooling ribs, end shields and the shaft.
    cairo_rectangle(cr, x + 10, y + radius * 0.6, length - 20, radius * 0.5);
    TRgb::Bytes(40, 56, 72).Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y - radius, length, 2 * radius);
    FillCylinder(cr, y - radius, y + radius, body);
    cairo_set_line_width(cr, 1);
    for (double rib = x + 8; rib < x + length - 4; rib += 7) {
        cairo_move_to(cr, rib, y - radius);
        cairo_line_to(cr, rib, y + radius);
    }
    TRgb{0, 0, 0}.Use(cr, 0.25);
    cairo_stroke(cr);
    TArtCanvas::Ellipse(cr, x + length, y, 8, radius);
    FillCylinder(cr, y - radius, y + radius, body.Lighter(0.15));
    cairo_rectangle(cr, x + length + 4, y - 4, 22, 8);
    FillCylinder(cr, y - 4, y + 4, TRgb::Bytes(180, 180, 186));
    // Terminal box on top.
    cairo_rectangle(cr, x + length * 0.35, y - radius - 10, length * 0.3, 12);
    FillVertical(cr, y - radius - 10, y - radius + 2, body.Lighter(0.2), body.Darker(0.3));
}

void TBenchPhotoArt::DrawCables(cairo_t* cr) {
    const TRgb colours[] = {TRgb::Bytes(200, 30, 30), TRgb::Bytes(30, 30, 30),
                            TRgb::Bytes(220, 180, 30)};
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 120 + i * 80, 204);
        cairo_curve_to(cr, 110 + i * 80, 250, 140 + i * 30, 230, 130 + i * 40, 232);
        colours[i].Use(cr);
        cairo_stroke(cr);
    }
}

// A photograph: a little grain and a darker rim.
void TBenchPhotoArt::DrawGrain(const TArtCanvas& canvas, double cx, double cy, double radius) {
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* vignette = cairo_pattern_create_radial(cx, cy, radius * 0.5, cx, cy, radius);
    TRgb{0, 0, 0}.Stop(vignette, 0, 0);
    TRgb{0, 0, 0}.Stop(vignette, 1, 0.45);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
    const TArtNoise noise(11);
    canvas.Flush();
    const int top = std::max(0, static_cast<int>(cy - radius));
    const int bottom = std::min(canvas.Height(), static_cast<int>(cy + radius));
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = canvas.Row(y);
        const double half = std::sqrt(std::max(0.0, radius * radius - (y - cy) * (y - cy)));
        for (int x = std::max(0, static_cast<int>(cx - half));
             x < std::min(canvas.Width(), static_cast<int>(cx + half)); ++x) {
            const int delta = static_cast<int>((noise.Cell(x, y) - 0.5) * 14);
            std::uint32_t pixel = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const int value =
                    std::clamp(static_cast<int>((row[x] >> shift) & 0xFF) + delta, 0, 255);
                pixel |= static_cast<std::uint32_t>(value) << shift;
            }
            row[x] = pixel;
        }
    }
    canvas.MarkDirty();
}

void TBenchPhotoArt::DrawBezel(cairo_t* cr, double cx, double cy, double radius) {
    cairo_set_line_width(cr, 10);
    cairo_arc(cr, cx, cy, radius + 5, 0, 2 * M_PI);
    cairo_pattern_t* ring =
        cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
    ArtPalette::Gold.Lighter(0.3).Stop(ring, 0);
    ArtPalette::GoldDark.Stop(ring, 0.5);
    ArtPalette::Gold.Stop(ring, 0.75);
    ArtPalette::GoldDark.Darker(0.3).Stop(ring, 1);
    cairo_set_source(cr, ring);
    cairo_stroke(cr);
    cairo_pattern_destroy(ring);
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, radius + 0.5, 0, 2 * M_PI);
    TRgb{0, 0, 0}.Use(cr, 0.6);
    cairo_stroke(cr);
}
