#pragma once

#include <cairo.h>

class TArtCanvas;
class TArtOutput;

// The lamp of each scheme column, in sixteen steps of brightness, and the yellow frame that
// marks the lamp of the selected scheme.
class TBulbArt {
public:
    static constexpr int FrameCount = 16;
    static constexpr int Side = 70;

    static void Write(const TArtOutput& output);

private:
    // brightness from 0 (cold) to 1 (full glow).
    static void DrawFrame(const TArtCanvas& canvas, double brightness);
    static void DrawGlow(cairo_t* cr, double brightness);
    static void DrawGlass(cairo_t* cr, double brightness);
    static void DrawFilament(cairo_t* cr, double brightness);
    static void DrawBase(cairo_t* cr);
    static void WriteHighlight(const TArtOutput& output);
};
