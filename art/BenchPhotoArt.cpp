#include "art/BenchPhotoArt.h"

#include <algorithm>
#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtNoise.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"

namespace {

constexpr double SceneSize = 400;
// The cabinet's front panel and the table in front of it.
constexpr double PanelLeft = 30;
constexpr double PanelRight = 350;
constexpr double PanelTop = 40;
constexpr double PanelBottom = 238;
constexpr double TableBack = 238;
constexpr double TableFront = 352;
// How far towards the camera the machines stand from the back of the table.
constexpr double Forward = 26;

constexpr TRgb PanelGrey = TRgb::Bytes(128, 142, 146);
constexpr TRgb MachineGreen = TRgb::Bytes(76, 110, 96);

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
    color.Lighter(0.5).Stop(pattern, 0.22);
    color.Stop(pattern, 0.5);
    color.Darker(0.7).Stop(pattern, 1);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void Outline(cairo_t* cr, double width, double alpha) {
    cairo_set_line_width(cr, width);
    TRgb{0, 0, 0}.Use(cr, alpha);
    cairo_stroke(cr);
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
    DrawCabinet(cr);
    DrawTable(cr);
    DrawCables(cr);
    cairo_translate(cr, 0, Forward);
    DrawMachineSet(cr);
    DrawRheostat(cr);
    cairo_restore(cr);
    DrawFinish(canvas, cx, cy, radius);
    DrawGrain(canvas, cx, cy, radius);
    DrawBezel(cr, cx, cy, radius);
}

void TBenchPhotoArt::DrawRoom(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, SceneSize, TableBack);
    FillVertical(cr, 0, TableBack, TRgb::Bytes(206, 204, 184), TRgb::Bytes(160, 160, 140));
    // Window light falling on the wall from the left.
    cairo_pattern_t* light = cairo_pattern_create_radial(20, 20, 10, 20, 20, 320);
    TRgb{1, 1, 0.92}.Stop(light, 0, 0.5);
    TRgb{1, 1, 0.92}.Stop(light, 1, 0);
    cairo_rectangle(cr, 0, 0, SceneSize, TableBack);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    // The floor far below the table, in shadow.
    cairo_rectangle(cr, 0, TableFront, SceneSize, SceneSize - TableFront);
    FillVertical(cr, TableFront, SceneSize, TRgb::Bytes(70, 60, 50), TRgb::Bytes(30, 26, 22));
}

void TBenchPhotoArt::DrawCabinet(cairo_t* cr) {
    // Shadow on the wall, the side face seen at an angle, then the front panel.
    cairo_rectangle(cr, PanelLeft + 8, PanelTop + 6, PanelRight - PanelLeft + 30,
                    PanelBottom - PanelTop);
    TRgb{0, 0, 0}.Use(cr, 0.18);
    cairo_fill(cr);
    cairo_move_to(cr, PanelRight, PanelTop);
    cairo_line_to(cr, PanelRight + 24, PanelTop - 8);
    cairo_line_to(cr, PanelRight + 24, PanelBottom - 4);
    cairo_line_to(cr, PanelRight, PanelBottom);
    cairo_close_path(cr);
    FillVertical(cr, PanelTop, PanelBottom, PanelGrey.Darker(0.35), PanelGrey.Darker(0.55));
    cairo_move_to(cr, PanelLeft, PanelTop);
    cairo_line_to(cr, PanelLeft + 20, PanelTop - 8);
    cairo_line_to(cr, PanelRight + 24, PanelTop - 8);
    cairo_line_to(cr, PanelRight, PanelTop);
    cairo_close_path(cr);
    PanelGrey.Lighter(0.3).Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, PanelLeft, PanelTop, PanelRight - PanelLeft, PanelBottom - PanelTop);
    FillVertical(cr, PanelTop, PanelBottom, PanelGrey.Lighter(0.12), PanelGrey.Darker(0.15));
    cairo_rectangle(cr, PanelLeft + 0.5, PanelTop + 0.5, PanelRight - PanelLeft - 1,
                    PanelBottom - PanelTop - 1);
    Outline(cr, 1, 0.6);
    DrawMeter(cr, 52, 54, 62, -0.5, "V");
    DrawMeter(cr, 128, 54, 62, 0.25, "A");
    DrawMeter(cr, 204, 54, 62, 0.6, "mA");
    DrawMeter(cr, 280, 54, 56, -0.1, "V");
    DrawMimic(cr);
    DrawControls(cr);
}

void TBenchPhotoArt::DrawMeter(cairo_t* cr, double x, double y, double size, double needle,
                               const char* unit) {
    // Black bezel, cream dial with an arc scale and a red last section, needle, glass.
    TArtCanvas::RoundedRect(cr, x, y, size, size, 3);
    FillVertical(cr, y, y + size, TRgb::Bytes(60, 60, 62), TRgb::Bytes(14, 14, 16));
    const double inset = size * 0.1;
    cairo_rectangle(cr, x + inset, y + inset, size - 2 * inset, size - 2 * inset);
    FillVertical(cr, y, y + size, TRgb::Bytes(250, 246, 230), TRgb::Bytes(216, 210, 188));
    const double cx = x + size / 2;
    const double cy = y + size * 0.78;
    const double r = size * 0.5;
    DrawMeterScale(cr, cx, cy, r, unit);
    const double angle = -M_PI / 2 + needle;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(angle) * r * 0.9, cy + std::sin(angle) * r * 0.9);
    cairo_set_line_width(cr, 1.1);
    TRgb{0.05, 0.05, 0.05}.Use(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, x + inset, y + inset);
    cairo_line_to(cr, x + size * 0.7, y + inset);
    cairo_line_to(cr, x + inset, y + size * 0.6);
    cairo_close_path(cr);
    TRgb{1, 1, 1}.Use(cr, 0.22);
    cairo_fill(cr);
}

// An arc of ticks about the needle's pivot, its last section red, the unit above the pivot.
void TBenchPhotoArt::DrawMeterScale(cairo_t* cr, double cx, double cy, double r, const char* unit) {
    cairo_set_line_width(cr, 0.8);
    TRgb{0.1, 0.1, 0.1}.Use(cr);
    cairo_arc(cr, cx, cy, r * 0.82, -M_PI * 0.78, -M_PI * 0.22);
    cairo_stroke(cr);
    for (int tick = 0; tick <= 10; ++tick) {
        const double angle = -M_PI * 0.78 + M_PI * 0.56 * tick / 10;
        const double inner = tick % 5 == 0 ? 0.68 : 0.74;
        cairo_move_to(cr, cx + std::cos(angle) * r * inner, cy + std::sin(angle) * r * inner);
        cairo_line_to(cr, cx + std::cos(angle) * r * 0.82, cy + std::sin(angle) * r * 0.82);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, cx, cy, r * 0.86, -M_PI * 0.32, -M_PI * 0.22);
    TRgb::Bytes(200, 30, 20).Use(cr);
    cairo_stroke(cr);
    const TArtText label(cr, unit, "PT Sans Bold 9px");
    label.DrawCentred(cx, cy - r * 0.32, TRgb{0.1, 0.1, 0.1});
}

// White lines of the circuit printed on the panel, joining the machine symbols.
void TBenchPhotoArt::DrawMimic(cairo_t* cr) {
    cairo_set_line_width(cr, 1.6);
    TRgb{0.97, 0.97, 0.95}.Use(cr, 0.9);
    cairo_move_to(cr, 60, 150);
    cairo_line_to(cr, 320, 150);
    cairo_move_to(cr, 60, 178);
    cairo_line_to(cr, 320, 178);
    for (const double x : {60.0, 150.0, 240.0, 320.0}) {
        cairo_move_to(cr, x, 150);
        cairo_line_to(cr, x, 178);
    }
    cairo_stroke(cr);
    for (const double x : {105.0, 195.0}) {
        cairo_arc(cr, x, 164, 9, 0, 2 * M_PI);
        PanelGrey.Use(cr);
        cairo_fill_preserve(cr);
        TRgb{0.97, 0.97, 0.95}.Use(cr);
        cairo_stroke(cr);
        cairo_move_to(cr, x - 9, 150);
        cairo_line_to(cr, x - 9, 155);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, 276, 158, 22, 12);
    PanelGrey.Use(cr);
    cairo_fill_preserve(cr);
    TRgb{0.97, 0.97, 0.95}.Use(cr);
    cairo_stroke(cr);
}

void TBenchPhotoArt::DrawControls(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) {
        DrawTerminal(cr, 48 + i * 14, 210, i % 2 == 0);
    }
    for (int i = 0; i < 3; ++i) {
        DrawToggle(cr, 126 + i * 26, 208, i != 1);
    }
    DrawKnob(cr, 222, 208, 11);
    DrawLamp(cr, 258, 200, 1, 0.25, 0.15, true);
    DrawLamp(cr, 276, 200, 0.2, 0.9, 0.3, true);
    DrawLamp(cr, 294, 200, 1, 0.75, 0.1, false);
    for (int i = 0; i < 2; ++i) {
        DrawTerminal(cr, 316 + i * 14, 210, i == 0);
    }
}

void TBenchPhotoArt::DrawTerminal(cairo_t* cr, double x, double y, bool red) {
    const TRgb color = red ? TRgb::Bytes(196, 30, 26) : TRgb::Bytes(30, 30, 32);
    cairo_arc(cr, x + 1, y + 2, 5.5, 0, 2 * M_PI);
    TRgb{0, 0, 0}.Use(cr, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, x, y, 5.5, 0, 2 * M_PI);
    cairo_pattern_t* cap = cairo_pattern_create_radial(x - 2, y - 2, 0.5, x, y, 5.5);
    color.Lighter(0.6).Stop(cap, 0);
    color.Stop(cap, 0.5);
    color.Darker(0.5).Stop(cap, 1);
    cairo_set_source(cr, cap);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);
}

void TBenchPhotoArt::DrawToggle(cairo_t* cr, double x, double y, bool up) {
    cairo_arc(cr, x, y, 7, 0, 2 * M_PI);
    FillVertical(cr, y - 7, y + 7, TRgb::Bytes(220, 220, 222), TRgb::Bytes(80, 80, 84));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 1.5, up ? y - 13 : y + 13);
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    TRgb::Bytes(236, 236, 238).Use(cr);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void TBenchPhotoArt::DrawLamp(cairo_t* cr, double x, double y, double r, double g, double b,
                              bool lit) {
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 2, x, y, 14);
        cairo_pattern_add_color_stop_rgba(glow, 0, r, g, b, 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 1, r, g, b, 0);
        cairo_arc(cr, x, y, 14, 0, 2 * M_PI);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    const double dim = lit ? 1 : 0.35;
    cairo_arc(cr, x, y, 5, 0, 2 * M_PI);
    cairo_pattern_t* lens = cairo_pattern_create_radial(x - 1.5, y - 1.5, 0.5, x, y, 5);
    cairo_pattern_add_color_stop_rgb(lens, 0, 1, 1, lit ? 0.9 : 0.6);
    cairo_pattern_add_color_stop_rgb(lens, 0.5, r * dim, g * dim, b * dim);
    cairo_pattern_add_color_stop_rgb(lens, 1, r * dim * 0.5, g * dim * 0.5, b * dim * 0.5);
    cairo_set_source(cr, lens);
    cairo_fill(cr);
    cairo_pattern_destroy(lens);
}

void TBenchPhotoArt::DrawKnob(cairo_t* cr, double x, double y, double radius) {
    cairo_arc(cr, x + 1, y + 2, radius, 0, 2 * M_PI);
    TRgb{0, 0, 0}.Use(cr, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_pattern_t* knob = cairo_pattern_create_radial(x - 3, y - 3, 1, x, y, radius);
    TRgb::Bytes(110, 110, 114).Stop(knob, 0);
    TRgb::Bytes(20, 20, 22).Stop(knob, 1);
    cairo_set_source(cr, knob);
    cairo_fill(cr);
    cairo_pattern_destroy(knob);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + radius * 0.7, y - radius * 0.7);
    cairo_set_line_width(cr, 1.5);
    TRgb{1, 1, 1}.Use(cr, 0.9);
    cairo_stroke(cr);
}

void TBenchPhotoArt::DrawTable(cairo_t* cr) {
    // Table top in perspective: it widens towards the camera.
    cairo_move_to(cr, -10, TableBack);
    cairo_line_to(cr, SceneSize + 10, TableBack);
    cairo_line_to(cr, SceneSize + 40, TableFront);
    cairo_line_to(cr, -40, TableFront);
    cairo_close_path(cr);
    FillVertical(cr, TableBack, TableFront, TRgb::Bytes(120, 100, 80), TRgb::Bytes(176, 150, 118));
    cairo_rectangle(cr, 0, TableFront, SceneSize, 16);
    FillVertical(cr, TableFront, TableFront + 16, TRgb::Bytes(150, 120, 86),
                 TRgb::Bytes(72, 54, 36));
    // The cabinet's shadow on the back of the table.
    cairo_rectangle(cr, 0, TableBack, SceneSize, 10);
    FillVertical(cr, TableBack, TableBack + 10, TRgb{0, 0, 0}, TRgb{0.4, 0.33, 0.26});
    cairo_rectangle(cr, 0, TableBack, SceneSize, 10);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, TableBack, 0, TableBack + 10);
    TRgb{0, 0, 0}.Stop(fade, 0, 0.35);
    TRgb{0, 0, 0}.Stop(fade, 1, 0);
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
}

void TBenchPhotoArt::DrawMachineSet(cairo_t* cr) {
    // The common bedplate, then motor and generator joined by a coupling.
    cairo_rectangle(cr, 40, 288, 236, 10);
    FillVertical(cr, 288, 298, TRgb::Bytes(70, 74, 78), TRgb::Bytes(30, 32, 34));
    TArtCanvas::Ellipse(cr, 158, 300, 130, 8);
    TRgb{0, 0, 0}.Use(cr, 0.3);
    cairo_fill(cr);
    DrawMachine(cr, 48, 262, 100, 26);
    cairo_rectangle(cr, 150, 256, 18, 12);
    FillCylinder(cr, 256, 268, TRgb::Bytes(160, 160, 166));
    DrawMachine(cr, 170, 264, 92, 23);
}

void TBenchPhotoArt::DrawMachine(cairo_t* cr, double x, double y, double length, double radius) {
    // Feet, the ribbed frame, end shields and the terminal box on top.
    cairo_rectangle(cr, x + 10, y + radius * 0.5, length - 20, radius * 0.55 + 2);
    MachineGreen.Darker(0.5).Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y - radius, length, 2 * radius);
    FillCylinder(cr, y - radius, y + radius, MachineGreen);
    cairo_set_line_width(cr, 1.2);
    for (double rib = x + 10; rib < x + length - 8; rib += 6) {
        cairo_move_to(cr, rib, y - radius + 2);
        cairo_line_to(cr, rib, y + radius - 2);
    }
    TRgb{0, 0, 0}.Use(cr, 0.22);
    cairo_stroke(cr);
    for (const double end : {x, x + length}) {
        TArtCanvas::Ellipse(cr, end, y, 7, radius + 1);
        FillCylinder(cr, y - radius, y + radius, MachineGreen.Lighter(0.12));
    }
    cairo_rectangle(cr, x + length * 0.38, y - radius - 9, length * 0.24, 11);
    FillVertical(cr, y - radius - 9, y - radius + 2, MachineGreen.Lighter(0.35),
                 MachineGreen.Darker(0.3));
    // A maker's plate.
    cairo_rectangle(cr, x + length * 0.15, y - 4, 14, 9);
    TRgb::Bytes(210, 200, 170).Use(cr, 0.85);
    cairo_fill(cr);
}

void TBenchPhotoArt::DrawRheostat(cairo_t* cr) {
    // A slide rheostat: wire wound on a ceramic tube between two end plates, a slider on a bar.
    const double x = 290;
    const double y = 272;
    const double length = 96;
    for (const double end : {x, x + length}) {
        cairo_rectangle(cr, end - 4, y - 16, 8, 36);
        FillVertical(cr, y - 16, y + 20, TRgb::Bytes(90, 90, 96), TRgb::Bytes(40, 40, 44));
    }
    cairo_rectangle(cr, x + 4, y - 6, length - 8, 20);
    FillCylinder(cr, y - 6, y + 14, TRgb::Bytes(170, 120, 70));
    cairo_set_line_width(cr, 0.6);
    for (double turn = x + 6; turn < x + length - 6; turn += 2.2) {
        cairo_move_to(cr, turn, y - 6);
        cairo_line_to(cr, turn + 1, y + 14);
    }
    TRgb{0.2, 0.12, 0.05}.Use(cr, 0.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, x, y - 15, length, 4);
    FillCylinder(cr, y - 15, y - 11, TRgb::Bytes(190, 190, 196));
    cairo_rectangle(cr, x + 58, y - 20, 12, 16);
    FillVertical(cr, y - 20, y - 4, TRgb::Bytes(60, 60, 64), TRgb::Bytes(20, 20, 22));
}

void TBenchPhotoArt::DrawCables(cairo_t* cr) {
    struct TCable {
        double x0, y0, x1, y1;
        TRgb color;
    };
    const TCable cables[] = {
        {48, 210, 110, 236, TRgb::Bytes(200, 30, 26)},
        {62, 210, 100, 240, TRgb::Bytes(30, 30, 32)},
        {76, 210, 200, 242, TRgb::Bytes(40, 70, 190)},
        {316, 210, 300, 258, TRgb::Bytes(200, 30, 26)},
        {330, 210, 378, 258, TRgb::Bytes(30, 30, 32)},
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const TCable& cable : cables) {
        cairo_move_to(cr, cable.x0, cable.y0);
        cairo_curve_to(cr, cable.x0 + 4, cable.y0 + 40, cable.x1 - 6, cable.y1 + Forward + 10,
                       cable.x1, cable.y1 + Forward);
        cairo_set_line_width(cr, 3.2);
        cable.color.Darker(0.4).Use(cr);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        cable.color.Lighter(0.3).Use(cr);
        cairo_stroke(cr);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// The lens: a warm cast, a vignette and a faint sheen on the print.
void TBenchPhotoArt::DrawFinish(const TArtCanvas& canvas, double cx, double cy, double radius) {
    cairo_t* cr = canvas.Cr();
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    TRgb::Bytes(255, 200, 120).Use(cr, 0.08);
    cairo_fill(cr);
    cairo_pattern_t* vignette = cairo_pattern_create_radial(cx, cy, radius * 0.55, cx, cy, radius);
    TRgb{0, 0, 0}.Stop(vignette, 0, 0);
    TRgb{0, 0, 0}.Stop(vignette, 1, 0.5);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
    cairo_pattern_t* sheen =
        cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
    TRgb{1, 1, 1}.Stop(sheen, 0, 0.22);
    TRgb{1, 1, 1}.Stop(sheen, 0.45, 0);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
}

void TBenchPhotoArt::DrawGrain(const TArtCanvas& canvas, double cx, double cy, double radius) {
    const TArtNoise noise(11);
    canvas.Flush();
    const int top = std::max(0, static_cast<int>(cy - radius));
    const int bottom = std::min(canvas.Height(), static_cast<int>(cy + radius));
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = canvas.Row(y);
        const double half = std::sqrt(std::max(0.0, radius * radius - (y - cy) * (y - cy)));
        const int left = std::max(0, static_cast<int>(cx - half));
        const int right = std::min(canvas.Width(), static_cast<int>(cx + half));
        for (int x = left; x < right; ++x) {
            const int delta = static_cast<int>((noise.Cell(x, y) - 0.5) * 14);
            row[x] = TArtCanvas::Grained(row[x], delta);
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
