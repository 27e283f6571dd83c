#pragma once

#include <cairo.h>

class TArtCanvas;
class TArtOutput;

// The splash screen: an old sepia photograph of a telescope under an observatory dome, and
// the block its progress bar is built from.
class TSplashArt {
public:
    static void Write(const TArtOutput& output);

    struct TPoint {
        double x;
        double y;
    };

private:
    // The scene is drawn in greys and toned afterwards, as a print would be.
    static void DrawSky(const TArtCanvas& canvas);
    static TPoint Meridian(double k, double t);
    static double Bulge(double x);
    static void AddSlit(cairo_t* cr);
    static void DrawDome(cairo_t* cr);
    static void DrawRibs(cairo_t* cr);
    static void DrawShutters(cairo_t* cr);
    static void DrawDeskLamp(cairo_t* cr);
    static void DrawTelescope(cairo_t* cr);
    static void DrawPier(cairo_t* cr);
    static void DrawMount(cairo_t* cr);
    static void DrawOptics(cairo_t* cr, TPoint centre);
    static void DrawFloor(cairo_t* cr);
    static void DrawLadder(cairo_t* cr);
    static void DrawDesk(cairo_t* cr);
    static void Tone(const TArtCanvas& canvas);
    static void DrawCaption(const TArtCanvas& canvas);
    static void WriteBlock(const TArtOutput& output);
};
