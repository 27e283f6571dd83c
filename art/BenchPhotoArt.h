#pragma once

#include <cairo.h>

class TArtCanvas;

// The round photograph of a laboratory bench on the menu: a cabinet with dial instruments,
// a mimic diagram, terminals, switches and lamps, and on the table in front of it a
// motor-generator set and a slide rheostat wired to the panel.
class TBenchPhotoArt {
public:
    // Draws the photograph clipped to the circle about (cx, cy), in a bevelled gold bezel.
    static void Draw(const TArtCanvas& canvas, double cx, double cy, double radius);

private:
    // The scene in a 400 × 400 frame, the camera's view.
    static void DrawRoom(cairo_t* cr);
    static void DrawCabinet(cairo_t* cr);
    static void DrawMeter(cairo_t* cr, double x, double y, double size, double needle,
                          const char* unit);
    static void DrawMeterScale(cairo_t* cr, double cx, double cy, double r, const char* unit);
    static void DrawMimic(cairo_t* cr);
    static void DrawControls(cairo_t* cr);
    static void DrawTerminal(cairo_t* cr, double x, double y, bool red);
    static void DrawToggle(cairo_t* cr, double x, double y, bool up);
    static void DrawLamp(cairo_t* cr, double x, double y, double r, double g, double b, bool lit);
    static void DrawKnob(cairo_t* cr, double x, double y, double radius);
    static void DrawTable(cairo_t* cr);
    static void DrawMachineSet(cairo_t* cr);
    static void DrawMachine(cairo_t* cr, double x, double y, double length, double radius);
    static void DrawRheostat(cairo_t* cr);
    static void DrawCables(cairo_t* cr);
    static void DrawFinish(const TArtCanvas& canvas, double cx, double cy, double radius);
    static void DrawGrain(const TArtCanvas& canvas, double cx, double cy, double radius);
    static void DrawBezel(cairo_t* cr, double cx, double cy, double radius);
};
