#pragma once

#include <cairo.h>

// Where the drive lies on the bench screen, in screen pixels: the generator's pulley, the
// motor's pulley and the belt between them. The drive is cut into several pictures that the
// screen places side by side and on top of each other; each draws from these figures, so the
// pieces meet.
class TDriveGeometry {
public:
    struct TPoint {
        double x;
        double y;
    };

    // The generator's large pulley is stretched over 177 × 185 at (112, 264); its centre.
    static constexpr TPoint Generator{200.5, 356.5};
    // The pulley's rim, and the belt's centre line around it.
    static constexpr double GeneratorRim = 76;
    static constexpr double GeneratorBelt = 80;
    // The turning part of the generator's pulley, drawn in phases over the rim.
    static constexpr double WheelRadius = 62;
    // The motor's shaft, behind the rotation indicator centred there.
    static constexpr TPoint Motor{100, 584};
    static constexpr double MotorRim = 26;
    static constexpr double MotorBelt = 30;
    static constexpr double BeltWidth = 8;

    // The belt's centre line as a closed path: over the far side of the generator's pulley,
    // down the right run, under the motor's pulley and back up the left run.
    static void AddBelt(cairo_t* cr);

private:
    // Directions from each centre to the points where the runs leave the pulleys.
    static double LeftRunAngle();
    static double RightRunAngle();
};
