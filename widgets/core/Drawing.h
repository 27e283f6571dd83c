#pragma once

#include <array>
#include <span>
#include <string>

#include "gui/graphics/Canvas.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Geometry.h"
#include "widgets/core/WidgetTypes.h"

// Text layout bits of DrawTextWithOptions, as the widgets store them in their properties.
constexpr unsigned dtoLeft = 1;
constexpr unsigned dtoCenter = 2;
constexpr unsigned dtoRight = 4;
constexpr unsigned dtoTop = 8;
constexpr unsigned dtoVCenter = 16;
constexpr unsigned dtoBottom = 32;
constexpr unsigned dtoWordBreak = 64;
constexpr unsigned dtoSingleLine = 128;
constexpr unsigned dtoExpandTabs = 256;
constexpr unsigned dtoNoClip = 512;
// Without it an "&" is shown as it is instead of underlining the next character.
constexpr unsigned dtoPrefix = 1024;
constexpr unsigned dtoCalcRect = 2048;
constexpr unsigned dtoEndEllipsis = 4096;
constexpr unsigned dtoPathEllipsis = 8192;
constexpr unsigned dtoWordEllipsis = 16384;
constexpr unsigned dtoModifyString = 32768;

// Angles below are in degrees counter-clockwise from 3 o'clock, with 90 pointing up.

// A two-pixel 3D frame along the inside of rect; the inside is left alone.
void DrawBevelFrame(TCanvas& canvas, const TRect& rect, bool raised);
// A horizontal or vertical line; raised and lowered styles paint white and black lines beside it
// and leave the pen with the colour of the last one.
void DrawEtchedLine(TCanvas& canvas, int x1, int y1, int x2, int y2, TiBevelStyle style);
// With the current pen; the end point stays unpainted.
void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2);
// Inverting, so drawing it a second time removes it.
void DrawFocusRectangle(TCanvas& canvas, const TRect& rect);
// Leaves the pen and brush in color.
void DrawColoredFocusRectangle(TCanvas& canvas, const TRect& rect, TColor color);
// Returns the height of the text. With dtoCalcRect nothing is drawn and rect receives the
// measured bounds.
int DrawTextWithOptions(TCanvas& canvas, const std::string& text, TRect& rect, unsigned options);
// The ring sector between the two radii and the two angles (in either order), filled with color;
// equal radii give just the arc. Leaves the pen and brush in color.
void DrawArcBand(TCanvas& canvas, double radius1, double radius2, TColor color, TPoint center,
                 double angle1, double angle2);
// The points DrawArcBand draws through, kept in storage: the arc as a polyline for equal radii,
// otherwise the band's closed outline for a polygon.
constexpr int ArcBandSteps = 400;
using TArcBandPoints = std::array<TPoint, 2 * (ArcBandSteps + 1) + 1>;
std::span<const TPoint> ArcBandOutline(double radius1, double radius2, TPoint center, double angle1,
                                       double angle2, TArcBandPoints& storage);
