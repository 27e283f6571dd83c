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
// The dome: its zenith lies above the picture, its base ring across the middle.
constexpr double ZenithX = 640;
constexpr double ZenithY = -120;
constexpr double BaseY = 470;
constexpr double FloorY = 560;
// Half the width of the slit, in the units of the meridians.
constexpr double SlitHalf = 0.22;
// The mount's head and the direction the tube points in, up towards the slit.
constexpr TSplashArt::TPoint Head{560, 400};
constexpr double AxisX = 0.565;
constexpr double AxisY = -0.826;

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

// A cylinder from a to b, lit from the upper left across its axis.
void Tube(cairo_t* cr, TSplashArt::TPoint a, TSplashArt::TPoint b, double radius, double dark,
          double light) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double nx = -(b.y - a.y) / length * radius;
    const double ny = (b.x - a.x) / length * radius;
    cairo_move_to(cr, a.x + nx, a.y + ny);
    cairo_line_to(cr, b.x + nx, b.y + ny);
    cairo_line_to(cr, b.x - nx, b.y - ny);
    cairo_line_to(cr, a.x - nx, a.y - ny);
    cairo_close_path(cr);
    // The lit side is the one facing up and left.
    const double side = (nx + ny) < 0 ? 1 : -1;
    FillTube(cr, a.x - side * nx, a.y - side * ny, a.x + side * nx, a.y + side * ny, dark, light);
}

} // namespace

void TSplashArt::Write(const TArtOutput& output) {
    const TArtCanvas canvas(Width, Height);
    DrawSky(canvas);
    DrawDome(canvas.Cr());
    DrawFloor(canvas.Cr());
    DrawLadder(canvas.Cr());
    DrawDesk(canvas.Cr());
    DrawTelescope(canvas.Cr());
    Tone(canvas);
    DrawCaption(canvas);
    output.Jpeg("pictures/splash.jpg", canvas);
    WriteBlock(output);
}

void TSplashArt::DrawSky(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, Width, Height);
    FillGreyGradient(cr, 0, 0, 0, BaseY, 0.04, 0.16);
    // A faint band of the Milky Way across the slit.
    const TArtNoise haze(29);
    for (int i = 0; i < 60; ++i) {
        const double t = i / 60.0;
        const double x = 470 + t * 330 + (haze.Cell(i, 9) - 0.5) * 60;
        const double y = 40 + t * 320 + (haze.Cell(i, 8) - 0.5) * 60;
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, 50);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 0.06);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
        cairo_set_source(cr, glow);
        cairo_paint(cr);
        cairo_pattern_destroy(glow);
    }
    const TArtNoise stars(23);
    for (int i = 0; i < 900; ++i) {
        const double x = stars.Cell(i, 1) * Width;
        const double y = stars.Cell(i, 2) * BaseY;
        const double size = 0.5 + std::pow(stars.Cell(i, 3), 8) * 2.6;
        cairo_arc(cr, x, y, size, 0, 2 * M_PI);
        Grey(cr, 1, 0.4 + stars.Cell(i, 4) * 0.6);
        cairo_fill(cr);
    }
}

// Meridian k of the vault, from the zenith (t = 0) to the base ring (t = 1).
TSplashArt::TPoint TSplashArt::Meridian(double k, double t) {
    const double x = ZenithX + k * 560 * std::sin(t * M_PI / 2);
    const double y = ZenithY + (BaseY - ZenithY) * t - Bulge(x) * t;
    return {x, y};
}

// Rings of the dome seen from below rise towards the middle of the view.
double TSplashArt::Bulge(double x) {
    const double d = (x - ZenithX) / 700;
    return 28 * (1 - d * d);
}

void TSplashArt::AddSlit(cairo_t* cr) {
    for (int i = 0; i <= 40; ++i) {
        const TPoint p = Meridian(-SlitHalf, i / 40.0);
        i == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
    }
    for (int i = 40; i >= 0; --i) {
        const TPoint p = Meridian(SlitHalf, i / 40.0);
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

void TSplashArt::DrawDome(cairo_t* cr) {
    // The vault, lit faintly from a lamp below; the slit is left open to the sky.
    cairo_rectangle(cr, 0, 0, Width, BaseY);
    AddSlit(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* vault = cairo_pattern_create_radial(300, 620, 40, 420, 520, 900);
    cairo_pattern_add_color_stop_rgb(vault, 0, 0.55, 0.55, 0.55);
    cairo_pattern_add_color_stop_rgb(vault, 0.45, 0.24, 0.24, 0.24);
    cairo_pattern_add_color_stop_rgb(vault, 1, 0.05, 0.05, 0.05);
    cairo_set_source(cr, vault);
    cairo_fill(cr);
    cairo_pattern_destroy(vault);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, Width, BaseY);
    AddSlit(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    DrawRibs(cr);
    cairo_restore(cr);
    DrawShutters(cr);
    // The base ring the dome turns on, and the round wall below it.
    cairo_move_to(cr, 0, BaseY - Bulge(0));
    for (int x = 0; x <= Width; x += 20) {
        cairo_line_to(cr, x, BaseY - Bulge(x));
    }
    cairo_line_to(cr, Width, BaseY + 30);
    cairo_line_to(cr, 0, BaseY + 30);
    cairo_close_path(cr);
    FillGreyGradient(cr, 0, BaseY - 60, 0, BaseY + 30, 0.5, 0.12);
    cairo_rectangle(cr, 0, BaseY + 30, Width, FloorY - BaseY - 30);
    FillGreyGradient(cr, 0, BaseY + 30, 0, FloorY, 0.3, 0.18);
}

void TSplashArt::DrawRibs(cairo_t* cr) {
    cairo_set_line_width(cr, 5);
    for (double k = -1.6; k <= 1.61; k += 0.4) {
        for (int i = 0; i <= 40; ++i) {
            const TPoint p = Meridian(k, i / 40.0);
            i == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
        }
        Grey(cr, k < 0 ? 0.34 : 0.2, 0.8);
        cairo_stroke(cr);
    }
    cairo_set_line_width(cr, 3);
    for (const double t : {0.35, 0.6, 0.82}) {
        for (int i = 0; i <= 60; ++i) {
            const TPoint p = Meridian(-2 + i / 15.0, t);
            i == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
        }
        Grey(cr, 0.28, 0.7);
        cairo_stroke(cr);
    }
}

// The shutter edges of the slit catch a little light.
void TSplashArt::DrawShutters(cairo_t* cr) {
    for (const double k : {-SlitHalf, SlitHalf}) {
        for (int i = 0; i <= 40; ++i) {
            const TPoint p = Meridian(k, i / 40.0);
            i == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
        }
        cairo_set_line_width(cr, 14);
        Grey(cr, 0.12);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 4);
        Grey(cr, k < 0 ? 0.6 : 0.4);
        cairo_stroke(cr);
    }
}

void TSplashArt::DrawFloor(cairo_t* cr) {
    cairo_rectangle(cr, 0, FloorY, Width, Height - FloorY);
    FillGreyGradient(cr, 0, FloorY, 0, Height, 0.26, 0.05);
    // Floor boards running towards the viewer.
    cairo_set_line_width(cr, 1.5);
    for (int board = -14; board <= 14; ++board) {
        cairo_move_to(cr, 500 + board * 36, FloorY);
        cairo_line_to(cr, 500 + board * 120, Height);
    }
    Grey(cr, 0.04, 0.6);
    cairo_stroke(cr);
    // Light pooled on the floor by the lamp at the left.
    cairo_pattern_t* pool = cairo_pattern_create_radial(260, 640, 10, 260, 640, 320);
    cairo_pattern_add_color_stop_rgba(pool, 0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(pool, 1, 1, 1, 1, 0);
    cairo_rectangle(cr, 0, FloorY, Width, Height - FloorY);
    cairo_set_source(cr, pool);
    cairo_fill(cr);
    cairo_pattern_destroy(pool);
}

// The observer's ladder leaning on the wall at the right.
void TSplashArt::DrawLadder(cairo_t* cr) {
    Tube(cr, {820, 700}, {880, 330}, 6, 0.1, 0.5);
    Tube(cr, {900, 712}, {950, 336}, 6, 0.1, 0.5);
    for (double t = 0.08; t < 1; t += 0.1) {
        Tube(cr, {820 + 60 * t, 700 - 370 * t}, {900 + 50 * t, 712 - 376 * t}, 3.5, 0.15, 0.55);
    }
}

// A desk with a lamp and an open star atlas, the only light in the room.
void TSplashArt::DrawDesk(cairo_t* cr) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(190, 500, 5, 190, 520, 260);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    for (const double x : {70.0, 300.0}) {
        cairo_rectangle(cr, x, 560, 12, 130);
        FillGreyGradient(cr, x, 0, x + 12, 0, 0.35, 0.1);
    }
    cairo_rectangle(cr, 56, 546, 262, 18);
    FillGreyGradient(cr, 0, 546, 0, 564, 0.6, 0.2);
    // Open atlas: two pages with a few printed star marks.
    cairo_move_to(cr, 150, 540);
    cairo_line_to(cr, 200, 532);
    cairo_line_to(cr, 252, 540);
    cairo_line_to(cr, 250, 548);
    cairo_line_to(cr, 150, 548);
    cairo_close_path(cr);
    Grey(cr, 0.92);
    cairo_fill(cr);
    DrawDeskLamp(cr);
}

// Base, arm and a conical shade pointing down at the desk.
void TSplashArt::DrawDeskLamp(cairo_t* cr) {
    Tube(cr, {100, 544}, {104, 470}, 3, 0.2, 0.7);
    Tube(cr, {104, 470}, {150, 450}, 3, 0.2, 0.7);
    cairo_move_to(cr, 140, 440);
    cairo_line_to(cr, 168, 442);
    cairo_line_to(cr, 186, 484);
    cairo_line_to(cr, 132, 480);
    cairo_close_path(cr);
    FillGreyGradient(cr, 132, 0, 186, 0, 0.55, 0.15);
    TArtCanvas::Ellipse(cr, 159, 482, 27, 5);
    Grey(cr, 1);
    cairo_fill(cr);
    TArtCanvas::Ellipse(cr, 102, 545, 18, 4);
    Grey(cr, 0.3);
    cairo_fill(cr);
}

// A German mount: pier, polar head, counterweight, and the refractor on its saddle.
void TSplashArt::DrawTelescope(cairo_t* cr) {
    DrawPier(cr);
    DrawMount(cr);
    DrawOptics(cr, {Head.x + AxisY * 62, Head.y - AxisX * 62});
}

void TSplashArt::DrawPier(cairo_t* cr) {
    cairo_move_to(cr, 528, 420);
    cairo_line_to(cr, 592, 420);
    cairo_line_to(cr, 612, 680);
    cairo_line_to(cr, 508, 680);
    cairo_close_path(cr);
    FillTube(cr, 508, 0, 612, 0, 0.18, 0.62);
    for (const double dx : {-110.0, 110.0}) {
        Tube(cr, {560, 676}, {560 + dx, 712}, 9, 0.12, 0.55);
    }
    cairo_rectangle(cr, 490, 668, 140, 22);
    FillGreyGradient(cr, 0, 668, 0, 690, 0.55, 0.12);
}

// The counterweight on its shaft, opposite the tube, and the polar axis housing.
void TSplashArt::DrawMount(cairo_t* cr) {
    const TPoint weightEnd{Head.x - AxisY * 150, Head.y + AxisX * 150};
    Tube(cr, Head, weightEnd, 6, 0.2, 0.75);
    Tube(cr, {weightEnd.x + AxisY * 20, weightEnd.y - AxisX * 20},
         {weightEnd.x - AxisY * 22, weightEnd.y + AxisX * 22}, 30, 0.15, 0.6);
    Tube(cr, {Head.x - 30, Head.y + 40}, {Head.x + 26, Head.y - 36}, 24, 0.2, 0.7);
}

// The tube from the eyepiece end to the dew cap with its rings, focuser, diagonal and finder.
void TSplashArt::DrawOptics(cairo_t* cr, TPoint centre) {
    const double ux = AxisX;
    const double uy = AxisY;
    const TPoint back{centre.x - ux * 250, centre.y - uy * 250};
    const TPoint front{centre.x + ux * 260, centre.y + uy * 260};
    Tube(cr, back, front, 40, 0.22, 0.9);
    Tube(cr, {front.x - ux * 70, front.y - uy * 70}, {front.x + ux * 4, front.y + uy * 4}, 46, 0.15,
         0.75);
    for (const double at : {-120.0, 60.0}) {
        Tube(cr, {centre.x + ux * (at - 10), centre.y + uy * (at - 10)},
             {centre.x + ux * (at + 10), centre.y + uy * (at + 10)}, 45, 0.12, 0.6);
    }
    Tube(cr, {back.x - ux * 50, back.y - uy * 50}, back, 16, 0.15, 0.7);
    const TPoint diagonal{back.x - ux * 58, back.y - uy * 58};
    Tube(cr, diagonal, {diagonal.x - uy * 40, diagonal.y + ux * 40}, 9, 0.1, 0.6);
    const TPoint finder{centre.x + uy * 58, centre.y - ux * 58};
    Tube(cr, {finder.x - ux * 30, finder.y - uy * 30}, {finder.x + ux * 110, finder.y + uy * 110},
         10, 0.2, 0.8);
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
