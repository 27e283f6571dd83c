#include "art/PilotLampArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"

namespace {

constexpr int Side = 20;
constexpr double Centre = Side / 2.0;
constexpr double BezelRadius = 9.5;
constexpr double LensRadius = 6.5;

} // namespace

void TPilotLampArt::Write(const TArtOutput& output) {
    const struct {
        const char* name;
        TRgb lens;
        bool lit;
    } lamps[] = {
        {"bench/lamp-dim.ico", TRgb::Bytes(34, 80, 36), false},
        {"bench/lamp-red.ico", TRgb::Bytes(236, 30, 20), true},
        {"bench/lamp-bright.ico", TRgb::Bytes(60, 230, 70), true},
    };
    for (const auto& lamp : lamps) {
        const TArtCanvas canvas(Side, Side);
        Draw(canvas, lamp.lens, lamp.lit);
        output.Icon(lamp.name, canvas);
    }
}

void TPilotLampArt::Draw(const TArtCanvas& canvas, const TRgb& lens, bool lit) {
    cairo_t* cr = canvas.Cr();
    // Chrome bezel, lit from the upper left.
    cairo_arc(cr, Centre, Centre, BezelRadius, 0, 2 * M_PI);
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, 0, Side, Side);
    TRgb::Bytes(245, 245, 248).Stop(chrome, 0);
    TRgb::Bytes(120, 124, 130).Stop(chrome, 0.55);
    TRgb::Bytes(40, 42, 46).Stop(chrome, 1);
    cairo_set_source(cr, chrome);
    cairo_fill(cr);
    cairo_pattern_destroy(chrome);
    cairo_arc(cr, Centre, Centre, LensRadius + 1, 0, 2 * M_PI);
    TRgb::Bytes(20, 20, 22).Use(cr);
    cairo_fill(cr);
    // The lens: domed, and when lit bright at its heart.
    cairo_arc(cr, Centre, Centre, LensRadius, 0, 2 * M_PI);
    cairo_pattern_t* glass =
        cairo_pattern_create_radial(Centre - 1, Centre - 1, 0.5, Centre, Centre, LensRadius);
    lens.Lighter(lit ? 0.7 : 0.2).Stop(glass, 0);
    lens.Stop(glass, lit ? 0.5 : 0.35);
    lens.Darker(lit ? 0.25 : 0.55).Stop(glass, 1);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    TArtCanvas::Ellipse(cr, Centre - 2, Centre - 2.5, 2.5, 1.6);
    TRgb{1, 1, 1}.Use(cr, lit ? 0.75 : 0.45);
    cairo_fill(cr);
}
