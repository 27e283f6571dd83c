#include "art/PulleyArt.h"

#include <cmath>
#include <string>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/BeltArt.h"
#include "art/DriveGeometry.h"

namespace {

// The large pulley's picture and the place the screen stretches it over.
constexpr int LargeSide = 170;
constexpr double LargeLeft = 112;
constexpr double LargeTop = 264;
constexpr double LargeWidth = 177;
constexpr double LargeHeight = 185;
// The wheel's phases all lie at one place.
constexpr int PhaseWidth = 132;
constexpr int PhaseHeight = 137;
constexpr double PhaseLeft = 133;
constexpr double PhaseTop = 284;

constexpr double InnerRim = 52;
constexpr double HubRadius = 15;
constexpr double ShaftRadius = 5.5;

constexpr TRgb SteelLight = TRgb::Bytes(226, 230, 234);
constexpr TRgb Steel = TRgb::Bytes(150, 156, 164);
constexpr TRgb SteelDark = TRgb::Bytes(62, 66, 72);
constexpr TRgb Shield = TRgb::Bytes(44, 58, 52);
constexpr TRgb Ink = TRgb::Bytes(20, 22, 24);

constexpr TDriveGeometry::TPoint C = TDriveGeometry::Generator;

// Light falls from the upper left on every part, whatever way the wheel has turned.
cairo_pattern_t* SteelAcross(double radius) {
    cairo_pattern_t* steel =
        cairo_pattern_create_linear(C.x - radius, C.y - radius, C.x + radius, C.y + radius);
    SteelLight.Stop(steel, 0);
    Steel.Stop(steel, 0.5);
    SteelDark.Stop(steel, 1);
    return steel;
}

void FillRing(cairo_t* cr, double inner, double outer, cairo_pattern_t* pattern) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, C.x, C.y, outer, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, C.x, C.y, inner, 2 * M_PI, 0);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
}

} // namespace

void TPulleyArt::Write(const TArtOutput& output) {
    WriteLarge(output);
    for (int phase = 1; phase <= PhaseCount; ++phase) {
        WritePhase(output, phase);
    }
}

// The screen stretches the picture over a taller place than its own; drawn squeezed by the same
// amount, the pulley comes out round.
void TPulleyArt::WriteLarge(const TArtOutput& output) {
    const TArtCanvas canvas(LargeSide, LargeSide);
    cairo_t* cr = canvas.Cr();
    const auto toScreen = [](cairo_t* c) {
        cairo_scale(c, LargeSide / LargeWidth, LargeSide / LargeHeight);
        cairo_translate(c, -LargeLeft, -LargeTop);
    };
    canvas.SoftShadow(
        [&](cairo_t* c) {
            cairo_save(c);
            toScreen(c);
            cairo_arc(c, C.x, C.y, TDriveGeometry::GeneratorRim, 0, 2 * M_PI);
            cairo_restore(c);
        },
        2, 3, 4, 0.6);
    toScreen(cr);
    DrawRim(cr);
    DrawWheel(cr, 0);
    TBeltArt::Draw(cr);
    output.Icon("bench/pulley-large.ico", canvas);
}

void TPulleyArt::WritePhase(const TArtOutput& output, int phase) {
    const TArtCanvas canvas(PhaseWidth, PhaseHeight);
    cairo_translate(canvas.Cr(), -PhaseLeft, -PhaseTop);
    DrawWheel(canvas.Cr(), (phase - 1) * PhaseStep);
    output.Icon("bench/pulley" + std::to_string(phase) + ".ico", canvas);
}

// A turned steel rim with two grooves, its outer edge catching the light.
void TPulleyArt::DrawRim(cairo_t* cr) {
    cairo_pattern_t* steel = SteelAcross(TDriveGeometry::GeneratorRim);
    FillRing(cr, TDriveGeometry::WheelRadius - 1, TDriveGeometry::GeneratorRim, steel);
    cairo_pattern_destroy(steel);
    for (const double groove : {66.0, 71.0}) {
        TArtCanvas::StrokeCircle(cr, C.x, C.y, groove, SteelDark, 1.2, 0.7);
        TArtCanvas::StrokeCircle(cr, C.x, C.y, groove + 1.2, SteelLight, 0.8, 0.5);
    }
    TArtCanvas::StrokeCircle(cr, C.x, C.y, TDriveGeometry::GeneratorRim - 0.5, Ink, 1);
}

// Opaque over its whole disc, so that the phase on top hides the ones beneath.
void TPulleyArt::DrawWheel(cairo_t* cr, double turnDegrees) {
    // The generator's dark end shield seen between the spokes.
    cairo_arc(cr, C.x, C.y, TDriveGeometry::WheelRadius, 0, 2 * M_PI);
    cairo_pattern_t* shield =
        cairo_pattern_create_radial(C.x, C.y, HubRadius, C.x, C.y, TDriveGeometry::WheelRadius);
    Shield.Stop(shield, 0);
    Shield.Darker(0.55).Stop(shield, 1);
    cairo_set_source(cr, shield);
    cairo_fill(cr);
    cairo_pattern_destroy(shield);
    // Spokes, then the wheel's own rim over their ends.
    for (int i = 0; i < SpokeCount; ++i) {
        DrawSpoke(cr, (turnDegrees + i * 360.0 / SpokeCount) * M_PI / 180);
    }
    cairo_pattern_t* steel = SteelAcross(TDriveGeometry::WheelRadius);
    FillRing(cr, InnerRim, TDriveGeometry::WheelRadius, steel);
    cairo_pattern_destroy(steel);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, InnerRim, Ink, 1, 0.8);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, TDriveGeometry::WheelRadius - 0.5, Ink, 1);
    DrawHub(cr);
}

// A spoke tapering from the hub to the rim.
void TPulleyArt::DrawSpoke(cairo_t* cr, double angle) {
    cairo_save(cr);
    cairo_translate(cr, C.x, C.y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, -6);
    cairo_line_to(cr, InnerRim + 2, -3.5);
    cairo_line_to(cr, InnerRim + 2, 3.5);
    cairo_line_to(cr, 0, 6);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_pattern_t* steel = SteelAcross(InnerRim);
    cairo_set_source(cr, steel);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(steel);
    cairo_set_line_width(cr, 0.9);
    Ink.Use(cr, 0.8);
    cairo_stroke(cr);
}

// The hub on the shaft, with the shaft's end.
void TPulleyArt::DrawHub(cairo_t* cr) {
    cairo_arc(cr, C.x, C.y, HubRadius, 0, 2 * M_PI);
    cairo_pattern_t* hub = cairo_pattern_create_radial(C.x - 5, C.y - 5, 1, C.x, C.y, HubRadius);
    SteelLight.Stop(hub, 0);
    Steel.Stop(hub, 0.7);
    SteelDark.Stop(hub, 1);
    cairo_set_source(cr, hub);
    cairo_fill(cr);
    cairo_pattern_destroy(hub);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, HubRadius - 0.5, Ink, 1);
    cairo_arc(cr, C.x, C.y, ShaftRadius, 0, 2 * M_PI);
    SteelDark.Use(cr);
    cairo_fill(cr);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, ShaftRadius + 0.6, SteelLight, 0.8, 0.7);
    cairo_arc(cr, C.x - 1.5, C.y - 1.5, 1.6, 0, 2 * M_PI);
    SteelLight.Use(cr, 0.8);
    cairo_fill(cr);
}
