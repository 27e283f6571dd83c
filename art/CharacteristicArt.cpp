#include "art/CharacteristicArt.h"

#include <cmath>

#include "art/ArtCanvas.h"
#include "art/ArtImageList.h"
#include "art/ArtOutput.h"

namespace {

// The display shows x 23…199 and y 18…130 of each frame; the plot keeps clear of its edges.
constexpr double VisibleLeft = 23;
constexpr double VisibleBottom = 130;
constexpr double NoCurrentX = 25.5;
constexpr double FullCurrentX = 196;
constexpr double NoVoltageY = 127.5;
constexpr double FullVoltageY = 21;

constexpr int SamplesPerStep = 64;
constexpr double PointRadius = 2.4;
constexpr double Dash[] = {3, 3};

constexpr double GridCurrent = 25;
constexpr double GridVoltage = 2;

constexpr TRgb Grid = TRgb::Bytes(0, 52, 16);
constexpr TRgb Curve = TRgb::Bytes(235, 36, 28);
constexpr TRgb Point = TRgb{1, 1, 1};

} // namespace

void TCharacteristicArt::Write(const TArtOutput& output) {
    TArtImageList list(Width, Height);
    AddScheme(list, TScheme::Independent);
    const TArtCanvas blank(Width, Height);
    blank.Fill(TRgb{0, 0, 0});
    list.AddOnBlack(blank);
    AddScheme(list, TScheme::Series);
    AddScheme(list, TScheme::Shunt);
    output.ImageList("bench/characteristic.il", list.List());
}

int TCharacteristicArt::FirstFrame(TScheme scheme) {
    switch (scheme) {
    case TScheme::Independent:
        return 0;
    case TScheme::Series:
        return BlankFrame + 1;
    case TScheme::Shunt:
        return BlankFrame + PointCount + 2;
    }
    return BlankFrame;
}

TCharacteristicArt::TPoint
TCharacteristicArt::Place(const TGeneratorCharacteristic::TReading& reading) {
    return {NoCurrentX + reading.Current / TGeneratorCharacteristic::CurrentMax *
                             (FullCurrentX - NoCurrentX),
            NoVoltageY - reading.Voltage / TGeneratorCharacteristic::VoltageMax *
                             (NoVoltageY - FullVoltageY)};
}

void TCharacteristicArt::AddScheme(TArtImageList& list, TScheme scheme) {
    for (int points = 0; points <= PointCount; ++points) {
        const TArtCanvas canvas(Width, Height);
        canvas.Fill(TRgb{0, 0, 0});
        DrawGrid(canvas.Cr());
        DrawCurve(canvas.Cr(), scheme);
        DrawPoints(canvas.Cr(), scheme, points);
        list.AddOnBlack(canvas);
    }
}

// Faint rulings to read the points against, on whole pixels so that they stay crisp; they run
// out to the display's edges, where the bench draws the axes.
void TCharacteristicArt::DrawGrid(cairo_t* cr) {
    const TPoint low{VisibleLeft, VisibleBottom + 1};
    const TPoint high =
        Place({TGeneratorCharacteristic::CurrentMax, TGeneratorCharacteristic::VoltageMax});
    for (double current = GridCurrent; current <= TGeneratorCharacteristic::CurrentMax;
         current += GridCurrent) {
        const double x = std::round(Place({current, 0}).x) + 0.5;
        cairo_move_to(cr, x, low.y);
        cairo_line_to(cr, x, high.y);
    }
    for (double voltage = GridVoltage; voltage <= TGeneratorCharacteristic::VoltageMax;
         voltage += GridVoltage) {
        const double y = std::round(Place({0, voltage}).y) + 0.5;
        cairo_move_to(cr, low.x, y);
        cairo_line_to(cr, high.x, y);
    }
    cairo_set_line_width(cr, 1);
    Grid.Use(cr);
    cairo_stroke(cr);
}

// The part where the shunt generator's current turns back is dashed.
void TCharacteristicArt::DrawCurve(cairo_t* cr, TScheme scheme) {
    double turn = TGeneratorCharacteristic::RheostatMax;
    for (int i = 0; i <= PointCount * SamplesPerStep; ++i) {
        const double rheostat = static_cast<double>(i) / SamplesPerStep;
        if (TGeneratorCharacteristic::TurnedBack(scheme, rheostat)) {
            turn = rheostat - 1.0 / SamplesPerStep;
            break;
        }
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const bool dashed : {false, true}) {
        const double from = dashed ? turn : 0;
        const double to = dashed ? TGeneratorCharacteristic::RheostatMax : turn;
        if (to <= from) {
            continue;
        }
        cairo_set_dash(cr, Dash, dashed ? 2 : 0, 0);
        AddCurve(cr, scheme, from, to);
        // A faint glow under the line, as on a lit screen.
        cairo_set_line_width(cr, 4.5);
        Curve.Use(cr, 0.25);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.8);
        Curve.Use(cr);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
}

void TCharacteristicArt::AddCurve(cairo_t* cr, TScheme scheme, double from, double to) {
    const int samples = static_cast<int>(std::ceil((to - from) * SamplesPerStep));
    for (int i = 0; i <= samples; ++i) {
        const double rheostat = from + (to - from) * i / samples;
        const TPoint p = Place(TGeneratorCharacteristic::At(scheme, rheostat));
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
    }
}

// The points measured at rheostat steps 1 … count.
void TCharacteristicArt::DrawPoints(cairo_t* cr, TScheme scheme, int count) {
    for (int step = 1; step <= count; ++step) {
        const TPoint p = Place(TGeneratorCharacteristic::At(scheme, step));
        cairo_new_sub_path(cr);
        cairo_arc(cr, p.x, p.y, PointRadius, 0, 2 * M_PI);
    }
    Point.Use(cr);
    cairo_fill(cr);
}
