#include "art/DriveGeometry.h"

#include <cmath>

namespace {

double Towards() {
    return std::atan2(TDriveGeometry::Motor.y - TDriveGeometry::Generator.y,
                      TDriveGeometry::Motor.x - TDriveGeometry::Generator.x);
}

// The outer tangents of two circles leave both at the same angle off the line of centres.
double TangentOffset() {
    const double distance = std::hypot(TDriveGeometry::Motor.x - TDriveGeometry::Generator.x,
                                       TDriveGeometry::Motor.y - TDriveGeometry::Generator.y);
    return std::acos((TDriveGeometry::GeneratorBelt - TDriveGeometry::MotorBelt) / distance);
}

} // namespace

double TDriveGeometry::LeftRunAngle() {
    return Towards() + TangentOffset();
}

double TDriveGeometry::RightRunAngle() {
    return Towards() - TangentOffset();
}

void TDriveGeometry::AddBelt(cairo_t* cr) {
    const double left = LeftRunAngle();
    const double right = RightRunAngle();
    cairo_new_sub_path(cr);
    // Angles grow clockwise on the screen: over the top of the generator's pulley, then under
    // the motor's.
    cairo_arc(cr, Generator.x, Generator.y, GeneratorBelt, left, right + 2 * M_PI);
    cairo_arc(cr, Motor.x, Motor.y, MotorBelt, right, left);
    cairo_close_path(cr);
}
