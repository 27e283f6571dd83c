#include "art/SchemesArt.h"

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"
#include "art/CircuitPen.h"

namespace {

constexpr int Width = 417;
constexpr int Height = 345;
constexpr double RowHeight = 115;
// The rails of each circuit and its armature.
constexpr double Top = 34;
constexpr double Bottom = 104;
constexpr double Middle = (Top + Bottom) / 2;
constexpr double ArmatureRadius = 17;

struct TRow {
    const char* caption;
    TRgb color;
};

constexpr TRow Rows[] = {
    {"1. независимое", ArtPalette::SchemeIndependent},
    {"2. последовательное", ArtPalette::SchemeSeries},
    {"3. параллельное", ArtPalette::SchemeShunt},
};

} // namespace

void TSchemesArt::Write(const TArtOutput& output) {
    const TArtCanvas canvas(Width, Height);
    canvas.Fill(TRgb{1, 1, 1});
    for (int i = 0; i < 3; ++i) {
        DrawRow(canvas, i);
    }
    output.Jpeg("ico/5(new).jpg", canvas);
}

void TSchemesArt::DrawRow(const TArtCanvas& canvas, int index) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 0, index * RowHeight);
    const TRow& row = Rows[index];
    TArtCanvas::RoundedRect(cr, 3.5, 3.5, Width - 7, RowHeight - 7, 8);
    row.color.Lighter(0.93).Use(cr);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    row.color.Use(cr);
    cairo_stroke(cr);
    const TArtText caption(cr, row.caption, "PT Sans Bold 14px");
    caption.Draw(12, 7, row.color);
    const TCircuitPen pen(cr);
    if (index == 0) {
        DrawIndependent(pen);
    } else if (index == 1) {
        DrawSeries(pen);
    } else {
        DrawShunt(pen);
    }
    cairo_restore(cr);
}

// The winding has a supply of its own, regulated by a rheostat.
void TSchemesArt::DrawIndependent(const TCircuitPen& pen) {
    const double ax = 230;
    pen.Polyline({40, Middle - 3, 40, Top + 6, 80, Top + 6});
    pen.Resistor(80, Top + 6, 140, Top + 6, true);
    pen.Polyline({140, Top + 6, 160, Top + 6, 160, Top + 14});
    pen.Winding(160, Top + 14, 160, Bottom - 14, 5);
    pen.Polyline({160, Bottom - 14, 160, Bottom - 4, 40, Bottom - 4, 40, Middle + 3});
    pen.Battery(40, Middle);
    pen.Label(120, Top + 12, "Rр");
    pen.Label(170, Middle - 8, "ОВ");
    pen.Polyline({ax, Middle - ArmatureRadius - 6, ax, Top, 370, Top, 370, Middle - 20});
    pen.Polyline({ax, Middle + ArmatureRadius + 6, ax, Bottom, 370, Bottom, 370, Middle + 20});
    pen.Armature(ax, Middle, ArmatureRadius);
    DrawLoad(pen, 370);
}

// The whole load current flows through the winding.
void TSchemesArt::DrawSeries(const TCircuitPen& pen) {
    const double ax = 70;
    pen.Polyline({ax, Middle - ArmatureRadius - 6, ax, Top, 120, Top});
    pen.Winding(120, Top, 200, Top, 6);
    pen.Label(150, Top + 6, "ОВ");
    pen.Polyline({200, Top, 230, Top});
    pen.Resistor(230, Top, 300, Top, true);
    pen.Label(276, Top + 8, "Rр");
    pen.Polyline({300, Top, 370, Top, 370, Middle - 20});
    pen.Polyline({ax, Middle + ArmatureRadius + 6, ax, Bottom, 370, Bottom, 370, Middle + 20});
    pen.Armature(ax, Middle, ArmatureRadius);
    DrawLoad(pen, 370);
}

// The winding and its rheostat lie across the armature, beside the load.
void TSchemesArt::DrawShunt(const TCircuitPen& pen) {
    const double ax = 70;
    const double bx = 200;
    pen.Polyline({ax, Middle - ArmatureRadius - 6, ax, Top, 370, Top, 370, Middle - 20});
    pen.Polyline({ax, Middle + ArmatureRadius + 6, ax, Bottom, 370, Bottom, 370, Middle + 20});
    pen.Polyline({bx, Top, bx, Top + 4});
    pen.Resistor(bx, Top + 4, bx, Middle - 2, true);
    pen.Polyline({bx, Middle - 2, bx, Middle + 2});
    pen.Winding(bx, Middle + 2, bx, Bottom - 4, 4);
    pen.Polyline({bx, Bottom - 4, bx, Bottom});
    pen.Junction(bx, Top);
    pen.Junction(bx, Bottom);
    pen.Label(bx - 38, Top + 8, "Rр");
    pen.Label(bx + 10, Middle + 10, "ОВ");
    pen.Armature(ax, Middle, ArmatureRadius);
    DrawLoad(pen, 370);
}

void TSchemesArt::DrawLoad(const TCircuitPen& pen, double x) {
    pen.Resistor(x, Middle - 20, x, Middle + 20, false);
    pen.Label(x + 12, Middle - 8, "Rн");
}
