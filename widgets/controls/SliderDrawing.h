#pragma once

#include "gui/graphics/Canvas.h"
#include "widgets/core/WidgetTypes.h"

#include <initializer_list>

// Pointer shapes and lines that the slide switch and the slider draw alike.

// The pen takes the colour first; the last point stays unpainted like every line's end.
void DrawColoredPolyline(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points);
void DrawColoredLine(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2);

// The line track: one line along the middle of the track, short of its ends by the inset.
void DrawTrackCentreLine(TCanvas& canvas, const TRect& track, bool vertical, int inset,
                         TColor color);
// The bevelled tracks: four lines along the middle, two in the first colour, two in the second.
void DrawTrackLines(TCanvas& canvas, const TRect& track, bool vertical, int inset, TColor first,
                    TColor second);

// A button-face frame round a lamp, with a grey edge upper left and a small white glint.
void DrawLedPointer(TCanvas& canvas, const TRect& pointer, TColor lamp);
// A black-outlined five-point arrow towards the marks side, lit along its upper-left edges.
void DrawArrowPointer(TCanvas& canvas, const TRect& pointer, TiOrientation orientation,
                      TiOrientationSide side, TColor face);
