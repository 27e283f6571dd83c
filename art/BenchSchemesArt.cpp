#include "art/BenchSchemesArt.h"

#include <cmath>
#include <memory>
#include <string>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/ArtPalette.h"
#include "art/ArtText.h"
#include "art/CircuitPen.h"

namespace {

constexpr int SchemeWidth = 129;
constexpr int SchemeHeight = 185;
constexpr int CaptionWidth = 170;
constexpr int CaptionHeight = 51;
constexpr double EdgeWidth = 4;

// The load's rails, shared by the three circuits so that they read alike side by side.
constexpr double TopRail = 18;
constexpr double BottomRail = 170;
constexpr double ArmatureRadius = 13;
constexpr double MeterRadius = 9;
constexpr int LabelPx = 11;

// The LED over the caption, centred in the caption's pixels.
constexpr double LedX = 16.5;
constexpr double LedY = 24.5;
constexpr double TextLeft = 32;
constexpr double TextRight = 166;

struct TColumn {
    const char* caption;
    TRgb color;
};

constexpr TColumn Columns[] = {
    {"СХЕМА ГЕНЕРАТОРА С НЕЗАВИСИМЫМ ВОЗБУЖДЕНИЕМ", ArtPalette::SchemeIndependent},
    {"СХЕМА ГЕНЕРАТОРА С ПОСЛЕДОВАТЕЛЬНЫМ ВОЗБУЖДЕНИЕМ", ArtPalette::SchemeSeries},
    {"СХЕМА ГЕНЕРАТОРА С ПАРАЛЛЕЛЬНЫМ ВОЗБУЖДЕНИЕМ", ArtPalette::SchemeShunt},
};

constexpr TRgb Paper = TRgb::Bytes(252, 251, 245);
constexpr TRgb Ink = TRgb::Bytes(24, 24, 30);

} // namespace

void TBenchSchemesArt::Write(const TArtOutput& output) {
    for (int i = 0; i < 3; ++i) {
        WriteScheme(output, i);
        WriteCaption(output, i);
    }
}

void TBenchSchemesArt::WriteScheme(const TArtOutput& output, int index) {
    const TArtCanvas canvas(SchemeWidth, SchemeHeight);
    DrawPaper(canvas, Columns[index].color);
    const TCircuitPen pen(canvas.Cr());
    if (index == 0) {
        DrawIndependent(pen);
    } else if (index == 1) {
        DrawSeries(pen);
    } else {
        DrawShunt(pen);
    }
    output.Bmp("bench/scheme" + std::to_string(index + 1) + ".bmp", canvas);
}

void TBenchSchemesArt::WriteCaption(const TArtOutput& output, int index) {
    const TArtCanvas canvas(CaptionWidth, CaptionHeight);
    DrawPaper(canvas, Columns[index].color);
    DrawLedSocket(canvas);
    // The largest narrow type at which the name fits beside the LED.
    std::unique_ptr<TArtText> text;
    for (int px = 14; px >= 9; --px) {
        text = std::make_unique<TArtText>(
            canvas.Cr(), Columns[index].caption, "PT Sans Narrow Bold " + std::to_string(px) + "px",
            static_cast<int>(TextRight - TextLeft), PANGO_ALIGN_CENTER);
        const PangoRectangle ink = text->Ink();
        if (ink.width <= TextRight - TextLeft && ink.height <= CaptionHeight - 2 * EdgeWidth - 6) {
            break;
        }
    }
    text->DrawCentred((TextLeft + TextRight) / 2, CaptionHeight / 2.0,
                      Columns[index].color.Darker(0.35));
    output.Bmp("bench/caption" + std::to_string(index + 1) + ".bmp", canvas);
}

// White card in a frame of the column's colour.
void TBenchSchemesArt::DrawPaper(const TArtCanvas& canvas, const TRgb& edge) {
    cairo_t* cr = canvas.Cr();
    canvas.Fill(edge);
    cairo_rectangle(cr, EdgeWidth, EdgeWidth, canvas.Width() - 2 * EdgeWidth,
                    canvas.Height() - 2 * EdgeWidth);
    canvas.VerticalGradient(EdgeWidth, canvas.Height() - EdgeWidth, Paper, Paper.Darker(0.06));
    cairo_rectangle(cr, EdgeWidth + 0.5, EdgeWidth + 0.5, canvas.Width() - 2 * EdgeWidth - 1,
                    canvas.Height() - 2 * EdgeWidth - 1);
    cairo_set_line_width(cr, 1);
    edge.Darker(0.3).Use(cr, 0.5);
    cairo_stroke(cr);
}

// The winding has a 12 V supply of its own, regulated by the rheostat; the armature feeds the
// lamp through the ammeter, the voltmeter across it.
void TBenchSchemesArt::DrawIndependent(const TCircuitPen& pen) {
    const double battery = 20;
    const double winding = 108;
    const double top = 16;
    const double bottom = 64;
    pen.Polyline({battery, 39, battery, top, 44, top});
    pen.Resistor(44, top, 88, top, true);
    pen.Polyline({88, top, winding, top, winding, top + 8});
    pen.Winding(winding, top + 8, winding, bottom - 6, 4);
    pen.Polyline({winding, bottom - 6, winding, bottom, battery, bottom, battery, 45});
    pen.Battery(battery, 42);
    pen.Label(42, 36, "12 В", 10);
    pen.Label(68, 23, "Rр", LabelPx);
    pen.Label(84, 40, "ОВ", LabelPx);

    const double rail = 84;
    const double ax = 22;
    const double ay = 128;
    pen.Polyline({ax, ay - ArmatureRadius - 6, ax, rail, 114, rail, 114, BottomRail, ax, BottomRail,
                  ax, ay + ArmatureRadius + 6});
    pen.Wire(86, rail, 86, BottomRail);
    pen.Junction(86, rail);
    pen.Junction(86, BottomRail);
    pen.Armature(ax, ay, ArmatureRadius);
    pen.Meter(54, rail, 8, "A");
    pen.Meter(86, ay, MeterRadius, "V");
    pen.Lamp(114, ay, MeterRadius);
}

// The winding carries the whole load current, in series with the armature, the ammeter, the
// rheostat and the lamp.
void TBenchSchemesArt::DrawSeries(const TCircuitPen& pen) {
    const double ax = 22;
    const double ay = 104;
    const double right = 104;
    const double meter = 62;
    pen.Polyline({ax, ay - ArmatureRadius - 6, ax, 70});
    pen.Winding(ax, 70, ax, 28, 4);
    pen.Polyline({ax, 28, ax, TopRail, right, TopRail, right, 60});
    pen.Resistor(right, 60, right, 106, true);
    pen.Polyline({right, 106, right, BottomRail, ax, BottomRail, ax, ay + ArmatureRadius + 6});
    pen.Wire(meter, TopRail, meter, BottomRail);
    pen.Junction(meter, TopRail);
    pen.Junction(meter, BottomRail);
    pen.Armature(ax, ay, ArmatureRadius);
    pen.Meter(right, 40, 8, "A");
    pen.Meter(meter, ay, MeterRadius, "V");
    pen.Lamp(right, 140, MeterRadius);
    pen.Label(31, 40, "ОВ", LabelPx);
    pen.Label(108, 58, "Rр", LabelPx);
}

// The winding and its rheostat lie across the armature, beside the load.
void TBenchSchemesArt::DrawShunt(const TCircuitPen& pen) {
    const double ax = 22;
    const double ay = 96;
    const double field = 52;
    const double meter = 84;
    const double lamp = 114;
    pen.Polyline({ax, ay - ArmatureRadius - 6, ax, TopRail, lamp, TopRail, lamp, BottomRail, ax,
                  BottomRail, ax, ay + ArmatureRadius + 6});
    pen.Wire(field, TopRail, field, 28);
    pen.Resistor(field, 28, field, 76, true);
    pen.Wire(field, 76, field, 110);
    pen.Winding(field, 110, field, 152, 4);
    pen.Wire(field, 152, field, BottomRail);
    pen.Wire(meter, TopRail, meter, BottomRail);
    for (const double x : {field, meter}) {
        pen.Junction(x, TopRail);
        pen.Junction(x, BottomRail);
    }
    pen.Armature(ax, ay, ArmatureRadius);
    pen.Meter(lamp, 50, 8, "A");
    pen.Meter(meter, ay, MeterRadius, "V");
    pen.Lamp(lamp, ay + 34, MeterRadius);
    pen.Label(58, 26, "Rр", LabelPx);
    pen.Label(60, 124, "ОВ", LabelPx);
}

void TBenchSchemesArt::DrawLedSocket(const TArtCanvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto addSocket = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, LedX, LedY, 10.5, 0, 2 * M_PI);
    };
    addSocket(cr);
    cairo_pattern_t* ring = cairo_pattern_create_linear(LedX - 10, LedY - 10, LedX + 10, LedY + 10);
    TRgb::Bytes(120, 120, 126).Stop(ring, 0);
    TRgb::Bytes(235, 235, 240).Stop(ring, 1);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    canvas.SoftShadow(addSocket, 1, 1.5, 2, 0.5, true);
    cairo_arc(cr, LedX, LedY, 10.5, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    Ink.Use(cr, 0.5);
    cairo_stroke(cr);
}
