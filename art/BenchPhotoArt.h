#pragma once

#include <cairo.h>

class TArtCanvas;

// The round photograph of a laboratory bench on the menu: a wall-mounted panel with dial
// instruments and switches above a table carrying a motor-generator set.
class TBenchPhotoArt {
public:
    // Draws the photograph clipped to the circle about (cx, cy), in a bevelled gold bezel.
    static void Draw(const TArtCanvas& canvas, double cx, double cy, double radius);

private:
    // The scene in a 400 × 400 frame, the camera's view.
    static void DrawRoom(cairo_t* cr);
    static void DrawPanel(cairo_t* cr);
    static void DrawDial(cairo_t* cr, double cx, double cy, double r, double needle);
    static void DrawToggle(cairo_t* cr, double x, double y, bool up);
    static void DrawTable(cairo_t* cr);
    static void DrawMachine(cairo_t* cr, double x, double y, double length, double radius);
    static void DrawCables(cairo_t* cr);
    static void DrawGrain(const TArtCanvas& canvas, double cx, double cy, double radius);
    static void DrawBezel(cairo_t* cr, double cx, double cy, double radius);
};
