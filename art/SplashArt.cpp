#include "art/SplashArt.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"
#include "art/ArtOutput.h"
#include "art/ArtText.h"

namespace {

constexpr int Width = 1000;
constexpr int Height = 750;
// The dome's slit, open to the sky.
constexpr double SlitLeft = 560;
constexpr double SlitRight = 700;

void Grey(cairo_t* cr, double value, double alpha = 1) {
    cairo_set_source_rgba(cr, value, value, value, alpha);
}

void FillGreyGradient(cairo_t* cr, double x0, double y0, double x1, double y1, double from,
                      double to) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(pattern, 0, from, from, from);
    cairo_pattern_add_color_stop_rgb(pattern, 1, to, to, to);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

// A tube lit from the upper left: its light band runs along its length.
void FillTube(cairo_t* cr, double x0, double y0, double x1, double y1, double dark, double light) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(pattern, 0, dark, dark, dark);
    cairo_pattern_add_color_stop_rgb(pattern, 0.3, light, light, light);
    cairo_pattern_add_color_stop_rgb(pattern, 0.55, (light + dark) / 2, (light + dark) / 2,
                                     (light + dark) / 2);
    cairo_pattern_add_color_stop_rgb(pattern, 1, dark * 0.5, dark * 0.5, dark * 0.5);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace

void TSplashArt::Write(const TArtOutput& output) {
    const TArtCanvas canvas(Width, Height);
    DrawSky(canvas);
    DrawDome(canvas.Cr());
    DrawFloor(canvas.Cr());
    DrawTelescope(canvas.Cr());
    Tone(canvas);
    DrawCaption(canvas);
    output.Jpeg("pictures/splash.jpg", canvas);
    WriteBlock(output);
}

void TSplashArt::DrawSky(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, Width, Height);
    FillGreyGradient(cr, 0, 0, 0, Height, 0.05, 0.2);
    const TArtNoise stars(23);
    for (int i = 0; i < 400; ++i) {
        const double x = stars.Cell(i, 1) * Width;
        const double y = stars.Cell(i, 2) * Height * 0.8;
        const double size = 0.4 + std::pow(stars.Cell(i, 3), 6) * 2.2;
        cairo_arc(cr, x, y, size, 0, 2 * M_PI);
        Grey(cr, 1, 0.5 + stars.Cell(i, 4) * 0.5);
        cairo_fill(cr);
    }
}

void TSplashArt::DrawDome(cairo_t* cr) {
    // The dome's inside: a dark vault around the lit slit.
    cairo_rectangle(cr, 0, 0, Width, Height);
    cairo_rectangle(cr, SlitRight, 0, SlitLeft - SlitRight, 470);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* vault = cairo_pattern_create_radial(630, 560, 60, 560, 500, 760);
    cairo_pattern_add_color_stop_rgb(vault, 0, 0.42, 0.42, 0.42);
    cairo_pattern_add_color_stop_rgb(vault, 0.6, 0.16, 0.16, 0.16);
    cairo_pattern_add_color_stop_rgb(vault, 1, 0.03, 0.03, 0.03);
    cairo_set_source(cr, vault);
    cairo_fill(cr);
    cairo_pattern_destroy(vault);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Ribs of the dome converging at the top.
    cairo_set_line_width(cr, 6);
    for (int rib = -4; rib <= 4; ++rib) {
        if (rib == 0) {
            continue;
        }
        cairo_move_to(cr, 630 + rib * 40, -20);
        cairo_curve_to(cr, 630 + rib * 120, 160, 630 + rib * 160, 340, 630 + rib * 190, 500);
        Grey(cr, rib < 0 ? 0.3 : 0.22, 0.7);
        cairo_stroke(cr);
    }
    // Shutter edges of the slit catch the starlight.
    for (const double x : {SlitLeft, SlitRight}) {
        cairo_rectangle(cr, x - 8, 0, 16, 470);
        FillGreyGradient(cr, x - 8, 0, x + 8, 0, 0.45, 0.12);
    }
    // The base ring of the dome.
    cairo_rectangle(cr, 0, 470, Width, 26);
    FillGreyGradient(cr, 0, 470, 0, 496, 0.5, 0.15);
}

void TSplashArt::DrawFloor(cairo_t* cr) {
    cairo_rectangle(cr, 0, 496, Width, Height - 496);
    FillGreyGradient(cr, 0, 496, 0, Height, 0.22, 0.06);
    // Floor boards running towards the viewer.
    cairo_set_line_width(cr, 1.5);
    for (int board = -12; board <= 12; ++board) {
        cairo_move_to(cr, 500 + board * 30, 496);
        cairo_line_to(cr, 500 + board * 110, Height);
    }
    Grey(cr, 0.05, 0.6);
    cairo_stroke(cr);
}

void TSplashArt::DrawTelescope(cairo_t* cr) {
    // Pier.
    cairo_move_to(cr, 450, 700);
    cairo_line_to(cr, 470, 470);
    cairo_line_to(cr, 530, 470);
    cairo_line_to(cr, 550, 700);
    cairo_close_path(cr);
    FillTube(cr, 450, 0, 550, 0, 0.2, 0.6);
    cairo_rectangle(cr, 420, 690, 160, 24);
    FillGreyGradient(cr, 0, 690, 0, 714, 0.5, 0.15);
    // Polar axis and counterweight.
    cairo_save(cr);
    cairo_translate(cr, 500, 460);
    cairo_rotate(cr, -0.7);
    cairo_rectangle(cr, -90, -14, 150, 28);
    FillTube(cr, 0, -14, 0, 14, 0.2, 0.7);
    cairo_rectangle(cr, -150, -34, 60, 68);
    FillTube(cr, 0, -34, 0, 34, 0.15, 0.55);
    cairo_restore(cr);
    // The tube, pointing up through the slit.
    cairo_save(cr);
    cairo_translate(cr, 540, 400);
    cairo_rotate(cr, -0.95);
    cairo_rectangle(cr, -150, -38, 470, 76);
    FillTube(cr, 0, -38, 0, 38, 0.25, 0.85);
    for (const double x : {-150.0, 20.0, 250.0}) {
        cairo_rectangle(cr, x, -42, 18, 84);
        FillTube(cr, 0, -42, 0, 42, 0.15, 0.7);
    }
    cairo_rectangle(cr, 300, -44, 30, 88);
    FillTube(cr, 0, -44, 0, 44, 0.1, 0.6);
    // Eyepiece and finder.
    cairo_rectangle(cr, -190, -10, 40, 20);
    FillTube(cr, 0, -10, 0, 10, 0.1, 0.6);
    cairo_rectangle(cr, -40, -70, 180, 18);
    FillTube(cr, 0, -70, 0, -52, 0.2, 0.75);
    cairo_restore(cr);
}

// Sepia toning, film grain and a vignette, as in an old print.
void TSplashArt::Tone(const TArtCanvas& canvas) {
    const TArtNoise grain(31);
    canvas.Flush();
    for (int y = 0; y < Height; ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = 0; x < Width; ++x) {
            const double value = ((row[x] >> 16) & 0xFF) / 255.0;
            const double dx = (x - Width / 2.0) / Width;
            const double dy = (y - Height / 2.0) / Height;
            const double vignette = 1 - 0.9 * (dx * dx + dy * dy);
            const double v = std::clamp(
                (value * vignette + (grain.Cell(x, y) - 0.5) * 0.06) * 1.05 + 0.04, 0.0, 1.0);
            const auto channel = [&](double power, double scale) {
                return static_cast<std::uint32_t>(std::clamp(std::pow(v, power) * scale, 0.0, 1.0) *
                                                  255);
            };
            row[x] = 0xFF000000u | channel(0.85, 1.08) << 16 | channel(1.0, 0.95) << 8 |
                     channel(1.3, 0.78);
        }
    }
    canvas.MarkDirty();
}

void TSplashArt::DrawCaption(const TArtCanvas& canvas) {
    const TArtText caption(canvas.Cr(), "Загрузка...", "PT Serif Bold Italic 72px");
    caption.Draw(44, 34, TRgb{0, 0, 0}, 0.6);
    caption.Draw(40, 30, TRgb::Bytes(250, 232, 196));
}

void TSplashArt::WriteBlock(const TArtOutput& output) {
    const TArtCanvas canvas(20, 40);
    cairo_t* cr = canvas.Cr();
    canvas.Fill(TRgb::Bytes(40, 26, 12));
    TArtCanvas::RoundedRect(cr, 1, 1, 18, 38, 3);
    cairo_pattern_t* bar = cairo_pattern_create_linear(1, 0, 19, 0);
    TRgb::Bytes(150, 80, 10).Stop(bar, 0);
    TRgb::Bytes(255, 214, 120).Stop(bar, 0.35);
    TRgb::Bytes(240, 160, 30).Stop(bar, 0.6);
    TRgb::Bytes(120, 60, 6).Stop(bar, 1);
    cairo_set_source(cr, bar);
    cairo_fill(cr);
    cairo_pattern_destroy(bar);
    TArtCanvas::RoundedRect(cr, 4, 3, 5, 34, 2.5);
    TRgb{1, 1, 1}.Use(cr, 0.35);
    cairo_fill(cr);
    output.Jpeg("pictures/block.jpg", canvas);
}
