#pragma once

#include "art/Rgb.h"

class TArtCanvas;
class TArtOutput;
class TCircuitPen;

// The three scheme columns of the bench: a small circuit diagram of each way of exciting the
// generator, and the plate beneath it naming the scheme, both edged in the column's colour.
class TBenchSchemesArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void WriteScheme(const TArtOutput& output, int index);
    static void WriteCaption(const TArtOutput& output, int index);
    static void DrawPaper(const TArtCanvas& canvas, const TRgb& edge);
    // The circuits, each in the 129 × 185 picture's own pixels.
    static void DrawIndependent(const TCircuitPen& pen);
    static void DrawSeries(const TCircuitPen& pen);
    static void DrawShunt(const TCircuitPen& pen);
    // The recess the column's LED sits in, on the caption's left.
    static void DrawLedSocket(const TArtCanvas& canvas);
};
