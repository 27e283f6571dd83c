#pragma once

#include <cairo.h>

#include "stand/GeneratorCharacteristic.h"

class TArtCanvas;
class TArtImageList;
class TArtOutput;

// The external characteristic of each scheme as the bench's plot shows it: the curve over the
// whole rheostat range, and frame by frame the points measured at its steps so far. The axes
// are drawn by the bench itself, just outside the part of the frame its display shows.
class TCharacteristicArt {
public:
    using TScheme = TGeneratorCharacteristic::TScheme;

    struct TPoint {
        double x;
        double y;
    };

    static constexpr int Width = 222;
    static constexpr int Height = 149;
    static constexpr int PointCount = 15;
    static constexpr int BlankFrame = 16;
    static constexpr int FrameCount = 49;

    static void Write(const TArtOutput& output);
    // The frame showing the curve alone; frame + k shows the first k points.
    static int FirstFrame(TScheme scheme);
    // Where a reading lies in a frame: no current at the left, no voltage at the bottom of
    // the part the display shows.
    static TPoint Place(const TGeneratorCharacteristic::TReading& reading);

private:
    static void AddScheme(TArtImageList& list, TScheme scheme);
    static void DrawGrid(cairo_t* cr);
    static void DrawCurve(cairo_t* cr, TScheme scheme);
    // The curve over rheostat values from..to, as a path.
    static void AddCurve(cairo_t* cr, TScheme scheme, double from, double to);
    static void DrawPoints(cairo_t* cr, TScheme scheme, int count);
};
