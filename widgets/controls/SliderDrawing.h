#pragma once

#include "gui/graphics/Canvas.h"
#include "widgets/core/WidgetTypes.h"

#include <initializer_list>

// Pointer shapes and lines that the slide switch and the slider draw alike.

// The pen takes the colour first; the last point stays unpainted like every line's end.
void DrawColoredPolyline(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points);

// A button-face frame round a lamp, with a grey edge upper left and a small white glint.
void DrawLedPointer(TCanvas& canvas, const TRect& pointer, TColor lamp);
// A black-outlined five-point arrow towards the marks side, lit along its upper-left edges.
void DrawArrowPointer(TCanvas& canvas, const TRect& pointer, TiOrientation orientation,
                      TiOrientationSide side, TColor face);
