#pragma once

#include <cairo.h>

class TArtCanvas;
class TArtOutput;

// The theory illustration of how a DC generator is built: a cross-section through the yoke,
// the main poles with their field windings, the slotted armature, the commutator with its
// brushes and the shaft, each part named beside the drawing.
class TConstructionArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void DrawYoke(cairo_t* cr);
    static void DrawPole(cairo_t* cr, double angle, const char* letter);
    static void DrawFieldCoil(cairo_t* cr, double x);
    static void DrawFluxLines(cairo_t* cr);
    static void DrawArmature(cairo_t* cr);
    static void DrawConductor(cairo_t* cr, double angle);
    static void DrawCommutator(cairo_t* cr);
    static void DrawBrush(cairo_t* cr, double side);
    static void DrawLabels(const TArtCanvas& canvas);
};
