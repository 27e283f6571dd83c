#pragma once

#include <span>

#include "gui/graphics/Color.h"
#include "gui/graphics/Geometry.h"

// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4) whatever the current
// floating-point rounding mode. Values beyond the int range saturate; NaN gives 0.
int Round(double value);
// trunc(value + 0.5): halves go up for positive values, towards zero for negative ones
// (-1.7 -> -1). Saturates like Round.
int RoundHalfUp(double value);

double RadToDeg(double radians);
double DegToRad(double degrees);
// Radians in (-pi, pi]: the one direction std::atan2 can also call -pi is reported as pi.
double ArcTan2(double y, double x);
double Log10(double value);
// For a positive base this is 2^(exponent * log2 base) rather than std::pow, so whole powers may
// come out a rounding step off (compare with a tolerance); other bases fall back to std::pow.
double Power(double base, double exponent);

// Angles in degrees counter-clockwise from 3 o'clock; screen y grows downward, so 90 points up.
// Each offset from the centre is rounded on its own.
TPoint PolarPoint(TPoint center, double radius, double degrees);
TRealPoint PolarPointReal(TRealPoint center, double radius, double degrees);
TPoint RealPointToPoint(TRealPoint point);

// The bounds of the points (Right and Bottom are the largest coordinates themselves). An axis
// spanning no more than minSize is widened to minSize around its middle. No points give an empty
// rectangle at the origin.
TRect BoundingRectMin(std::span<const TPoint> points, int minSize);

// Each channel divided by divisor. A system colour is taken as the plain colour of its low three
// bytes, not looked up in the palette. A divisor below 1 leaves the channels as they are.
TColor DimColor(TColor color, int divisor);
