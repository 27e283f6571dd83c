#include "art/MotorArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/BeltArt.h"
#include "art/DriveGeometry.h"

namespace {

constexpr int Width = 193;
constexpr int Height = 209;
constexpr double Left = 0;
constexpr double Top = 496;

constexpr TDriveGeometry::TPoint C = TDriveGeometry::Motor;
constexpr double HousingRadius = 86;
constexpr double FinDepth = 10;
constexpr int FinCount = 36;
constexpr double ShieldRadius = 66;
constexpr double BearingRadius = 36;
constexpr double FeetTop = C.y + 50;
constexpr double FeetBottom = Top + 204;

constexpr TRgb Paint = TRgb::Bytes(58, 92, 120);
constexpr TRgb ShieldPaint = TRgb::Bytes(88, 120, 146);
constexpr TRgb SteelLight = TRgb::Bytes(226, 230, 234);
constexpr TRgb Steel = TRgb::Bytes(150, 156, 164);
constexpr TRgb SteelDark = TRgb::Bytes(62, 66, 72);
constexpr TRgb Ink = TRgb::Bytes(16, 20, 26);

// Light falls from the upper left.
cairo_pattern_t* LitAcross(double radius, const TRgb& color) {
    cairo_pattern_t* pattern =
        cairo_pattern_create_linear(C.x - radius, C.y - radius, C.x + radius, C.y + radius);
    color.Lighter(0.35).Stop(pattern, 0);
    color.Stop(pattern, 0.5);
    color.Darker(0.5).Stop(pattern, 1);
    return pattern;
}

void FillCircle(cairo_t* cr, double radius, cairo_pattern_t* pattern) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, C.x, C.y, radius, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void AddFeet(cairo_t* cr) {
    cairo_move_to(cr, C.x - 58, FeetTop);
    cairo_line_to(cr, C.x + 58, FeetTop);
    cairo_line_to(cr, C.x + 86, FeetBottom - 10);
    cairo_line_to(cr, C.x + 86, FeetBottom);
    cairo_line_to(cr, C.x - 86, FeetBottom);
    cairo_line_to(cr, C.x - 86, FeetBottom - 10);
    cairo_close_path(cr);
}

} // namespace

void TMotorArt::Write(const TArtOutput& output) {
    const TArtCanvas canvas(Width, Height);
    cairo_t* cr = canvas.Cr();
    canvas.SoftShadow(
        [](cairo_t* c) { TArtCanvas::Ellipse(c, C.x - Left, FeetBottom - Top - 2, 92, 5); }, 2, 0,
        3, 0.7);
    cairo_translate(cr, -Left, -Top);
    DrawFeet(cr);
    DrawHousing(cr);
    DrawEndShield(cr);
    DrawPulley(cr);
    TBeltArt::Draw(cr);
    output.Icon("bench/motor.ico", canvas);
}

// The cast feet the housing stands on, bolted down at both ends.
void TMotorArt::DrawFeet(cairo_t* cr) {
    AddFeet(cr);
    cairo_pattern_t* cast = cairo_pattern_create_linear(0, FeetTop, 0, FeetBottom);
    Paint.Stop(cast, 0);
    Paint.Darker(0.55).Stop(cast, 1);
    cairo_set_source(cr, cast);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(cast);
    cairo_set_line_width(cr, 1);
    Ink.Use(cr);
    cairo_stroke(cr);
    for (const double side : {-1.0, 1.0}) {
        const double x = C.x + side * 74;
        cairo_arc(cr, x, FeetBottom - 6, 4, 0, 2 * M_PI);
        SteelDark.Use(cr);
        cairo_fill(cr);
        cairo_arc(cr, x - 1, FeetBottom - 7, 1.5, 0, 2 * M_PI);
        SteelLight.Use(cr, 0.8);
        cairo_fill(cr);
    }
}

// The ribbed cast housing: fins all round its edge.
void TMotorArt::DrawHousing(cairo_t* cr) {
    FillCircle(cr, HousingRadius, LitAcross(HousingRadius, Paint));
    // Each fin: its shaded side, then its lit edge beside it.
    cairo_set_line_width(cr, 1.4);
    for (int i = 0; i < FinCount; ++i) {
        const double angle = 2 * M_PI * i / FinCount;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        for (const double side : {0.0, 1.5}) {
            cairo_move_to(cr, C.x + c * (HousingRadius - FinDepth) - s * side,
                          C.y + s * (HousingRadius - FinDepth) + c * side);
            cairo_line_to(cr, C.x + c * (HousingRadius - 1) - s * side,
                          C.y + s * (HousingRadius - 1) + c * side);
            if (side == 0) {
                Ink.Use(cr, 0.55);
            } else {
                SteelLight.Use(cr, 0.3);
            }
            cairo_stroke(cr);
        }
    }
    TArtCanvas::StrokeCircle(cr, C.x, C.y, HousingRadius - 0.5, Ink, 1);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, HousingRadius - FinDepth, Ink, 1.2, 0.7);
}

// The end shield, lighter than the housing, with a ring of air slots.
void TMotorArt::DrawEndShield(cairo_t* cr) {
    FillCircle(cr, ShieldRadius, LitAcross(ShieldRadius, ShieldPaint));
    TArtCanvas::StrokeCircle(cr, C.x, C.y, ShieldRadius, SteelLight, 1, 0.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    for (int i = 0; i < 12; ++i) {
        const double from = 2 * M_PI * i / 12 + 0.08;
        cairo_new_sub_path(cr);
        cairo_arc(cr, C.x, C.y, 43, from, from + 2 * M_PI / 12 - 0.3);
        Ink.Use(cr, 0.75);
        cairo_stroke(cr);
    }
    FillCircle(cr, BearingRadius, LitAcross(BearingRadius, ShieldPaint.Lighter(0.1)));
    TArtCanvas::StrokeCircle(cr, C.x, C.y, BearingRadius, Ink, 1, 0.6);
}

// The steel pulley on the shaft's end.
void TMotorArt::DrawPulley(cairo_t* cr) {
    cairo_pattern_t* steel =
        cairo_pattern_create_linear(C.x - TDriveGeometry::MotorRim, C.y - TDriveGeometry::MotorRim,
                                    C.x + TDriveGeometry::MotorRim, C.y + TDriveGeometry::MotorRim);
    SteelLight.Stop(steel, 0);
    Steel.Stop(steel, 0.5);
    SteelDark.Stop(steel, 1);
    FillCircle(cr, TDriveGeometry::MotorRim, steel);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, TDriveGeometry::MotorRim - 0.5, Ink, 1);
    TArtCanvas::StrokeCircle(cr, C.x, C.y, TDriveGeometry::MotorRim - 6, SteelDark, 1, 0.6);
    cairo_arc(cr, C.x, C.y, 6, 0, 2 * M_PI);
    SteelDark.Use(cr);
    cairo_fill(cr);
}
