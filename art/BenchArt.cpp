#include "art/BenchArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtText.h"
#include "art/SignArt.h"
#include "art/WoodTexture.h"

namespace {

struct TSign {
    int width;
    int height;
    const char* caption;
    const char* released;
    const char* pressed;
};

constexpr TSign Signs[] = {
    {153, 97, "МЕНЮ", "ico/m.ico", "ico/m1.ico"},
    {153, 129, "ТЕОРИЯ", "ico/t.ico", "ico/t1.ico"},
    {153, 89, "ВЫХОД", "ico/v2.ico", "ico/v3.ico"},
};

constexpr int PlankHeight = 192;
constexpr TRgb TableLight = TRgb::Bytes(150, 98, 52);
constexpr TRgb TableDark = TRgb::Bytes(74, 40, 16);

// The round inset at the right edge, centred on the column of signs (x 872..1025, y 376..705).
constexpr double InsetX = 1000;
constexpr double InsetY = 540;
constexpr double InsetRadius = 205;

void AddInset(cairo_t* cr) {
    cairo_arc(cr, InsetX, InsetY, InsetRadius, 0, 2 * M_PI);
}

} // namespace

void TBenchArt::Write(const TArtOutput& output) {
    WriteBackground(output);
    WriteSigns(output);
}

void TBenchArt::WriteBackground(const TArtOutput& output) {
    const TArtCanvas canvas(1024, 768);
    TWoodTexture(3, TableLight, TableDark, PlankHeight).Paint(canvas);
    // Light pooled in the middle of the table, the corners falling into shade.
    cairo_pattern_t* light = cairo_pattern_create_radial(480, 360, 80, 512, 384, 720);
    TRgb{1, 0.9, 0.7}.Stop(light, 0, 0.12);
    TRgb{0, 0, 0}.Stop(light, 1, 0.45);
    cairo_set_source(canvas.Cr(), light);
    cairo_paint(canvas.Cr());
    cairo_pattern_destroy(light);
    DrawHeading(canvas);
    DrawInset(canvas);
    output.Jpeg("pictures/bench.jpg", canvas);
}

// An engraved brass name plate screwed to the top edge of the table.
void TBenchArt::DrawHeading(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const TArtText heading(cr, "Лабораторный стенд", "PT Serif Bold 30px");
    const double w = heading.Width() + 80;
    const double h = 44;
    const double x = 512 - w / 2;
    const double y = 8;
    const auto addPlate = [&](cairo_t* c) { TArtCanvas::RoundedRect(c, x, y, w, h, 6); };
    canvas.SoftShadow(addPlate, 2, 4, 5, 0.7);
    addPlate(cr);
    cairo_pattern_t* brass = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h * 1.6);
    TRgb::Bytes(252, 232, 170).Stop(brass, 0);
    TRgb::Bytes(196, 150, 64).Stop(brass, 0.45);
    TRgb::Bytes(236, 200, 120).Stop(brass, 0.7);
    TRgb::Bytes(150, 104, 36).Stop(brass, 1);
    cairo_set_source(cr, brass);
    cairo_fill(cr);
    cairo_pattern_destroy(brass);
    TArtCanvas::RoundedRect(cr, x + 3.5, y + 3.5, w - 7, h - 7, 4);
    cairo_set_line_width(cr, 1);
    TRgb::Bytes(110, 70, 20).Use(cr, 0.6);
    cairo_stroke(cr);
    for (const double sx : {x + 14, x + w - 14}) {
        cairo_arc(cr, sx, y + h / 2, 4, 0, 2 * M_PI);
        TRgb::Bytes(120, 80, 26).Use(cr);
        cairo_fill(cr);
        cairo_move_to(cr, sx - 2.5, y + h / 2 + 2);
        cairo_line_to(cr, sx + 2.5, y + h / 2 - 2);
        TRgb::Bytes(250, 226, 160).Use(cr);
        cairo_stroke(cr);
    }
    heading.DrawCentred(512, y + h / 2 + 1, TRgb::Bytes(255, 240, 200), 0.7);
    heading.DrawCentred(512, y + h / 2, TRgb::Bytes(60, 36, 8));
}

void TBenchArt::DrawInset(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const TArtCanvas darker(canvas.Width(), canvas.Height());
    TWoodTexture(17, TableLight.Darker(0.35), TableDark.Darker(0.45)).Paint(darker);
    AddInset(cr);
    cairo_set_source_surface(cr, darker.Surface(), 0, 0);
    cairo_fill(cr);
    canvas.SoftShadow(AddInset, 6, 7, 10, 0.85, true);
    // A brass ring around the inset's lip.
    cairo_set_line_width(cr, 5);
    AddInset(cr);
    cairo_pattern_t* ring = cairo_pattern_create_linear(InsetX - InsetRadius, InsetY - InsetRadius,
                                                        InsetX, InsetY + InsetRadius);
    TRgb::Bytes(250, 220, 150).Stop(ring, 0);
    TRgb::Bytes(150, 104, 40).Stop(ring, 0.5);
    TRgb::Bytes(90, 60, 20).Stop(ring, 1);
    cairo_set_source(cr, ring);
    cairo_stroke(cr);
    cairo_pattern_destroy(ring);
}

void TBenchArt::WriteSigns(const TArtOutput& output) {
    std::uint32_t seed = 40;
    for (const TSign& sign : Signs) {
        for (const bool pressed : {false, true}) {
            const TArtCanvas canvas(sign.width, sign.height);
            TSignArt::Draw(canvas, sign.caption, seed, pressed);
            output.Icon(pressed ? sign.pressed : sign.released, canvas);
        }
        ++seed;
    }
}
