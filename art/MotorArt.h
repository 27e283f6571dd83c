#pragma once

#include <cairo.h>

class TArtOutput;

// The drive motor seen from its front: a ribbed housing on its feet, the end shield with its
// air slots, and the pulley that the belt runs from. The bench lays its rotation indicator over
// the end shield.
class TMotorArt {
public:
    static void Write(const TArtOutput& output);

private:
    // All draw in screen pixels under the current transform.
    static void DrawFeet(cairo_t* cr);
    static void DrawHousing(cairo_t* cr);
    static void DrawEndShield(cairo_t* cr);
    static void DrawPulley(cairo_t* cr);
};
