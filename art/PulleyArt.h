#pragma once

#include <cairo.h>

class TArtOutput;

// The generator's pulley: the rim that the belt lies on, stretched over its place on the bench,
// and the spoked wheel inside it in the phases that the bench cycles to turn it.
class TPulleyArt {
public:
    static constexpr int PhaseCount = 4;
    // A phase turns the wheel by a third of the angle between two spokes, so that cycling
    // phases 2, 3, 4 reads as an even rotation.
    static constexpr int SpokeCount = 5;
    static constexpr double PhaseStep = 360.0 / SpokeCount / 3;

    static void Write(const TArtOutput& output);

private:
    static void WriteLarge(const TArtOutput& output);
    static void WritePhase(const TArtOutput& output, int phase);
    // Both draw in screen pixels under the current transform.
    static void DrawRim(cairo_t* cr);
    static void DrawWheel(cairo_t* cr, double turnDegrees);
    static void DrawSpoke(cairo_t* cr, double angle);
    static void DrawHub(cairo_t* cr);
};
