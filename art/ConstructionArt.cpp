#include "art/ConstructionArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtText.h"

namespace {

constexpr int Width = 417;
constexpr int Height = 345;
constexpr double Cx = 158;
constexpr double Cy = 186;
constexpr double YokeOuter = 150;
constexpr double YokeInner = 128;
constexpr double PoleShoe = 82;
constexpr double ArmatureRadius = 74;
constexpr double CommutatorRadius = 28;
constexpr double ShaftRadius = 11;
constexpr int SlotCount = 18;

constexpr TRgb Ink = TRgb::Bytes(24, 24, 30);
constexpr TRgb Steel = TRgb::Bytes(150, 158, 170);
constexpr TRgb Copper = TRgb::Bytes(205, 110, 40);

// Fills the current path and outlines it in ink, as the drawing's parts all are.
void FillOutlined(cairo_t* cr, double lineWidth) {
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, lineWidth);
    Ink.Use(cr);
    cairo_stroke(cr);
}

void FillShaded(cairo_t* cr, const TRgb& color) {
    cairo_pattern_t* pattern =
        cairo_pattern_create_linear(Cx - YokeOuter, Cy - YokeOuter, Cx + YokeOuter, Cy + YokeOuter);
    color.Lighter(0.35).Stop(pattern, 0);
    color.Darker(0.25).Stop(pattern, 1);
    cairo_set_source(cr, pattern);
    FillOutlined(cr, 1.2);
    cairo_pattern_destroy(pattern);
}

// Section hatching at 45 degrees within the current clip.
void Hatch(cairo_t* cr, double spacing) {
    cairo_set_line_width(cr, 0.6);
    for (double d = -2 * YokeOuter; d < 2 * YokeOuter; d += spacing) {
        cairo_move_to(cr, Cx + d - YokeOuter, Cy + YokeOuter);
        cairo_line_to(cr, Cx + d + YokeOuter, Cy - YokeOuter);
    }
    Ink.Use(cr, 0.35);
    cairo_stroke(cr);
}

struct TLabel {
    const char* text;
    double tx;
    double ty;
    double px;
    double py;
};

} // namespace

void TConstructionArt::Write(const TArtOutput& output) {
    const TArtCanvas canvas(Width, Height);
    canvas.Fill(TRgb{1, 1, 1});
    cairo_t* cr = canvas.Cr();
    const TArtText title(cr, "Устройство генератора постоянного тока", "PT Sans Bold 15px");
    title.Draw((Width - title.Width()) / 2, 6, Ink);
    DrawYoke(cr);
    DrawPole(cr, -M_PI / 2, "N");
    DrawPole(cr, M_PI / 2, "S");
    DrawArmature(cr);
    DrawFluxLines(cr);
    DrawCommutator(cr);
    DrawLabels(canvas);
    output.Jpeg("ico/1(new).jpg", canvas);
}

void TConstructionArt::DrawYoke(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, Cx, Cy, YokeOuter, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, Cx, Cy, YokeInner, 2 * M_PI, 0);
    cairo_save(cr);
    FillShaded(cr, Steel.Darker(0.1));
    cairo_arc(cr, Cx, Cy, YokeOuter, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, Cx, Cy, YokeInner, 2 * M_PI, 0);
    cairo_clip(cr);
    Hatch(cr, 7);
    cairo_restore(cr);
    cairo_new_path(cr);
}

// A pole core bolted to the yoke, its shoe following the armature, a coil on each side.
void TConstructionArt::DrawPole(cairo_t* cr, double angle, const char* letter) {
    cairo_save(cr);
    cairo_translate(cr, Cx, Cy);
    cairo_rotate(cr, angle + M_PI / 2);
    // In these coordinates the pole points up (towards -y) from the centre.
    const double coreHalf = 22;
    const double shoeOuter = PoleShoe + 14;
    const double coreMeets = std::asin(coreHalf / shoeOuter);
    const double shoeHalf = 0.62;
    cairo_move_to(cr, -coreHalf, -YokeInner - 4);
    cairo_line_to(cr, -coreHalf, -std::sqrt(shoeOuter * shoeOuter - coreHalf * coreHalf));
    cairo_arc_negative(cr, 0, 0, shoeOuter, -M_PI / 2 - coreMeets, -M_PI / 2 - shoeHalf);
    cairo_arc(cr, 0, 0, PoleShoe, -M_PI / 2 - shoeHalf, -M_PI / 2 + shoeHalf);
    cairo_arc_negative(cr, 0, 0, shoeOuter, -M_PI / 2 + shoeHalf, -M_PI / 2 + coreMeets);
    cairo_line_to(cr, coreHalf, -YokeInner - 4);
    cairo_close_path(cr);
    FillShaded(cr, Steel);
    cairo_new_path(cr);
    DrawFieldCoil(cr, -coreHalf - 18);
    DrawFieldCoil(cr, coreHalf);
    cairo_restore(cr);
    const double lx = Cx + std::cos(angle) * (PoleShoe + 22);
    const double ly = Cy + std::sin(angle) * (PoleShoe + 22);
    const TArtText pole(cr, letter, "PT Sans Bold 20px");
    pole.DrawCentred(lx, ly, TRgb::Bytes(180, 0, 0));
}

void TConstructionArt::DrawFluxLines(cairo_t* cr) {
    const double dashes[] = {5, 3};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1);
    TRgb::Bytes(30, 80, 200).Use(cr, 0.85);
    for (const double side : {-1.0, 1.0}) {
        for (const double offset : {14.0, 34.0}) {
            cairo_move_to(cr, Cx + side * offset * 0.4, Cy - PoleShoe + 6);
            cairo_curve_to(cr, Cx + side * offset, Cy - 30, Cx + side * offset, Cy + 30,
                           Cx + side * offset * 0.4, Cy + PoleShoe - 6);
        }
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void TConstructionArt::DrawArmature(cairo_t* cr) {
    cairo_arc(cr, Cx, Cy, ArmatureRadius, 0, 2 * M_PI);
    cairo_pattern_t* core =
        cairo_pattern_create_radial(Cx - 25, Cy - 25, 5, Cx, Cy, ArmatureRadius);
    Steel.Lighter(0.5).Stop(core, 0);
    Steel.Darker(0.1).Stop(core, 1);
    cairo_set_source(cr, core);
    FillOutlined(cr, 1.2);
    cairo_pattern_destroy(core);
    for (int slot = 0; slot < SlotCount; ++slot) {
        DrawConductor(cr, 2 * M_PI * slot / SlotCount);
    }
}

// One side of a field coil beside the pole core, its turns drawn across it.
void TConstructionArt::DrawFieldCoil(cairo_t* cr, double x) {
    cairo_rectangle(cr, x, -YokeInner + 6, 18, 30);
    cairo_pattern_t* coil = cairo_pattern_create_linear(x, 0, x + 18, 0);
    Copper.Lighter(0.3).Stop(coil, 0);
    Copper.Darker(0.2).Stop(coil, 1);
    cairo_set_source(cr, coil);
    FillOutlined(cr, 1);
    cairo_pattern_destroy(coil);
    for (int turn = 1; turn < 5; ++turn) {
        cairo_move_to(cr, x, -YokeInner + 6 + turn * 6);
        cairo_line_to(cr, x + 18, -YokeInner + 6 + turn * 6);
    }
    cairo_set_line_width(cr, 0.6);
    Ink.Use(cr, 0.6);
    cairo_stroke(cr);
}

// A slot in the armature's rim with its conductor; under N the current flows away from the
// viewer (cross), under S towards (dot).
void TConstructionArt::DrawConductor(cairo_t* cr, double angle) {
    const double x = Cx + std::cos(angle) * (ArmatureRadius - 8);
    const double y = Cy + std::sin(angle) * (ArmatureRadius - 8);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -8, -5, 16, 10);
    TRgb{1, 1, 1}.Use(cr);
    FillOutlined(cr, 0.8);
    cairo_restore(cr);
    cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
    Copper.Use(cr);
    FillOutlined(cr, 0.7);
    if (std::sin(angle) < -0.05) {
        cairo_move_to(cr, x - 2.3, y - 2.3);
        cairo_line_to(cr, x + 2.3, y + 2.3);
        cairo_move_to(cr, x + 2.3, y - 2.3);
        cairo_line_to(cr, x - 2.3, y + 2.3);
        cairo_stroke(cr);
    } else if (std::sin(angle) > 0.05) {
        cairo_arc(cr, x, y, 1.2, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void TConstructionArt::DrawCommutator(cairo_t* cr) {
    // Copper segments separated by thin insulation, then the shaft through the middle.
    cairo_arc(cr, Cx, Cy, CommutatorRadius, 0, 2 * M_PI);
    Copper.Lighter(0.15).Use(cr);
    FillOutlined(cr, 1);
    for (int segment = 0; segment < 12; ++segment) {
        const double angle = 2 * M_PI * segment / 12;
        cairo_move_to(cr, Cx + std::cos(angle) * (ShaftRadius + 3),
                      Cy + std::sin(angle) * (ShaftRadius + 3));
        cairo_line_to(cr, Cx + std::cos(angle) * CommutatorRadius,
                      Cy + std::sin(angle) * CommutatorRadius);
    }
    cairo_stroke(cr);
    cairo_arc(cr, Cx, Cy, ShaftRadius, 0, 2 * M_PI);
    cairo_pattern_t* shaft = cairo_pattern_create_radial(Cx - 4, Cy - 4, 1, Cx, Cy, ShaftRadius);
    TRgb{0.95, 0.95, 0.95}.Stop(shaft, 0);
    TRgb{0.45, 0.45, 0.5}.Stop(shaft, 1);
    cairo_set_source(cr, shaft);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shaft);
    Ink.Use(cr);
    cairo_stroke(cr);
    DrawBrush(cr, -1);
    DrawBrush(cr, 1);
}

// A brush on the neutral line at the given side (-1 left, 1 right), pressed on by a spring.
void TConstructionArt::DrawBrush(cairo_t* cr, double side) {
    const double inner = Cx + side * CommutatorRadius;
    const double outer = Cx + side * (CommutatorRadius + 18);
    cairo_rectangle(cr, std::min(inner, outer), Cy - 7, 18, 14);
    TRgb::Bytes(60, 60, 66).Use(cr);
    cairo_fill_preserve(cr);
    Ink.Use(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, outer, Cy);
    for (int turn = 1; turn <= 6; ++turn) {
        cairo_line_to(cr, outer + side * turn * 3, Cy + (turn % 2 == 0 ? -4 : 4));
    }
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void TConstructionArt::DrawLabels(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double r45 = std::sqrt(0.5);
    const TLabel labels[] = {
        {"станина", 318, 40, Cx + YokeOuter * r45 - 4, Cy - YokeOuter * r45 + 4},
        {"полюс", 318, 86, Cx + 20, Cy - PoleShoe - 24},
        {"обмотка\nвозбуждения", 318, 120, Cx + 34, Cy - YokeInner + 22},
        {"якорь", 318, 176, Cx + ArmatureRadius * r45 - 4, Cy - ArmatureRadius * r45 + 4},
        {"коллектор", 318, 216, Cx + CommutatorRadius * r45, Cy + CommutatorRadius * r45},
        {"щётки", 318, 254, Cx + CommutatorRadius + 10, Cy + 7},
        {"вал", 318, 296, Cx + 4, Cy + ShaftRadius - 3},
    };
    for (const TLabel& label : labels) {
        const TArtText text(cr, label.text, "PT Sans 14px");
        text.Draw(label.tx, label.ty, Ink);
        cairo_move_to(cr, label.tx - 3, label.ty + 9);
        cairo_line_to(cr, label.px, label.py);
        cairo_set_line_width(cr, 0.8);
        Ink.Use(cr);
        cairo_stroke(cr);
        cairo_arc(cr, label.px, label.py, 2, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}
