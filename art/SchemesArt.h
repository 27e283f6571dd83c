#pragma once

class TArtCanvas;
class TArtOutput;
class TCircuitPen;

// The theory illustration of the three ways to excite a DC generator, one circuit per row.
class TSchemesArt {
public:
    static void Write(const TArtOutput& output);

private:
    // Each row's circuit is drawn in its own coordinates, 417 × 115, the caption at the top.
    static void DrawRow(const TArtCanvas& canvas, int index);
    static void DrawIndependent(const TCircuitPen& pen);
    static void DrawSeries(const TCircuitPen& pen);
    static void DrawShunt(const TCircuitPen& pen);
    static void DrawLoad(const TCircuitPen& pen, double x);
};
